#include "engine/saturation_row_reader.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tessaro {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* p, const char* end) {
    while (p != end && IsBlank(*p))
        ++p;
    return p;
}

// Reads one number at p: an optional sign, then digits with an optional point and exponent. Texts
// such as "inf" or "nan" are not numbers here. Returns the position after it, or nullptr.
const char* ReadNumber(const char* p, const char* end, double& value) {
    const bool plus = p != end && *p == '+';
    if (plus)
        ++p;
    const char* digits = (!plus && p != end && *p == '-') ? p + 1 : p;
    if (digits == end || !(IsDigit(*digits) || *digits == '.'))
        return nullptr;
    auto [next, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (error != std::errc())
        return nullptr;
    return next;
}

// The separator between two numbers: blanks, a comma, or a comma with blanks around it.
const char* SkipSeparator(const char* p, const char* end) {
    const char* start = p;
    p = SkipBlanks(p, end);
    if (p != end && *p == ',')
        p = SkipBlanks(p + 1, end);
    return p == start ? nullptr : p;
}

}  // namespace

bool SaturationRowReader::Next(SaturationRow& row) {
    if (failed_)
        return false;
    const char* end = text_.data() + text_.size();
    const char* p = text_.data() + pos_;
    while (p != end && (IsBlank(*p) || IsLineEnd(*p)))
        ++p;
    pos_ = static_cast<std::size_t>(p - text_.data());
    if (p == end)
        return false;
    if (!ParseLine(row) || !ApplyReadingRules(row)) {
        failed_ = true;
        return false;
    }
    return true;
}

bool SaturationRowReader::ParseLine(SaturationRow& row) {
    const char* end = text_.data() + text_.size();
    const char* p = text_.data() + pos_;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0 && (p = SkipSeparator(p, end)) == nullptr)
            return false;
        if ((p = ReadNumber(p, end, row[i])) == nullptr)
            return false;
    }
    p = SkipBlanks(p, end);
    if (p != end && !IsLineEnd(*p))
        return false;
    if (p != end && *p == '\r')
        ++p;
    if (p != end && *p == '\n')
        ++p;
    pos_ = static_cast<std::size_t>(p - text_.data());
    ++rowCount_;
    return true;
}

bool SaturationRowReader::ApplyReadingRules(SaturationRow& row) const {
    if (rules_.sign) {
        row[3] = -row[3];
        row[4] = -row[4];
    }
    if (rules_.ammoniaSign && rowCount_ <= 8)
        row[3] = -row[3];
    if (rules_.volume) {
        row[5] = 1000 / row[5];
        row[6] = 1000 / row[6];
    }
    if (rules_.kelvin)
        row[0] += 273.15;
    for (double value : row) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

}  // namespace tessaro
