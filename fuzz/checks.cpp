#include "fuzz/checks.h"

#include "variants/variants_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "engine/app_state.h"
#include "engine/refrigerant_registry.h"
#include "engine/saturation_table.h"
#include "project/catalogue_list.h"
#include "project/operating_conditions.h"
#include "project/option_lists.h"
#include "project/project_extras.h"
#include "project/project_files.h"
#include "results/report_file.h"
#include "results/report_reader.h"
#include "shell/caption_tables.h"
#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/hand_over.h"
#include "shell/help_text.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "shell/text.h"
#include "shell/working_dir.h"

namespace tessaro::fuzz {

namespace {

constexpr std::array<CodePage, 7> kCodePages = {
    CodePage::Windows1250, CodePage::Windows1251, CodePage::Windows1252, CodePage::Windows1253,
    CodePage::Windows1254, CodePage::Windows1256, CodePage::Dos850};

constexpr std::array<std::string_view, 16> kLanguages = {"GER", "ENG", "FRA", "ITA", "ESP", "POR",
                                                         "NDL", "SWE", "POL", "HUN", "ROM", "TRK",
                                                         "RUS", "BUL", "GRE", "ARA"};

// The records of one report file as the project form writes it.
constexpr size_t kRecordsOfOneReport = 83;

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::vector<Field> AllFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<Field> fields;
    while (auto field = reader.Next())
        fields.push_back(std::move(*field));
    return fields;
}

std::vector<std::string> Texts(const std::vector<Field>& fields) {
    std::vector<std::string> texts;
    for (const Field& field : fields)
        texts.push_back(field.text);
    return texts;
}

// The first place where two lists of texts differ, or nothing.
Finding Compare(std::string_view what, const std::vector<std::string>& expected,
                const std::vector<std::string>& got) {
    if (expected.size() != got.size()) {
        return std::string(what) + ": " + std::to_string(got.size()) + " entries where " +
               std::to_string(expected.size()) + " were expected";
    }
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != got[i]) {
            return std::string(what) + ", entry " + std::to_string(i + 1) + ": " + Shown(got[i]) +
                   " where " + Shown(expected[i]) + " was expected";
        }
    }
    return std::nullopt;
}

Finding CompareText(std::string_view what, const std::string& expected, const std::string& got) {
    if (expected == got)
        return std::nullopt;
    return std::string(what) + ": " + Shown(got) + " where " + Shown(expected) + " was expected";
}

Finding CompareNumber(std::string_view what, double expected, double got) {
    if (Within15Digits(got, expected))
        return std::nullopt;
    return std::string(what) + ": " + Number(got) + " where " + Number(expected) +
           " was expected (within 15 significant digits)";
}

// Runs the checks in order and gives the first finding.
Finding FirstOf(std::initializer_list<std::function<Finding()>> checks) {
    for (const auto& check : checks) {
        if (Finding finding = check())
            return finding;
    }
    return std::nullopt;
}

// The value a number reader gave for a text, checked to be the written value.
Finding ReadsBack(std::string_view reader, std::string_view text, std::optional<double> read,
                  double value) {
    if (!read) {
        return std::string(reader) + " gives no number for " + Shown(text) + ", written for " +
               Number(value);
    }
    return CompareNumber(std::string(reader) + " of " + Shown(text), value, *read);
}

Finding CheckNumberRoundTrip(double value) {
    const std::string point = PlainNumberText(value, '.');
    size_t used = 0;
    std::optional<double> prefix = ParseNumberPrefix(point, &used);
    if (prefix && used != point.size()) {
        return "the number prefix of " + Shown(point) + " ends after " + std::to_string(used) +
               " characters";
    }
    const std::string comma = PlainNumberText(value, ',');
    const std::string signPlace = SignPlaceNumberText(value);
    if (Finding finding = FirstOf({
            [&] { return ReadsBack("the number prefix", point, prefix, value); },
            [&] {
                return ReadsBack("the plain numeric prefix", point, PlainNumericPrefix(point),
                                 value);
            },
            [&] {
                return ReadsBack("the decimal-comma conversion", point,
                                 DecimalCommaConversion(point), value);
            },
            [&] { return ReadsBack("a data-file number", point, FieldNumber(point), value); },
            [&] {
                return ReadsBack("the decimal-comma conversion", comma,
                                 DecimalCommaConversion(comma), value);
            },
            [&] {
                return ReadsBack("the decimal-comma conversion", signPlace,
                                 DecimalCommaConversion(signPlace), value);
            },
            [&] {
                return ReadsBack("the plain numeric prefix", signPlace,
                                 PlainNumericPrefix(signPlace), value);
            },
        }))
        return finding;
    const bool negative = value < 0;
    if (signPlace.empty() || (signPlace[0] == '-') != negative ||
        (!negative && signPlace[0] != ' ') || signPlace.starts_with(" 0.") ||
        signPlace.starts_with("-0.")) {
        return "the sign-place text of " + Number(value) + " is " + Shown(signPlace);
    }
    return std::nullopt;
}

