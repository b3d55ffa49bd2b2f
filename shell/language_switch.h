#pragma once

#include <functional>
#include <string_view>

namespace tessaro {

struct ShellState;
class MessageBox;

// Whether "Caption." + code exists and is not empty. When it is missing or empty, shows main
// caption entry 91, a blank and caption list entry 61 with an exclamation icon. Changes nothing.
bool CheckLanguageAvailable(const ShellState& state, std::string_view languageCode,
                            MessageBox& messages);

// The language change of the main window's menu: check, set the code, load the caption tables,
// let the main window re-apply its captions (recaption), write the settings when the new language
// is Swedish, then load the info texts. Returns whether the language was changed.
bool SwitchLanguage(ShellState& state, std::string_view languageCode, MessageBox& messages,
                    const std::function<void()>& recaption);

}  // namespace tessaro
