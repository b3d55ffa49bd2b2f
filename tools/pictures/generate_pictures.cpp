// generate-pictures FOLDER: draws every picture file of the program's windows into FOLDER.
// generate-pictures --check FOLDER: says whether the picture files in FOLDER are what the drawings
// give now, so that a changed drawing cannot go without its files drawn again.
// The output depends on nothing but this code: no clock, no random numbers, no system fonts.
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_file.h"

namespace {

using tessaro::pictures::PictureEntry;

QString PathIn(const QString& folder, std::string_view name) {
    return folder + '/' + QString::fromUtf8(name.data(), qsizetype(name.size()));
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

// What is wrong with the committed file of an entry, or the empty text: it must load in the format
// of its name at its catalogue size and match the fresh drawing written into scratch. Rendering
// may differ in the last bit between processors, hence a small tolerance instead of equal bytes.
std::string CheckPicture(const PictureEntry& entry, const QString& folder, const QString& scratch) {
    QImageReader reader(PathIn(folder, entry.name));
    const bool jpeg = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()))
                          .endsWith(".jpg", Qt::CaseInsensitive);
    if (reader.format() != (jpeg ? "jpeg" : "bmp"))
        return "not a " + std::string(jpeg ? "JPEG" : "BMP") + " file";
    const QImage committed = reader.read();
    if (committed.width() != entry.width || committed.height() != entry.height)
        return "not " + std::to_string(entry.width) + " x " + std::to_string(entry.height);
    if (!tessaro::pictures::WritePicture(tessaro::pictures::RenderPicture(entry), entry, scratch))
        return "cannot be drawn into " + scratch.toStdString();
    const int difference = LargestChannelDifference(QImage(PathIn(scratch, entry.name)), committed);
    return difference <= 3 ? "" : "differs from the drawing by " + std::to_string(difference);
}

int Check(const QString& folder) {
    const QTemporaryDir scratch;
    int failures = 0;
    for (const PictureEntry& entry : tessaro::pictures::kPictureCatalogue) {
        const std::string fault = CheckPicture(entry, folder, scratch.path());
        if (!fault.empty()) {
            std::fprintf(stderr, "generate-pictures: %.*s %s\n", int(entry.name.size()),
                         entry.name.data(), fault.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

int Draw(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "generate-pictures: cannot create the folder %s\n",
                     folder.toLocal8Bit().constData());
        return 1;
    }
    int failures = 0;
    for (const PictureEntry& entry : tessaro::pictures::kPictureCatalogue) {
        if (!tessaro::pictures::WritePicture(tessaro::pictures::RenderPicture(entry), entry,
                                             folder)) {
            std::fprintf(stderr, "generate-pictures: cannot write %.*s\n", int(entry.name.size()),
                         entry.name.data());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: generate-pictures [--check] FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    return check ? Check(folder) : Draw(folder);
}
