#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Reads a number from the start of text: an optional sign, digits, one point, more digits and an
// optional exponent (E or e, then a signed integer; an E without digits ends the number before it).
// Nothing readable gives 0 with *used = 0. A number beyond the range of a double gives nothing.
std::optional<double> ParseNumberPrefix(std::string_view text, size_t* used = nullptr);

// The plain numeric prefix: blanks, tabs and line feeds are ignored wherever they stand, then the
// number at the start is read; "12,5" reads as 12, a text without a number as 0.
std::optional<double> PlainNumericPrefix(std::string_view text);

// The decimal-comma conversion: a text with a comma and no point is read with its first comma as
// the decimal point ("12,5" reads as 12.5); any other text as the plain numeric prefix.
std::optional<double> DecimalCommaConversion(std::string_view text);

// A text that is one number and nothing else: blanks at both ends, a sign, digits with a decimal
// point or a decimal comma, an optional exponent. Nothing for an empty text, letters, a second
// number, blanks inside the number, or a number beyond the range of a double.
std::optional<double> WholeNumber(std::string_view text);

// The plain number text: up to 15 significant digits, no trailing zeros, the given decimal
// separator, a minus sign only for a negative number, no leading blank. -0 is written as 0.
std::string PlainNumberText(double value, char decimalSeparator);

// The sign-place number text: up to 15 significant digits, always a point, a leading blank in place
// of the sign for a number that is not negative, no zero before the point (8 -> " 8",
// 0.5 -> " .5", -0.5 -> "-.5").
std::string SignPlaceNumberText(double value);

}  // namespace tessaro