// Where a check uses the working folder, the last property: nothing outside it was touched.
Finding Outside() {
    return ScratchFolder::Get().CheckOutsideUntouched();
}

// Settings.

struct SettingsField {
    std::string_view name;
    std::function<std::string(const Settings&)> text;
};

const std::vector<SettingsField>& SettingsTexts() {
    static const std::vector<SettingsField> fields = {
        {"LanguageCode", [](const Settings& s) { return s.LanguageCode; }},
        {"CurrencyCode", [](const Settings& s) { return s.CurrencyCode; }},
        {"FontName", [](const Settings& s) { return s.FontName; }},
        {"UserName", [](const Settings& s) { return s.UserName; }},
        {"V2", [](const Settings& s) { return s.suite.V2; }},
        {"V3", [](const Settings& s) { return s.suite.V3; }},
        {"V4", [](const Settings& s) { return s.suite.V4; }},
        {"V6", [](const Settings& s) { return s.suite.V6; }},
        {"V11", [](const Settings& s) { return s.suite.V11; }},
        {"V12", [](const Settings& s) { return s.suite.V12; }},
        {"V14", [](const Settings& s) { return s.suite.V14; }},
    };
    return fields;
}

// The fields of "kparam.dat" in two records: texts as written (double quotes as two
// apostrophes), integers equal, numbers within 15 significant digits.
Finding CompareSettings(std::string_view load, const Settings& expected, const Settings& got) {
    for (const SettingsField& field : SettingsTexts()) {
        if (Finding finding = CompareText(std::string(load) + ", " + std::string(field.name),
                                          AsWritten(field.text(expected)), field.text(got)))
            return finding;
    }
    const std::array<std::pair<std::string_view, std::pair<int, int>>, 6> integers = {{
        {"ShowBackgrounds", {expected.ShowBackgrounds, got.ShowBackgrounds}},
        {"PrintHeadingOff", {expected.PrintHeadingOff, got.PrintHeadingOff}},
        {"V1", {expected.suite.V1, got.suite.V1}},
        {"V7", {expected.suite.V7, got.suite.V7}},
        {"V8", {expected.suite.V8, got.suite.V8}},
        {"V13", {expected.suite.V13, got.suite.V13}},
    }};
    for (const auto& [name, values] : integers) {
        if (values.first != values.second) {
            return std::string(load) + ", " + std::string(name) + ": " +
                   std::to_string(values.second) + " where " + std::to_string(values.first) +
                   " was expected";
        }
    }
    return FirstOf({
        [&] { return CompareNumber(std::string(load) + ", V9", expected.suite.V9, got.suite.V9); },
        [&] {
            return CompareNumber(std::string(load) + ", V10", expected.suite.V10, got.suite.V10);
        },
    });
}

bool AnyTextHasQuote(const Settings& settings) {
    for (const SettingsField& field : SettingsTexts()) {
        if (field.text(settings).find('"') != std::string::npos)
            return true;
    }
    return false;
}

// Captions and help.

// Writes texts as a data file of the working folder, one quoted field a line, in the language's
// code page, as a translator's editor would.
bool WriteFieldFile(const WorkingDir& dir, const std::string& name, std::string_view languageCode,
                    const std::vector<std::string>& texts) {
    FieldWriter writer;
    for (const std::string& text : texts)
        writer.Text(text).EndLine();
    return dir.OpenForReplace(name, EncodeText(writer.Content(), CodePageOfLanguage(languageCode)));
}

