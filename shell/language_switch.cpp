#include "shell/language_switch.h"

#include <string>

#include "shell/message_box.h"
#include "shell/shell_state.h"

namespace tessaro {

bool CheckLanguageAvailable(const ShellState& state, std::string_view code, MessageBox& messages) {
    // Whether the file holds anything: its first byte is enough.
    std::optional<std::string> bytes = state.dir.ReadBytes("Caption." + std::string(code), 1);
    if (bytes && !bytes->empty())
        return true;
    std::string text = state.captions.Main(91) + " " + state.captions.CaptionList(61);
    messages.Show(text, std::string(kApplicationTitle), MessageIcon::Exclamation,
                  MessageButtons::Ok);
    return false;
}

bool SwitchLanguage(ShellState& state, std::string_view code, MessageBox& messages,
                    const std::function<void()>& recaption) {
    if (!CheckLanguageAvailable(state, code, messages))
        return false;
    state.settings.LanguageCode = std::string(code);
    LoadAllCaptions(state.dir, code, state.captions);
    if (recaption)
        recaption();
    if (code == "SWE")
        SaveSettings(state.dir, state.settings);
    LoadInfoTexts(state.dir, code, state.captions);
    return true;
}

}  // namespace tessaro
