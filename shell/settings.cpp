#include "shell/settings.h"

#include <vector>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/number_text.h"
#include "shell/text.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

using Line = std::vector<std::string>;

struct SettingsLines {
    Line first;
    Line second;
};

std::optional<SettingsLines> ReadSettingsLines(const WorkingDir& dir) {
    std::optional<std::string> bytes = dir.ReadBytes(kSettingsFile, kSettingsReadLimit);
    if (!bytes)
        return std::nullopt;
    std::string text = DecodeText(*bytes, CodePage::Windows1252);
    FieldReader reader(text);
    SettingsLines lines;
    lines.first = reader.NextLine();
    lines.second = reader.NextLine();
    return lines;
}

// Field n (1-based) of a line, if the line has it.
const std::string* FieldAt(const Line& line, size_t n) {
    return n >= 1 && n <= line.size() ? &line[n - 1] : nullptr;
}

void ReadText(const Line& line, size_t n, std::string& target) {
    if (const std::string* field = FieldAt(line, n))
        target = *field;
}

void ReadInteger(const Line& line, size_t n, int& target) {
    if (const std::string* field = FieldAt(line, n)) {
        if (auto value = FieldInteger(*field))
            target = *value;
    }
}

void ReadNumber(const Line& line, size_t n, double& target) {
    if (const std::string* field = FieldAt(line, n)) {
        if (auto value = FieldNumber(*field))
            target = *value;
    }
}

// V10 is stored as the text form of a number and read with the decimal-comma conversion.
void ReadV10(const Line& line, double& target) {
    std::string text;
    ReadText(line, 3, text);
    if (auto value = DecimalCommaConversion(text))
        target = *value;
}

void ReadLineOneRest(const Line& line, Settings& s) {
    ReadInteger(line, 12, s.PrintHeadingOff);
    ReadText(line, 13, s.suite.V6);
    ReadInteger(line, 14, s.suite.V7);
}

void ReadLineTwo(const Line& line, Settings& s) {
    ReadInteger(line, 1, s.suite.V8);
    ReadNumber(line, 2, s.suite.V9);
    ReadV10(line, s.suite.V10);
    ReadText(line, 4, s.suite.V11);
    ReadText(line, 5, s.suite.V12);
    ReadInteger(line, 6, s.suite.V13);
    ReadText(line, 7, s.suite.V14);
    ReadInteger(line, 8, s.ShowBackgrounds);
}

void NormaliseDriveText(SuiteFields& suite) {
    std::string drive(TrimSpaces(suite.V6));
    if (CharacterCount(drive) > 3)
        drive = "C:\\";
    if (drive.empty() || drive == "0" || UpperAscii(drive) == "C:")
        drive = "C:\\";
    if (suite.V7 == 77)
        drive.clear();
    suite.V6 = drive;
}

}  // namespace

std::optional<std::string> LoadSettingsShort(const WorkingDir& dir, Settings& s) {
    std::optional<SettingsLines> lines = ReadSettingsLines(dir);
    if (!lines) {
        return std::string("The settings file \"") + kSettingsFile +
               "\" is missing from the working folder " + dir.Path().string() + ".";
    }
    const Line& line = lines->first;
    if (line.size() < 11) {
        return std::string("The settings file \"") + kSettingsFile +
               "\" is incomplete: its first line holds " + std::to_string(line.size()) +
               " fields where at least 11 are needed.";
    }
    s.LanguageCode = line[3];
    s.CurrencyCode = line[4];
    s.FontName = line[5];
    s.UserName = line[6];
    s.suite.V2 = line[8];
    s.suite.V3 = line[9];
    s.suite.V4 = line[10];
    return std::nullopt;
}

void LoadSettingsCarried(const WorkingDir& dir, Settings& s) {
    std::optional<SettingsLines> lines = ReadSettingsLines(dir);
    if (!lines)
        return;
    ReadInteger(lines->first, 8, s.suite.V1);
    ReadLineOneRest(lines->first, s);
    ReadLineTwo(lines->second, s);
}

void LoadSettingsFull(const WorkingDir& dir, Settings& s) {
    SettingsLines lines = ReadSettingsLines(dir).value_or(SettingsLines{});
    const Line& one = lines.first;
    ReadText(one, 4, s.LanguageCode);
    ReadText(one, 5, s.CurrencyCode);
    ReadText(one, 6, s.FontName);
    ReadText(one, 7, s.UserName);
    ReadInteger(one, 8, s.suite.V1);
    ReadText(one, 9, s.suite.V2);
    ReadText(one, 10, s.suite.V3);
    ReadText(one, 11, s.suite.V4);
    ReadInteger(one, 12, s.PrintHeadingOff);
    std::string drive;
    ReadText(one, 13, drive);
    s.suite.V6 = std::string(TrimSpaces(drive));
    s.suite.V7 = 0;
    ReadInteger(one, 14, s.suite.V7);

    s.suite.V8 = 0;
    s.suite.V9 = 35;
    ReadLineTwo(lines.second, s);
    if (s.suite.V10 <= 0)
        s.suite.V10 = 2.5;

    if (s.suite.V12.empty() || s.suite.V12 == "C:\\")
        s.suite.V12 = dir.Path().string();
    NormaliseDriveText(s.suite);

    ApplySettingsDefaults(s, "ENG");
}

void ApplySettingsDefaults(Settings& s, std::string_view language) {
    if (CharacterCount(s.FontName) < 3)
        s.FontName = "Arial";
    if (CharacterCount(s.LanguageCode) < 3)
        s.LanguageCode = std::string(language);
    if (s.CurrencyCode.empty())
        s.CurrencyCode = "EUR";
}

bool SaveSettings(const WorkingDir& dir, const Settings& s) {
    FieldWriter w;
    w.Text("").Text("").Text("").Text(s.LanguageCode).Text(s.CurrencyCode).Text(s.FontName);
    w.Text(s.UserName).Integer(s.suite.V1).Text(s.suite.V2).Text(s.suite.V3).Text(s.suite.V4);
    w.Integer(s.PrintHeadingOff).Text(s.suite.V6).Integer(s.suite.V7).EndLine();
    w.Integer(s.suite.V8).Number(s.suite.V9).Text(SignPlaceNumberText(s.suite.V10));
    w.Text(s.suite.V11).Text(s.suite.V12).Integer(s.suite.V13).Text(s.suite.V14);
    w.Integer(s.ShowBackgrounds).EndLine();
    return dir.OpenForReplace(kSettingsFile, EncodeText(w.Content(), CodePage::Windows1252));
}

}  // namespace tessaro