struct CaptionTable {
    std::string_view stem;
    int entries;
    const std::string& (CaptionTables::*entry)(int) const;
};

constexpr std::array<CaptionTable, 4> kCaptionTables = {{
    {"Caption.", CaptionTables::kMainEntries, &CaptionTables::Main},
    {"VerbCapt.", CaptionTables::kCompressorEntries, &CaptionTables::Compressor},
    {"TessaroCap.", CaptionTables::kProgramEntries, &CaptionTables::Program},
    {"infoTXT.", CaptionTables::kInfoEntries, &CaptionTables::Info},
}};

std::vector<std::string> Entries(const CaptionTables& tables, const CaptionTable& table) {
    std::vector<std::string> entries;
    for (int n = 1; n <= table.entries; ++n)
        entries.push_back((tables.*table.entry)(n));
    return entries;
}

std::vector<std::string> WrittenAll(const std::vector<std::string>& texts) {
    std::vector<std::string> written;
    for (const std::string& text : texts)
        written.push_back(AsWritten(text));
    return written;
}

void LoadCaptionsAndInfo(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    LoadAllCaptions(dir, code, tables);
    LoadInfoTexts(dir, code, tables);
}

// Project files.

struct LoadedProject {
    ProjectParameters record;
    OptionLists lists;
    OperatingValues values;
};

// What the project form's load does with the two files and their extras.
void LoadAsTheFormDoes(AppState& state, LoadedProject& loaded) {
    OperatingConditions rules(loaded.record, loaded.values, state.captions, state.decimalSeparator);
    const std::optional<ProjectExtras> extras = ReadProjectExtras(state.dir);
    LoadProject(state, loaded.record, loaded.lists, rules, extras);
    LoadEnergyValues(state, loaded.record, extras);
}

std::vector<double> OperatingNumbers(const OperatingValues& v) {
    return {v.RoomTemperature, v.EvaporatorSuperheat,  v.CondenserDifference,
            v.SuctionLineLoss, v.SuctionLineSuperheat, v.MaintenanceOffset,
            v.FillFactor,      v.WinterReduction};
}

Finding CompareProjects(const LoadedProject& first, const LoadedProject& second) {
    // A text read from the file comes back as written (a double quote as two apostrophes); one
    // that a load rule puts in from the captions (Tempbereich) comes back as it was.
    bool quoted = false;
    for (FieldId field : kProjectFileFields) {
        quoted = quoted || first.record[field].find('"') != std::string::npos;
        if (second.record[field] == first.record[field])
            continue;
        if (Finding finding = CompareText("project field " + std::string(FieldName(field)),
                                          AsWritten(first.record[field]), second.record[field]))
            return finding;
    }
    for (int f = 0; f < kFieldCount; ++f) {
        const FieldId field = static_cast<FieldId>(f);
        if (!IsValidUtf8(second.record[field])) {
            return "project field " + std::string(FieldName(field)) +
                   " is no UTF-8: " + Shown(second.record[field]);
        }
    }
    // The energy file: its five numbers, or, when the first load found fewer than five numbers,
    // zeros for the empty fields; the boxes show again what they showed when saved (the extras).
    const bool complete = !first.record[FieldId::betrstd].empty();
    const std::array<double, 5> firstNumbers = {
        first.record.energy.betrstd, first.record.energy.lzfaktor, first.record.energy.EnergKost,
        first.record.energy.JahrebetrT, first.record.energy.Spezco2emission};
    const std::array<double, 5> secondNumbers = {
        second.record.energy.betrstd, second.record.energy.lzfaktor, second.record.energy.EnergKost,
        second.record.energy.JahrebetrT, second.record.energy.Spezco2emission};
    for (size_t i = 0; i < kEnergyFields.size(); ++i) {
        const std::string name = "energy field " + std::string(FieldName(kEnergyFields[i]));
        if (Finding finding = FirstOf({
                [&] {
                    return CompareText(name, first.record[kEnergyFields[i]],
                                       second.record[kEnergyFields[i]]);
                },
                [&] {
                    return CompareNumber(name, complete ? firstNumbers[i] : 0, secondNumbers[i]);
                },
            }))
            return finding;
    }
    if (quoted)
        return std::nullopt;  // the rules saw other texts the second time
    if (Finding finding = CompareText("Tc", first.record[FieldId::Tc], second.record[FieldId::Tc]))
        return finding;
    if (Finding finding = Compare("the Tempbereich list", first.lists[FieldId::Tempbereich],
                                  second.lists[FieldId::Tempbereich]))
        return finding;
    const std::vector<double> before = OperatingNumbers(first.values);
    const std::vector<double> after = OperatingNumbers(second.values);
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            return "operating value " + std::to_string(i + 1) +
                   " after the second load: " + Number(after[i]) + " where " + Number(before[i]) +
                   " was expected";
        }
    }
    return std::nullopt;
}

