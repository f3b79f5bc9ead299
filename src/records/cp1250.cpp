#include "records/cp1250.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <unordered_map>

namespace {

// Decodes the character at text[i]; returns its length in bytes, or 0 when the bytes there
// are not a well-formed UTF-8 character (overlong forms and surrogates included).
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t len;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        len = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// The upper half of the code page as Unicode, taken once from the C library's converter.
// 0 marks an undefined byte. Without the converter only the ASCII half is known.
struct CodePage {
    std::array<char32_t, 128> upper{};
    std::unordered_map<char32_t, unsigned char> reverse;

    CodePage() {
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
        if (cd == iconv_t(-1)) return;
        for (int b = 0x80; b <= 0xFF; ++b) {
            char in = char(b);
            unsigned char out[4] = {};
            char* inp = &in;
            char* outp = reinterpret_cast<char*>(out);
            size_t inLeft = 1, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || outLeft != 0) continue;
            const char32_t cp = char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 |
                                char32_t(out[3]) << 24;
            upper[size_t(b - 0x80)] = cp;
            reverse.emplace(cp, static_cast<unsigned char>(b));
        }
        iconv_close(cd);
    }
};

const CodePage& Table() {
    static const CodePage table;
    return table;
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8) {
    const CodePage& table = Table();
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            // Skip the malformed lead byte and any continuation bytes that hang on it.
            out += '?';
            ++i;
            while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
            continue;
        }
        i += len;
        if (cp < 0x80) {
            out += char(cp);
        } else if (const auto it = table.reverse.find(cp); it != table.reverse.end()) {
            out += char(it->second);
        } else {
            out += '?';
        }
    }
    return out;
}

std::string Cp1250ToUtf8(std::string_view bytes) {
    const CodePage& table = Table();
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (const char32_t cp = table.upper[size_t(b - 0x80)]; cp != 0) {
            AppendUtf8(out, cp);
        } else {
            out += '?';
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const size_t len = DecodeUtf8(text, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}
