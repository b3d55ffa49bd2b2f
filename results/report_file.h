#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct AppState;
class CaptionTables;

// The report file: written by the project form's print command, read back by the report view and
// the printout. It lies in the working folder.
inline constexpr std::string_view kReportFileName = "ergEN1.DAT";

// The line of the product that names its web address, the last text line of the report: program
// caption entry 69 of the language, or the bare address where the entry is empty.
inline constexpr std::string_view kWebAddressLine = "www.tessaro-software.com";
inline constexpr int kWebAddressLineEntry = 69;
std::string WebAddressLine(const CaptionTables& captions);

// In-band markers of a report record: a heading, and the split between label and value.
inline constexpr std::string_view kHeadingMarker = "&$$";
inline constexpr std::string_view kValueSeparator = "§$&";

// The text that a control of the project form shows at this moment, by the control's name
// ("Q0", "t0", "AnwendBereich", "BetrKo", "co2consum", ...). The report reads every control
// through it while the records are built, in record order.
using ControlTextSource = std::function<std::string(std::string_view controlName)>;

// The report title: ApplicationTitle, main caption entries 81, 66 and 222, worded by the
// language (French, Spanish/Portuguese and Italian have their own wording; every other language
// ends with "Simulation CO2 " + entry 222). The language code is compared in upper case. The
// report view uses the same text as its window caption.
std::string ReportTitle(std::string_view languageCode, const CaptionTables& captions);

// The texts of the report's records in file order (UTF-8, without the framing quotes): 83
// records, or 81 when info text 39 is empty. A double quote inside any text would end a record
// early, so it is replaced by two apostrophes.
std::vector<std::string> BuildReportRecords(const AppState& state,
                                            const ControlTextSource& controlText);

// The framed file text (UTF-8): every record as a double quote, its text, a double quote, CR LF.
std::string FrameReportRecords(const std::vector<std::string>& records);

// WriteReportFile: builds the records from the controls of the project form at this moment and
// replaces "ergEN1.DAT" with them, in the code page of the current language (a read-only file of
// an earlier run is overwritten). Returns nothing on success, or one English sentence that names
// the file and the reason when it cannot be written, for the caller to show.
std::optional<std::string> WriteReportFile(const AppState& state,
                                           const ControlTextSource& controlText);

}  // namespace tessaro
