// The field syntax of the data files, the working folder's file access and the code pages.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/working_dir.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

std::vector<std::string> AllFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.Next())
        fields.push_back(field->text);
    return fields;
}

using Fields = std::vector<std::string>;

// Quoted fields keep commas and may run across a line end (an unclosed one to the end);
// unquoted fields end at a comma or line end and lose their spaces (only spaces).
TEST(FieldReader, SplitsTextIntoFields) {
    const std::pair<std::string_view, Fields> cases[] = {
        {"one, two\r\n\"three, four\"\r\n", {"one", "two", "three, four"}},
        {"  padded   \nnext", {"padded", "next"}},
        {"\"  kept  \" trailing junk,after", {"  kept  ", "after"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"last without line end", {"last without line end"}},
        {"x\r\n   ", {"x"}},
        {"", {}},
        {"\ttab\t", {"\ttab\t"}},
        {"\"two\r\nlines\",x", {"two\r\nlines", "x"}},
        {"\"never closed, at all", {"never closed, at all"}},
    };
    for (const auto& [text, fields] : cases)
        EXPECT_EQ(AllFields(text), fields) << text;

    FieldReader reader("\"\",\"a,b\",3\r\n4,5\nlast");
    for (const Fields& line : {Fields{"", "a,b", "3"}, Fields{"4", "5"}, Fields{"last"}, Fields{}})
        EXPECT_EQ(reader.NextLine(), line);
}

TEST(FieldReader, NumbersAndIntegersAcceptOnlyWholeNumericTexts) {
    const std::pair<std::string_view, std::optional<double>> numbers[] = {
        {" .25 ", 0.25}, {"-3", -3}, {"", 0}, {"abc", {}}, {"12 kW", {}}, {"1e999", {}},
    };
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(FieldNumber(text), value) << text;
    const std::pair<std::string_view, std::optional<int>> integers[] = {
        {"77", 77}, {"2.5", 2}, {"40000", {}}, {"x", {}}};
    for (const auto& [text, value] : integers)
        EXPECT_EQ(FieldInteger(text), value) << text;
}

TEST(FieldWriter, WritesTheFormTheReaderTakesBack) {
    FieldWriter w;
    w.Text("a, b").Integer(-7).Number(0.25).Number(-0.0).Text("say \"hi\"").EndLine();
    w.Number(1e-7).EndLine();
    EXPECT_EQ(w.Content(), "\"a, b\",-7,0.25,0,\"say ''hi''\"\r\n1e-07\r\n");
    FieldReader reader(w.Content());
    EXPECT_EQ(reader.NextLine(), (Fields{"a, b", "-7", "0.25", "0", "say ''hi''"}));
    EXPECT_EQ(FieldNumber(reader.NextLine().at(0)).value(), 1e-7);
}

TEST(WorkingDir, MatchesNamesWithoutRegardToLetterCase) {
    test::TempDir temp;
    temp.Write("CAPTION.ndl", "x");
    WorkingDir dir(temp.Path());
    EXPECT_TRUE(dir.Exists("Caption.NDL"));
    EXPECT_EQ(dir.ReadBytes("caption.ndl").value(), "x");
    EXPECT_FALSE(dir.ReadBytes("Caption.ITA").has_value());

    ASSERT_TRUE(dir.OpenForReplace("Caption.NDL", "new"));
    EXPECT_EQ(temp.Read("CAPTION.ndl"), "new");
    EXPECT_FALSE(temp.Exists("Caption.NDL"));
}

TEST(WorkingDir, OpenForReplaceMakesAReadOnlyFileWritableAndReplacesItWhole) {
    test::TempDir temp;
    temp.Write("TempPart.dat", "old content");
    std::string path = (temp.Path() / "TempPart.dat").string();
    ::chmod(path.c_str(), 0444);
    WorkingDir dir(temp.Path());
    ASSERT_TRUE(dir.OpenForReplace("TempPart.dat", "new"));
    EXPECT_EQ(temp.Read("TempPart.dat"), "new");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    EXPECT_FALSE(dir.MakeWritable("missing.dat"));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WorkingDir, AFailedReplaceLeavesTheOldFileWhole) {
    test::TempDir temp;
    std::filesystem::create_directory(temp.Path() / "sub");
    WorkingDir dir(temp.Path() / "sub");
    ASSERT_TRUE(dir.OpenForReplace("kparam.dat", "old"));
    // A folder in which nothing can be created: the write fails, the old file stays.
    WorkingDir gone(temp.Path() / "no-such-folder");
    EXPECT_FALSE(gone.OpenForReplace("kparam.dat", "new"));
    EXPECT_EQ(dir.ReadBytes("kparam.dat").value(), "old");
}

// Something other than a regular file in a file's place: made by make in the folder under name.
struct OddFile {
    std::string what;
    std::function<void(const std::filesystem::path& folder, const std::string& name)> make;
};

std::vector<OddFile> OddFiles() {
    namespace fs = std::filesystem;
    return {
        {"a named pipe",
         [](const fs::path& folder, const std::string& name) {
             ASSERT_TRUE(test::MakeFifo(folder / name));
         }},
        {"a link to a named pipe",
         [](const fs::path& folder, const std::string& name) {
             ASSERT_TRUE(test::MakeFifo(folder / "pipe"));
             fs::create_symlink(folder / "pipe", folder / name);
         }},
        {"a link to /dev/zero",
         [](const fs::path& folder, const std::string& name) {
             fs::create_symlink("/dev/zero", folder / name);
         }},
        {"a folder", [](const fs::path& folder,
                        const std::string& name) { fs::create_directory(folder / name); }},
        {"a socket",
         [](const fs::path& folder, const std::string& name) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             const std::string path = (folder / name).string();
             ASSERT_LT(path.size(), sizeof address.sun_path);
             path.copy(address.sun_path, path.size());
             ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(fd);
         }},
    };
}

