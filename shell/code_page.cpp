#include "shell/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "shell/text.h"

namespace tessaro {

namespace {

const char* IconvName(CodePage page) {
    switch (page) {
        case CodePage::Windows1250:
            return "CP1250";
        case CodePage::Windows1251:
            return "CP1251";
        case CodePage::Windows1252:
            return "CP1252";
        case CodePage::Windows1253:
            return "CP1253";
        case CodePage::Windows1254:
            return "CP1254";
        case CodePage::Windows1256:
            return "CP1256";
        case CodePage::Dos850:
            return "CP850";
    }
    return "CP1252";
}

struct IconvCloser {
    void operator()(iconv_t* cd) const {
        iconv_close(*cd);
        delete cd;
    }
};
using IconvHandle = std::unique_ptr<iconv_t, IconvCloser>;

IconvHandle OpenIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(new iconv_t(cd));
}

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Length of the UTF-8 sequence that starts with lead (1 for a stray byte).
size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Runs iconv over in, appending to out; on a sequence it cannot convert, calls onFailure with the
// rest of the input, which appends a replacement and returns how many input bytes it consumed.
template <typename OnFailure>
void Convert(iconv_t cd, std::string_view in, std::string& out, OnFailure onFailure) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            size_t used = onFailure(std::string_view(inPtr, inLeft), out);
            inPtr += used;
            inLeft -= used;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

bool ByteIsUndefined(CodePage page, unsigned char byte) {
    std::string decoded;
    auto cd = OpenIconv("UTF-8", IconvName(page));
    if (!cd)
        return true;
    char in = static_cast<char>(byte);
    char* inPtr = &in;
    size_t inLeft = 1;
    char out[8];
    char* outPtr = out;
    size_t outLeft = sizeof out;
    return iconv(*cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1);
}

}  // namespace

CodePage CodePageOfLanguage(std::string_view languageCode) {
    // File names ignore case, so "rus" finds "Caption.RUS": the code page must follow it.
    const std::string code = UpperAscii(languageCode);
    if (code == "ARA")
        return CodePage::Windows1256;
    if (code == "BUL" || code == "RUS")
        return CodePage::Windows1251;
    if (code == "GRE")
        return CodePage::Windows1253;
    if (code == "TRK")
        return CodePage::Windows1254;
    if (code == "POL" || code == "HUN" || code == "ROM")
        return CodePage::Windows1250;
    return CodePage::Windows1252;
}

std::string DecodeText(std::string_view bytes, CodePage page) {
    bool plain = true;
    for (unsigned char c : bytes)
        plain = plain && c < 0x80;
    if (plain)
        return std::string(bytes);

    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    auto cd = OpenIconv("UTF-8", IconvName(page));
    if (!cd) {
        for (unsigned char c : bytes)
            AppendUtf8(out, c);
        return out;
    }
    Convert(*cd, bytes, out, [](std::string_view rest, std::string& o) {
        AppendUtf8(o, static_cast<unsigned char>(rest[0]));
        return size_t{1};
    });
    return out;
}

std::string EncodeText(std::string_view text, CodePage page) {
    bool plain = true;
    for (unsigned char c : text)
        plain = plain && c < 0x80;
    if (plain)
        return std::string(text);

    std::string out;
    out.reserve(text.size());
    auto cd = OpenIconv(IconvName(page), "UTF-8");
    if (!cd)
        return std::string(text);
    Convert(*cd, text, out, [page](std::string_view rest, std::string& o) {
        unsigned char lead = static_cast<unsigned char>(rest[0]);
        size_t length = std::min(Utf8Length(lead), rest.size());
        // A character U+0080..U+00FF that was read from a byte the code page leaves undefined is
        // written back as that byte, so such a text survives a round trip.
        if (length == 2 && (lead == 0xC2 || lead == 0xC3)) {
            unsigned char byte =
                static_cast<unsigned char>(((lead & 0x03) << 6) | (rest[1] & 0x3F));
            if (ByteIsUndefined(page, byte)) {
                o += static_cast<char>(byte);
                return length;
            }
        }
        o += '?';
        return length;
    });
    return out;
}

}  // namespace tessaro
