#include "project/catalogue_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

#include "engine/app_state.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using test::TempDir;

constexpr size_t kRecord51 = 50 * 570;

// A type field as stamped: the text, then blanks to 40 characters.
std::string Field(std::string_view text) {
    std::string field(text);
    field.resize(40, ' ');
    return field;
}

// A data file of count 570-byte records of a byte pattern, so that kept bytes can be told apart,
// with record 51 beginning with typeField.
std::string DataFile(int count, std::string_view typeField) {
    std::string bytes(static_cast<size_t>(count) * 570, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes.replace(kRecord51, typeField.size(), typeField);
}

// An index file of 128-byte title records, each NUL-padded.
std::string IndexFile(const std::vector<std::string>& titles) {
    std::string bytes;
    for (std::string title : titles)
        bytes += title.append(128 - title.size(), '\0');
    return bytes;
}

// The lines of a file, each ended by CR LF.
std::vector<std::string> Lines(std::string text) {
    std::vector<std::string> lines;
    for (size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2))
        lines.push_back(text.substr(0, end));
    return lines;
}

TEST(CatalogueTypeOfName, FollowsTheEndingsThenTheBeginningInUpperCase) {
    const std::vector<std::pair<std::string, int>> rows = {
        {"ABCDEEX", 1}, {"abcdekp", 2}, {"XXXXXVd", 3}, {"XXXXXKD", 4}, {"KAXXXMV", 7},
        {"KAXXXEX", 1}, {"KAXXXKD", 4}, {"kaxxxxx", 5}, {"KA", 5},      {"XKAXXXX", 0},
        {"ABCDEFG", 0}, {"D", 0},       {"", 0}};
    for (const auto& [name, type] : rows)
        EXPECT_EQ(CatalogueTypeOfName(name), type) << name;
}

TEST(CatalogueType, KeepsAStoredDigitAndStampsTheTypeOfTheNameOverAnythingElse) {
    // Name, data file before (none: missing), type, data file after.
    using File = std::optional<std::string>;
    const std::vector<std::tuple<std::string, File, int, File>> rows = {
        {"COOLAKD", DataFile(53, std::string(40, '\0')), 4, DataFile(53, Field("4"))},
        {"LISTNAM", DataFile(51, "0"), 0, DataFile(51, Field("0"))},
        {"VALVEEX", DataFile(51, " 3"), 1, DataFile(51, Field("1"))},
        {"COOLAKD", DataFile(51, "2 stored"), 2, DataFile(51, "2 stored")},
        // A short file grows with zero bytes to the end of record 51.
        {"KAPUMPS", "0123456789", 5,
         "0123456789" + std::string(kRecord51 - 10, '\0') + Field("5") + std::string(530, '\0')},
        // A missing file is not created.
        {"MISSIMV", std::nullopt, 7, std::nullopt},
        {"MISSING", std::nullopt, 0, std::nullopt}};
    for (const auto& [name, before, type, after] : rows) {
        TempDir dir;
        const std::string file = name + "N.rdm";
        if (before)
            dir.Write(file, *before);
        // Asked twice: the second time a stamped type is read back.
        EXPECT_EQ(CatalogueType(WorkingDir(dir.Path()), name), type) << name;
        EXPECT_EQ(CatalogueType(WorkingDir(dir.Path()), name), type) << name;
        EXPECT_EQ(dir.Exists(file), after.has_value()) << name;
        EXPECT_TRUE(!after || dir.Read(file) == *after) << name;
    }
}

TEST(ConvertCatalogueTitle, MapsDosUmlautsAndQuotesDropsNulsAndTrimsNothing) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"\x84\x8E\x99\x9A\xE1\xF8", "äÄÖÜß°"},
        {"\"Nord\"  ", "''Nord''  "},
        {std::string("A\0B\0\0", 5), "AB"},
        {std::string(128, '\0'), ""},
        {"\xE9\x80", "é€"}};  // every other byte as its Windows-1252 character
    for (const auto& [dos, text] : rows)
        EXPECT_EQ(ConvertCatalogueTitle(dos), text);
}

