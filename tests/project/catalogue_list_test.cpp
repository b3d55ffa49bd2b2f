#include "project/catalogue_list.h"

#include <gtest/gtest.h>

#include "shell/app_state.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using test::TempDir;

constexpr size_t kRecord51 = 50 * 570;

// A catalogue data file of count 570-byte records, filled with a byte pattern so that kept bytes
// can be told apart, with the type field of record 51 starting with typeField.
std::string DataFile(int count, std::string_view typeField) {
    std::string bytes(static_cast<size_t>(count) * 570, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    if (bytes.size() >= kRecord51 + typeField.size())
        bytes.replace(kRecord51, typeField.size(), typeField);
    return bytes;
}

// An index file of 128-byte title records, each NUL-padded.
std::string IndexFile(const std::vector<std::string>& titles) {
    std::string bytes;
    for (const std::string& title : titles) {
        std::string record = title;
        record.resize(128, '\0');
        bytes += record;
    }
    return bytes;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(CatalogueTypeOfName, FollowsTheEndingsThenTheBeginningInUpperCase) {
    EXPECT_EQ(CatalogueTypeOfName("ABCDEEX"), 1);
    EXPECT_EQ(CatalogueTypeOfName("abcdekp"), 2);
    EXPECT_EQ(CatalogueTypeOfName("XXXXXVd"), 3);
    EXPECT_EQ(CatalogueTypeOfName("XXXXXKD"), 4);
    EXPECT_EQ(CatalogueTypeOfName("KAXXXMV"), 7);
    EXPECT_EQ(CatalogueTypeOfName("KAXXXEX"), 1);
    EXPECT_EQ(CatalogueTypeOfName("KAXXXKD"), 4);
    EXPECT_EQ(CatalogueTypeOfName("kaxxxxx"), 5);
    EXPECT_EQ(CatalogueTypeOfName("KA"), 5);
    EXPECT_EQ(CatalogueTypeOfName("XKAXXXX"), 0);
    EXPECT_EQ(CatalogueTypeOfName("ABCDEFG"), 0);
    EXPECT_EQ(CatalogueTypeOfName("D"), 0);
    EXPECT_EQ(CatalogueTypeOfName(""), 0);
}

TEST(CatalogueType, StampsTheTypeOfTheNameOverAStoredZeroAndKeepsTheRest) {
    TempDir dir;
    WorkingDir working(dir.Path());
    const std::string before = DataFile(53, std::string(40, '\0'));
    dir.Write("COOLAKDN.rdm", before);

    EXPECT_EQ(CatalogueType(working, "COOLAKD"), 4);
    std::string after = dir.Read("COOLAKDN.rdm");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(kRecord51, 40), "4" + std::string(39, ' '));
    EXPECT_EQ(after.substr(0, kRecord51), before.substr(0, kRecord51));
    EXPECT_EQ(after.substr(kRecord51 + 40), before.substr(kRecord51 + 40));
    // Now the stored type answers.
    EXPECT_EQ(CatalogueType(working, "COOLAKD"), 4);
}

TEST(CatalogueType, KeepsAStoredTypeWhateverTheNameSays) {
    TempDir dir;
    WorkingDir working(dir.Path());
    const std::string before = DataFile(51, "2 stored");
    dir.Write("COOLAKDN.rdm", before);
    EXPECT_EQ(CatalogueType(working, "COOLAKD"), 2);
    EXPECT_EQ(dir.Read("COOLAKDN.rdm"), before);
}

TEST(CatalogueType, ReadsAnythingButADigitAsZero) {
    TempDir dir;
    WorkingDir working(dir.Path());
    dir.Write("LISTNAMN.rdm", DataFile(51, "0"));
    EXPECT_EQ(CatalogueType(working, "LISTNAM"), 0);
    EXPECT_EQ(dir.Read("LISTNAMN.rdm").substr(kRecord51, 40), "0" + std::string(39, ' '));

    dir.Write("VALVEEXN.rdm", DataFile(51, " 3"));
    EXPECT_EQ(CatalogueType(working, "VALVEEX"), 1);
}

TEST(CatalogueType, GrowsAShortDataFileToTheEndOfRecord51) {
    TempDir dir;
    WorkingDir working(dir.Path());
    dir.Write("KAPUMPSN.rdm", "0123456789");
    EXPECT_EQ(CatalogueType(working, "KAPUMPS"), 5);
    std::string after = dir.Read("KAPUMPSN.rdm");
    ASSERT_EQ(after.size(), 51u * 570);
    EXPECT_EQ(after.substr(0, 10), "0123456789");
    EXPECT_EQ(after.substr(10, kRecord51 - 10), std::string(kRecord51 - 10, '\0'));
    EXPECT_EQ(after.substr(kRecord51, 40), "5" + std::string(39, ' '));
    EXPECT_EQ(after.substr(kRecord51 + 40), std::string(530, '\0'));
}

TEST(CatalogueType, DoesNotCreateAMissingDataFile) {
    TempDir dir;
    WorkingDir working(dir.Path());
    EXPECT_EQ(CatalogueType(working, "MISSIMV"), 7);
    EXPECT_EQ(CatalogueType(working, "MISSING"), 0);
    EXPECT_FALSE(dir.Exists("MISSIMVN.rdm"));
    EXPECT_FALSE(dir.Exists("MISSINGN.rdm"));
}

TEST(ConvertCatalogueTitle, MapsDosUmlautsAndQuotesDropsNulsAndTrimsNothing) {
    EXPECT_EQ(ConvertCatalogueTitle("K\x81hlm\x94"
                                    "bel \"Nord\"  "),
              "Kühlmöbel ''Nord''  ");
    EXPECT_EQ(ConvertCatalogueTitle("\x84\x8E\x99\x9A\xE1\xF8"), "äÄÖÜß°");
    EXPECT_EQ(ConvertCatalogueTitle(std::string("A\0B\0\0", 5)), "AB");
    // Every other byte stays as it is: here Windows-1252 e-acute and the euro sign.
    EXPECT_EQ(ConvertCatalogueTitle("\xE9\x80"), "é€");
    EXPECT_EQ(ConvertCatalogueTitle(std::string(128, '\0')), "");
}

TEST(ListPositionOfIndexRecord, IsTheBlockOffsetPlus48Over50) {
    const int offsets[18] = {252, 202, 302, 352, 52,  502, 602, 702, 402,
                             152, 2,   452, 102, 552, 652, 752, 802, 852};
    std::vector<bool> seen(19, false);
    for (int k = 1; k <= 18; ++k) {
        int position = ListPositionOfIndexRecord(k);
        EXPECT_EQ(position, (offsets[k - 1] + 48) / 50) << "record " << k;
        seen[static_cast<size_t>(position)] = true;
    }
    for (int p = 1; p <= 18; ++p)
        EXPECT_TRUE(seen[static_cast<size_t>(p)]) << p;
    EXPECT_EQ(ListPositionOfIndexRecord(0), 0);
    EXPECT_EQ(ListPositionOfIndexRecord(19), 0);
}

// A register of four catalogues; the third is the first of type 0.
void WriteSuiteCatalogues(const TempDir& dir) {
    dir.Write("katalg.lst",
              "\"FANCOKD-2004\",\"Verflüssiger\"\r\n"
              "\r\n"
              "KAPUMPS,Pumpen\r\n"
              "\"R22CATALOG\",\"Sections, R22\"\r\n"
              "\"LATERVD\",\"never read\"\r\n");
    dir.Write("FANCOKDN.rdm", DataFile(51, ""));
    dir.Write("KAPUMPSN.rdm", DataFile(51, "5"));
    dir.Write("R22CATAN.rdm", DataFile(51, ""));
    dir.Write("LATERVDN.rdm", DataFile(51, ""));
    std::vector<std::string> titles;
    for (int k = 1; k <= 18; ++k)
        titles.push_back("Title " + std::to_string(k));
    titles[10] =
        "K\x81hlm\x94"
        "bel \"Nord\"";     // record 11 goes to position 1
    titles[4] = "Pumps  ";  // record 5 goes to position 2
    dir.Write("R22CATAI.rdm", IndexFile(titles));
}

TEST(BuildCatalogueList, ListsTheFirstCatalogueOfType0WithItsTitlesByPosition) {
    TempDir dir;
    WriteSuiteCatalogues(dir);
    WorkingDir working(dir.Path());

    EXPECT_TRUE(BuildCatalogueList(working, "R22"));
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

TEST(BuildCatalogueList, LeavesAnExistingListFileAloneAndRebuildsAnEmptyOne) {
    TempDir dir;
    WriteSuiteCatalogues(dir);
    WorkingDir working(dir.Path());
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
    EXPECT_FALSE(dir.Exists("R22.LST"));

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
    std::vector<std::string> lines = Lines(dir.Read("R404A.LST"));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[3], "\"CATALOGN.rdm\",\"\",200");
    EXPECT_FALSE(dir.Exists("CATALOGN.rdm"));
    EXPECT_FALSE(dir.Exists("CATALOGI.rdm"));

    // Two whole records and part of a third.
    dir.Write("R404A.LST", "");
    dir.Write("CATALOGI.rdm", IndexFile({"First", "Second"}) + "Thi");
    EXPECT_TRUE(BuildCatalogueList(working, "R404A"));
    lines = Lines(dir.Read("R404A.LST"));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[5], "\"CATALOGN.rdm\",\"First\",332");   // record 1
    EXPECT_EQ(lines[4], "\"CATALOGN.rdm\",\"Second\",266");  // record 2
    EXPECT_EQ(lines[6], "\"CATALOGN.rdm\",\"Thi\",398");     // record 3
    EXPECT_EQ(lines[7], "\"CATALOGN.rdm\",\"\",464");        // record 4
}

TEST(PrepareCatalogueList, BuildsTheListOfTheCurrentRefrigerant) {
    TempDir dir;
    WriteSuiteCatalogues(dir);
    AppState state{WorkingDir(dir.Path())};
    state.engine.CurrentRefrigerant = "R22";
    PrepareCatalogueList(state);
    EXPECT_EQ(Lines(dir.Read("R22.LST")).size(), 18u);
}

}  // namespace
}  // namespace tessaro
