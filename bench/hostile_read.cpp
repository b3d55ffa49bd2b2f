// Reads the data files of the current folder that tessaro-calc does not read, each through the
// program's own reader, so that bench/hostile_files.sh can measure what an oversized or odd file
// of that kind costs:
//
//   hostile_read start      the desktop start: settings, captions, info texts, hand-over file
//   hostile_read welcome    the welcome dialog's probe of the main caption files
//   hostile_read help       both help texts of the language
//   hostile_read about      the about message from the language information file
//   hostile_read report     the report file as the report viewer reads it
//
// It prints one line that sums up what was read, so that the reading cannot be left out.
#include <iostream>
#include <string>
#include <string_view>

#include "results/report_reader.h"
#include "shell/help_text.h"
#include "shell/main_commands.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "shell/welcome_choice.h"

int main(int argc, char** argv) {
    using namespace tessaro;
    const std::string_view kind = argc == 2 ? argv[1] : "";
    ShellState state;
    const std::string& code = state.settings.LanguageCode;
    if (kind == "start") {
        std::optional<std::string> error = StartUp(state, nullptr, true);
        std::cout << (error ? *error : "main entry 1: " + state.captions.Main(1)) << "\n";
    } else if (kind == "welcome") {
        std::cout << UnavailableWelcomeLanguages(state.dir).size() << " languages unavailable\n";
    } else if (kind == "help") {
        StartUp(state, nullptr, false);
        const std::string first = LoadHelpText(state.dir, HelpFileName(code, 0), code);
        const std::string second = LoadHelpText(state.dir, HelpFileName(code, 1), code);
        std::cout << first.size() << " and " << second.size() << " bytes of help\n";
    } else if (kind == "about") {
        StartUp(state, nullptr, false);
        std::cout << AboutMessage(state.dir, code).size() << " bytes of about message\n";
    } else if (kind == "report") {
        StartUp(state, nullptr, false);
        std::cout << ReadReportFile(state.dir, code).size() << " report records\n";
    } else {
        std::cerr << "usage: hostile_read start|welcome|help|about|report\n";
        return 2;
    }
    return 0;
}