// A register of four catalogues, the third the first of type 0, with 18 titles in its index.
class CatalogueList : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("katalg.lst",
                  "\"FANCOKD-2004\",\"Verflüssiger\"\r\n\r\nKAPUMPS,Pumpen\r\n"
                  "\"R22CATALOG\",\"Sections, R22\"\r\n\"LATERVD\",\"never read\"\r\n");
        for (const char* file : {"FANCOKDN.rdm", "R22CATAN.rdm", "LATERVDN.rdm"})
            dir.Write(file, DataFile(51, ""));
        dir.Write("KAPUMPSN.rdm", DataFile(51, "5"));
        std::vector<std::string> titles;
        for (int k = 1; k <= 18; ++k)
            titles.push_back("Title " + std::to_string(k));
        titles[10] =
            "K\x81hlm\x94"
            "bel \"Nord\"";     // record 11 goes to position 1
        titles[4] = "Pumps  ";  // record 5 goes to position 2
        dir.Write("R22CATAI.rdm", IndexFile(titles));
    }

    TempDir dir;
    WorkingDir working{dir.Path()};
};

TEST_F(CatalogueList, ListsTheFirstCatalogueOfType0WithItsTitlesByPosition) {
    AppState state{working};
    state.engine.CurrentRefrigerant = "R22";
    PrepareCatalogueList(state);
    std::vector<std::string> lines = Lines(dir.Read("R22.LST"));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0],
              "\"R22CATAN.rdm\",\"K\xFChlm\xF6"
              "bel ''Nord''\",2");
    EXPECT_EQ(lines[1], "\"R22CATAN.rdm\",\"Pumps  \",68");
    EXPECT_EQ(lines[2], "\"R22CATAN.rdm\",\"Title 13\",134");
    EXPECT_EQ(lines[5], "\"R22CATAN.rdm\",\"Title 1\",332");
    EXPECT_EQ(lines[17], "\"R22CATAN.rdm\",\"Title 18\",1124");
    // Every catalogue up to the listed one is typed; the ones after it are not touched.
    EXPECT_EQ(dir.Read("FANCOKDN.rdm").substr(kRecord51, 2), "4 ");
    EXPECT_EQ(dir.Read("R22CATAN.rdm").substr(kRecord51, 2), "0 ");
    EXPECT_EQ(dir.Read("LATERVDN.rdm"), DataFile(51, ""));
}

TEST_F(CatalogueList, LeavesAnExistingListFileAloneAndRebuildsAnEmptyOne) {
    dir.Write("r22.lst", "kept\r\n");
    EXPECT_FALSE(BuildCatalogueList(working, "R22"));
    EXPECT_EQ(dir.Read("r22.lst"), "kept\r\n");
    EXPECT_EQ(dir.Read("FANCOKDN.rdm"), DataFile(51, ""));  // nothing stamped either
    dir.Write("r22.lst", "");
    EXPECT_TRUE(BuildCatalogueList(working, "R22"));
    EXPECT_EQ(Lines(dir.Read("r22.lst")).size(), 18u);
}

TEST(BuildCatalogueList, WritesNoListWithoutARegisterOrWithoutAnEntryOfType0) {
    TempDir dir;
    WorkingDir working(dir.Path());
    EXPECT_FALSE(BuildCatalogueList(working, "R22"));
    dir.Write("katalg.lst", "\"FANCOKD\",\"a\"\r\n\"VALVEEX\",\"b\"\r\n");
    dir.Write("FANCOKDN.rdm", DataFile(51, ""));
    EXPECT_FALSE(BuildCatalogueList(working, "R22"));
    EXPECT_FALSE(dir.Exists("R22.LST"));
    // The whole register was read: both catalogues are typed.
    EXPECT_EQ(dir.Read("FANCOKDN.rdm").substr(kRecord51, 1), "4");
    EXPECT_FALSE(dir.Exists("VALVEEXN.rdm"));
}

