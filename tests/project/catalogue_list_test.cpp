// The catalogue list: the type of a catalogue by its name and its stamp, the titles of its index,
// and the list of the first catalogue of type 0 in a register of every shape.
#include "project/catalogue_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "engine/app_state.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using test::TempDir;
constexpr size_t kRecord51 = 50 * 570;

// A type field as stamped: the text, then blanks to 40 characters.
std::string Field(std::string text) {
    text.resize(40, ' ');
    return text;
}

// A data file of count 570-byte records of a byte pattern, so that kept bytes can be told apart,
// with record 51 beginning with typeField.
std::string DataFile(int count, std::string_view typeField) {
    std::string bytes(static_cast<size_t>(count) * 570, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes.replace(kRecord51, typeField.size(), typeField);
}

// A stored digit 1 to 9 is kept; anything else (0, a blank, no digit) is stamped over with the
// type of the name, asked twice so that the stamp is read back. A short file grows with zero
// bytes to the end of record 51; a missing one is not created.
TEST(CatalogueType, KeepsAStoredDigitAndStampsTheTypeOfTheNameOverAnythingElse) {
    using File = std::optional<std::string>;
    const std::vector<std::tuple<std::string, File, int, File>> rows = {
        {"COOLAKD", DataFile(53, std::string(40, '\0')), 4, DataFile(53, Field("4"))},
        {"LISTNAM", DataFile(51, "0"), 0, DataFile(51, Field("0"))},
        {"VALVEEX", DataFile(51, "0 stored"), 1, DataFile(51, Field("1"))},
        {"VALVEEX", DataFile(51, " 3"), 1, DataFile(51, Field("1"))},
        {"COOLAKD", DataFile(51, "1 stored"), 1, DataFile(51, "1 stored")},
        {"COOLAKD", DataFile(51, "9x"), 9, DataFile(51, "9x")},
        {"KAPUMPS", "0123456789", 5,
         "0123456789" + std::string(kRecord51 - 10, '\0') + Field("5") + std::string(530, '\0')},
        {"MISSIMV", std::nullopt, 7, std::nullopt}};
    for (const auto& [name, before, type, after] : rows) {
        TempDir dir;
        const std::string file = name + "N.rdm";
        if (before)
            dir.Write(file, *before);
        EXPECT_EQ(CatalogueType(WorkingDir(dir.Path()), name), type) << name;
        EXPECT_EQ(CatalogueType(WorkingDir(dir.Path()), name), type) << name;
        EXPECT_EQ(dir.Exists(file), after.has_value()) << name;
        EXPECT_TRUE(!after || dir.Read(file) == *after) << name;
    }
}

// A register of every shape: a name longer than 7 characters, an empty line, an unquoted entry,
// an entry without a name, one with a field too many. The third catalogue is the first of type
// 0; the catalogues up to it are typed, the one after it is not touched. Its index holds two whole
// title records and part of a third: records 1, 2, 3 go to positions 6, 5, 7, the others are
// empty.
TEST(BuildCatalogueList, ListsTheFirstCatalogueOfType0WithItsTitlesByPosition) {
    TempDir dir;
    dir.Write("katalg.lst",
              "\"FANCOKD-2004\",\"Verflüssiger\"\r\n\r\nKAPUMPS,Pumpen\r\n\"\",\"no name\"\r\n"
              "\"R22CATALOG\",\"Sections, R22\",\"extra\"\r\n\"LATERVD\",\"never read\"\r\n");
    for (const char* file : {"FANCOKDN.rdm", "R22CATAN.rdm", "LATERVDN.rdm"})
        dir.Write(file, DataFile(51, ""));
    dir.Write("KAPUMPSN.rdm", DataFile(51, "5"));
    dir.Write("R22CATAI.rdm", std::string("K\x81hlm\x94") + "bel \"Nord\"" +
                                  std::string(112, '\0') + "Pumps  " + std::string(121, '\0') +
                                  "Thi");
    AppState state{WorkingDir(dir.Path())};
    state.engine.CurrentRefrigerant = "R22";
    PrepareCatalogueList(state);
    std::string expected;
    const char* const titles[] = {"",
                                  "",
                                  "",
                                  "",
                                  "Pumps  ",
                                  "K\xFChlm\xF6"
                                  "bel ''Nord''",
                                  "Thi"};
    for (int k = 1; k <= 18; ++k)
        expected += "\"R22CATAN.rdm\",\"" + std::string(k <= 7 ? titles[k - 1] : "") + "\"," +
                    std::to_string((k - 1) * 66 + 2) + "\r\n";
    EXPECT_EQ(dir.Read("R22.LST"), expected);
    EXPECT_EQ(dir.Read("FANCOKDN.rdm").substr(kRecord51, 2), "4 ");
    EXPECT_EQ(dir.Read("R22CATAN.rdm").substr(kRecord51, 2), "0 ");
    EXPECT_EQ(dir.Read("LATERVDN.rdm"), DataFile(51, ""));
    // A list file with content is kept, in any letter case; an empty one is built again.
    std::filesystem::remove(dir.Path() / "R22.LST");
    dir.Write("r22.lst", "kept");
    EXPECT_FALSE(BuildCatalogueList(state.dir, "R22"));
    dir.Write("r22.lst", "");
    EXPECT_TRUE(BuildCatalogueList(state.dir, "R22"));
    EXPECT_EQ(dir.Read("r22.lst"), expected);
}

}  // namespace
}  // namespace tessaro
