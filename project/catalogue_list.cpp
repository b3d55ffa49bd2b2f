#include "project/catalogue_list.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "engine/app_state.h"
#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/text.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

constexpr size_t kNameLength = 7;

// What the catalogue step reads of the suite's files: the first 256 entries of the register
// within its first 64 KiB (a register names a few dozen catalogues), record 51 of a data file and
// the 18 title records of an index file.
constexpr size_t kRegisterReadLimit = 1 << 16;
constexpr size_t kRegisterEntryLimit = 256;
constexpr size_t kDataFileReadLimit = kCatalogueTypeRecord * kCatalogueRecordLength;
constexpr size_t kIndexFileReadLimit = kCatalogueSections * kCatalogueTitleLength;
constexpr size_t kTypeRecordOffset = (kCatalogueTypeRecord - 1) * kCatalogueRecordLength;

// Index record k (1-based) gives list position kListPosition[k - 1]: (b + 48) / 50 for the block
// offsets b = 252, 202, 302, 352, 52, 502, 602, 702, 402, 152, 2, 452, 102, 552, 652, 752, 802,
// 852.
constexpr std::array<int, kCatalogueSections> kListPosition = {6, 5, 7,  8, 2,  11, 13, 15, 9,
                                                               4, 1, 10, 3, 12, 14, 16, 17, 18};

// The DOS umlauts, sharp s and degree sign as their Windows-1252 codes; other codes unchanged.
unsigned char WindowsCodeOfDos(unsigned char code) {
    constexpr std::array<std::pair<unsigned char, unsigned char>, 8> kDosToWindows = {{
        {129, 252},  // ü
        {132, 228},  // ä
        {142, 196},  // Ä
        {148, 246},  // ö
        {153, 214},  // Ö
        {154, 220},  // Ü
        {225, 223},  // ß
        {248, 176},  // °
    }};
    for (const auto& [dos, windows] : kDosToWindows) {
        if (dos == code)
            return windows;
    }
    return code;
}

std::string DataFileName(std::string_view name) {
    return std::string(name) + "N.rdm";
}
std::string IndexFileName(std::string_view name) {
    return std::string(name) + "I.rdm";
}

// The 570-byte record n (1-based) of a file's bytes; the part beyond the end reads as zeros.
std::string RecordOf(const std::string& bytes, int n, size_t length) {
    const size_t offset = static_cast<size_t>(n - 1) * length;
    std::string record(length, '\0');
    if (offset < bytes.size())
        bytes.copy(record.data(), length, offset);
    return record;
}

// Writes the type into the type field of record 51 (its digits, then blanks to the field's length)
// and replaces the data file with the result; the rest of the file is kept.
void StampType(const WorkingDir& dir, const std::string& dataFile, std::string record, int type) {
    std::string field = std::to_string(type);
    field.resize(kCatalogueTypeFieldLength, ' ');
    record.replace(0, field.size(), field);
    dir.ReplaceRange(dataFile, kTypeRecordOffset, record);
}

// Whether the file is there and holds anything: its first byte is enough.
bool HasContent(const WorkingDir& dir, const std::string& name) {
    std::optional<std::string> first = dir.ReadBytes(name, 1);
    return first && !first->empty();
}

// The catalogue to list: the first register entry of type 0, typing (and stamping) every entry on
// the way. Nothing when the register is missing or holds no such entry.
std::optional<std::string> ListedCatalogue(const WorkingDir& dir) {
    std::optional<std::string> bytes = dir.ReadBytes(kCatalogueRegisterFile, kRegisterReadLimit);
    if (!bytes)
        return std::nullopt;
    const std::string text = DecodeText(*bytes, CodePage::Windows1252);
    FieldReader reader(text);
    for (size_t entries = 0; entries < kRegisterEntryLimit && !reader.AtEnd(); ++entries) {
        std::vector<std::string> entry = reader.NextLine();
        if (entry.empty() || entry.front().empty())
            continue;
        std::string name = FirstCharacters(entry.front(), kNameLength);
        if (CatalogueType(dir, name) == 0)
            return name;
    }
    return std::nullopt;
}

// The section titles of a catalogue by list position (index 1..18); empty where the index file
// has no record.
std::array<std::string, kCatalogueSections + 1> SectionTitles(const WorkingDir& dir,
                                                              const std::string& name) {
    std::array<std::string, kCatalogueSections + 1> titles;
    const std::string indexFile = IndexFileName(name);
    dir.MakeWritable(indexFile);
    std::optional<std::string> bytes = dir.ReadBytes(indexFile, kIndexFileReadLimit);
    if (!bytes)
        return titles;
    for (int k = 1; k <= kCatalogueSections; ++k) {
        titles[static_cast<size_t>(ListPositionOfIndexRecord(k))] =
            ConvertCatalogueTitle(RecordOf(*bytes, k, kCatalogueTitleLength));
    }
    return titles;
}

}  // namespace

int CatalogueTypeOfName(std::string_view name) {
    const std::string upper = UpperAscii(name);
    const std::string last = upper.size() >= 2 ? upper.substr(upper.size() - 2) : upper;
    if (last == "EX")
        return 1;
    if (last == "KP")
        return 2;
    if (last == "VD")
        return 3;
    if (last == "KD")
        return 4;
    if (last == "MV")
        return 7;
    if (upper.starts_with("KA"))
        return 5;
    return 0;
}

int CatalogueType(const WorkingDir& dir, std::string_view name) {
    const std::string dataFile = DataFileName(name);
    const int nameType = CatalogueTypeOfName(name);
    if (!dir.Exists(dataFile))
        return nameType;
    dir.MakeWritable(dataFile);
    std::optional<std::string> bytes = dir.ReadBytes(dataFile, kDataFileReadLimit);
    if (!bytes)
        return nameType;
    std::string record = RecordOf(*bytes, kCatalogueTypeRecord, kCatalogueRecordLength);
    const char digit = record.front();
    if (digit >= '1' && digit <= '9')
        return digit - '0';
    StampType(dir, dataFile, std::move(record), nameType);
    return nameType;
}

std::string ConvertCatalogueTitle(std::string_view dosBytes) {
    std::string converted;
    converted.reserve(dosBytes.size());
    for (char c : dosBytes) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (code == 0)
            continue;
        if (code == '"') {
            converted += "''";
            continue;
        }
        converted += static_cast<char>(WindowsCodeOfDos(code));
    }
    return DecodeText(converted, CodePage::Windows1252);
}

int ListPositionOfIndexRecord(int k) {
    if (k < 1 || k > kCatalogueSections)
        return 0;
    return kListPosition[static_cast<size_t>(k - 1)];
}

std::string CatalogueListFileName(std::string_view refrigerant) {
    return std::string(refrigerant) + ".LST";
}

bool BuildCatalogueList(const WorkingDir& dir, std::string_view refrigerant) {
    const std::string listFile = CatalogueListFileName(refrigerant);
    if (HasContent(dir, listFile))
        return false;
    std::optional<std::string> name = ListedCatalogue(dir);
    if (!name)
        return false;
    const auto titles = SectionTitles(dir, *name);
    FieldWriter list;
    for (int k = 1; k <= kCatalogueSections; ++k) {
        list.Text(DataFileName(*name)).Text(titles[static_cast<size_t>(k)]);
        list.Integer((k - 1) * 66 + 2).EndLine();
    }
    return dir.OpenForReplace(listFile, EncodeText(list.Content(), CodePage::Windows1252));
}

void PrepareCatalogueList(const AppState& state) {
    BuildCatalogueList(state.dir, state.engine.CurrentRefrigerant);
}

}  // namespace tessaro
