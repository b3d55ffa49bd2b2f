// Report file: its records framed again and split, the same records.
#include <cstddef>
#include <cstdint>

#include "fuzz/checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessaro::fuzz::RunFuzzInput(tessaro::fuzz::CheckReportReader, data, size);
}
