#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

class WorkingDir;

inline constexpr std::string_view kApplicationTitle = "Tessaro";
inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kColonSuffix = " :";

// The fixed unit labels, 1-based: "°C", "K", "m", "kW", "mm", "W", "bar", "mbar", "m³/h", "dm³",
// "kg", "m/s", "kg/s", "kJ/kg". They are not translated.
const std::string& UnitLabel(int n);

// Every text that a window, a message box or the report shows, by table and entry number, in the
// current language. Some entries of the compressor and program tables are one and the same slot
// as a main entry: main 1, 169, 170, 199 are compressor 10, 11, 12, 2; main 86, 87, 88 are program
// 38, 39, 40. An entry that was never loaded is empty; a number outside a table reads as empty.
class CaptionTables {
  public:
    static constexpr int kMainEntries = 273;
    static constexpr int kCaptionListEntries = 61;
    static constexpr int kCompressorEntries = 24;
    static constexpr int kProgramEntries = 120;
    static constexpr int kInfoEntries = 66;

    const std::string& Main(int n) const;
    // Caption list entry k is main entry 96 + k (k = 1..61); entry 0 exists and stays empty.
    const std::string& CaptionList(int k) const;
    const std::string& Compressor(int n) const;
    const std::string& Program(int n) const;
    const std::string& Info(int n) const;

    std::string* MainSlot(int n);
    std::string* CompressorSlot(int n);
    std::string* ProgramSlot(int n);
    std::string* InfoSlot(int n);
    void ClearInfo();

  private:
    std::array<std::string, kMainEntries + 1> main_;
    std::array<std::string, kCompressorEntries + 1> compressor_;
    std::array<std::string, kProgramEntries + 1> program_;
    std::array<std::string, kInfoEntries + 1> info_;
};

// Opens "Caption." + code and fills main entries 1..273 by field position (entries 235, 264 and
// 265 are read and discarded). A missing file leaves every entry as it was.
void LoadMainCaptions(const WorkingDir& dir, std::string_view languageCode, CaptionTables& tables);
// "VerbCapt." + code into compressor entries 1..24.
void LoadCompressorCaptions(const WorkingDir& dir, std::string_view languageCode,
                            CaptionTables& tables);
// "TessaroCap." + code into program entries 1..120 (61 on: the messages of the number boxes and
// of files that cannot be written).
void LoadProgramCaptions(const WorkingDir& dir, std::string_view languageCode,
                         CaptionTables& tables);
// Main, compressor and program tables, in this order (the later file wins in a shared slot).
void LoadAllCaptions(const WorkingDir& dir, std::string_view languageCode, CaptionTables& tables);
// Empties the info text table, then fills it from "infoTXT." + code.
void LoadInfoTexts(const WorkingDir& dir, std::string_view languageCode, CaptionTables& tables);

// The texts of a data file in a language's field syntax and code page, or nothing when the file
// cannot be read. Help files and language information files are read the same way.
bool ReadLanguageFields(const WorkingDir& dir, const std::string& fileName,
                        std::string_view languageCode, std::vector<std::string>& fields);

// What the loaders read of a language's files (captions, info texts, help texts, language
// information): the first 1 MiB, far more than any of them holds (the shipped ones are under
// 10 KB each), and of that only as many fields as the loader has entries for.
inline constexpr std::size_t kLanguageFileReadLimit = 1 << 20;

// The first fieldCount texts of a language's data file, read within kLanguageFileReadLimit, added
// to fields; false when the file cannot be read.
bool ReadLanguageFields(const WorkingDir& dir, const std::string& fileName,
                        std::string_view languageCode, std::size_t fieldCount,
                        std::vector<std::string>& fields);

}  // namespace tessaro
