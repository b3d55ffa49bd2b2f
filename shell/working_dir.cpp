#include "shell/working_dir.h"

#include "shell/text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>
#include <limits>
#include <system_error>

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kPieceSize = 65536;

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Writes bytes at a position of fd; beyond the end of the file, the gap reads as zero bytes.
bool WriteAllAt(int fd, std::string_view bytes, off_t at) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::pwrite(fd, p, left, at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        at += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Copies the rest of in to out, piece by piece.
bool CopyAll(int in, int out) {
    char piece[kPieceSize];
    for (;;) {
        const ssize_t n = ::read(in, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!WriteAll(out, std::string_view(piece, static_cast<size_t>(n))))
            return false;
    }
}

// Reads up to limit bytes from fd into bytes (appending); false on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& bytes) {
    char piece[kPieceSize];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, piece, std::min(sizeof piece, limit - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        bytes.append(piece, static_cast<size_t>(n));
    }
    return true;
}

// What stands at a path, following symbolic links.
enum class Kind { Missing, Regular, Other };

Kind KindAt(const fs::path& path, struct stat* st = nullptr) {
    struct stat own {};
    struct stat& s = st != nullptr ? *st : own;
    if (path.empty() || ::stat(path.c_str(), &s) != 0)
        return Kind::Missing;
    return S_ISREG(s.st_mode) ? Kind::Regular : Kind::Other;
}

// Opens a regular file for reading, or gives -1. Anything else is never opened where that can be
// seen beforehand, and never waited on: a named pipe put in place after the check opens without
// blocking and is then refused.
int OpenRegular(const fs::path& path, struct stat& st) {
    if (KindAt(path) != Kind::Regular)
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether something other than a regular file stands at target, which is then never written over;
// errno then says why.
bool RefuseNonRegular(const fs::path& target) {
    struct stat st {};
    if (KindAt(target, &st) != Kind::Other)
        return false;
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return true;
}

// Removes the temporary files that a write killed half-way left beside target. Only those older
// than a minute go, so that a write under way in another run of the program is not disturbed.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = target.filename().string() + ".tmp-";
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::error_code error;
        if (it->is_symlink(error) || !it->is_regular_file(error))
            continue;
        const auto written = fs::last_write_time(it->path(), error);
        if (!error && now - written > std::chrono::minutes(1))
            fs::remove(it->path(), error);
    }
}

// Writes a temporary file beside target with fill, gives it mode and renames it over target.
bool ReplaceWith(const fs::path& target, mode_t mode, const std::function<bool(int fd)>& fill) {
    RemoveStaleTemporaries(target);
    std::string temp = target.string() + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = fill(fd) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temp.c_str());
        errno = error;
    }
    return ok;
}

// The first limit bytes of a file after bytes were written from offset on (the file filled up
// with zero bytes to offset), given the first limit bytes before.
void WriteRange(std::string& head, std::size_t limit, std::size_t offset, std::string_view bytes) {
    const bool whole = head.size() < limit;  // the head is the whole file
    const std::size_t end = offset + bytes.size();
    if (whole && end > head.size())
        head.resize(std::min(end, limit), '\0');
    if (offset < head.size())
        head.replace(offset, std::min(bytes.size(), head.size() - offset),
                     bytes.substr(0, head.size() - offset));
}

}  // namespace

WorkingDir WorkingDir::WithWritesHeld() const {
    WorkingDir copy(dir_);
    // Writes already held stay visible to the copy; its own writes go to its own memory.
    copy.held_ = held_ ? std::make_shared<HeldFiles>(*held_) : std::make_shared<HeldFiles>();
    return copy;
}

WorkingDir::WorkingDir(fs::path dir) : dir_(std::move(dir)) {}

bool WorkingDir::IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos)
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\')
            return false;
        // The control characters U+0080..U+009F in UTF-8.
        const unsigned char next =
            i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F)
            return false;
    }
    return true;
}

fs::path WorkingDir::Resolve(std::string_view name) const {
    if (!IsPlainFileName(name))
        return {};
    fs::path exact = dir_ / fs::path(std::string(name));
    std::error_code ec;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
        if (EqualIgnoringCase(it->path().filename().string(), name))
            return it->path();
    }
    return exact;
}

const WorkingDir::HeldFile* WorkingDir::Held(std::string_view name) const {
    if (!held_)
        return nullptr;
    auto it = held_->find(LowerAscii(name));
    return it != held_->end() ? &it->second : nullptr;
}

bool WorkingDir::Exists(std::string_view name) const {
    if (!IsPlainFileName(name))
        return false;
    if (Held(name) != nullptr)
        return true;
    return KindAt(Resolve(name)) == Kind::Regular;
}

std::optional<std::string> WorkingDir::ReadBytes(std::string_view name) const {
    return ReadBytes(name, kNoLimit);
}

std::optional<std::string> WorkingDir::ReadBytes(std::string_view name, std::size_t limit) const {
    if (!IsPlainFileName(name))
        return std::nullopt;
    const HeldFile* held = Held(name);
    if (held != nullptr && held->content)
        return held->content->substr(0, limit);
    struct stat st {};
    const int fd = OpenRegular(Resolve(name), st);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(std::min(limit, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0))));
    const bool ok = ReadUpTo(fd, limit, bytes);
    ::close(fd);
    if (!ok)
        return std::nullopt;
    if (held != nullptr) {
        for (const auto& [offset, range] : held->ranges)
            WriteRange(bytes, limit, offset, range);
    }
    return bytes;
}

bool WorkingDir::MakeWritable(std::string_view name) const {
    if (!IsPlainFileName(name))
        return false;
    if (held_)
        return Held(name) != nullptr || KindAt(Resolve(name)) == Kind::Regular;
    fs::path path = Resolve(name);
    struct stat st {};
    if (KindAt(path, &st) != Kind::Regular)
        return false;
    if ((st.st_mode & S_IWUSR) == 0)
        ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
    return ::access(path.c_str(), W_OK) == 0;
}

bool WorkingDir::OpenForReplace(std::string_view name, std::string_view bytes) const {
    if (!IsPlainFileName(name)) {
        errno = EINVAL;
        return false;
    }
    fs::path target = Resolve(name);
    if (RefuseNonRegular(target))
        return false;
    if (held_) {
        (*held_)[LowerAscii(name)] = HeldFile{std::string(bytes), {}};
        return true;
    }
    MakeWritable(name);
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        mode = (st.st_mode & 07777) | S_IWUSR;
    return ReplaceWith(target, mode, [&](int fd) { return WriteAll(fd, bytes); });
}

bool WorkingDir::ReplaceRange(std::string_view name, std::size_t offset,
                              std::string_view bytes) const {
    if (!Exists(name))
        return false;
    if (held_) {
        HeldFile& held = (*held_)[LowerAscii(name)];
        if (held.content)
            WriteRange(*held.content, kNoLimit, offset, bytes);
        else
            held.ranges.emplace_back(offset, std::string(bytes));
        return true;
    }
    MakeWritable(name);
    const fs::path target = Resolve(name);
    struct stat st {};
    const int in = OpenRegular(target, st);
    if (in < 0)
        return false;
    const mode_t mode = (st.st_mode & 07777) | S_IWUSR;
    const bool ok = ReplaceWith(target, mode, [&](int out) {
        return CopyAll(in, out) && WriteAllAt(out, bytes, static_cast<off_t>(offset));
    });
    ::close(in);
    return ok;
}

}  // namespace tessaro
