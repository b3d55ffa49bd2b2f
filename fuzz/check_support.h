#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::fuzz {

// What a check found: nothing when every property held, otherwise one sentence saying which
// property broke and on what.
using Finding = std::optional<std::string>;

// The bytes as a short printable text for a finding: C escapes for everything but printable
// ASCII, cut after 160 bytes.
std::string Shown(std::string_view bytes);

// The text as the field writer puts it into a file: every double quote as two apostrophes.
std::string AsWritten(std::string_view text);

// Whether the text is well-formed UTF-8 (no stray, overlong or surrogate sequences).
bool IsValidUtf8(std::string_view text);

// Whether read is value written with 15 significant digits and read back: within half a unit of
// the 15th digit, plus the rounding of the read itself.
bool Within15Digits(double read, double value);

// A name that the program takes as the bare name of a file of its working folder: not empty, not
// ".", at most 64 bytes, without a slash or backslash, "..", or a control character (C0, DEL or,
// in UTF-8, C1).
bool IsPlainFileName(std::string_view name);

// The private folder of this process in which the checks let the program read and write its
// files. It is made once per process under the system's temporary folder and removed at exit:
// ROOT/a/b/work is the working folder, and ROOT/a and ROOT/a/b hold a few read-only sentinel
// files ("oN.rdm", "oI.rdm", "o.dat") that a file name with "../" in it could reach.
class ScratchFolder {
  public:
    static ScratchFolder& Get();

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Empties the working folder and returns its path.
    const std::filesystem::path& Fresh();
    const std::filesystem::path& Work() const { return work_; }

    // A finding when anything outside the working folder differs from how it was made (a file
    // added, removed, changed or with other permissions). The sentinels are then made anew, so
    // the next check starts clean.
    Finding CheckOutsideUntouched();

  private:
    ScratchFolder();
    ~ScratchFolder();

    struct Entry {
        bool directory = false;
        unsigned permissions = 0;
        std::string bytes;
    };
    using Snapshot = std::map<std::string, Entry>;

    void MakeSentinels();
    Snapshot TakeSnapshot() const;

    std::filesystem::path root_;
    std::filesystem::path work_;
    Snapshot outside_;
};

// A fuzz input that stands for a few files: a header line with the check's parameters, then each
// file as a marker line "==> NAME <==" followed by its bytes. The line feed before a marker line
// belongs to the marker, so a file may end without one. Bytes before the first marker belong to
// no file.
struct InputFile {
    std::string name;
    std::string bytes;
};
struct InputBundle {
    std::string header;  // the first line, without its CR LF or LF
    std::vector<InputFile> files;
};

InputBundle ParseBundle(std::string_view input);

// The header and what follows its line (for a check that takes one file after the header).
std::pair<std::string, std::string_view> SplitHeader(std::string_view input);

// The words of a header line, separated by blanks.
std::vector<std::string> HeaderWords(std::string_view header);

// Writes the files of the bundle whose names are plain file names into folder, in order (a later
// file of the same name replaces an earlier one).
void WriteFiles(const InputBundle& bundle, const std::filesystem::path& folder);

// Writes one file into folder.
void WriteFile(const std::filesystem::path& folder, std::string_view name, std::string_view bytes);

// The bytes of a file of the folder, or nothing when it is missing.
std::optional<std::string> ReadFile(const std::filesystem::path& path);

}  // namespace tessaro::fuzz