// Saturation tables.

bool RowIsFinite(const SaturationRow& row) {
    for (double value : row) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

std::string RowText(const SaturationRow& row) {
    std::string text;
    for (double value : row)
        text += (text.empty() ? "" : " ") + Number(value);
    return text;
}

}  // namespace

Finding CheckFieldReader(std::string_view input) {
    const std::vector<Field> fields = AllFields(input);
    std::vector<std::string> byLines;
    FieldReader lineReader(input);
    for (std::vector<std::string> line = lineReader.NextLine(); !line.empty();
         line = lineReader.NextLine())
        byLines.insert(byLines.end(), line.begin(), line.end());
    if (Finding finding = Compare("the fields read by lines", Texts(fields), byLines))
        return finding;

    for (const Field& field : fields) {
        std::optional<double> number = FieldNumber(field.text);
        if (number && !std::isfinite(*number))
            return "the field " + Shown(field.text) + " reads as the number " + Number(*number);
        std::optional<int> integer = FieldInteger(field.text);
        if (integer && (*integer < -32768 || *integer > 32767))
            return "the field " + Shown(field.text) + " reads as the integer " +
                   std::to_string(*integer);
    }

    // Written back: every field as a quoted text, a line ended where the field ended one.
    FieldWriter writer;
    for (const Field& field : fields) {
        writer.Text(field.text);
        if (field.endsLine)
            writer.EndLine();
    }
    const std::vector<Field> again = AllFields(writer.Content());
    std::vector<std::string> expected;
    for (const Field& field : fields)
        expected.push_back(AsWritten(field.text));
    if (Finding finding = Compare("the fields written and read again", expected, Texts(again)))
        return finding;
    for (size_t i = 0; i < fields.size(); ++i) {
        // The last field ends its line when read again: the text ends there.
        const bool endsLine = fields[i].endsLine || i + 1 == fields.size();
        if (again[i].endsLine != endsLine) {
            return "field " + std::to_string(i + 1) + " written and read again " +
                   (endsLine ? "no longer ends its line" : "ends a line");
        }
    }

    // The same bytes as a file of the working folder, asked for in another letter case.
    const CodePage page = kCodePages[input.size() % kCodePages.size()];
    WriteFile(ScratchFolder::Get().Fresh(), "fields.dat", input);
    std::optional<std::vector<std::string>> read =
        ReadFileFields(WorkingDir(ScratchFolder::Get().Work()), "FIELDS.DAT", page);
    if (!read)
        return std::string("the file \"fields.dat\" cannot be read");
    if (Finding finding =
            Compare("the fields of the file", Texts(AllFields(DecodeText(input, page))), *read))
        return finding;
    return Outside();
}

Finding CheckNumberText(std::string_view input) {
    size_t used = 0;
    std::optional<double> prefix = ParseNumberPrefix(input, &used);
    if (used > input.size())
        return "the number prefix is " + std::to_string(used) + " bytes long in a shorter text";
    if (prefix && (!std::isfinite(*prefix) || (used == 0 && *prefix != 0)))
        return "the number prefix of the input is " + Number(*prefix);
    for (auto [name, read] :
         {std::pair{"the plain numeric prefix", PlainNumericPrefix(input)},
          std::pair{"the decimal-comma conversion", DecimalCommaConversion(input)},
          std::pair{"a data-file number", FieldNumber(input)}}) {
        if (read && !std::isfinite(*read))
            return std::string(name) + " of the input is " + Number(*read);
    }

    std::vector<double> values;
    if (prefix)
        values.push_back(*prefix);
    if (input.size() >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, input.data(), sizeof bits);
        values.push_back(bits);
    }
    for (double value : values) {
        if (!std::isfinite(value))
            continue;
        if (Finding finding = CheckNumberRoundTrip(value))
            return finding;
    }
    return std::nullopt;
}

