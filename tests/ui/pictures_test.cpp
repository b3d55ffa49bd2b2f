#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro::ui {
namespace {

TEST(Pictures, FoundByBareNameInAnyCaseAndNeverFatal) {
    test::TempDir temp;
    temp.CopyFromData({"OKcap.bmp", "Varnholt_back00.jpg"});
    std::filesystem::rename(temp.Path() / "OKcap.bmp", temp.Path() / "OKCAP.BMP");
    temp.Write("broken.bmp", "BM this is no picture");
    std::filesystem::create_directory(temp.Path() / "folder.bmp");
    const WorkingDir dir(temp.Path());

    const QPixmap button = LoadPicture(dir, "OKcap.bmp");
    EXPECT_EQ(button.size(), QSize(150, 32));
    EXPECT_FALSE(LoadPicture(dir, "varnholt_BACK00.JPG").isNull());
    for (const char* name : {"missing.bmp", "broken.bmp", "folder.bmp", ""})
        EXPECT_TRUE(LoadPicture(dir, name).isNull()) << name;

    // A box that showed a picture is emptied by a missing one.
    QLabel box;
    SetPicture(box, dir, "OKcap.bmp");
    EXPECT_FALSE(box.pixmap().isNull());
    SetPicture(box, dir, "missing.bmp");
    EXPECT_TRUE(box.pixmap().isNull());
}

}  // namespace
}  // namespace tessaro::ui
