// The committed picture files: every name the windows load is served, each file loads at the
// size of its catalogue entry, flags show their colours where they belong, button caption areas
// and backgrounds stay light enough for text on top.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/working_dir.h"
#include "support/temp_dir.h"
#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_file.h"

namespace tessaro::pictures {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

QString DataPath(std::string_view name) {
    return QString::fromStdString((test::DataDir() / std::string(name)).string());
}

QImage Load(std::string_view name) {
    return QImage(DataPath(name));
}

// Every picture name as the windows spell it where they load it.
const std::vector<std::string> kNamesTheWindowsLoad = {
    // project form
    "brcap.bmp", "prcap.bmp", "hpcap.bmp", "abcap.bmp", "OKcap.bmp", "Varnholt_Back01.jpg",
    "Varnholt_Back032.jpg", "Varnholt_Back041.jpg", "Varnholt_Back04.jpg", "HG_red_01.jpg",
    "HG_blue_01.jpg",
    // report viewer and print settings
    "Varnholt_back00.jpg", "OKcap.bmp", "abcap.bmp", "Prcap.bmp", "okcap.bmp", "zoomcap.bmp",
    "iceCube.bmp",
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
        SCOPED_TRACE(name);
        int matches = 0;
        for (std::size_t i = 0; i < kPictureCatalogue.size(); ++i) {
            if (Lower(kPictureCatalogue[i].name) == Lower(name)) {
                ++matches;
                ++uses[i];
            }
        }
        EXPECT_EQ(matches, 1);
        EXPECT_TRUE(data.Exists(name));
    }
    for (std::size_t i = 0; i < kPictureCatalogue.size(); ++i)
        EXPECT_GT(uses[i], 0) << kPictureCatalogue[i].name << " is loaded by no window";
}

TEST(PictureFiles, LoadInTheFormatOfTheirNameAtTheCatalogueSize) {
    for (const PictureEntry& entry : kPictureCatalogue) {
        SCOPED_TRACE(std::string(entry.name));
        QImageReader reader(DataPath(entry.name));
        const bool jpeg = Lower(entry.name).ends_with(".jpg");
        EXPECT_EQ(reader.format().toStdString(), jpeg ? "jpeg" : "bmp");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), entry.width);
        EXPECT_EQ(image.height(), entry.height);
    }
}

// The largest difference of one colour channel between two images of equal size.
int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
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
TEST(PictureFiles, AreWhatTheGeneratorDrawsNow) {
    const test::TempDir fresh;
    const QString folder = QString::fromStdString(fresh.Path().string());
    for (const PictureEntry& entry : kPictureCatalogue) {
        SCOPED_TRACE(std::string(entry.name));
        ASSERT_TRUE(WritePicture(RenderPicture(entry), entry, folder));
        const QImage drawn(
            QString::fromStdString((fresh.Path() / std::string(entry.name)).string()));
        const QImage committed = Load(entry.name);
        ASSERT_EQ(drawn.size(), committed.size());
        EXPECT_LE(LargestChannelDifference(drawn, committed), 3);
    }
}

// The plain colour names a flag is made of, with the nearest one to a pixel.
std::string ColourName(QRgb pixel) {
    struct Named {
        const char* name;
        int r, g, b;
    };
    static constexpr Named kNamed[] = {{"white", 255, 255, 255}, {"black", 0, 0, 0},
                                       {"red", 210, 20, 30},     {"yellow", 250, 200, 0},
                                       {"blue", 0, 60, 160},     {"green", 0, 130, 60}};
    const char* best = "";
    int bestDistance = 1 << 30;
    for (const Named& named : kNamed) {
        const int dr = qRed(pixel) - named.r;
        const int dg = qGreen(pixel) - named.g;
        const int db = qBlue(pixel) - named.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = named.name;
        }
    }
    return best;
}

struct Sample {
    double x;  // fraction of the width from the hoist
    double y;  // fraction of the height from the top
    const char* colour;
};

struct FlagSamples {
    const char* file;
    std::vector<Sample> samples;
};

