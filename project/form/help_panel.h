#pragma once

#include <optional>
#include <string>

#include "project/option_lists.h"
#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;

// The floating help panel of the project form: which help it shows and how its label is sized.
// Heights and widths are in twips; where the panel stands is the window's business.
struct HelpPanel {
    bool visible = false;
    std::optional<FieldId> field;  // the control whose help is shown
    int item = 0;                  // the item number the help was chosen by
    int infoEntry = 0;             // the info text entry shown
    std::string caption;           // the text without leading blanks
    int labelHeight = 315;
    std::optional<int> labelWidth;  // empty: the label keeps its designed width
    bool autoSize = true;           // the panel sizes itself to the label's contents
};

// Whether a field has a help of its own.
bool HasHelp(FieldId field);

// The item number a help is chosen by: the position of the field's text in its option list, or
// the help's default item for a text that matches none.
int HelpItem(FieldId field, const std::string& text, const OptionLists& lists,
             const CaptionTables& captions);

// Shows the help of field for the given item: picks the info text, sizes the label by the text's
// length in characters, sets the caption and makes the panel visible.
void ShowHelpText(HelpPanel& panel, FieldId field, int item, const CaptionTables& captions);

}  // namespace tessaro
