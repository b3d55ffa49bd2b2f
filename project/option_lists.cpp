#include "project/option_lists.h"

#include "shell/caption_tables.h"
#include "shell/text.h"

namespace tessaro {

namespace {

// The program caption entries of each choice field's items.
std::vector<int> ItemEntries(FieldId field) {
    switch (field) {
        case FieldId::AnwendBereich:
            return {2, 31, 3, 4, 5, 6, 7};
        case FieldId::Tempbereich:
            return {18, 19, 20};
        case FieldId::AnlGroesse:
        case FieldId::vdsize:
        case FieldId::VFlsize:
        case FieldId::Leitungsdimension:
            return {8, 9, 10};
        case FieldId::Verdichterbauart:
            return {38, 39, 40};
        case FieldId::WaermeD:
            return {33, 14, 15, 16};
        case FieldId::WartungI:
            return {23, 24, 25};
        case FieldId::Fullzustand:
            return {26, 27, 28};
        case FieldId::AmbientT:
            return {14, 15, 16, 17};
        case FieldId::RGart:
            return {41, 42, 43, 44, 45};
        case FieldId::WinterRGart:
            return {33};
        case FieldId::km:
            return {34, 35, 36, 37};
        default:
            return {};
    }
}

}  // namespace

std::vector<std::string> ItemTexts(FieldId field, const CaptionTables& captions) {
    std::vector<std::string> texts;
    for (int entry : ItemEntries(field))
        texts.push_back(captions.Program(entry));
    if (field == FieldId::WinterRGart) {
        for (const char* setPoint : {"43 °C", "38 °C", "35 °C", "32 °C", "28 °C", "25 °C"}) {
            texts.push_back(setPoint);
        }
    }
    return texts;
}

int ItemNumber(std::string_view text, const std::vector<std::string>& items, bool trimBlanks) {
    if (trimBlanks)
        text = TrimSpaces(text);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

void FillOptionLists(OptionLists& lists, const CaptionTables& captions) {
    for (FieldId field : {FieldId::AnwendBereich, FieldId::WartungI, FieldId::Fullzustand,
                          FieldId::vdsize, FieldId::AnlGroesse, FieldId::VFlsize,
                          FieldId::Leitungsdimension, FieldId::Verdichterbauart, FieldId::WaermeD,
                          FieldId::AmbientT, FieldId::RGart, FieldId::WinterRGart}) {
        for (std::string& item : ItemTexts(field, captions))
            lists[field].push_back(std::move(item));
    }
}

void AppendKmItems(OptionLists& lists, const CaptionTables& captions) {
    for (std::string& item : ItemTexts(FieldId::km, captions))
        lists[FieldId::km].push_back(std::move(item));
}

}  // namespace tessaro
