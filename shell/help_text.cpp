#include "shell/help_text.h"

#include <cstddef>

#include "shell/caption_tables.h"
#include "shell/text.h"

namespace tessaro {

std::string BuildHelpText(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) {
        const std::string_view trimmed = TrimSpaces(field);
        if (trimmed.empty())
            break;
        if (UpperAscii(trimmed) == "Z")
            text += kLineBreak;
        else
            text += field;
    }
    return std::string(TrimSpaces(text));
}

std::string HelpFileName(std::string_view languageCode, int helpContext) {
    return std::string(helpContext == 0 ? "Simhelp." : "Simhelp2.") + std::string(languageCode);
}

namespace {

// The fields a help text is built from, at most: a help file holds about a hundred (paragraphs and
// line breaks), and its first empty field ends the text anyway.
constexpr std::size_t kHelpFieldLimit = 1 << 14;

}  // namespace

std::string LoadHelpText(const WorkingDir& dir, const std::string& fileName,
                         std::string_view languageCode) {
    std::vector<std::string> fields;
    if (!ReadLanguageFields(dir, fileName, languageCode, kHelpFieldLimit, fields))
        return {};
    return BuildHelpText(fields);
}

std::string HelpBoxCaption(const CaptionTables& captions, std::string_view helpCaptionSuffix) {
    std::string caption(kApplicationTitle);
    caption += ' ';
    caption += captions.Main(21);
    caption += ' ';
    caption += helpCaptionSuffix;
    return caption;
}

}  // namespace tessaro
