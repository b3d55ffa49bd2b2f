#pragma once

#include <array>
#include <string>
#include <string_view>

#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;
class WorkingDir;

// The sixteen language codes, in the order that settles a tie between two languages that read a
// project equally well.
inline constexpr std::array<std::string_view, 16> kLanguageCodes = {
    "GER", "ENG", "FRA", "ESP", "ITA", "POR", "NDL", "SWE",
    "POL", "HUN", "ROM", "TRK", "RUS", "BUL", "GRE", "ARA"};

// Reads a project saved in another language as the same plant. The choice fields of record hold
// the project file's texts decoded in the current language's code page; raw holds the same fields'
// bytes as the file stores them. A choice text that is no item of the current language's list is
// looked up in the lists of the other languages whose program captions are in the folder, each
// decoding the bytes in its own code page. One language is taken for the whole project, the one
// whose lists match the most choice fields (ties in the order of kLanguageCodes), so that a text
// two languages share is read as one item; a field whose text it holds as item k gets item k of
// the current language. A text that matches nothing stays as it is.
void ReadForeignChoices(const WorkingDir& dir, std::string_view languageCode,
                        const CaptionTables& captions,
                        const std::array<std::string, kFieldCount>& raw, ProjectParameters& record);

}  // namespace tessaro