TEST(BuildCatalogueList, GivesEmptyTitlesForAMissingIndexAndForRecordsBeyondItsEnd) {
    TempDir dir;
    WorkingDir working(dir.Path());
    dir.Write("katalg.lst", "\"CATALOG\",\"x\"");
    EXPECT_TRUE(BuildCatalogueList(working, "R404A"));
    EXPECT_EQ(Lines(dir.Read("R404A.LST"))[3], "\"CATALOGN.rdm\",\"\",200");
    EXPECT_FALSE(dir.Exists("CATALOGN.rdm"));
    EXPECT_FALSE(dir.Exists("CATALOGI.rdm"));
    // Two whole records and part of a third: records 1 to 4 go to positions 6, 5, 7 and 8.
    dir.Write("R404A.LST", "");
    dir.Write("CATALOGI.rdm", IndexFile({"First", "Second"}) + "Thi");
    EXPECT_TRUE(BuildCatalogueList(working, "R404A"));
    std::vector<std::string> lines = Lines(dir.Read("R404A.LST"));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(std::vector(lines.begin() + 4, lines.begin() + 8),
              (std::vector<std::string>{
                  "\"CATALOGN.rdm\",\"Second\",266", "\"CATALOGN.rdm\",\"First\",332",
                  "\"CATALOGN.rdm\",\"Thi\",398", "\"CATALOGN.rdm\",\"\",464"}));
}

// The bytes and the permission bits of a file.
std::pair<std::string, std::filesystem::perms> Contents(const TempDir& dir,
                                                        const std::string& name) {
    return {dir.Read(name), std::filesystem::status(dir.Path() / name).permissions()};
}

// Catalogue names come from the register: one that is no plain file name reaches nothing outside
// the working folder, nor a file whose name it cuts short with a NUL; it counts as a catalogue
// whose files are missing.
TEST(BuildCatalogueList, ACatalogueNameThatIsNoPlainFileNameTouchesNoFile) {
    using namespace std::string_literals;
    for (const std::string& name : {"../vict"s, "a/b"s, "VIC\0TOR"s,
                                    "VI\x01"
                                    "CTOR"s,
                                    "VIC\tTOR"s}) {
        SCOPED_TRACE(name);
        TempDir outer;
        namespace fs = std::filesystem;
        fs::create_directories(outer.Path() / "work" / "a");
        // The files the name would reach: outside the folder, in a folder below it, the name cut
        // at its NUL, the name with its control character as it stands.
        const std::vector<std::string> reached = {"victN.rdm",
                                                  "victI.rdm",
                                                  "work/a/bN.rdm",
                                                  "work/a/bI.rdm",
                                                  "work/VIC",
                                                  "work/VI\x01"
                                                  "CTORN.rdm",
                                                  "work/VIC\tTORN.rdm"};
        for (const std::string& file : reached) {
            outer.Write(file, DataFile(51, ""));
            fs::permissions(outer.Path() / file, fs::perms::owner_read | fs::perms::group_read);
        }
        std::map<std::string, std::pair<std::string, fs::perms>> before;
        for (const std::string& file : reached)
            before[file] = Contents(outer, file);
        outer.Write("work/katalg.lst", "\"" + name + "\",\"elsewhere\"\r\n");

        const WorkingDir working(outer.Path() / "work");
        EXPECT_EQ(CatalogueType(working, name), CatalogueTypeOfName(name));
        EXPECT_TRUE(BuildCatalogueList(working, "R22"));
        for (const std::string& file : reached)
            EXPECT_EQ(Contents(outer, file), before[file]) << file;
        const auto files = [](const fs::path& folder) {
            return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
        };
        EXPECT_EQ(files(outer.Path()), 3);           // work, victN.rdm, victI.rdm
        EXPECT_EQ(files(outer.Path() / "work"), 6);  // a, VIC, two data files, register, list
        const std::vector<std::string> lines = Lines(outer.Read("work/R22.LST"));
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_TRUE(lines[0].ends_with(",\"\",2")) << "no titles from an index file";
    }
}

