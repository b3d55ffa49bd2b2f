#pragma once

namespace tessaro {

// The decimal separator of the user's number format, from LC_NUMERIC as the environment sets it;
// '.' when the locale is C or unset.
char SystemDecimalSeparator();

}  // namespace tessaro