const std::vector<FlagSamples> kFlags = {
    {"england.bmp",
     {{0.5, 0.5, "red"},
      {0.5, 0.08, "red"},
      {0.08, 0.5, "red"},
      {0.2, 0.2, "white"},
      {0.8, 0.8, "white"}}},
    {"Germany.bmp", {{0.5, 1 / 6.0, "black"}, {0.5, 0.5, "red"}, {0.5, 5 / 6.0, "yellow"}}},
    {"Frankr.bmp", {{1 / 6.0, 0.5, "blue"}, {0.5, 0.5, "white"}, {5 / 6.0, 0.5, "red"}}},
    {"SPANIEN.bmp", {{0.5, 0.1, "red"}, {0.5, 0.5, "yellow"}, {0.5, 0.9, "red"}}},
    {"niederl.bmp", {{0.5, 1 / 6.0, "red"}, {0.5, 0.5, "white"}, {0.5, 5 / 6.0, "blue"}}},
    {"italien.bmp", {{1 / 6.0, 0.5, "green"}, {0.5, 0.5, "white"}, {5 / 6.0, 0.5, "red"}}},
    {"Portugal.bmp", {{0.1, 0.5, "green"}, {0.85, 0.5, "red"}, {0.85, 0.1, "red"}}},
    {"schweden.bmp",
     {{0.15, 0.2, "blue"}, {0.8, 0.8, "blue"}, {0.375, 0.1, "yellow"}, {0.8, 0.5, "yellow"}}},
    {"russisch.bmp", {{0.5, 1 / 6.0, "white"}, {0.5, 0.5, "blue"}, {0.5, 5 / 6.0, "red"}}},
    {"polen.bmp", {{0.5, 0.25, "white"}, {0.5, 0.75, "red"}}},
    // The crescent's thick part, its hollow, and the star, on a red field.
    {"tuerkei.bmp",
     {{0.1, 0.1, "red"},
      {0.9, 0.5, "red"},
      {0.2, 0.5, "white"},
      {0.375, 0.5, "red"},
      {0.547, 0.5, "white"}}},
    {"rumaen.bmp", {{1 / 6.0, 0.5, "blue"}, {0.5, 0.5, "yellow"}, {5 / 6.0, 0.5, "red"}}},
    // Blue first and last stripe, white second; the canton's cross is white at its centre.
    {"Griechl.bmp",
     {{0.9, 1 / 18.0, "blue"},
      {0.9, 3 / 18.0, "white"},
      {0.9, 17 / 18.0, "blue"},
      {0.185, 5 / 18.0, "white"},
      {0.05, 0.05, "blue"}}},
    {"Ungarn.bmp", {{0.5, 1 / 6.0, "red"}, {0.5, 0.5, "white"}, {0.5, 5 / 6.0, "green"}}},
    {"Bulgaria.bmp", {{0.5, 1 / 6.0, "white"}, {0.5, 0.5, "green"}, {0.5, 5 / 6.0, "red"}}},
    {"Arabic.bmp",
     {{0.1, 0.5, "red"}, {0.6, 1 / 6.0, "green"}, {0.6, 0.5, "white"}, {0.6, 5 / 6.0, "black"}}},
};

TEST(PictureFiles, FlagsShowTheirColoursInTheRightPlaces) {
    for (const FlagSamples& flag : kFlags) {
        const QImage image = Load(flag.file);
        ASSERT_FALSE(image.isNull()) << flag.file;
        for (const Sample& sample : flag.samples) {
            const int x = static_cast<int>(sample.x * image.width());
            const int y = static_cast<int>(sample.y * image.height());
            EXPECT_EQ(ColourName(image.pixel(x, y)), sample.colour)
                << flag.file << " at " << x << "," << y;
        }
    }
}

// The lightest and darkest grey value of a rect of the image.
std::pair<int, int> GreyRange(const QImage& image, int left, int top, int right, int bottom) {
    int lightest = 0;
    int darkest = 255;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int grey = qGray(image.pixel(x, y));
            lightest = std::max(lightest, grey);
            darkest = std::min(darkest, grey);
        }
    }
    return {darkest, lightest};
}

TEST(PictureFiles, ButtonCaptionAreasArePlainAndLight) {
    for (const PictureEntry& entry : kPictureCatalogue) {
        if (entry.kind != PictureKind::Button)
            continue;
        SCOPED_TRACE(std::string(entry.name));
        const QImage image = Load(entry.name);
        ASSERT_FALSE(image.isNull());
        // Right of the symbol (a square of the button's height) up to the frame.
        const auto [darkest, lightest] =
            GreyRange(image, image.height() + 6, 2, image.width() - 2, image.height() - 2);
        EXPECT_GE(darkest, 225);
        EXPECT_LE(lightest - darkest, 20);
    }
}

TEST(PictureFiles, BackgroundsAreLightAndLowInContrast) {
    for (const PictureEntry& entry : kPictureCatalogue) {
        if (entry.kind != PictureKind::Background)
            continue;
        SCOPED_TRACE(std::string(entry.name));
        const QImage image = Load(entry.name);
        ASSERT_FALSE(image.isNull());
        const auto [darkest, lightest] = GreyRange(image, 0, 0, image.width(), image.height());
        EXPECT_GE(darkest, 195);
        EXPECT_LE(lightest - darkest, 45);
    }
}

}  // namespace
}  // namespace tessaro::pictures
