#include "shell/help_text.h"

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

std::string LoadHelpText(const WorkingDir& dir, const std::string& fileName,
                         std::string_view languageCode) {
    std::vector<std::string> fields;
    if (!ReadLanguageFields(dir, fileName, languageCode, fields))
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
