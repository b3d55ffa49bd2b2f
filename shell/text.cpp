#include "shell/text.h"

namespace tessaro {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

char FoldedUp(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char FoldedDown(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = FoldedUp(c);
    return upper;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = FoldedDown(c);
    return lower;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldedDown(a[i]) != FoldedDown(b[i]))
            return false;
    }
    return true;
}

std::string_view TrimSpaces(std::string_view text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        count += !IsContinuationByte(c);
    return count;
}

std::string FirstCharacters(std::string_view text, size_t count) {
    size_t end = 0;
    for (size_t n = 0; n < count && end < text.size(); ++n) {
        ++end;
        while (end < text.size() && IsContinuationByte(text[end]))
            ++end;
    }
    return std::string(text.substr(0, end));
}

std::string FillPlaces(std::string_view text, std::initializer_list<std::string_view> fills) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t place = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && place < fills.size()) {
            out += *(fills.begin() + place);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace tessaro
