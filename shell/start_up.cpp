#include "shell/start_up.h"

#include "shell/hand_over.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"

namespace tessaro {

std::optional<std::string> StartUp(ShellState& state, BusyPointer* busy, bool readHandOver) {
    if (busy)
        busy->SetBusy(true);
    Settings& s = state.settings;
    s.ShowBackgrounds = 1;
    state.settings.refrigerantPathPrefix.clear();

    std::optional<std::string> error = LoadSettingsShort(state.dir, s);
    if (error) {
        if (busy)
            busy->SetBusy(false);
        return error;
    }
    LoadSettingsCarried(state.dir, s);
    s.ShowBackgrounds = 1;
    ApplySettingsDefaults(s, "GER");

    LoadAllCaptions(state.dir, s.LanguageCode, state.captions);
    LoadInfoTexts(state.dir, s.LanguageCode, state.captions);
    if (readHandOver)
        ReadAndResetHandOver(state.dir, s);
    if (busy)
        busy->SetBusy(false);
    return std::nullopt;
}

}  // namespace tessaro
