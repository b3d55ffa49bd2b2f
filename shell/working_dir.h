#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaro {

// The program's working directory. Every data file is opened by its bare name relative to it, and
// names are matched without regard to letter case: asking for "Caption.NDL" finds "CAPTION.ndl".
//
// Only regular files are read or replaced. A named pipe, device, folder or socket in a file's
// place, also behind a symbolic link, counts as a file that cannot be opened: it is never waited
// on, read, made writable or replaced.
//
// Only plain file names name a file (see IsPlainFileName); every other name stands for a file that
// does not exist, so that a name taken from a data file never reaches outside the folder.
class WorkingDir {
  public:
    explicit WorkingDir(std::filesystem::path dir = std::filesystem::current_path());

    const std::filesystem::path& Path() const { return dir_; }

    // Whether name is a bare file name: not empty, not ".", and without a path separator ('/' or
    // '\\'), "..", a NUL or any other control character.
    static bool IsPlainFileName(std::string_view name);

    // The path of the existing file that matches name in any letter case (an exact match wins);
    // when no file matches, the path that a new file of that name would get. An empty path when
    // name is not a plain file name.
    std::filesystem::path Resolve(std::string_view name) const;

    // Whether a regular file of that name is there.
    bool Exists(std::string_view name) const;

    // The whole content of the file, or nothing when it cannot be opened or read.
    std::optional<std::string> ReadBytes(std::string_view name) const;

    // The first limit bytes of the file (all of it when it is shorter), or nothing when it cannot
    // be opened or read. Readers use this with a limit of their own, far above what their format
    // holds, so that a file of any size costs no more than the limit.
    std::optional<std::string> ReadBytes(std::string_view name, std::size_t limit) const;

    // Clears the read-only attribute of an existing regular file (its other permission bits are
    // kept) and says whether it is writable now. A missing file, or anything else in its place,
    // gives false and is left as it is.
    bool MakeWritable(std::string_view name) const;

    // Replaces the file with bytes: the content goes to a temporary file beside it, which is then
    // renamed over the old one (whatever letter case that one has), so a crash or a full disk never
    // leaves a half-written file. Returns false and leaves the old file untouched on failure, and
    // when something other than a regular file stands in its place.
    bool OpenForReplace(std::string_view name, std::string_view bytes) const;

    // Replaces an existing regular file, as OpenForReplace does, with a copy of itself in which the
    // bytes from offset on are overwritten with bytes; a file that ends before offset is first
    // filled up with zero bytes. The old file is copied piece by piece, so a file of any size costs
    // little memory. A missing file is not created: false.
    bool ReplaceRange(std::string_view name, std::size_t offset, std::string_view bytes) const;

    // The same folder with every write held in memory instead of reaching the disk; reads see the
    // held files (those of this folder too, when its writes are held already). Used to try a
    // sequence of actions before carrying it out, and to compute variants of a project.
    WorkingDir WithWritesHeld() const;

  private:
    // A file written while writes are held: its whole new content, or the ranges written over the
    // file on the disk.
    struct HeldFile {
        std::optional<std::string> content;
        std::vector<std::pair<std::size_t, std::string>> ranges;
    };
    using HeldFiles = std::map<std::string, HeldFile>;

    const HeldFile* Held(std::string_view name) const;

    std::filesystem::path dir_;
    std::shared_ptr<HeldFiles> held_;
};

}  // namespace tessaro
