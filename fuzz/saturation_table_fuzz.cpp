// Saturation tables: finite rows, and a lookup that fails or brackets the key with them.
#include <cstddef>
#include <cstdint>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessaro::fuzz::RunFuzzInput(tessaro::fuzz::CheckSaturationTable, data, size);
}