mode_t ModeOf(const std::filesystem::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode;
}

// Something other than a regular file is neither read, made writable nor replaced, and is never
// waited on.
TEST(WorkingDir, OnlyRegularFilesAreReadOrWrittenAndAnythingElseIsNeverWaitedOn) {
    for (const OddFile& odd : OddFiles()) {
        SCOPED_TRACE(odd.what);
        test::TempDir temp;
        odd.make(temp.Path(), "kparam.dat");
        const std::filesystem::path path = temp.Path() / "kparam.dat";
        ::chmod(path.c_str(), 0444);
        const mode_t before = ModeOf(path);
        const WorkingDir dir(temp.Path());
        ASSERT_EQ(test::EndsWithinBounds([&] {
                      dir.ReadBytes("kparam.dat");
                      dir.ReadBytes("KPARAM.DAT", 100);
                      dir.MakeWritable("kparam.dat");
                      dir.OpenForReplace("kparam.dat", "new");
                      dir.ReplaceRange("kparam.dat", 0, "new");
                  }),
                  "");
        EXPECT_FALSE(dir.Exists("kparam.dat"));
        EXPECT_FALSE(dir.ReadBytes("kparam.dat").has_value());
        EXPECT_FALSE(dir.ReadBytes("Kparam.dat", 100).has_value());
        EXPECT_FALSE(dir.MakeWritable("kparam.dat"));
        EXPECT_FALSE(dir.OpenForReplace("kparam.dat", "new"));
        EXPECT_FALSE(dir.ReplaceRange("kparam.dat", 0, "new"));
        EXPECT_FALSE(dir.WithWritesHeld().OpenForReplace("kparam.dat", "new"));
        EXPECT_EQ(ModeOf(path), before);
    }
}

