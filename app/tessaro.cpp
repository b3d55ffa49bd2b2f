// tessaro: the desktop program. It works in the folder it is started in when that holds
// "kparam.dat", otherwise in the user's data folder, which the first start fills with a copy of
// the installed data files.
#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "app/desktop_session.h"
#include "shell/caption_tables.h"
#include "shell/data_folder.h"
#include "shell/start_up.h"

namespace {

int Fail(const std::string& text) {
    QMessageBox::critical(nullptr, QString::fromStdString(std::string(tessaro::kApplicationTitle)),
                          QString::fromStdString(text));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("tessaro");
    QApplication::setApplicationDisplayName(
        QString::fromStdString(std::string(tessaro::kApplicationTitle)));

    const std::filesystem::path programFolder =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    // Run from its build folder, the program finds the data files of its source tree.
    const std::filesystem::path sourceData =
        programFolder == std::filesystem::path(TESSARO_BUILD_FOLDER) ? TESSARO_SOURCE_DATA_DIR : "";
    const auto installed =
        tessaro::FindInstalledData(programFolder, std::getenv("XDG_DATA_DIRS"), sourceData);
    const tessaro::WorkingFolderChoice choice = tessaro::ChooseWorkingFolder(
        std::filesystem::current_path(),
        tessaro::UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")), installed);
    if (choice.error)
        return Fail(*choice.error);
    std::error_code error;
    std::filesystem::current_path(choice.folder, error);

    tessaro::DesktopSession session{tessaro::WorkingDir(choice.folder)};
    tessaro::ui::QtBusyPointer busy;
    if (auto failure = tessaro::StartUp(session.State(), &busy, true))
        return Fail(*failure);
    session.OpenProjectForm(nullptr);
    return 0;
}
