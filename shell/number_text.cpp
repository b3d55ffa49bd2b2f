#include "shell/number_text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace tessaro {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod that always reads a point, whatever locale the process runs in.
double StrtodPoint(const std::string& text) {
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// Scans sign, mantissa and exponent; returns the length of the number and its clean text.
size_t ScanNumber(std::string_view text, std::string& clean) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            clean += '-';
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        clean += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        clean += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            clean += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            clean += 'e';
            clean.append(text.substr(i + 1, j - i - 1));
            while (j < text.size() && IsDigit(text[j]))
                clean += text[j++];
            i = j;
        }
    }
    return i;
}

std::string GeneralText(double value, int digits) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

// The number with 15 significant digits. Within about 1e-15 of the largest double those round
// past it ("1.79769313486232e+308"), and such a text would read back as out of range: there the
// number is written with the 17 digits that read back exactly.
std::string ShortestText(double value) {
    if (value == 0)
        value = 0;  // -0 is written as 0
    std::string text = GeneralText(value, 15);
    if (std::isfinite(value) && !std::isfinite(StrtodPoint(text)))
        text = GeneralText(value, 17);
    return text;
}

}  // namespace

std::optional<double> ParseNumberPrefix(std::string_view text, size_t* used) {
    std::string clean;
    size_t length = ScanNumber(text, clean);
    if (used)
        *used = length;
    if (length == 0)
        return 0.0;
    double value = StrtodPoint(clean);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> PlainNumericPrefix(std::string_view text) {
    std::string squeezed;
    squeezed.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    return ParseNumberPrefix(squeezed);
}

std::optional<double> DecimalCommaConversion(std::string_view text) {
    size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find('.') != std::string_view::npos) {
        return PlainNumericPrefix(text);
    }
    auto withoutLeadingBlanks = [](std::string_view part) {
        size_t start = part.find_first_not_of(' ');
        return start == std::string_view::npos ? std::string_view() : part.substr(start);
    };
    std::string rewritten(withoutLeadingBlanks(text.substr(0, comma)));
    rewritten += '.';
    rewritten += withoutLeadingBlanks(text.substr(comma + 1));
    return PlainNumericPrefix(rewritten);
}

std::optional<double> WholeNumber(std::string_view text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return std::nullopt;
    std::string body(text.substr(begin, text.find_last_not_of(' ') + 1 - begin));
    const size_t comma = body.find(',');
    if (comma != std::string::npos && body.find('.') == std::string::npos)
        body[comma] = '.';
    size_t used = 0;
    std::optional<double> value = ParseNumberPrefix(body, &used);
    if (used == 0 || used != body.size())
        return std::nullopt;
    return value;
}

std::string PlainNumberText(double value, char decimalSeparator) {
    std::string text = ShortestText(value);
    if (decimalSeparator != '.') {
        for (char& c : text) {
            if (c == '.')
                c = decimalSeparator;
        }
    }
    return text;
}

std::string SignPlaceNumberText(double value) {
    std::string text = ShortestText(value);
    if (text.rfind("0.", 0) == 0) {
        text.erase(0, 1);
    } else if (text.rfind("-0.", 0) == 0) {
        text.erase(1, 1);
    }
    if (text[0] != '-')
        text.insert(text.begin(), ' ');
    return text;
}

}  // namespace tessaro
