#include "support/temp_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace tessaro::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tessaro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempDir::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(std::string_view name) const {
    std::ifstream in(path_ / std::string(name), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempDir::Exists(std::string_view name) const {
    return fs::exists(path_ / std::string(name));
}

fs::path DataDir() {
    return fs::path(TESSARO_DATA_DIR);
}

void TempDir::CopyFromData(const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        fs::copy_file(DataDir() / name, path_ / name, fs::copy_options::overwrite_existing);
    }
}

void TempDir::CopyAllData() const {
    for (const auto& entry : fs::directory_iterator(DataDir())) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), path_ / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
}

}  // namespace tessaro::test
