// tessaro: the desktop program. It works in the folder it is started in when that holds
// "kparam.dat", otherwise in the user's data folder, which the first start fills with a copy of
// the installed data files. It opens the main window, which offers the welcome dialog on its first
// activation and from which the user reaches the project form, the report and the printout.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/desktop_session.h"
#include "shell/caption_tables.h"
#include "shell/data_folder.h"
#include "shell/main_window.h"
#include "shell/start_up.h"

namespace {

int Fail(const std::string& text) {
    QMessageBox::critical(nullptr, QString::fromStdString(std::string(tessaro::kApplicationTitle)),
                          QString::fromStdString(text));
    return 2;
}

// --help and --version answer on the terminal before any window opens; any other option is
// left to Qt.
std::optional<int> AnswerOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("tessaro %s\n", TESSARO_VERSION);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::printf(
                "usage: tessaro [--help] [--version]\n"
                "The desktop program: yearly energy, running cost and CO2 emission of a\n"
                "refrigeration plant. It works in the current folder when that holds kparam.dat,\n"
                "otherwise in $XDG_DATA_HOME/tessaro (~/.local/share/tessaro), filled with the\n"
                "installed data files on the first start. See tessaro(1) and tessaro-calc(1).\n");
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = AnswerOption(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName("tessaro");
    QApplication::setApplicationDisplayName(
        QString::fromStdString(std::string(tessaro::kApplicationTitle)));

    // Run from its build folder, the program finds the data files of its source tree.
    const tessaro::WorkingFolderChoice choice =
        tessaro::ChooseProgramWorkingFolder(QCoreApplication::applicationDirPath().toStdString(),
                                            TESSARO_BUILD_FOLDER, TESSARO_SOURCE_DATA_DIR);
    if (choice.error)
        return Fail(*choice.error);
    std::error_code error;
    std::filesystem::current_path(choice.folder, error);

    tessaro::DesktopSession session{tessaro::WorkingDir(choice.folder)};
    tessaro::ui::QtBusyPointer busy;
    // The start: settings, captions and info texts of the language, the hand-over file. A missing
    // or short "kparam.dat" ends the program here, with a message that names it.
    if (auto failure = tessaro::StartUp(session.State(), &busy, true))
        return Fail(*failure);
    tessaro::MainWindow window(
        session.State(), session.Messages(), busy,
        [&session](QWidget* parent) { session.OpenProjectForm(parent); },
        [&session, &window] { return session.PrinterSetup(&window); });
    session.Messages().SetParent(&window);
    window.SetComparisonRunner([&session](QWidget* parent) { session.OpenComparison(parent); });
    session.SetInfoLine(
        [&window](const std::string& text) { window.ShowInfoLine(QString::fromStdString(text)); });
    window.show();
    // Asked for at once, so that the first activation comes even where no window manager hands
    // the focus over.
    window.activateWindow();
    // The first activation offers the welcome dialog; the exit command or the frame ends the run.
    return QApplication::exec();
}
