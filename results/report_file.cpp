#include "results/report_file.h"

#include <cerrno>
#include <cstring>

#include "engine/app_state.h"
#include "shell/code_page.h"
#include "shell/text.h"

namespace tessaro {

namespace {

constexpr std::string_view kIndent = "        ";  // eight spaces before every line of the report
constexpr size_t kRuleLength = 155;

// A double quote would end the record early: the file format has no escape for it.
std::string WithoutQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '"') {
            out += "''";
        } else {
            out += c;
        }
    }
    return out;
}

// Collects the records in file order.
class ReportRecords {
  public:
    void Rule() {
        Add(std::string(kIndent) + std::string(kRuleLength, '-') + std::string(kLineBreak));
    }
    void Blank() { Add(std::string(kLineBreak)); }
    void Heading(std::string_view text) {
        Add(std::string(kIndent) + std::string(kHeadingMarker) + std::string(text));
    }
    // The label, " :", the separator, then the value with its unit.
    void LabelValue(std::string_view label, std::string_view value) {
        Pair(std::string(label) + std::string(kColonSuffix), value);
    }
    // Any two texts on either side of the separator.
    void Pair(std::string_view left, std::string_view right) {
        Add(std::string(kIndent) + std::string(left) + std::string(kValueSeparator) +
            std::string(right));
    }
    void Text(std::string_view text) { Add(std::string(kIndent) + std::string(text)); }

    std::vector<std::string> Take() { return std::move(records_); }

  private:
    void Add(std::string_view record) { records_.push_back(WithoutQuotes(record)); }

    std::vector<std::string> records_;
};

// The texts the records are made of: caption entries of the current language and the controls of
// the project form, each read when its record is built.
struct ReportTexts {
    const CaptionTables& captions;
    const ControlTextSource& control;
    std::string currency;

    const std::string& M(int n) const { return captions.Main(n); }
    const std::string& P(int n) const { return captions.Program(n); }
    const std::string& I(int n) const { return captions.Info(n); }
    std::string C(std::string_view name) const { return control ? control(name) : std::string(); }
};

// Records 1 to 13: the title and the plant.
void AddPlant(ReportRecords& r, const ReportTexts& t, const std::string& title) {
    r.Rule();
    r.Blank();
    r.Heading(title + std::string(kLineBreak));
    r.Blank();
    r.Rule();
    r.LabelValue(t.P(29), t.C("AnwendBereich"));
    r.Blank();
    r.LabelValue(t.P(30), t.C("Tempbereich"));
    r.Blank();
    std::string plantSize = t.C("AnlGroesse");
    r.LabelValue(t.M(37), plantSize + "/ " + t.C("Q0") + " kW");
    r.Blank();
    std::string ambient = t.C("AmbientT");
    r.LabelValue(t.P(13), ambient + "/ " + t.C("tambient") + " °C");
    r.Blank();
}

// Records 14 to 34: evaporator, condenser, compressor and condensing pressure control.
void AddCycle(ReportRecords& r, const ReportTexts& t) {
    r.Rule();
    r.Rule();
    r.Blank();
    r.Heading(t.M(13));
    r.Blank();
    r.LabelValue(t.M(203), t.C("vdsize"));
    r.Blank();
    r.LabelValue(t.M(171) + " " + t.M(40), t.C("t0") + " °C");
    r.Rule();
    r.Blank();
    r.Heading(t.M(14));
    r.Blank();
    r.LabelValue(t.M(203), t.C("VFlsize"));
    r.Blank();
    r.LabelValue(t.M(171) + " " + t.M(41), t.C("Tc") + " °C");
    r.Rule();
    r.Blank();
    r.LabelValue(t.M(12), t.C("Verdichterbauart"));
    r.Blank();
    // The control mode pair goes to the label column, the winter set point pair to the value one.
    std::string mode = t.P(46) + std::string(kColonSuffix) + " " + t.C("RGart");
    r.Pair(mode, t.P(47) + std::string(kColonSuffix) + " " + t.C("WinterRGart"));
    r.Rule();
}

