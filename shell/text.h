#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tessaro {

// Small helpers for the UTF-8 texts of the program. Letter case is folded for ASCII letters only,
// as names of files and language codes are ASCII.

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The text without the spaces at both ends (tabs are kept).
std::string_view TrimSpaces(std::string_view text);

// The number of characters (not bytes) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

// The first count characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, size_t count);

// A caption with its places %1 … %9 filled by the texts given, in any order the language needs; a
// place without a text stays as it is.
std::string FillPlaces(std::string_view text, std::initializer_list<std::string_view> fills);

}  // namespace tessaro
