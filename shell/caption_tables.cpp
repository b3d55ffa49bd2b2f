#include "shell/caption_tables.h"

#include <iterator>
#include <vector>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

const std::string kEmpty;

template <size_t N>
std::string* SlotIn(std::array<std::string, N>& table, int n) {
    return n >= 1 && static_cast<size_t>(n) < N ? &table[static_cast<size_t>(n)] : nullptr;
}

// Loads the fields of one file into the slots 1..count given by slotOf; a null slot discards the
// field. A file that cannot be read changes nothing.
template <typename SlotOf>
void LoadTable(const WorkingDir& dir, const std::string& fileName, std::string_view languageCode,
               int count, SlotOf slotOf) {
    std::vector<std::string> fields;
    if (!ReadLanguageFields(dir, fileName, languageCode, static_cast<std::size_t>(count), fields))
        return;
    int n = 1;
    for (std::string& field : fields) {
        if (n > count)
            break;
        if (std::string* slot = slotOf(n))
            *slot = std::move(field);
        ++n;
    }
}

}  // namespace

const std::string& UnitLabel(int n) {
    static const std::array<std::string, 14> labels = {"°C", "K",   "m",    "kW",   "mm",
                                                       "W",  "bar", "mbar", "m³/h", "dm³",
                                                       "kg", "m/s", "kg/s", "kJ/kg"};
    return n >= 1 && n <= 14 ? labels[static_cast<size_t>(n - 1)] : kEmpty;
}

const std::string& CaptionTables::Main(int n) const {
    return n >= 1 && n <= kMainEntries ? main_[static_cast<size_t>(n)] : kEmpty;
}

const std::string& CaptionTables::CaptionList(int k) const {
    return k >= 1 && k <= kCaptionListEntries ? main_[static_cast<size_t>(96 + k)] : kEmpty;
}

const std::string& CaptionTables::Compressor(int n) const {
    const std::string* slot = const_cast<CaptionTables*>(this)->CompressorSlot(n);
    return slot ? *slot : kEmpty;
}

const std::string& CaptionTables::Program(int n) const {
    const std::string* slot = const_cast<CaptionTables*>(this)->ProgramSlot(n);
    return slot ? *slot : kEmpty;
}

const std::string& CaptionTables::Info(int n) const {
    return n >= 1 && n <= kInfoEntries ? info_[static_cast<size_t>(n)] : kEmpty;
}

std::string* CaptionTables::MainSlot(int n) {
    return SlotIn(main_, n);
}

std::string* CaptionTables::CompressorSlot(int n) {
    switch (n) {
        case 2:
            return &main_[199];
        case 10:
            return &main_[1];
        case 11:
            return &main_[169];
        case 12:
            return &main_[170];
        default:
            return SlotIn(compressor_, n);
    }
}

std::string* CaptionTables::ProgramSlot(int n) {
    if (n >= 38 && n <= 40)
        return &main_[static_cast<size_t>(86 + n - 38)];
    return SlotIn(program_, n);
}

std::string* CaptionTables::InfoSlot(int n) {
    return SlotIn(info_, n);
}

void CaptionTables::ClearInfo() {
    for (std::string& entry : info_)
        entry.clear();
}

bool ReadLanguageFields(const WorkingDir& dir, const std::string& fileName,
                        std::string_view languageCode, std::vector<std::string>& fields) {
    std::optional<std::vector<std::string>> read =
        ReadFileFields(dir, fileName, CodePageOfLanguage(languageCode));
    if (!read)
        return false;
    fields.insert(fields.end(), read->begin(), read->end());
    return true;
}

bool ReadLanguageFields(const WorkingDir& dir, const std::string& fileName,
                        std::string_view languageCode, std::size_t fieldCount,
                        std::vector<std::string>& fields) {
    std::optional<std::vector<std::string>> read =
        ReadFileFields(dir, fileName, CodePageOfLanguage(languageCode),
                       ReadLimits{kLanguageFileReadLimit, fieldCount});
    if (!read)
        return false;
    fields.insert(fields.end(), std::make_move_iterator(read->begin()),
                  std::make_move_iterator(read->end()));
    return true;
}

void LoadMainCaptions(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    LoadTable(dir, "Caption." + std::string(code), code, CaptionTables::kMainEntries,
              [&](int n) -> std::string* {
                  if (n == 235 || n == 264 || n == 265)
                      return nullptr;
                  return tables.MainSlot(n);
              });
}

void LoadCompressorCaptions(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    LoadTable(dir, "VerbCapt." + std::string(code), code, CaptionTables::kCompressorEntries,
              [&](int n) { return tables.CompressorSlot(n); });
}

void LoadProgramCaptions(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    LoadTable(dir, "TessaroCap." + std::string(code), code, CaptionTables::kProgramEntries,
              [&](int n) { return tables.ProgramSlot(n); });
}

void LoadAllCaptions(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    LoadMainCaptions(dir, code, tables);
    LoadCompressorCaptions(dir, code, tables);
    LoadProgramCaptions(dir, code, tables);
}

void LoadInfoTexts(const WorkingDir& dir, std::string_view code, CaptionTables& tables) {
    tables.ClearInfo();
    LoadTable(dir, "infoTXT." + std::string(code), code, CaptionTables::kInfoEntries,
              [&](int n) { return tables.InfoSlot(n); });
}

}  // namespace tessaro
