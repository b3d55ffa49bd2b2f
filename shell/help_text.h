#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

class CaptionTables;
class WorkingDir;

// The help text of a help file's fields, read in order: a field that is empty after trimming
// spaces ends the text; a field that is "Z" after trimming, in either letter case, is a line
// break (CR LF); any other field is appended as read, with nothing between it and the text before.
// The end of the fields ends the text as well. The finished text is trimmed of spaces at both ends.
std::string BuildHelpText(const std::vector<std::string>& fields);

// The help file of a language: "Simhelp." + code for the general help when helpContext is 0,
// "Simhelp2." + code for the second help text otherwise.
std::string HelpFileName(std::string_view languageCode, int helpContext);

// The help text of a help file of the working folder, read in the language's field syntax and code
// page. A file that cannot be read gives the empty text.
std::string LoadHelpText(const WorkingDir& dir, const std::string& fileName,
                         std::string_view languageCode);

// The caption of the help box: the application title, main caption entry 21 and the suffix that
// the main window's help menu sets, joined by single spaces.
std::string HelpBoxCaption(const CaptionTables& captions, std::string_view helpCaptionSuffix);

}  // namespace tessaro