TEST(WorkingDir, ABoundedReadGivesTheFirstBytesOfARegularFileBehindALink) {
    test::TempDir temp;
    temp.Write("R22.DAT", "0123456789");
    std::filesystem::create_symlink(temp.Path() / "R22.DAT", temp.Path() / "link.DAT");
    const WorkingDir dir(temp.Path());
    EXPECT_EQ(dir.ReadBytes("r22.dat", 4).value(), "0123");
    EXPECT_EQ(dir.ReadBytes("R22.DAT", 0).value(), "");
    EXPECT_EQ(dir.ReadBytes("LINK.dat", 100).value(), "0123456789");
    EXPECT_TRUE(dir.Exists("link.DAT"));
}

TEST(WorkingDir, OnlyPlainNamesAreFileNames) {
    for (std::string_view name : {"Caption.GER", "R22.LST", "ergEN1.DAT", "KÜHLKAT", "a b.c", ".x"})
        EXPECT_TRUE(WorkingDir::IsPlainFileName(name)) << name;
    using namespace std::string_literals;
    for (const std::string& name :
         {""s, "."s, ".."s, "../vict"s, "a/b"s, "/etc/passwd"s, "a\\b"s, "Caption...."s, "x..y"s,
          "ab\0cd"s, "tab\there"s, "line\r\n"s, "del\x7F"s, "c1\u0085"s}) {
        EXPECT_FALSE(WorkingDir::IsPlainFileName(name)) << name;
    }
}

TEST(WorkingDir, ANameThatIsNoPlainFileNameStandsForAMissingFileAndReachesNothingOutside) {
    test::TempDir outer;
    std::filesystem::create_directory(outer.Path() / "work");
    std::filesystem::create_directory(outer.Path() / "work" / "sub");
    outer.Write("outside.dat", "outside");
    outer.Write("work/sub/inside.dat", "inside");
    outer.Write("work/ab", "ab");
    const std::filesystem::path outside = outer.Path() / "outside.dat";
    ::chmod(outside.c_str(), 0444);
    const WorkingDir dir(outer.Path() / "work");
    using namespace std::string_literals;
    for (const std::string& name : {"../outside.dat"s, "sub/inside.dat"s, "ab\0cd"s,
                                    (outer.Path() / "outside.dat").string()}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(dir.Resolve(name), std::filesystem::path());
        EXPECT_FALSE(dir.Exists(name));
        EXPECT_FALSE(dir.ReadBytes(name).has_value());
        EXPECT_FALSE(dir.ReadBytes(name, 10).has_value());
        EXPECT_FALSE(dir.MakeWritable(name));
        EXPECT_FALSE(dir.OpenForReplace(name, "new"));
        EXPECT_FALSE(dir.ReplaceRange(name, 0, "new"));
        EXPECT_FALSE(dir.WithWritesHeld().OpenForReplace(name, "new"));
    }
    EXPECT_EQ(outer.Read("outside.dat"), "outside");
    EXPECT_EQ(ModeOf(outside) & 0777, 0444u);
    EXPECT_EQ(outer.Read("work/sub/inside.dat"), "inside");
    EXPECT_EQ(outer.Read("work/ab"), "ab");
}

TEST(WorkingDir, ReplaceRangeKeepsTheRestOfTheFileAndFillsAShortOneWithZeros) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    EXPECT_FALSE(dir.ReplaceRange("missing.rdm", 0, "x"));
    EXPECT_FALSE(temp.Exists("missing.rdm"));

    std::string big(3 << 20, 'a');  // larger than a piece of the copy
    big.back() = 'z';
    temp.Write("BIGN.rdm", big);
    const std::filesystem::path path = temp.Path() / "BIGN.rdm";
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(dir.ReplaceRange("bign.RDM", 100000, "stamp"));
    EXPECT_EQ(temp.Read("BIGN.rdm"), std::string(big).replace(100000, 5, "stamp"));
    EXPECT_TRUE(ModeOf(path) & S_IWUSR);

    temp.Write("short.rdm", "ab");
    ASSERT_TRUE(dir.ReplaceRange("short.rdm", 5, "cd"));
    EXPECT_EQ(temp.Read("short.rdm"), std::string("ab\0\0\0cd", 7));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()),
                            std::filesystem::directory_iterator()),
              2);  // no temporary file left
}

