#include "project/form/help_panel.h"

#include "shell/caption_tables.h"
#include "shell/text.h"

namespace tessaro {

namespace {

struct HelpRule {
    FieldId field;
    int base;         // info text entry = base + item (energy fields: the fixed entry)
    int defaultItem;  // for a text that matches no item
    bool fixed;
};

constexpr HelpRule kRules[] = {
    {FieldId::WartungI, 0, 2, false},
    {FieldId::Fullzustand, 5, 2, false},
    {FieldId::Leitungsdimension, 10, 2, false},
    {FieldId::WaermeD, 15, 3, false},
    {FieldId::VFlsize, 20, 2, false},
    {FieldId::vdsize, 25, 2, false},
    {FieldId::AnwendBereich, 30, 0, false},
    {FieldId::km, 45, 2, false},
    {FieldId::betrstd, 51, 0, true},
    {FieldId::lzfaktor, 52, 0, true},
    {FieldId::EnergKost, 53, 0, true},
    {FieldId::JahrebetrT, 54, 0, true},
    {FieldId::Spezco2emission, 55, 0, true},
    {FieldId::RGart, 56, 2, false},
    {FieldId::WinterRGart, 62, 0, false},
};

const HelpRule* RuleOf(FieldId field) {
    for (const HelpRule& rule : kRules) {
        if (rule.field == field)
            return &rule;
    }
    return nullptr;
}

}  // namespace

bool HasHelp(FieldId field) {
    return RuleOf(field) != nullptr;
}

int HelpItem(FieldId field, const std::string& text, const OptionLists& lists,
             const CaptionTables& captions) {
    const HelpRule* rule = RuleOf(field);
    if (rule == nullptr || rule->fixed)
        return 0;
    if (field == FieldId::WinterRGart)
        return text == captions.Program(33) ? 2 : 1;
    int item = ItemNumber(text, lists[field], false);
    return item != 0 ? item : rule->defaultItem;
}

void ShowHelpText(HelpPanel& panel, FieldId field, int item, const CaptionTables& captions) {
    const HelpRule* rule = RuleOf(field);
    if (rule == nullptr)
        return;
    panel.field = field;
    panel.item = item;
    panel.infoEntry = rule->fixed ? rule->base : rule->base + item;
    const std::string& text = captions.Info(panel.infoEntry);

    if (field != FieldId::WinterRGart)
        panel.labelHeight = 315;
    size_t length = CharacterCount(text);
    if (length >= 71 && length <= 139) {
        panel.labelHeight = 510;
        panel.labelWidth = 7000;
    } else if (length >= 140 && length <= 209) {
        panel.labelHeight = 705;
        panel.labelWidth = 7000;
    } else if (length >= 210 && length <= 279) {
        panel.labelHeight = 900;
        panel.labelWidth = 7000;
    }
    if (length > 70)
        panel.autoSize = false;

    size_t start = text.find_first_not_of(' ');
    panel.caption = start == std::string::npos ? std::string() : text.substr(start);
    panel.visible = true;
}

}  // namespace tessaro
