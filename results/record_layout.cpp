#include "results/record_layout.h"

#include "results/report_file.h"
#include "shell/text.h"

namespace tessaro {

namespace {

constexpr size_t kIgnoredLength = 150;  // longer records are rules, this length is skipped
constexpr size_t kShortestText = 5;     // shorter texts (the blank records) are skipped
constexpr double kLabelColumn = 0.09;
constexpr double kValueColumn = 0.55;
constexpr double kRuleLeft = 0.08;
constexpr double kRuleRight = 0.94;
constexpr double kTextStep = 0.02;
constexpr double kRuleStep = 0.005;

std::string_view WithoutLeadingSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// One record that is not a rule; returns how far y moves.
double LayoutText(std::string_view text, ReportVariant variant, double y, PageDrawing& page) {
    const int size = variant == ReportVariant::Printer ? 10 : 8;
    size_t marker = text.find(kHeadingMarker);
    if (marker != std::string_view::npos) {
        text.remove_prefix(marker + kHeadingMarker.size());
        if (variant == ReportVariant::Printer)
            page.SetBold(true);
    }
    size_t separator = text.find(kValueSeparator);
    if (separator != std::string_view::npos) {
        page.SetFontSize(size);
        page.Print(kLabelColumn * page.W(), y * page.H(),
                   WithoutLeadingSpaces(text.substr(0, separator)));
        page.Print(kValueColumn * page.W(), y * page.H(),
                   WithoutLeadingSpaces(text.substr(separator + kValueSeparator.size())));
        return kTextStep;
    }
    if (CharacterCount(text) < kShortestText)
        return 0;
    page.SetFontSize(size);
    page.Print(kLabelColumn * page.W(), y * page.H(), WithoutLeadingSpaces(text));
    return kTextStep;
}

}  // namespace

double LayoutReportRecords(const std::vector<std::string>& records, ReportVariant variant,
                           PageDrawing& page) {
    double y = kFirstRecordY;
    for (const std::string& record : records) {
        size_t length = CharacterCount(record);
        if (length > kIgnoredLength) {
            page.Line(kRuleLeft * page.W(), y * page.H(), kRuleRight * page.W(), y * page.H());
            y += kRuleStep;
        } else if (length < kIgnoredLength) {
            y += LayoutText(record, variant, y, page);
        }
        if (variant == ReportVariant::Printer)
            page.SetBold(false);
    }
    return y;
}

}  // namespace tessaro
