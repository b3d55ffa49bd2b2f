#include "project/foreign_choices.h"

#include <optional>
#include <vector>

#include "project/option_lists.h"
#include "shell/caption_tables.h"
#include "shell/code_page.h"
#include "shell/text.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

// The texts a choice field can hold in one language: the items of its list and, for the
// temperature range, also the single range of applications 1 to 3.
std::vector<std::string> ChoiceTexts(FieldId field, const CaptionTables& captions) {
    std::vector<std::string> texts = ItemTexts(field, captions);
    if (field == FieldId::Tempbereich)
        texts.push_back(captions.Program(15));
    return texts;
}

// The 1-based position of a text among the choice texts (blanks at both ends ignored); 0 when it
// matches none. An empty text matches nothing, even an item that a language file leaves empty.
int Position(std::string_view text, const std::vector<std::string>& texts) {
    text = TrimSpaces(text);
    if (text.empty())
        return 0;
    return ItemNumber(text, texts, false);
}

std::vector<FieldId> ChoiceFields() {
    std::vector<FieldId> fields;
    for (int i = 0; i < kFieldCount; ++i) {
        if (IsChoiceField(static_cast<FieldId>(i)))
            fields.push_back(static_cast<FieldId>(i));
    }
    return fields;
}

// One other language as a reader of the project: its lists and its reading of the bytes.
struct Reading {
    CaptionTables captions;
    std::array<int, kFieldCount> positions{};
    int matches = 0;
};

std::optional<Reading> ReadIn(const WorkingDir& dir, std::string_view code,
                              const std::array<std::string, kFieldCount>& raw) {
    if (!dir.Exists("TessaroCap." + std::string(code)))
        return std::nullopt;
    Reading reading;
    LoadProgramCaptions(dir, code, reading.captions);
    const CodePage page = CodePageOfLanguage(code);
    for (FieldId field : ChoiceFields()) {
        const auto i = static_cast<size_t>(field);
        reading.positions[i] =
            Position(DecodeText(raw[i], page), ChoiceTexts(field, reading.captions));
        reading.matches += reading.positions[i] > 0 ? 1 : 0;
    }
    return reading;
}

}  // namespace

void ReadForeignChoices(const WorkingDir& dir, std::string_view languageCode,
                        const CaptionTables& captions,
                        const std::array<std::string, kFieldCount>& raw,
                        ProjectParameters& record) {
    std::vector<FieldId> unread;
    for (FieldId field : ChoiceFields()) {
        if (!TrimSpaces(record[field]).empty() &&
            Position(record[field], ChoiceTexts(field, captions)) == 0)
            unread.push_back(field);
    }
    if (unread.empty())
        return;
    std::optional<Reading> best;
    for (std::string_view code : kLanguageCodes) {
        if (EqualIgnoringCase(code, languageCode))
            continue;
        std::optional<Reading> reading = ReadIn(dir, code, raw);
        if (reading && reading->matches > (best ? best->matches : 0))
            best = std::move(reading);
    }
    if (!best)
        return;
    for (FieldId field : unread) {
        const int k = best->positions[static_cast<size_t>(field)];
        const std::vector<std::string> ours = ChoiceTexts(field, captions);
        if (k > 0 && !ours[static_cast<size_t>(k - 1)].empty())
            record[field] = ours[static_cast<size_t>(k - 1)];
    }
}

}  // namespace tessaro
