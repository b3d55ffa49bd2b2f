#pragma once

#include <cmath>

namespace tessaro {

// A step of a computation fails when its result is not a finite number (a division by zero, a
// fractional power of a negative number, an overflow). A failed step is skipped: its target keeps
// the value it had, and the caller sees false.
inline bool SetIfFinite(double& target, double value) {
    if (!std::isfinite(value))
        return false;
    target = value;
    return true;
}

}  // namespace tessaro
