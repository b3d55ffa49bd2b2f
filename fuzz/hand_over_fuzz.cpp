// Hand-over file: its flag read, the file reset, and a second read gives 0.
#include <cstddef>
#include <cstdint>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessaro::fuzz::RunFuzzInput(tessaro::fuzz::CheckHandOver, data, size);
}