TEST(WorkingDir, HeldWritesAreSeenByReadsAndNeverReachTheDisk) {
    test::TempDir temp;
    temp.Write("CATALOGN.rdm", "0123456789");
    const WorkingDir held = WorkingDir(temp.Path()).WithWritesHeld();
    ASSERT_TRUE(held.ReplaceRange("CATALOGN.rdm", 2, "ab"));
    ASSERT_TRUE(held.ReplaceRange("catalogN.rdm", 12, "xy"));
    EXPECT_EQ(held.ReadBytes("CATALOGN.rdm").value(), std::string("01ab456789\0\0xy", 14));
    EXPECT_EQ(held.ReadBytes("CATALOGN.rdm", 5).value(), "01ab4");
    EXPECT_EQ(held.ReadBytes("CATALOGN.rdm", 12).value(), std::string("01ab456789\0\0", 12));
    ASSERT_TRUE(held.OpenForReplace("new.dat", "new"));
    ASSERT_TRUE(held.ReplaceRange("new.dat", 1, "E"));
    EXPECT_EQ(held.ReadBytes("NEW.dat").value(), "nEw");
    EXPECT_TRUE(held.Exists("new.dat"));
    EXPECT_EQ(temp.Read("CATALOGN.rdm"), "0123456789");
    EXPECT_FALSE(temp.Exists("new.dat"));
}

TEST(CodePage, EachLanguageHasItsCodePage) {
    const std::pair<const char*, CodePage> cases[] = {
        {"ARA", CodePage::Windows1256}, {"RUS", CodePage::Windows1251},
        {"BUL", CodePage::Windows1251}, {"GRE", CodePage::Windows1253},
        {"TRK", CodePage::Windows1254}, {"POL", CodePage::Windows1250},
        {"HUN", CodePage::Windows1250}, {"ROM", CodePage::Windows1250},
        {"GER", CodePage::Windows1252}, {"SWE", CodePage::Windows1252},
    };
    for (auto [code, page] : cases)
        EXPECT_EQ(CodePageOfLanguage(code), page) << code;
}

TEST(CodePage, TextsSurviveARoundTripThroughTheirCodePage) {
    struct Case {
        CodePage page;
        std::string utf8;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {CodePage::Windows1252, "Verflüssiger 35 °C §$&",
         "Verfl\xFCssiger 35 \xB0"
         "C \xA7$&"},
        {CodePage::Windows1251, "Испаритель", "\xC8\xF1\xEF\xE0\xF0\xE8\xF2\xE5\xEB\xFC"},
        {CodePage::Windows1253, "Συμπιεστής", "\xD3\xF5\xEC\xF0\xE9\xE5\xF3\xF4\xDE\xF2"},
        {CodePage::Windows1250, "Sprężarka",
         "Spr\xEA\xBF"
         "arka"},
        {CodePage::Windows1254, "Kompresör ş", "Kompres\xF6r \xFE"},
        {CodePage::Windows1256, "ضاغط", "\xD6\xC7\xDB\xD8"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeText(c.utf8, c.page), c.bytes) << c.utf8;
        EXPECT_EQ(DecodeText(c.bytes, c.page), c.utf8) << c.utf8;
    }
}

TEST(CodePage, UndefinedBytesReadAsTheirNumberAndMissingCharactersWriteAsQuestionMarks) {
    EXPECT_EQ(DecodeText("a\x81z", CodePage::Windows1252), "a\u0081z");
    EXPECT_EQ(EncodeText("a\u0081z", CodePage::Windows1252), "a\x81z");
    EXPECT_EQ(EncodeText("Ω and €", CodePage::Windows1252), "? and \x80");
    EXPECT_EQ(EncodeText("Ж", CodePage::Windows1252), "?");
}

}  // namespace
}  // namespace tessaro
