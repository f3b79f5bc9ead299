// The Windows-1250 code page of the statistics file and of older settings files, both ways.
// Any bytes read as the code page become valid UTF-8, one character per byte, exactly as the C
// library's converter reads them, and go back to the same bytes (but the five bytes the code
// page leaves undefined, which become '?'). Any text converted to the code page gives one byte
// per character of it; a character the code page has comes back as itself, any other as '?'.
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_format.h"
#include "fuzz_check.h"
#include "records/cp1250.h"
#include "records/statistics.h"

namespace {

bool Undefined(unsigned char b) {
    return b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
}

// The C library's own reading of the code page.
std::string Iconv(std::string_view bytes) {
    static const iconv_t cd = iconv_open("UTF-8", "WINDOWS-1250");
    std::string in(bytes), out(bytes.size() * 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1)) return "(iconv failed)";
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = Cp1250ToUtf8(bytes);
    Check(IsValidUtf8(utf8), "the code page read gives UTF-8", utf8);
    Check(Utf8Length(utf8) == size, "one character per byte", utf8);
    std::string defined(bytes);
    for (char& c : defined)
        if (Undefined(static_cast<unsigned char>(c))) c = '?';
    CheckEqual("the code page as the C library reads it", Iconv(defined), utf8);
    CheckEqual("the code page there and back", defined, Utf8ToCp1250(utf8));

    const std::string back = Utf8ToCp1250(bytes);
    Check(back.size() <= size, "never longer than the text", back);
    if (IsValidUtf8(bytes)) {
        Check(back.size() == Utf8Length(bytes), "one byte per character", back);
        // Character by character: what the code page has comes back, the rest is '?'.
        const std::string again = Cp1250ToUtf8(back);
        std::string expected;
        for (size_t at = 0, n = 0; at < size; ++n) {
            const auto lead = static_cast<unsigned char>(bytes[at]);
            const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            expected += back[n] == '?' ? std::string_view("?") : bytes.substr(at, length);
            at += length;
        }
        CheckEqual("a text to the code page and back", expected, again);
        // A name stored in a record comes back as its first 12 characters.
        const auto rec = TPlayingRec::Make(bytes, 0, 1, 7).Encode();
        const TPlayingRec read = TPlayingRec::Decode(rec.data());
        CheckEqual("a name in a record", Cp1250ToUtf8(back.substr(0, 12)),
                   Cp1250ToUtf8(read.NameBytes()));
    }
    return 0;
}
