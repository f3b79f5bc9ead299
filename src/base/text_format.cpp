#include "base/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

// Numbers are converted with <charconv>, never with printf or strtod: the window's toolkit
// switches the C library to the user's locale, which would change the separator under us.

namespace {

char gSeparator = '.';

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset just past the first `chars` characters of a UTF-8 text.
size_t Utf8Offset(std::string_view text, size_t chars) {
    size_t i = 0;
    while (i < text.size() && chars > 0) {
        ++i;
        while (i < text.size() && IsContinuation(text[i])) ++i;
        --chars;
    }
    return i;
}

}  // namespace

char DecimalSeparator() {
    return gSeparator;
}
void SetDecimalSeparator(char separator) {
    gSeparator = separator;
}

double ParseDecimalText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    double integer = 0;
    while (i < text.size() && IsDigit(text[i])) integer = integer * 10 + (text[i++] - '0');
    // Hundreds of digits: no amount at all, and an infinite stake would ruin every balance.
    if (!std::isfinite(integer)) return 0;
    const bool hasDigits = i > digitsStart;
    double magnitude = integer;
    if (i < text.size() || !hasDigits) {
        // Whatever character ended the integer serves as the decimal separator ("," "." or
        // anything else, a letter of several bytes included).
        size_t after = i + 1;
        while (after < text.size() && IsContinuation(text[after])) ++after;
        const std::string_view rest = text.substr(std::min(after, text.size()), 20);
        bool fractionValid = !rest.empty();
        int64_t f = 0;
        for (char c : rest) {
            if (!IsDigit(c)) {
                fractionValid = false;
                break;
            }
            f = f * 10 + (c - '0');
            if (f > std::numeric_limits<int32_t>::max()) {
                fractionValid = false;
                break;
            }
        }
        if (fractionValid) {
            // Divided by an exact power of ten, "0,3" reads as the double nearest 0.3, where
            // ten multiplications by 0.1 would drift into the last digits.
            double scale = 1;
            for (size_t k = 0; k < rest.size(); ++k) scale *= 10;
            magnitude += double(f) / scale;
        }
    }
    // Zero stays zero: "-0" must not come back as the text "-0".
    return negative && magnitude != 0 ? -magnitude : magnitude;
}

bool ReadLocaleDecimal(std::string_view text, char separator, double& value) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string plain;
    size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = 0;
    while (i < e && IsDigit(text[i])) plain += text[i++], ++digits;
    if (i < e && text[i] == separator) {
        plain += '.';
        ++i;
        while (i < e && IsDigit(text[i])) plain += text[i++], ++digits;
    }
    if (digits == 0) return false;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        size_t expDigits = 0;
        while (i < e && IsDigit(text[i])) plain += text[i++], ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != e) return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(v)) {
        return false;
    }
    value = v;
    return true;
}

std::string ShortestDecimalText(double value, char separator) {
    if (!std::isfinite(value)) {
        char buf[8];
        return std::string(buf, size_t(std::to_chars(buf, buf + sizeof buf, value).ptr - buf));
    }
    // The fewest significant digits (at most 15) that give the number back.
    char buf[32];
    char* end = buf;
    bool readable = true;
    for (int digits = 1; digits <= 15; ++digits) {
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1)
                  .ptr;
        double back = 0;
        readable = std::from_chars(buf, end, back).ec == std::errc();
        if (back == value) break;
    }
    if (!readable) {
        // Rounded to 15 digits, a number next to the largest one is beyond it and would read
        // back as no number at all: it is written with every digit it needs.
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    }
    // "-d.ddde+xx": the digits, without the zeros a rounding to 15 digits may end in, and the
    // exponent, then written out plainly. An exponent form would read back wrong wherever a
    // stake is read leniently ("1e-06" as 1).
    const std::string_view sci(buf, size_t(end - buf));
    const size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (IsDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    std::from_chars(buf + e + (sci[e + 1] == '+' ? 2 : 1), end, exponent);

    std::string text = sci.front() == '-' ? "-" : "";
    if (exponent < 0) {
        text += '0';
        text += separator;
        text.append(size_t(-exponent - 1), '0');
        text += digits;
    } else if (size_t(exponent) + 1 >= digits.size()) {
        text += digits;
        text.append(size_t(exponent) + 1 - digits.size(), '0');
    } else {
        text.append(digits, 0, size_t(exponent) + 1);
        text += separator;
        text.append(digits, size_t(exponent) + 1);
    }
    return text;
}

std::string FormatFixed(double value, int width, int decimals, char separator) {
    char buf[400];  // the largest double has 309 integer digits
    const char* end =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    std::string text(buf, size_t(end - buf));
    for (char& c : text)
        if (c == '.') c = separator;
    if (width > 0 && text.size() < size_t(width)) text.insert(0, size_t(width) - text.size(), ' ');
    return text;
}

std::string FormatAmount(double amount) {
    std::string text = FormatFixed(amount, 8, 2, DecimalSeparator());
    if (text.size() > 20) text.resize(20);
    return text;
}

std::string FormatResultAmountLine(std::string_view label, double amount, char separator) {
    const std::string number = FormatFixed(std::fabs(amount), 4, 2, separator);
    const size_t room = number.size() >= 35 ? 0 : 35 - number.size();
    std::string line = Utf8Left(PadRight(label, 35), room);
    line += number;
    return line;
}

size_t Utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if (!IsContinuation(c)) ++n;
    return n;
}

std::string Utf8Left(std::string_view text, size_t chars) {
    return std::string(text.substr(0, Utf8Offset(text, chars)));
}

std::string PadRight(std::string_view text, size_t chars) {
    std::string s(text);
    for (size_t n = Utf8Length(text); n < chars; ++n) s += ' ';
    return s;
}
