// tessaro-calc: the project form without a window, for scripts, batch runs and tests.
#include <iostream>

#include "shell/app_state.h"
#include "shell/start_up.h"
#include "shell/system_locale.h"

int main() {
    tessaro::AppState state;
    state.decimalSeparator = tessaro::SystemDecimalSeparator();
    if (auto error = tessaro::StartUp(state, nullptr, false)) {
        std::cerr << *error << "\n";
        return 2;
    }
    std::cout << "language=" << state.settings.LanguageCode << "\n"
              << "currency=" << state.settings.CurrencyCode << "\n"
              << "font=" << state.settings.FontName << "\n"
              << "title=" << state.captions.Main(81) << "\n";
    return 0;
}
