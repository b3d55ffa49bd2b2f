// Project and energy files: loaded as the project form does, saved and loaded again, the same
// record.
#include <cstddef>
#include <cstdint>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessaro::fuzz::RunFuzzInput(tessaro::fuzz::CheckProjectFiles, data, size);
}
