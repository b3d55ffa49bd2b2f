#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "variants/variant.h"

namespace tessaro {

class WorkingDir;

// The project's variants, kept beside the project file in a file of their own (UTF-8 JSON). The
// project file and the energy file never hold anything of them.
inline constexpr const char* kVariantsFile = "TempPartVariants.json";
// Where a variants file that cannot be read is kept before a new one replaces it.
inline constexpr const char* kDamagedVariantsFile = "TempPartVariants.damaged.json";

// The most the reader takes: far more than a user keeps, little enough for any file.
inline constexpr size_t kMaxVariants = 200;
inline constexpr size_t kMaxChanges = 64;
inline constexpr size_t kMaxVariantText = 200;
inline constexpr size_t kVariantsFileLimit = 1 << 20;

// The variants file as text.
std::string VariantsJson(const VariantSet& set);

// Reads the text of a variants file. A text that is no JSON object of the expected shape gives
// nothing and the reason in error. Within a good file, a variant or change of the wrong shape is
// left out, names and texts are cut to kMaxVariantText bytes, numbers that are not finite or out
// of range take their defaults, and no more than kMaxVariants variants with kMaxChanges changes
// each are taken.
std::optional<VariantSet> ParseVariants(std::string_view text, std::string* error = nullptr);

// What reading the variants file of a folder found.
struct VariantsRead {
    VariantSet set;
    // Set when a file is there but cannot be read: the reason, and whether it was kept as
    // kDamagedVariantsFile (a copy made before anything replaces it).
    std::string error;
    bool kept = false;
};

// Reads the variants file of dir. A missing file gives no variants and the default TEWI inputs.
// A file that cannot be read gives the same; with keepDamaged it is copied to
// kDamagedVariantsFile first, so that a later save over it loses nothing.
VariantsRead ReadVariantsFile(const WorkingDir& dir, bool keepDamaged);

// Replaces the variants file of dir safely (a temporary file renamed over it). False when it
// could not be written; the old file then stays as it was.
bool WriteVariantsFile(const WorkingDir& dir, const VariantSet& set);

}  // namespace tessaro
