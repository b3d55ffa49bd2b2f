// generate-pictures FOLDER: draws every picture file of the program's windows into FOLDER.
// The output depends on nothing but this code: no clock, no random numbers, no system fonts.
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/pictures/picture_catalogue.h"
#include "tools/pictures/picture_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate-pictures FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "generate-pictures: cannot create the folder %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const auto& entry : tessaro::pictures::kPictureCatalogue) {
        const QImage image = tessaro::pictures::RenderPicture(entry);
        if (!tessaro::pictures::WritePicture(image, entry, folder)) {
            std::fprintf(stderr, "generate-pictures: cannot write %.*s\n", int(entry.name.size()),
                         entry.name.data());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
