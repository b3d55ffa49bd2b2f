#include "shell/main_commands.h"

#include <vector>

#include "shell/caption_tables.h"
#include "shell/message_box.h"
#include "shell/settings.h"
#include "shell/shell_state.h"

namespace tessaro {

namespace {

// The fields of the language information file that the about message shows.
constexpr size_t kFirstAboutField = 2;
constexpr size_t kLastAboutField = 6;

}  // namespace

std::string ProgramTitle() {
    return std::string(kApplicationTitle) + " 2.12";
}

std::string AboutMessage(const WorkingDir& dir, std::string_view languageCode) {
    std::vector<std::string> fields;
    const std::string fileName = std::string(languageCode) + ".dat";
    if (!ReadLanguageFields(dir, fileName, languageCode, kLastAboutField, fields) || fields.empty())
        return "Programm Simulation Energieverbrauch";
    std::string text(kApplicationTitle);
    for (size_t n = kFirstAboutField; n <= kLastAboutField && n <= fields.size(); ++n) {
        text += kLineBreak;
        text += fields[n - 1];
    }
    return text;
}

ExitQuestion ExitQuestionTexts(const CaptionTables& captions) {
    const std::string title(kApplicationTitle);
    return {title + " : " + captions.CaptionList(59), title + "  " + captions.Main(75)};
}

bool ExitConfirmed(const ShellState& state, MessageBox& messages) {
    const ExitQuestion question = ExitQuestionTexts(state.captions);
    if (messages.Show(question.text, question.title, MessageIcon::Question,
                      MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    SaveSettings(state.dir, state.settings);
    return true;
}

bool OfferWelcomeOnce(ShellState& state, const std::function<void()>& showWelcome,
                      const std::function<void()>& recaption) {
    Settings& s = state.settings;
    if (s.WelcomeShown != 0 || s.HandOverActive != 0)
        return false;
    s.WelcomeShown = 1;
    s.HelpContext = 3;
    if (showWelcome)
        showWelcome();
    LoadAllCaptions(state.dir, s.LanguageCode, state.captions);
    if (recaption)
        recaption();
    LoadInfoTexts(state.dir, s.LanguageCode, state.captions);
    return true;
}

}  // namespace tessaro
