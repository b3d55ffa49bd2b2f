// The committed picture files: every name the windows load is served by one catalogue entry, and
// each file loads at its catalogue size and is what the generator draws now.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cctype>

#include "shell/working_dir.h"
#include "support/temp_dir.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_file.h"

namespace tessaro::pictures {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

QString PathIn(const std::filesystem::path& folder, std::string_view name) {
    return QString::fromStdString((folder / std::string(name)).string());
}

// Every picture name as the windows spell it where they load it.
// clang-format off
const std::vector<std::string> kNamesTheWindowsLoad = {
    // project form
    "brcap.bmp", "phcap.bmp", "varcap.bmp", "prcap.bmp", "hpcap.bmp", "abcap.bmp", "OKcap.bmp", "Varnholt_Back01.jpg",
    "Varnholt_Back032.jpg", "Varnholt_Back041.jpg", "Varnholt_Back04.jpg", "HG_red_01.jpg",
    "HG_blue_01.jpg",
    // report viewer and print settings
    "Varnholt_back00.jpg", "Prcap.bmp", "okcap.bmp", "zoomcap.bmp", "iceCube.bmp",
    // flags
    "england.bmp", "Germany.bmp", "Frankr.bmp", "SPANIEN.bmp", "niederl.bmp", "italien.bmp",
    "Portugal.bmp", "schweden.bmp", "russisch.bmp", "polen.bmp", "tuerkei.bmp", "rumaen.bmp",
    "Griechl.bmp", "Ungarn.bmp", "Bulgaria.bmp", "Arabic.bmp",
    // main window
    "Varnholt_Back031.jpg", "pic1.bmp", "pic2.bmp", "pic3.bmp", "pic5.bmp", "pic6.bmp",
    "endcap.bmp",
    // welcome dialog
    "start01.bmp", "start02.bmp", "start03.bmp", "start04.bmp", "exv1cap.bmp", "herm2cap.bmp",
    "MagV1cap.bmp", "samm1cap.bmp", "schg2cap.bmp", "trok1cap.bmp", "verd1cap.bmp", "verf1cap.bmp",
    "absp1cap.bmp", "oela1cap.bmp", "halb2cap.bmp", "kw02cap.bmp", "pres3cap.bmp", "verf6cap.bmp",
    // help box
    "Pic2.bmp"};
// clang-format on

TEST(PictureCatalogue, ServesEveryNameTheWindowsLoadWithOneFile) {
    std::vector<int> uses(kPictureCatalogue.size(), 0);
    const WorkingDir data(test::DataDir());
    for (const std::string& name : kNamesTheWindowsLoad) {
        int matches = 0;
        for (std::size_t i = 0; i < kPictureCatalogue.size(); ++i) {
            const bool same = SameName(kPictureCatalogue[i].name, name);
            matches += same;
            uses[i] += same;
        }
        EXPECT_EQ(matches, 1) << name;
        EXPECT_TRUE(data.Exists(name)) << name;
    }
    for (std::size_t i = 0; i < kPictureCatalogue.size(); ++i)
        EXPECT_GT(uses[i], 0) << kPictureCatalogue[i].name << " is loaded by no window";
}

// The largest difference of one colour channel between two images; 256 when their sizes differ.
int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = a.size() == b.size() ? 0 : 256;
    for (int y = 0; largest < 256 && y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// A change of a drawing must be followed by drawing the files again. The rendering may differ in
// the last bit between processors, hence a small tolerance instead of equal bytes.
TEST(PictureFiles, LoadAtTheirCatalogueSizeAndAreWhatTheGeneratorDrawsNow) {
    const test::TempDir fresh;
    for (const PictureEntry& entry : kPictureCatalogue) {
        SCOPED_TRACE(std::string(entry.name));
        QImageReader reader(PathIn(test::DataDir(), entry.name));
        const bool jpeg = SameName(entry.name.substr(entry.name.size() - 4), ".jpg");
        EXPECT_EQ(reader.format().toStdString(), jpeg ? "jpeg" : "bmp");
        const QImage committed = reader.read();
        EXPECT_EQ(std::pair(committed.width(), committed.height()),
                  std::pair(entry.width, entry.height))
            << reader.errorString().toStdString();
        ASSERT_TRUE(WritePicture(RenderPicture(entry), entry,
                                 QString::fromStdString(fresh.Path().string())));
        EXPECT_LE(LargestChannelDifference(QImage(PathIn(fresh.Path(), entry.name)), committed), 3);
    }
}

}  // namespace
}  // namespace tessaro::pictures