Finding CheckCodePage(std::string_view input) {
    for (CodePage page : kCodePages) {
        const std::string name = "code page " + std::to_string(static_cast<int>(page));
        const std::string decoded = DecodeText(input, page);
        if (!IsValidUtf8(decoded))
            return name + " decodes the input to no UTF-8: " + Shown(decoded);
        const std::string encoded = EncodeText(decoded, page);
        if (CharacterCount(decoded) != encoded.size()) {
            return name + " encodes " + std::to_string(CharacterCount(decoded)) +
                   " characters into " + std::to_string(encoded.size()) + " bytes";
        }
        if (Finding finding = CompareText(name + ", decoded, encoded and decoded again", decoded,
                                          DecodeText(encoded, page)))
            return finding;
        // The input itself as UTF-8 text, well-formed or not.
        const std::string fromAny = EncodeText(input, page);
        if (fromAny.size() > input.size()) {
            return name + " encodes " + std::to_string(input.size()) + " bytes into " +
                   std::to_string(fromAny.size());
        }
    }
    CodePageOfLanguage(input);
    return std::nullopt;
}

Finding CheckSettings(std::string_view input) {
    ScratchFolder& scratch = ScratchFolder::Get();
    const WorkingDir dir(scratch.Work());

    // As at start-up: the first fields, then the rest as it stands.
    WriteFile(scratch.Fresh(), kSettingsFile, input);
    Settings loaded;
    LoadSettingsShort(dir, loaded);
    LoadSettingsCarried(dir, loaded);
    if (!SaveSettings(dir, loaded))
        return std::string("the settings could not be saved");
    Settings again;
    if (std::optional<std::string> refusal = LoadSettingsShort(dir, again))
        return "the saved settings are refused: " + *refusal;
    LoadSettingsCarried(dir, again);
    if (Finding finding = CompareSettings("start-up load", loaded, again))
        return finding;

    // The full load with its defaults and normalisations.
    WriteFile(scratch.Fresh(), kSettingsFile, input);
    Settings full;
    LoadSettingsFull(dir, full);
    if (!SaveSettings(dir, full))
        return std::string("the settings could not be saved");
    Settings fullAgain;
    LoadSettingsFull(dir, fullAgain);
    // A double quote, written as two apostrophes, can change what the defaults see.
    if (!AnyTextHasQuote(full)) {
        if (Finding finding = CompareSettings("full load", full, fullAgain))
            return finding;
    }
    return Outside();
}

Finding CheckHandOver(std::string_view input) {
    ScratchFolder& scratch = ScratchFolder::Get();
    const WorkingDir dir(scratch.Work());
    WriteFile(scratch.Fresh(), kHandOverFile, input);

    constexpr int kUnset = 123456;  // no 16-bit integer, so a change shows
    Settings settings;
    settings.HandOverActive = kUnset;
    ReadAndResetHandOver(dir, settings);
    int expected = kUnset;
    const std::vector<Field> fields = AllFields(DecodeText(input, CodePage::Windows1252));
    if (fields.size() >= 2) {
        if (std::optional<int> flag = FieldInteger(fields[1].text))
            expected = *flag;
    }
    if (settings.HandOverActive != expected) {
        return "the hand-over flag is " + std::to_string(settings.HandOverActive) + " where " +
               std::to_string(expected) + " was expected";
    }
    const std::string reset = "0\r\n0\r\n";
    if (Finding finding = CompareText("the hand-over file after reading", reset,
                                      ReadFile(dir.Resolve(kHandOverFile)).value_or("")))
        return finding;
    ReadAndResetHandOver(dir, settings);
    if (settings.HandOverActive != 0)
        return "the reset hand-over file reads as " + std::to_string(settings.HandOverActive);
    return Outside();
}

