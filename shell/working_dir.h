#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The program's working directory. Every data file is opened by its bare name relative to it, and
// names are matched without regard to letter case: asking for "Caption.NDL" finds "CAPTION.ndl".
class WorkingDir {
  public:
    explicit WorkingDir(std::filesystem::path dir = std::filesystem::current_path());

    const std::filesystem::path& Path() const { return dir_; }

    // The path of the existing file that matches name in any letter case (an exact match wins);
    // when no file matches, the path that a new file of that name would get.
    std::filesystem::path Resolve(std::string_view name) const;

    bool Exists(std::string_view name) const;

    // The whole content of the file, or nothing when it cannot be opened or read.
    std::optional<std::string> ReadBytes(std::string_view name) const;

    // Clears the read-only attribute of an existing file (its other permission bits are kept) and
    // says whether it is writable now. A missing file gives false.
    bool MakeWritable(std::string_view name) const;

    // Replaces the file with bytes: the content goes to a temporary file beside it, which is then
    // renamed over the old one (whatever letter case that one has), so a crash or a full disk never
    // leaves a half-written file. Returns false and leaves the old file untouched on failure.
    bool OpenForReplace(std::string_view name, std::string_view bytes) const;

    // The same folder with every write held in memory instead of reaching the disk; reads see the
    // held files. Used to try a sequence of actions before carrying it out.
    WorkingDir WithWritesHeld() const;

  private:
    using HeldFiles = std::map<std::string, std::string>;

    std::filesystem::path dir_;
    std::shared_ptr<HeldFiles> held_;
};

}  // namespace tessaro
