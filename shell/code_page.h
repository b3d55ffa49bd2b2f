#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The 8-bit code pages in which the data files are written. Inside the program all text is UTF-8.
enum class CodePage {
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1256,
    Dos850
};

// The code page of a language's files (captions, help, language information) and of the files
// written while it is current: Arabic 1256, Bulgarian and Russian 1251, Greek 1253, Turkish 1254,
// Polish, Hungarian and Romanian 1250, every other language 1252.
CodePage CodePageOfLanguage(std::string_view languageCode);

// 8-bit text to UTF-8. A byte that the code page leaves undefined reads as the character of the
// same number.
std::string DecodeText(std::string_view bytes, CodePage page);

// UTF-8 to 8-bit text. A character that the code page lacks is written as "?".
std::string EncodeText(std::string_view text, CodePage page);

}  // namespace tessaro