Finding CheckCaptionTables(std::string_view input) {
    const InputBundle bundle = ParseBundle(input);
    const std::string& code = bundle.header;
    ScratchFolder& scratch = ScratchFolder::Get();
    const WorkingDir dir(scratch.Work());
    WriteFiles(bundle, scratch.Fresh());

    CaptionTables loaded;
    LoadCaptionsAndInfo(dir, code, loaded);
    for (const CaptionTable& table : kCaptionTables) {
        for (const std::string& entry : Entries(loaded, table)) {
            if (!IsValidUtf8(entry))
                return std::string(table.stem) + code +
                       " gives an entry of no UTF-8: " + Shown(entry);
        }
    }
    if (Finding finding = Outside())
        return finding;
    if (!IsPlainFileName("Caption." + code))
        return std::nullopt;  // no file of that name can be written back

    // Written back, one entry a line, and loaded again.
    scratch.Fresh();
    for (const CaptionTable& table : kCaptionTables) {
        if (!WriteFieldFile(dir, std::string(table.stem) + code, code, Entries(loaded, table)))
            return std::string(table.stem) + code + " could not be written";
    }
    CaptionTables again;
    LoadCaptionsAndInfo(dir, code, again);
    for (const CaptionTable& table : kCaptionTables) {
        if (Finding finding =
                Compare(std::string(table.stem) + code + " written back and loaded again",
                        WrittenAll(Entries(loaded, table)), Entries(again, table)))
            return finding;
    }
    return Outside();
}

Finding CheckHelpText(std::string_view input) {
    const InputBundle bundle = ParseBundle(input);
    const std::string& code = bundle.header;
    ScratchFolder& scratch = ScratchFolder::Get();
    const WorkingDir dir(scratch.Work());
    WriteFiles(bundle, scratch.Fresh());

    std::array<std::string, 2> texts;
    for (int context = 0; context < 2; ++context) {
        const std::string name = HelpFileName(code, context);
        std::string& text = texts[static_cast<size_t>(context)];
        text = LoadHelpText(dir, name, code);
        if (!IsValidUtf8(text))
            return "the help text of " + Shown(name) + " is no UTF-8: " + Shown(text);
        if (TrimSpaces(text) != text)
            return "the help text of " + Shown(name) + " has blanks at an end: " + Shown(text);
    }
    CaptionTables captions;
    HelpBoxCaption(captions, code);
    if (Finding finding = Outside())
        return finding;
    if (!IsPlainFileName(HelpFileName(code, 1)))
        return std::nullopt;  // no file of that name can be written back

    // Each text written back as one field and loaded again; a lone "Z" would be a line break.
    scratch.Fresh();
    for (int context = 0; context < 2; ++context) {
        const std::string name = HelpFileName(code, context);
        if (!WriteFieldFile(dir, name, code, {texts[static_cast<size_t>(context)]}))
            return "the help file " + Shown(name) + " could not be written";
    }
    for (int context = 0; context < 2; ++context) {
        const std::string& text = texts[static_cast<size_t>(context)];
        if (UpperAscii(text) == "Z")
            continue;
        const std::string name = HelpFileName(code, context);
        if (Finding finding = CompareText("the help text of " + name + " written back",
                                          AsWritten(text), LoadHelpText(dir, name, code)))
            return finding;
    }
    return Outside();
}

