#include "results/report_reader.h"

#include <limits>

#include "results/report_file.h"
#include "shell/code_page.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

// The position after the line break that ends the physical line holding pos (CR LF, LF or a
// lone CR), or the end of the text.
size_t AfterLineEnd(std::string_view text, size_t pos) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos)
        return text.size();
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

}  // namespace

std::vector<std::string> SplitReportRecords(std::string_view text) {
    return SplitReportRecords(text, std::numeric_limits<std::size_t>::max());
}

std::vector<std::string> SplitReportRecords(std::string_view text, std::size_t maxRecords) {
    std::vector<std::string> records;
    size_t pos = 0;
    while (pos < text.size() && records.size() < maxRecords) {
        if (text[pos] == '"') {
            size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) {
                records.emplace_back(text.substr(pos + 1));
                break;
            }
            records.emplace_back(text.substr(pos + 1, close - pos - 1));
            pos = AfterLineEnd(text, close + 1);
            continue;
        }
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > pos)
            records.emplace_back(text.substr(pos, end - pos));
        pos = AfterLineEnd(text, pos);
    }
    return records;
}

std::vector<std::string> ReadReportFile(const WorkingDir& dir, std::string_view languageCode) {
    std::optional<std::string> bytes = dir.ReadBytes(kReportFileName, kReportReadLimit);
    if (!bytes)
        return {};
    return SplitReportRecords(DecodeText(*bytes, CodePageOfLanguage(languageCode)),
                              kReportRecordLimit);
}

}  // namespace tessaro
