#include "shell/data_folder.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, UserFolderFollowsXdgDataHome) {
    EXPECT_EQ(UserDataFolder("/data/anna", "/home/anna"), fs::path("/data/anna/tessaro"));
    // Unset, empty or relative: the default under the home folder.
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/dir"})
        EXPECT_EQ(UserDataFolder(xdg, "/home/anna"), fs::path("/home/anna/.local/share/tessaro"));
}

// The installed data is found beside the program (bin/../share/tessaro), then along
// XDG_DATA_DIRS, then at the fallback; only a folder that holds the settings counts.
TEST(DataFolder, InstalledDataBesideTheProgramOrAlongXdgDataDirs) {
    test::TempDir temp;
    const fs::path prefix = temp.Path() / "prefix";
    const fs::path other = temp.Path() / "other";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "tessaro");
    fs::create_directories(other / "tessaro");
    const fs::path fallback = temp.Path() / "source-data";
    fs::create_directories(fallback);
    temp.Write("source-data/kparam.dat", "x");

    const std::string dirs = "/nonexistent:" + other.string();
    EXPECT_EQ(FindInstalledData(prefix / "bin", dirs.c_str(), fallback), fallback)
        << "folders without settings do not count";
    temp.Write("other/tessaro/KPARAM.DAT", "x");
    EXPECT_EQ(FindInstalledData(prefix / "bin", dirs.c_str(), fallback), other / "tessaro");
    temp.Write("prefix/share/tessaro/kparam.dat", "x");
    EXPECT_EQ(FindInstalledData(prefix / "bin", dirs.c_str(), fallback),
              prefix / "share" / "tessaro");
    EXPECT_EQ(FindInstalledData(temp.Path() / "nowhere", "", ""), std::nullopt);
}

TEST(DataFolder, FirstStartCopiesSecondStartLeavesTheUsersFiles) {
    test::TempDir temp;
    const fs::path installed = temp.Path() / "installed";
    const fs::path user = temp.Path() / "home" / "tessaro";
    const fs::path start = temp.Path() / "somewhere";
    fs::create_directories(installed);
    fs::create_directories(start);
    temp.Write("installed/kparam.dat", "\"GER\"");
    temp.Write("installed/Caption.GER", "shipped");
    temp.Write("installed/R22.DAT", "table");
    fs::permissions(installed / "R22.DAT", fs::perms::owner_read);

    WorkingFolderChoice first = ChooseWorkingFolder(start, user, installed);
    ASSERT_FALSE(first.error) << *first.error;
    EXPECT_EQ(first.folder, user);
    EXPECT_EQ(temp.Read("home/tessaro/Caption.GER"), "shipped");
    EXPECT_TRUE((fs::status(user / "R22.DAT").permissions() & fs::perms::owner_write) !=
                fs::perms::none)
        << "the user's copy can be changed";

    // The user's changes survive the next start, which copies nothing.
    temp.Write("home/tessaro/kparam.dat", "\"FRA\"");
    temp.Write("installed/new.DAT", "new");
    WorkingFolderChoice second = ChooseWorkingFolder(start, user, installed);
    EXPECT_FALSE(second.error);
    EXPECT_EQ(temp.Read("home/tessaro/kparam.dat"), "\"FRA\"");
    EXPECT_FALSE(fs::exists(user / "new.DAT"));

    // A folder holding the settings is worked in as it stands.
    temp.Write("somewhere/kparam.dat", "\"ENG\"");
    EXPECT_EQ(ChooseWorkingFolder(start, user, installed).folder, start);
}

TEST(DataFolder, AnInterruptedFirstCopyIsCompletedWithoutOverwriting) {
    test::TempDir temp;
    const fs::path installed = temp.Path() / "installed";
    const fs::path user = temp.Path() / "user";
    fs::create_directories(installed);
    fs::create_directories(user);
    temp.Write("installed/kparam.dat", "settings");
    temp.Write("installed/Caption.GER", "shipped");
    temp.Write("user/CAPTION.ger", "the user's own");
    EXPECT_FALSE(ChooseWorkingFolder(temp.Path() / "nowhere", user, installed).error);
    EXPECT_EQ(temp.Read("user/CAPTION.ger"), "the user's own");
    EXPECT_FALSE(fs::exists(user / "Caption.GER"));
    EXPECT_EQ(temp.Read("user/kparam.dat"), "settings");
    EXPECT_TRUE(ChooseWorkingFolder(temp.Path() / "nowhere", temp.Path() / "fresh", std::nullopt)
                    .error.has_value());
}

}  // namespace
}  // namespace tessaro