Finding CheckSaturationTable(std::string_view input) {
    auto [header, table] = SplitHeader(input);
    const std::vector<std::string> words = HeaderWords(header);
    const std::string name = words.empty() ? std::string() : words[0];
    int column = 0;
    double key = 263.15;
    if (words.size() > 1)
        std::from_chars(words[1].data(), words[1].data() + words[1].size(), column);
    if (words.size() > 2)
        std::from_chars(words[2].data(), words[2].data() + words[2].size(), key);

    ScratchFolder& scratch = ScratchFolder::Get();
    scratch.Fresh();
    const RefrigerantEntry* entry = FindRefrigerant(name);
    if (entry != nullptr)
        WriteFile(scratch.Work(), entry->file, table);

    AppState state{WorkingDir(scratch.Work())};
    state.engine.CurrentRefrigerant = name;
    const std::optional<std::vector<SaturationRow>> rows = ReadSaturationRows(state, name);
    if (rows) {
        for (const SaturationRow& row : *rows) {
            if (!RowIsFinite(row))
                return "the table of " + Shown(name) + " gives the row " + RowText(row);
        }
    }

    state.settings.HelpContext = 7;
    const bool found = LookupSaturation(state, key, column);
    const bool expected = rows && !rows->empty() && column >= 0 && column <= 2;
    if (found != expected) {
        return "the lookup of " + Number(key) + " in column " + std::to_string(column) + " of " +
               Shown(name) + (found ? " succeeds" : " fails") + " on a table of " +
               (rows ? std::to_string(rows->size()) + " rows" : std::string("no rows"));
    }
    if (state.settings.HelpContext != 0)
        return "the lookup leaves the help context at " +
               std::to_string(state.settings.HelpContext);
    for (int c = 0; c <= 8; ++c)
        Interpolate(state.engine.bracket, c);
    if (!found)
        return Outside();

    const SaturationBracket& bracket = state.engine.bracket;
    if (!(bracket.key == key || (std::isnan(bracket.key) && std::isnan(key))))
        return "the bracket holds the key " + Number(bracket.key) + " after a lookup of " +
               Number(key);
    // Both rows are rows of the table with the key column moved into field 1, or the rows the
    // bracket held before (zeros).
    for (const SaturationRow* side : {&bracket.lower, &bracket.upper}) {
        if (!RowIsFinite(*side))
            return "the bracket holds the row " + RowText(*side);
        bool known = *side == SaturationRow{};
        for (SaturationRow row : *rows) {
            if (column == 1)
                std::swap(row[0], row[1]);
            if (column == 2)
                std::swap(row[0], row[2]);
            known = known || row == *side;
        }
        if (!known)
            return "the bracket holds the row " + RowText(*side) + ", which is not in the table";
    }
    return Outside();
}

Finding CheckProjectFiles(std::string_view input) {
    const InputBundle bundle = ParseBundle(input);
    const std::vector<std::string> words = HeaderWords(bundle.header);
    ScratchFolder& scratch = ScratchFolder::Get();
    WriteFiles(bundle, scratch.Fresh());

    AppState state{WorkingDir(scratch.Work())};
    state.settings.LanguageCode = words.empty() ? "ENG" : words[0];
    state.decimalSeparator = words.size() > 1 && words[1] == "," ? ',' : '.';
    LoadAllCaptions(state.dir, state.settings.LanguageCode, state.captions);

    LoadedProject first;
    LoadAsTheFormDoes(state, first);
    if (state.engine.CurrentRefrigerant != "R22")
        return "a project load selects the refrigerant " + Shown(state.engine.CurrentRefrigerant);
    // Saved as O.K. saves: the project, the energy values and the extras that belong to both.
    ProjectParameters saved = first.record;
    const FileWrite project = SaveProject(state, saved);
    const FileWrite energy = SaveEnergyValues(state, saved);
    if (!project.Written() || !energy.Written())
        return std::string("the project or the energy file could not be written");
    ProjectExtras extras{
        FileDigest(project.bytes), saved[FieldId::Tc], FileDigest(energy.bytes), {}};
    for (size_t i = 0; i < kEnergyFields.size(); ++i)
        extras.energyTexts[i] = saved[kEnergyFields[i]];
    if (!WriteProjectExtras(state.dir, extras))
        return std::string("the extras could not be written");

    LoadedProject second;
    LoadAsTheFormDoes(state, second);
    if (Finding finding = CompareProjects(first, second))
        return "saved and loaded again, " + *finding;

    // The run's own read of the saved energy file gives the numbers saved.
    EnergyNumbers energyRead;
    ReadEnergyNumbers(state, energyRead);
    if (Finding finding = FirstOf({
            [&] {
                return CompareNumber("the run's betrstd", saved.energy.betrstd, energyRead.betrstd);
            },
            [&] {
                return CompareNumber("the run's lzfaktor", saved.energy.lzfaktor,
                                     energyRead.lzfaktor);
            },
            [&] {
                return CompareNumber("the run's EnergKost", saved.energy.EnergKost,
                                     energyRead.EnergKost);
            },
            [&] {
                return CompareNumber("the run's JahrebetrT", saved.energy.JahrebetrT,
                                     energyRead.JahrebetrT);
            },
            [&] {
                return CompareNumber("the run's Spezco2emission", saved.energy.Spezco2emission,
                                     energyRead.Spezco2emission);
            },
        }))
        return finding;
    return Outside();
}

