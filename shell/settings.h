#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

class WorkingDir;

// The values of "kparam.dat" that belong to the sibling programs of the suite. This program only
// reads, normalises and writes them back.
struct SuiteFields {
    int V1 = 0;
    std::string V2, V3, V4;
    std::string V6;  // drive text
    int V7 = 0;
    int V8 = 0;
    double V9 = 35;
    double V10 = 0;  // stored as its sign-place text
    std::string V11;
    std::string V12;  // folder text
    int V13 = 0;
    std::string V14;
};

// The settings record, one per run, and the run flags beside it.
struct Settings {
    std::string LanguageCode;
    std::string CurrencyCode;
    std::string FontName;
    std::string UserName;
    int ShowBackgrounds = 0;
    int PrintHeadingOff = 0;
    SuiteFields suite;
    // Put before every saturation table's file name; empty at every start, so the tables are read
    // from the working folder.
    std::string refrigerantPathPrefix;

    int WelcomeShown = 0;
    int HandOverActive = 0;
    int HelpContext = 0;
    // Put after the help box's caption; empty at start, set by the main window's help menu.
    std::string HelpCaptionSuffix;
};

inline constexpr const char* kSettingsFile = "kparam.dat";
// What the settings readers take of "kparam.dat": its first 64 KiB, far more than its two lines of
// 22 short fields hold. The two lines are then found field by field, since a quoted field may run
// across a line end.
inline constexpr std::size_t kSettingsReadLimit = 1 << 16;

// Reads fields 1..11 of line 1 of "kparam.dat" into the record (language, currency, font, user
// name and V2..V4). Returns the sentence that explains why the start cannot go on when the file is
// missing or its first line holds fewer than 11 fields.
std::optional<std::string> LoadSettingsShort(const WorkingDir& dir, Settings& settings);

// Reads the rest of "kparam.dat" (fields 12..14 of line 1 and all of line 2) as it stands, without
// defaults or normalisation, so that writing the settings keeps what the sibling programs stored.
void LoadSettingsCarried(const WorkingDir& dir, Settings& settings);

// Reads both lines completely and applies the defaults and normalisations (English when no
// language is set). A field that cannot be read leaves its target unchanged.
void LoadSettingsFull(const WorkingDir& dir, Settings& settings);

// The defaults of the settings: font "Arial" when the name has fewer than 3 characters, the given
// language when the code has fewer than 3, currency "EUR" when none is set.
void ApplySettingsDefaults(Settings& settings, std::string_view language);

// Writes "kparam.dat" from the record: two lines of 14 and 8 fields. Returns whether it succeeded.
bool SaveSettings(const WorkingDir& dir, const Settings& settings);

}  // namespace tessaro
