#include "shell/welcome_choice.h"

#include <optional>
#include <utility>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/language_switch.h"
#include "shell/settings.h"
#include "shell/shell_state.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

// The main caption files that the dialog probes, in its order and with its spellings.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kProbedCaptionFiles = {{
    {"ARA", "Caption.ARA"},
    {"ROM", "Caption.ROM"},
    {"RUS", "Caption.RUS"},
    {"FRA", "Caption.FRA"},
    {"ESP", "CAPTION.ESP"},
    {"HUN", "CAPTION.HUN"},
    {"GRE", "CAPTION.GRE"},
    {"NDL", "CAPTION.ndl"},
    {"ITA", "CAPTION.ITA"},
    {"SWE", "CAPTION.SWE"},
    {"POR", "CAPTION.POR"},
    {"POL", "CAPTION.POL"},
    {"TRK", "CAPTION.TRK"},
    {"BUL", "CAPTION.BUL"},
}};

// The order in which the confirmation tests the option labels.
constexpr std::array<std::string_view, 16> kConfirmationOrder = {
    "ARA", "BUL", "ENG", "GER", "GRE", "FRA", "ESP", "HUN",
    "NDL", "ITA", "SWE", "POR", "RUS", "POL", "TRK", "ROM"};

}  // namespace

std::string_view StartPictureName(int helpContext) {
    switch (helpContext) {
        case 1:
            return "start02.bmp";
        case 2:
            return "start03.bmp";
        case 3:
            return "start04.bmp";
        default:
            return "start01.bmp";
    }
}

std::set<std::string> UnavailableWelcomeLanguages(const WorkingDir& dir) {
    std::set<std::string> unavailable;
    for (const auto& [code, fileName] : kProbedCaptionFiles) {
        // Whether the file holds anything: its first byte is enough.
        std::optional<std::string> bytes = dir.ReadBytes(fileName, 1);
        if (!bytes || bytes->empty())
            unavailable.emplace(code);
    }
    return unavailable;
}

void ReloadCarriedValueV1(const WorkingDir& dir, Settings& settings) {
    std::optional<std::string> bytes = dir.ReadBytes(kSettingsFile, kSettingsReadLimit);
    if (!bytes)
        return;
    const std::string text = DecodeText(*bytes, CodePage::Windows1252);
    const std::vector<std::string> line = FieldReader(text).NextLine();
    if (line.size() < 8)
        return;
    if (std::optional<int> value = FieldInteger(line[7]))
        settings.suite.V1 = *value;
}

bool IsChosenLanguage(std::string_view code, std::string_view languageCode) {
    return code == languageCode;
}

std::string ChosenWelcomeLanguage(const std::function<bool(std::string_view code)>& isBold) {
    std::string chosen;
    for (std::string_view code : kConfirmationOrder) {
        if (isBold(code))
            chosen = std::string(code);
    }
    return chosen;
}

bool ConfirmWelcomeChoice(ShellState& state, std::string_view chosen, MessageBox& messages) {
    LoadSettingsFull(state.dir, state.settings);
    if (!CheckLanguageAvailable(state, chosen, messages))
        return false;
    state.settings.LanguageCode = std::string(chosen);
    SaveSettings(state.dir, state.settings);
    return true;
}

}  // namespace tessaro
