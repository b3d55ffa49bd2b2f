#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

class WorkingDir;

// Splits the text of a report file into its records. A record that begins with a double quote
// runs to the next double quote (line breaks inside it belong to the record) and the rest of that
// physical line is skipped; a file that ends inside such a record gives the text read so far as
// its last record. A line that does not begin with a quote is one record as it stands, without
// its line break; empty lines hold no record. The reading always ends at the end of the text.
std::vector<std::string> SplitReportRecords(std::string_view text);

// The records of the report file "ergEN1.DAT" of the working folder, decoded from the code page of
// the language given (UTF-8 inside). A missing or unreadable file gives no records.
std::vector<std::string> ReadReportFile(const WorkingDir& dir, std::string_view languageCode);

}  // namespace tessaro
