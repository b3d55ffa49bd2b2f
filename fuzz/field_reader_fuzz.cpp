// Data-file fields: written back with the field writer and read again, the same fields.
#include <cstddef>
#include <cstdint>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessaro::fuzz::RunFuzzInput(tessaro::fuzz::CheckFieldReader, data, size);
}