// Records 35 to 58: plant state and running pattern.
void AddOperation(ReportRecords& r, const ReportTexts& t) {
    r.Rule();
    r.Blank();
    r.LabelValue(t.P(21), t.C("WartungI"));
    r.Blank();
    r.LabelValue(t.P(12), t.C("Fullzustand"));
    r.Blank();
    r.LabelValue(t.P(22), t.C("Leitungsdimension"));
    r.Blank();
    r.LabelValue(t.P(32), t.C("WaermeD"));
    r.Blank();
    r.Rule();
    r.Rule();
    r.LabelValue(t.M(22), t.C("km"));
    r.Blank();
    r.LabelValue(t.M(82), t.C("betrstd") + " h/d");
    r.Blank();
    r.LabelValue(t.M(83), t.C("lzfaktor"));
    r.Blank();
    r.LabelValue(t.M(84), t.C("EnergKost") + " " + t.currency + "/kWh");
    r.Blank();
    r.LabelValue(t.M(85), t.C("JahrebetrT") + " d/a");
    r.Blank();
    r.LabelValue("Spez. " + t.M(222) + " CO2", t.C("Spezco2emission") + " kg CO2/kWh");
    r.Blank();
}

// Records 59 to 83: the two yearly results and the closing notes.
void AddResults(ReportRecords& r, const ReportTexts& t) {
    const std::string lineBreak(kLineBreak);
    r.Rule();
    r.Blank();
    r.LabelValue(t.M(66), t.C("BetrKo") + " " + t.currency + "/a" + lineBreak);
    r.Blank();
    r.LabelValue(t.M(222) + " CO2", t.C("co2consum") + " t/a" + lineBreak);
    r.Blank();
    r.Rule();
    r.Rule();
    for (int info : {41, 42, 43, 44, 45, 40}) {
        r.Text(t.I(info));
        r.Blank();
    }
    if (!t.I(39).empty()) {
        r.Text(t.I(39));
        r.Blank();
    }
    r.Rule();
    r.Text(WebAddressLine(t.captions));
    r.Blank();
}

}  // namespace

std::string WebAddressLine(const CaptionTables& captions) {
    const std::string& entry = captions.Program(kWebAddressLineEntry);
    return TrimSpaces(entry).empty() ? std::string(kWebAddressLine) : entry;
}

std::string ReportTitle(std::string_view languageCode, const CaptionTables& captions) {
    const std::string language = UpperAscii(languageCode);
    const std::string head = std::string(kApplicationTitle) + " : " + captions.Main(81);
    const std::string& costs = captions.Main(66);
    const std::string& emission = captions.Main(222);
    if (language == "FRA")
        return head + " de " + costs + " - Simulacion " + emission + " CO2";
    if (language == "ESP" || language == "POR") {
        return head + " del " + costs + " - Simulacion " + emission + " CO2";
    }
    if (language == "ITA")
        return head + " di " + costs + " - Simulatione " + emission + " CO2";
    return head + " " + costs + " - Simulation CO2 " + emission;
}

std::vector<std::string> BuildReportRecords(const AppState& state,
                                            const ControlTextSource& controlText) {
    const std::string& currency = state.settings.CurrencyCode;
    ReportTexts texts{state.captions, controlText, currency.empty() ? "EUR" : currency};
    ReportRecords records;
    AddPlant(records, texts, ReportTitle(state.settings.LanguageCode, state.captions));
    AddCycle(records, texts);
    AddOperation(records, texts);
    AddResults(records, texts);
    return records.Take();
}

std::string FrameReportRecords(const std::vector<std::string>& records) {
    std::string text;
    for (const std::string& record : records) {
        text += '"';
        text += record;
        text += '"';
        text += kLineBreak;
    }
    return text;
}

std::optional<std::string> WriteReportFile(const AppState& state,
                                           const ControlTextSource& controlText) {
    std::string text = FrameReportRecords(BuildReportRecords(state, controlText));
    std::string bytes = EncodeText(text, CodePageOfLanguage(state.settings.LanguageCode));
    errno = 0;
    if (state.dir.OpenForReplace(kReportFileName, bytes))
        return std::nullopt;
    const int error = errno;
    std::string reason = error != 0 ? std::strerror(error) : "the file could not be written";
    return "The report file \"" + std::string(kReportFileName) + "\" in the folder \"" +
           state.dir.Path().string() + "\" cannot be written: " + reason + ".";
}

}  // namespace tessaro
