#pragma once

#include <filesystem>
#include <string>

#include "shell/message_box.h"

namespace tessaro::bench {

// A message box that shows nothing and answers OK.
class SilentMessages : public MessageBox {
  public:
    MessageAnswer Show(const std::string&, const std::string&, MessageIcon,
                       MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

// A fresh copy of the shipped data folder under the system's temporary folder, removed again at
// the end, so that a benchmark may write.
class DataCopy {
  public:
    explicit DataCopy(const std::string& name);
    ~DataCopy();
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace tessaro::bench
