#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tessaro {

class CaptionTables;
class MessageBox;
class WorkingDir;
struct ShellState;

// The program's name and version as the main window shows it: the application title + " 2.12".
std::string ProgramTitle();

// One item of the main window's language menu: its name, its fixed caption and its code.
struct MenuLanguage {
    std::string_view itemName;
    std::string_view caption;
    std::string_view code;
};

inline constexpr std::array<MenuLanguage, 8> kMenuLanguages = {{
    {"ENGlish", "&ENG", "ENG"},
    {"German", "&GER", "GER"},
    {"French", "&FRA", "FRA"},
    {"Spain", "&ESP", "ESP"},
    {"KäsKopp", "&NDL", "NDL"},
    {"PappaGallo", "&ITA", "ITA"},
    {"Portuguese", "&POR", "POR"},
    {"swedish", "&SWE", "SWE"},
}};

// The text of the about message. When the language information file (the language code + ".dat")
// exists and holds any field, its lines are the application title and fields 2 to 6 of the file
// (as many of them as it has); otherwise the program's fixed line "Programm Simulation
// Energieverbrauch". Lines are joined by CR LF.
std::string AboutMessage(const WorkingDir& dir, std::string_view languageCode);

// The question before the program ends: its text (the application title, " : " and caption list
// entry 59) and its title (the application title, two spaces and main caption entry 75).
struct ExitQuestion {
    std::string text;
    std::string title;
};
ExitQuestion ExitQuestionTexts(const CaptionTables& captions);

// Asks the exit question with Yes and No. Yes writes the settings and returns true: the program
// ends. No returns false and changes nothing.
bool ExitConfirmed(const ShellState& state, MessageBox& messages);

// The once-per-run part of the main window's activation. Unless the welcome dialog has been
// offered in this run or a sibling program started this one: marks it offered, sets help context
// 3 (the welcome dialog's start picture), lets showWelcome show it and wait until it is closed,
// then loads the caption tables in the language now set, lets recaption re-apply the main
// window's captions and loads the info texts. Returns whether the welcome dialog was shown.
bool OfferWelcomeOnce(ShellState& state, const std::function<void()>& showWelcome,
                      const std::function<void()>& recaption);

}  // namespace tessaro