// A named pipe, a link to a device or a folder in place of a catalogue file is a missing file.
TEST(BuildCatalogueList, AnythingButARegularFileInPlaceOfACatalogueFileIsAMissingOne) {
    namespace fs = std::filesystem;
    for (const char* odd : {"katalg.lst", "CATALOGN.rdm", "CATALOGI.rdm", "R22.LST"}) {
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(std::string(odd) + " kind " + std::to_string(kind));
            TempDir dir;
            dir.Write("katalg.lst", "\"CATALOG\",\"x\"\r\n");
            dir.Write("CATALOGN.rdm", DataFile(51, ""));
            dir.Write("CATALOGI.rdm", IndexFile({"First", "Second"}));
            fs::remove(dir.Path() / odd);
            if (kind == 0)
                ASSERT_TRUE(test::MakeFifo(dir.Path() / odd));
            else if (kind == 1)
                fs::create_symlink("/dev/zero", dir.Path() / odd);
            else
                fs::create_directory(dir.Path() / odd);
            const WorkingDir working(dir.Path());
            ASSERT_EQ(test::EndsWithinBounds([&] { BuildCatalogueList(working, "R22"); }), "");
            if (std::string(odd) != "R22.LST")
                fs::remove(dir.Path() / "R22.LST");  // as the child left it
            const bool listed = BuildCatalogueList(working, "R22");
            EXPECT_EQ(listed, std::string(odd) != "katalg.lst" && std::string(odd) != "R22.LST");
            EXPECT_EQ(fs::is_regular_file(fs::symlink_status(dir.Path() / odd)), false);
            if (listed) {
                const std::vector<std::string> lines = Lines(dir.Read("R22.LST"));
                ASSERT_EQ(lines.size(), 18u);
                EXPECT_EQ(lines[5], std::string(odd) == "CATALOGI.rdm"
                                        ? "\"CATALOGN.rdm\",\"\",332"
                                        : "\"CATALOGN.rdm\",\"First\",332");
            }
        }
    }
}

// A register of 50 MB whose first part is a real register costs what its first entries cost and
// lists as that part; a register without an entry of type 0 is looked at up to its limit.
TEST(BuildCatalogueList, AnOversizedRegisterListsAsItsFirstLegitimatePart) {
    TempDir dir;
    const std::string real = "\"FANCOKD\",\"Verfl\xFCssiger\"\r\n\"R22CATALOG\",\"R22\"\r\n";
    test::WriteOversized(dir.Path() / "katalg.lst", real, "\"VALVEEX\",\"Ventile\"\r\n");
    dir.Write("FANCOKDN.rdm", DataFile(51, ""));
    dir.Write("R22CATAI.rdm", IndexFile({"First"}));
    const WorkingDir working(dir.Path());
    ASSERT_EQ(test::EndsWithinBounds([&] { BuildCatalogueList(working, "R22"); }), "");
    std::filesystem::remove(dir.Path() / "R22.LST");  // as the child left it
    ASSERT_TRUE(BuildCatalogueList(working, "R22"));
    EXPECT_EQ(Lines(dir.Read("R22.LST"))[5], "\"R22CATAN.rdm\",\"First\",332");
    EXPECT_EQ(dir.Read("FANCOKDN.rdm").substr(kRecord51, 1), "4");

    test::WriteOversized(dir.Path() / "katalg.lst", "", "\"VALVEEX\",\"Ventile\"\r\n");
    dir.Write("R22.LST", "");
    ASSERT_EQ(test::EndsWithinBounds([&] { BuildCatalogueList(working, "R22"); }), "");
    EXPECT_FALSE(BuildCatalogueList(working, "R22"));
}

// Stamping a catalogue keeps every byte of a data file larger than what is read of it, also in a
// trial run whose writes are held.
TEST(CatalogueType, StampsALargeDataFileKeepingItsRestAndHoldsTheStampInATrialRun) {
    TempDir dir;
    const std::string before = DataFile(5000, "");
    dir.Write("COOLAKDN.rdm", before);
    const WorkingDir held = WorkingDir(dir.Path()).WithWritesHeld();
    EXPECT_EQ(CatalogueType(held, "COOLAKD"), 4);
    EXPECT_EQ(CatalogueType(held, "COOLAKD"), 4);
    EXPECT_EQ(dir.Read("COOLAKDN.rdm"), before);
    EXPECT_EQ(CatalogueType(WorkingDir(dir.Path()), "COOLAKD"), 4);
    EXPECT_EQ(dir.Read("COOLAKDN.rdm"), DataFile(5000, Field("4")));
}

}  // namespace
}  // namespace tessaro
