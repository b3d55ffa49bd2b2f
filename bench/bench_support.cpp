#include "bench_support.h"

namespace tessaro::bench {

namespace fs = std::filesystem;

DataCopy::DataCopy(const std::string& name) : path_(fs::temp_directory_path() / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    for (const fs::directory_entry& entry : fs::directory_iterator(TESSARO_DATA_DIR))
        fs::copy_file(entry.path(), path_ / entry.path().filename());
}

DataCopy::~DataCopy() {
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace tessaro::bench
