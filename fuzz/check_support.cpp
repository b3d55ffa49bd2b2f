#include "fuzz/check_support.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace tessaro::fuzz {

namespace fs = std::filesystem;

std::string Shown(std::string_view bytes) {
    constexpr size_t kShownBytes = 160;
    std::string shown = "\"";
    for (size_t i = 0; i < bytes.size() && i < kShownBytes; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '"' || c == '\\') {
            shown += '\\';
            shown += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        }
    }
    shown += '"';
    if (bytes.size() > kShownBytes)
        shown += "... (" + std::to_string(bytes.size()) + " bytes)";
    return shown;
}

std::string AsWritten(std::string_view text) {
    std::string written;
    written.reserve(text.size());
    for (char c : text) {
        if (c == '"')
            written += "''";
        else
            written += c;
    }
    return written;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        unsigned codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

bool Within15Digits(double read, double value) {
    if (read == value)
        return true;
    if (!std::isfinite(read) || !std::isfinite(value))
        return false;
    const double scale = std::fabs(value);
    return std::fabs(read - value) <=
           scale * (0.5e-14 + 2 * std::numeric_limits<double>::epsilon());
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name.size() > 64 || name == "." ||
        name.find("..") != std::string_view::npos)
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        const unsigned char next =
            i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' ||
            (c == 0xC2 && next >= 0x80 && next <= 0x9F))
            return false;
    }
    return true;
}

// The scratch folder.

ScratchFolder& ScratchFolder::Get() {
    static ScratchFolder folder;
    return folder;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tessaro-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create the scratch folder under " + pattern);
    root_ = pattern;
    work_ = root_ / "a" / "b" / "work";
    MakeSentinels();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(root_, ec);
}

void ScratchFolder::MakeSentinels() {
    std::error_code ec;
    fs::remove_all(root_ / "a", ec);
    fs::create_directories(work_);
    // A catalogue data file shorter than its type record and an index file, as "../o" and
    // "../../o" would name them, and a plain data file: all read-only.
    for (const fs::path& folder : {root_ / "a", root_ / "a" / "b"}) {
        WriteFile(folder, "oN.rdm", "outside the working folder\r\n");
        WriteFile(folder, "oI.rdm", "Outside title\r\n");
        WriteFile(folder, "o.dat", "\"outside\"\r\n");
        for (const char* name : {"oN.rdm", "oI.rdm", "o.dat"}) {
            fs::permissions(folder / name,
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
    }
    outside_ = TakeSnapshot();
}

ScratchFolder::Snapshot ScratchFolder::TakeSnapshot() const {
    Snapshot snapshot;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path() == work_) {
            it.disable_recursion_pending();
            continue;
        }
        Entry entry;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) == 0)
            entry.permissions = st.st_mode;
        entry.directory = S_ISDIR(st.st_mode);
        if (S_ISREG(st.st_mode))
            entry.bytes = ReadFile(it->path()).value_or(std::string());
        snapshot.emplace(it->path().string().substr(root_.string().size() + 1), std::move(entry));
    }
    return snapshot;
}

const fs::path& ScratchFolder::Fresh() {
    std::error_code ec;
    for (auto it = fs::directory_iterator(work_, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError);
    }
    if (!fs::is_directory(work_, ec))
        fs::create_directories(work_);
    return work_;
}

Finding ScratchFolder::CheckOutsideUntouched() {
    const Snapshot now = TakeSnapshot();
    if (now.size() == outside_.size()) {
        bool same = true;
        for (const auto& [name, entry] : now) {
            auto it = outside_.find(name);
            same = same && it != outside_.end() && it->second.directory == entry.directory &&
                   it->second.permissions == entry.permissions && it->second.bytes == entry.bytes;
        }
        if (same)
            return std::nullopt;
    }
    std::string what;
    for (const auto& [name, entry] : now) {
        auto it = outside_.find(name);
        if (it == outside_.end())
            what += " added " + name + ";";
        else if (it->second.permissions != entry.permissions)
            what += " permissions of " + name + " changed;";
        else if (it->second.bytes != entry.bytes)
            what += " " + name + " rewritten as " + Shown(entry.bytes) + ";";
    }
    for (const auto& [name, entry] : outside_) {
        if (!now.count(name))
            what += " removed " + name + ";";
    }
    MakeSentinels();
    return "a file outside the working folder was touched:" + what;
}

// Input bundles.

namespace {

constexpr std::string_view kMarkerStart = "==> ";
constexpr std::string_view kMarkerEnd = " <==";

// The file name of a marker line, or nothing when the line is no marker.
std::optional<std::string_view> MarkerName(std::string_view line) {
    if (line.size() < kMarkerStart.size() + kMarkerEnd.size() || !line.starts_with(kMarkerStart) ||
        !line.ends_with(kMarkerEnd))
        return std::nullopt;
    return line.substr(kMarkerStart.size(), line.size() - kMarkerStart.size() - kMarkerEnd.size());
}

}  // namespace

std::pair<std::string, std::string_view> SplitHeader(std::string_view input) {
    const size_t lineEnd = input.find('\n');
    std::string_view header = input.substr(0, lineEnd);
    if (!header.empty() && header.back() == '\r')
        header.remove_suffix(1);
    std::string_view rest =
        lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
    return {std::string(header), rest};
}

std::vector<std::string> HeaderWords(std::string_view header) {
    std::vector<std::string> words;
    std::istringstream in{std::string(header)};
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

InputBundle ParseBundle(std::string_view input) {
    InputBundle bundle;
    auto [header, rest] = SplitHeader(input);
    bundle.header = std::move(header);
    size_t contentStart = 0;
    bool inFile = false;
    for (size_t pos = 0; pos <= rest.size();) {
        const size_t lineEnd = rest.find('\n', pos);
        const std::string_view line = rest.substr(
            pos, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - pos);
        if (std::optional<std::string_view> name = MarkerName(line)) {
            if (inFile) {
                const size_t contentEnd = pos > contentStart ? pos - 1 : contentStart;
                bundle.files.back().bytes = rest.substr(contentStart, contentEnd - contentStart);
            }
            bundle.files.push_back({std::string(*name), std::string()});
            inFile = true;
            contentStart = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
        }
        if (lineEnd == std::string_view::npos)
            break;
        pos = lineEnd + 1;
    }
    if (inFile)
        bundle.files.back().bytes = rest.substr(contentStart);
    return bundle;
}

void WriteFile(const fs::path& folder, std::string_view name, std::string_view bytes) {
    std::ofstream out(folder / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteFiles(const InputBundle& bundle, const fs::path& folder) {
    for (const InputFile& file : bundle.files) {
        if (IsPlainFileName(file.name))
            WriteFile(folder, file.name, file.bytes);
    }
}

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace tessaro::fuzz
