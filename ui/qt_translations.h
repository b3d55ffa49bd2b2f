#pragma once

#include <string_view>

namespace tessaro::ui {

// Qt's own texts (the buttons of the message boxes, the printer setup dialog) in the program's
// language, given by its three-letter code ("GER", "ARA", ...; letter case does not matter).
// Removes the catalogues an earlier call installed and installs Qt's catalogue of the language
// from Qt's translations folder. A language Qt has no catalogue for, and an unknown code, leave
// Qt's texts in English. Only texts change: the reading direction of the windows stays as the
// windows set it. Does nothing without a QCoreApplication.
void UseQtTranslations(std::string_view languageCode);

}  // namespace tessaro::ui
