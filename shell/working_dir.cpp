#include "shell/working_dir.h"

#include "shell/text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <system_error>

namespace tessaro {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

WorkingDir WorkingDir::WithWritesHeld() const {
    WorkingDir copy(dir_);
    copy.held_ = std::make_shared<HeldFiles>();
    return copy;
}

WorkingDir::WorkingDir(fs::path dir) : dir_(std::move(dir)) {}

fs::path WorkingDir::Resolve(std::string_view name) const {
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

bool WorkingDir::Exists(std::string_view name) const {
    if (held_ && held_->count(LowerAscii(name)))
        return true;
    std::error_code ec;
    return fs::is_regular_file(Resolve(name), ec);
}

std::optional<std::string> WorkingDir::ReadBytes(std::string_view name) const {
    if (held_) {
        auto it = held_->find(LowerAscii(name));
        if (it != held_->end())
            return it->second;
    }
    int fd = ::open(Resolve(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool WorkingDir::MakeWritable(std::string_view name) const {
    if (held_)
        return true;
    fs::path path = Resolve(name);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    if ((st.st_mode & S_IWUSR) == 0)
        ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
    return ::access(path.c_str(), W_OK) == 0;
}

bool WorkingDir::OpenForReplace(std::string_view name, std::string_view bytes) const {
    if (held_) {
        (*held_)[LowerAscii(name)] = std::string(bytes);
        return true;
    }
    MakeWritable(name);
    fs::path target = Resolve(name);
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        mode = (st.st_mode & 07777) | S_IWUSR;

    std::string temp = target.string() + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

}  // namespace tessaro
