#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;

// The item texts of a choice field in list order, from the program caption table of the current
// language. For Tempbereich these are the three temperature ranges (entries 18, 19, 20); for
// WinterRGart entry 33 and the six fixed set points "43 °C" … "25 °C".
std::vector<std::string> ItemTexts(FieldId field, const CaptionTables& captions);

// The 1-based position of text among items, compared exactly or with the blanks at both ends of
// text removed; 0 when it matches none.
int ItemNumber(std::string_view text, const std::vector<std::string>& items, bool trimBlanks);

// The option lists of the project form's choice controls, as the controls hold them.
struct OptionLists {
    std::array<std::vector<std::string>, kFieldCount> items;

    std::vector<std::string>& operator[](FieldId f) { return items[static_cast<size_t>(f)]; }
    const std::vector<std::string>& operator[](FieldId f) const {
        return items[static_cast<size_t>(f)];
    }
};

// Fills every list but Tempbereich (set by its list rule) and km (appended last, after the first
// calculation) in the form's order, appending to what the lists hold.
void FillOptionLists(OptionLists& lists, const CaptionTables& captions);

// Appends the four km items.
void AppendKmItems(OptionLists& lists, const CaptionTables& captions);

}  // namespace tessaro