Finding CheckReportReader(std::string_view input) {
    std::vector<std::string> records = WrittenAll(SplitReportRecords(input));
    if (Finding finding = Compare("the report records framed and split again", records,
                                  SplitReportRecords(FrameReportRecords(records))))
        return finding;

    // The file of the working folder: its records in the language's code page, all of them or at
    // least those of one report (the reader may stop after them).
    const std::string_view code = kLanguages[input.size() % kLanguages.size()];
    ScratchFolder& scratch = ScratchFolder::Get();
    WriteFile(scratch.Fresh(), kReportFileName, input);
    std::vector<std::string> expected =
        SplitReportRecords(DecodeText(input, CodePageOfLanguage(code)));
    const std::vector<std::string> read = ReadReportFile(WorkingDir(scratch.Work()), code);
    if (read.size() < expected.size() && read.size() >= kRecordsOfOneReport)
        expected.resize(read.size());
    if (Finding finding =
            Compare("the report file's records in " + std::string(code), expected, read))
        return finding;
    return Outside();
}

Finding CheckCatalogueList(std::string_view input) {
    const InputBundle bundle = ParseBundle(input);
    const std::string refrigerant =
        FindRefrigerant(bundle.header) != nullptr ? bundle.header : std::string("R22");
    ScratchFolder& scratch = ScratchFolder::Get();
    WriteFiles(bundle, scratch.Fresh());
    const WorkingDir dir(scratch.Work());
    const std::string listFile = CatalogueListFileName(refrigerant);
    const std::optional<std::string> before = ReadFile(dir.Resolve(listFile));

    AppState state{dir};
    state.engine.CurrentRefrigerant = refrigerant;
    PrepareCatalogueList(state);
    if (Finding finding = Outside())
        return finding;

    const std::optional<std::string> after = ReadFile(dir.Resolve(listFile));
    if (before && !before->empty()) {
        return CompareText("the list file " + listFile + " that had content", *before,
                           after.value_or(""));
    }
    if (!after || after == before)
        return std::nullopt;
    const std::vector<std::string> fields =
        Texts(AllFields(DecodeText(*after, CodePage::Windows1252)));
    if (fields.size() != 3 * kCatalogueSections) {
        return "the list file holds " + std::to_string(fields.size()) + " fields: " + Shown(*after);
    }
    for (int k = 1; k <= kCatalogueSections; ++k) {
        const size_t first = static_cast<size_t>(3 * (k - 1));
        if (!fields[first].ends_with("N.rdm") ||
            fields[first + 2] != std::to_string((k - 1) * 66 + 2))
            return "line " + std::to_string(k) + " of the list file is " + Shown(fields[first]) +
                   ", " + Shown(fields[first + 2]);
    }
    return std::nullopt;
}

Finding CheckVariantsFile(std::string_view input) {
    const std::optional<VariantSet> set = ParseVariants(input);
    if (!set)
        return std::nullopt;
    if (set->variants.size() > kMaxVariants)
        return std::string("more variants than the reader takes");
    for (const Variant& v : set->variants) {
        if (v.changes.size() > kMaxChanges || v.name.size() > kMaxVariantText)
            return "variant " + Shown(v.name) + " beyond the reader's limits";
    }
    std::string error;
    const std::optional<VariantSet> again = ParseVariants(VariantsJson(*set), &error);
    if (!again)
        return "the written variants file is refused: " + error;
    if (!(*again == *set))
        return std::string("the variants file written and read again differs");
    return std::nullopt;
}

std::span<const Harness> Harnesses() {
    static constexpr std::array<Harness, 12> kHarnesses = {{
        {"field_reader", CheckFieldReader},
        {"number_text", CheckNumberText},
        {"code_page", CheckCodePage},
        {"settings", CheckSettings},
        {"hand_over", CheckHandOver},
        {"caption_tables", CheckCaptionTables},
        {"help_text", CheckHelpText},
        {"saturation_table", CheckSaturationTable},
        {"project_files", CheckProjectFiles},
        {"report_reader", CheckReportReader},
        {"catalogue_list", CheckCatalogueList},
        {"variants_file", CheckVariantsFile},
    }};
    return kHarnesses;
}

int RunFuzzInput(Check check, const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (Finding finding = check(input)) {
        std::fprintf(stderr, "\n==== property violated: %s\n", finding->c_str());
        std::fflush(stderr);
        std::abort();
    }
    return 0;
}

}  // namespace tessaro::fuzz
