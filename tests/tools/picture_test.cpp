// The committed picture files: every name the windows load is served by one catalogue entry, each
// file loads at its catalogue size and is what the generator draws now, flags show their colours
// where they belong, and text on buttons and backgrounds stays readable.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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

QImage Load(std::string_view name) {
    return QImage(PathIn(test::DataDir(), name));
}

// Every picture name as the windows spell it where they load it.
const std::vector<std::string> kNamesTheWindowsLoad = {
    // project form
    "brcap.bmp", "prcap.bmp", "hpcap.bmp", "abcap.bmp", "OKcap.bmp", "Varnholt_Back01.jpg",
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

// The nearest of the plain colours that flags are made of, as a letter: w white, k black, r red,
// y yellow, b blue, g green.
char FlagColour(QRgb pixel) {
    static const std::pair<char, QRgb> kColours[] = {
        {'w', qRgb(255, 255, 255)}, {'k', qRgb(0, 0, 0)},    {'r', qRgb(210, 20, 30)},
        {'y', qRgb(250, 200, 0)},   {'b', qRgb(0, 60, 160)}, {'g', qRgb(0, 130, 60)}};
    const auto distance = [pixel](const std::pair<char, QRgb>& colour) {
        const int dr = qRed(pixel) - qRed(colour.second);
        const int dg = qGreen(pixel) - qGreen(colour.second);
        const int db = qBlue(pixel) - qBlue(colour.second);
        return dr * dr + dg * dg + db * db;
    };
    return std::ranges::min_element(kColours, {}, distance)->first;
}

// A pixel of a 60 x 40 flag, counted from the hoist and from the top, and its colour.
struct Sample {
    int x, y;
    char colour;
};

const std::vector<std::pair<const char*, std::vector<Sample>>> kFlags = {
    {"england.bmp", {{30, 20, 'r'}, {30, 3, 'r'}, {4, 20, 'r'}, {12, 8, 'w'}, {48, 32, 'w'}}},
    {"Germany.bmp", {{30, 6, 'k'}, {30, 20, 'r'}, {30, 33, 'y'}}},
    {"Frankr.bmp", {{10, 20, 'b'}, {30, 20, 'w'}, {50, 20, 'r'}}},
    {"SPANIEN.bmp", {{30, 4, 'r'}, {30, 20, 'y'}, {30, 36, 'r'}}},
    {"niederl.bmp", {{30, 6, 'r'}, {30, 20, 'w'}, {30, 33, 'b'}}},
    {"italien.bmp", {{10, 20, 'g'}, {30, 20, 'w'}, {50, 20, 'r'}}},
    {"Portugal.bmp", {{6, 20, 'g'}, {51, 20, 'r'}, {51, 4, 'r'}}},
    {"schweden.bmp", {{9, 8, 'b'}, {48, 32, 'b'}, {22, 4, 'y'}, {48, 20, 'y'}}},
    {"russisch.bmp", {{30, 6, 'w'}, {30, 20, 'b'}, {30, 33, 'r'}}},
    {"polen.bmp", {{30, 10, 'w'}, {30, 30, 'r'}}},
    // The crescent's thick part, its hollow, and the star, on a red field.
    {"tuerkei.bmp", {{6, 4, 'r'}, {54, 20, 'r'}, {12, 20, 'w'}, {22, 20, 'r'}, {32, 20, 'w'}}},
    {"rumaen.bmp", {{10, 20, 'b'}, {30, 20, 'y'}, {50, 20, 'r'}}},
    // Blue first and last stripe, white second; the canton's cross is white at its centre.
    {"Griechl.bmp", {{54, 2, 'b'}, {54, 6, 'w'}, {54, 37, 'b'}, {11, 11, 'w'}, {3, 2, 'b'}}},
    {"Ungarn.bmp", {{30, 6, 'r'}, {30, 20, 'w'}, {30, 33, 'g'}}},
    {"Bulgaria.bmp", {{30, 6, 'w'}, {30, 20, 'g'}, {30, 33, 'r'}}},
    {"Arabic.bmp", {{6, 20, 'r'}, {36, 6, 'g'}, {36, 20, 'w'}, {36, 33, 'k'}}},
};

TEST(PictureFiles, FlagsShowTheirColoursInTheRightPlaces) {
    for (const auto& [file, samples] : kFlags) {
        const QImage image = Load(file);
        ASSERT_FALSE(image.isNull()) << file;
        for (const Sample& sample : samples) {
            EXPECT_EQ(FlagColour(image.pixel(sample.x, sample.y)), sample.colour)
                << file << " at " << sample.x << "," << sample.y;
        }
    }
}

// Captions are laid over the buttons and text over the backgrounds: both must stay light and
// plain. A button's caption area runs from right of its symbol (a square of the button's height)
// to the frame.
TEST(PictureFiles, ButtonCaptionAreasAndBackgroundsAreLightAndPlain) {
    for (const PictureEntry& entry : kPictureCatalogue) {
        const bool button = entry.kind == PictureKind::Button;
        if (!button && entry.kind != PictureKind::Background)
            continue;
        const QImage image = Load(entry.name);
        ASSERT_FALSE(image.isNull()) << entry.name;
        const int h = image.height();
        const QRect area =
            button ? QRect(QPoint(h + 6, 2), QPoint(image.width() - 3, h - 3)) : image.rect();
        int darkest = 255;
        int lightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
                lightest = std::max(lightest, qGray(image.pixel(x, y)));
            }
        }
        EXPECT_GE(darkest, button ? 225 : 195) << entry.name;
        EXPECT_LE(lightest - darkest, button ? 20 : 45) << entry.name;
    }
}

}  // namespace
}  // namespace tessaro::pictures
