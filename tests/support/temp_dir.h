#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/message_box.h"

namespace tessaro::test {

// The installed data folder of the source tree.
inline std::filesystem::path DataDir() {
    return TESSARO_DATA_DIR;
}

// A fresh working folder under the system's temporary folder, removed again at the end.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaro-test-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes bytes to a file of the folder.
    void Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    // The bytes of a file of the folder (empty when missing).
    std::string Read(std::string_view name) const {
        std::ostringstream content;
        content << std::ifstream(path_ / name, std::ios::binary).rdbuf();
        return content.str();
    }
    bool Exists(std::string_view name) const { return std::filesystem::exists(path_ / name); }
    // Copies files from the installed data folder (names as they stand there).
    void CopyFromData(const std::vector<std::string>& names) const {
        for (const std::string& name : names)
            std::filesystem::copy_file(DataDir() / name, path_ / name,
                                       std::filesystem::copy_options::overwrite_existing);
    }
    // Copies every file of the installed data folder.
    void CopyAllData() const {
        for (const auto& entry : std::filesystem::directory_iterator(DataDir()))
            if (entry.is_regular_file())
                CopyFromData({entry.path().filename().string()});
    }

  private:
    std::filesystem::path path_;
};

// A message box that records what it was asked to show and answers with a preset button.
class RecordingMessageBox : public MessageBox {
  public:
    struct Shown {
        std::string text;
        std::string title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({text, title, icon, buttons});
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }

    std::vector<Shown> shown;
    MessageAnswer answer = MessageAnswer::Yes;
};

}  // namespace tessaro::test
