#pragma once

#include <cstddef>
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

// The same, ending after the first maxRecords records.
std::vector<std::string> SplitReportRecords(std::string_view text, std::size_t maxRecords);

// What the report viewer and the printer read of the report file: the records of one report (83
// at most) within its first 1 MiB (the records are a few hundred characters at most).
inline constexpr std::size_t kReportReadLimit = 1 << 20;
inline constexpr std::size_t kReportRecordLimit = 83;

// The records of the report file "ergEN1.DAT" of the working folder, decoded from the code page of
// the language given (UTF-8 inside), within the limits above. A missing or unreadable file gives
// no records.
std::vector<std::string> ReadReportFile(const WorkingDir& dir, std::string_view languageCode);

}  // namespace tessaro
