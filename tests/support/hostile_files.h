#pragma once

// Odd things in a data file's place (named pipes, links to devices, oversized files) and a guard
// that runs a read in a child process, so that a read that waits for ever or grows without end
// fails its test instead of stopping the test run or exhausting the machine.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#if defined(__SANITIZE_ADDRESS__)
#define TESSARO_TEST_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARO_TEST_ADDRESS_SANITIZER 1
#endif
#endif

namespace tessaro::test {

// What a read may take beyond what the test program already holds.
inline constexpr std::size_t kReadMemoryBudget = std::size_t{64} << 20;
// The size of the oversized files.
inline constexpr std::size_t kOversizedFileBytes = std::size_t{50} << 20;

// Something other than a regular file in a data file's place: a named pipe that nobody writes
// to, a link to an endless device, a folder that holds a file.
enum class OddFile { NamedPipe, LinkToDevice, Folder };
inline constexpr OddFile kOddFiles[] = {OddFile::NamedPipe, OddFile::LinkToDevice, OddFile::Folder};

inline std::string Describe(OddFile kind) {
    return kind == OddFile::NamedPipe      ? "a named pipe"
           : kind == OddFile::LinkToDevice ? "a link to /dev/zero"
                                           : "a folder";
}

// Puts an odd file of that kind in the file's place, whatever was there before.
inline bool PutOddFile(OddFile kind, const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    if (kind == OddFile::NamedPipe)
        return ::mkfifo(path.c_str(), 0644) == 0;
    if (kind == OddFile::LinkToDevice)
        std::filesystem::create_symlink("/dev/zero", path, error);
    else
        std::filesystem::create_directories(path / "inside", error);
    return !error;
}

// Writes legitimate followed by copies of filler until the file holds at least kOversizedFileBytes.
inline void WriteOversized(const std::filesystem::path& path, std::string_view legitimate,
                           std::string_view filler) {
    std::string block;
    while (block.size() < (std::size_t{1} << 20))
        block += filler;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(legitimate.data(), static_cast<std::streamsize>(legitimate.size()));
    for (std::size_t written = legitimate.size(); written < kOversizedFileBytes;
         written += block.size())
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

// Runs read in a child process that is stopped after `seconds` and, outside the address
// sanitizer builds, may take at most kReadMemoryBudget of address space beyond the test program's.
// Returns the empty text when read came back, else how the child ended.
inline std::string EndsWithinBounds(const std::function<void()>& read, unsigned seconds = 10) {
    constexpr int kOutOfMemory = 3;
    constexpr int kThrew = 4;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return "no child process";
    if (child == 0) {
#ifndef TESSARO_TEST_ADDRESS_SANITIZER
        long pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit =
            static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) +
            kReadMemoryBudget;
        const rlimit bound{limit, limit};
        ::setrlimit(RLIMIT_AS, &bound);
#endif
        ::alarm(seconds);
        // Nothing may leave the child but its exit status: an exception would run the rest of
        // the test program in it.
        int status = 0;
        try {
            read();
        } catch (const std::bad_alloc&) {
            status = kOutOfMemory;
        } catch (...) {
            status = kThrew;
        }
        std::fflush(nullptr);
        ::_exit(status);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM
                   ? "the read did not end within " + std::to_string(seconds) + " s"
                   : "the read ended by signal " + std::to_string(WTERMSIG(status));
    return code == 0              ? ""
           : code == kOutOfMemory ? "the read ran out of its memory"
           : code == kThrew       ? "the read threw an exception"
                                  : "the read ended with exit status " + std::to_string(code);
}

}  // namespace tessaro::test
