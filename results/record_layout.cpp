#include "results/record_layout.h"

#include "results/report_file.h"
#include "shell/text.h"

namespace tessaro {

namespace {

constexpr size_t kIgnoredLength = 150;  // longer records are rules, this length is skipped
constexpr size_t kShortestText = 5;     // shorter texts (the blank records) are skipped
constexpr double kLabelColumn = 0.09;
constexpr double kValueColumn = 0.55;
constexpr double kTextStep = 0.02;
constexpr double kRuleStep = 0.005;
// A label keeps this far from the value column, and a text this far from the frame, as fractions
// of W: a clear gap between the columns, a narrower one inside the frame's line.
constexpr double kColumnGap = 0.02;
constexpr double kFrameGap = 0.01;
// The line a text may fill: its step less a gap to the next line or rule, as a fraction of H.
constexpr double kTextHeight = 0.018;

std::string_view WithoutLeadingSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// One record that is not a rule; returns how far y moves.
double LayoutText(std::string_view text, double y, PageDrawing& page) {
    const double W = page.W();
    const double lineHeight = kTextHeight * page.H();
    size_t marker = text.find(kHeadingMarker);
    if (marker != std::string_view::npos) {
        text.remove_prefix(marker + kHeadingMarker.size());
        page.SetBold(true);
    }
    size_t separator = text.find(kValueSeparator);
    if (separator != std::string_view::npos) {
        page.SetFontSize(kReportTextSize);
        page.Print(kLabelColumn * W, y * page.H(), WithoutLeadingSpaces(text.substr(0, separator)),
                   {(kValueColumn - kColumnGap - kLabelColumn) * W, lineHeight});
        page.Print(kValueColumn * W, y * page.H(),
                   WithoutLeadingSpaces(text.substr(separator + kValueSeparator.size())),
                   {(kFrameRight - kFrameGap - kValueColumn) * W, lineHeight});
        return kTextStep;
    }
    if (CharacterCount(text) < kShortestText)
        return 0;
    page.SetFontSize(kReportTextSize);
    page.Print(kLabelColumn * W, y * page.H(), WithoutLeadingSpaces(text),
               {(kFrameRight - kFrameGap - kLabelColumn) * W, lineHeight});
    return kTextStep;
}

}  // namespace

double LayoutReportRecords(const std::vector<std::string>& records, PageDrawing& page) {
    double y = kFirstRecordY;
    for (const std::string& record : records) {
        size_t length = CharacterCount(record);
        if (length > kIgnoredLength) {
            page.Line(kFrameLeft * page.W(), y * page.H(), kFrameRight * page.W(), y * page.H());
            y += kRuleStep;
        } else if (length < kIgnoredLength) {
            y += LayoutText(record, y, page);
        }
        page.SetBold(false);
    }
    return y;
}

}  // namespace tessaro
