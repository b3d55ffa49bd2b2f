#include "project/project_extras.h"

#include <cstdint>
#include <vector>

#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

// The first line names the file's kind and version, so that a file of another kind is not taken.
constexpr std::string_view kHeading = "Tessaro project extras 1";
constexpr std::size_t kFieldCount = 9;
// Far above the nine fields the program writes: each text is a text box's text.
constexpr ReadLimits kLimits{1 << 20, kFieldCount};

}  // namespace

std::string FileDigest(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<size_t>(i)] = kHex[hash & 15];
    return text;
}

std::optional<ProjectExtras> ReadProjectExtras(const WorkingDir& dir) {
    // The extras are the program's own file, written in UTF-8 whatever the language.
    std::optional<std::string> bytes = dir.ReadBytes(kProjectExtrasFile, kLimits.bytes);
    if (!bytes)
        return std::nullopt;
    FieldReader reader(*bytes);
    std::vector<std::string> fields;
    while (fields.size() < kFieldCount) {
        std::optional<Field> field = reader.Next();
        if (!field)
            break;
        fields.push_back(std::move(field->text));
    }
    if (fields.size() < kFieldCount || fields[0] != kHeading)
        return std::nullopt;
    ProjectExtras extras{fields[1], fields[2], fields[3], {}};
    for (size_t i = 0; i < 5; ++i)
        extras.energyTexts[i] = fields[4 + i];
    return extras;
}

bool WriteProjectExtras(const WorkingDir& dir, const ProjectExtras& extras) {
    FieldWriter writer;
    writer.Text(kHeading).EndLine();
    writer.Text(extras.projectDigest).EndLine();
    writer.Text(extras.Tc).EndLine();
    writer.Text(extras.energyDigest).EndLine();
    for (const std::string& text : extras.energyTexts)
        writer.Text(text).EndLine();
    return dir.OpenForReplace(kProjectExtrasFile, writer.Content());
}

}  // namespace tessaro
