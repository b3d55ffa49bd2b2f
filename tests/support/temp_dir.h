#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/message_box.h"

namespace tessaro::test {

// A fresh working folder under the system's temporary folder, removed again at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes bytes to a file of the folder.
    void Write(std::string_view name, std::string_view bytes) const;
    // The bytes of a file of the folder (empty when missing).
    std::string Read(std::string_view name) const;
    bool Exists(std::string_view name) const;
    // Copies files from the installed data folder (names as they stand there).
    void CopyFromData(const std::vector<std::string>& names) const;
    // Copies every file of the installed data folder.
    void CopyAllData() const;

  private:
    std::filesystem::path path_;
};

// The installed data folder of the source tree.
std::filesystem::path DataDir();

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
