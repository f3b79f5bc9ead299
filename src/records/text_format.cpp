#include "records/text_format.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

char gSeparator = '.';

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Byte offset just past the first `chars` characters of a UTF-8 text.
size_t Utf8Offset(std::string_view text, size_t chars) {
    size_t i = 0;
    while (i < text.size() && chars > 0) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
        --chars;
    }
    return i;
}

}  // namespace

char DecimalSeparator() { return gSeparator; }
void SetDecimalSeparator(char separator) { gSeparator = separator; }

double ParseDecimalText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    double integer = 0;
    while (i < text.size() && IsDigit(text[i])) integer = integer * 10 + (text[i++] - '0');
    const bool hasDigits = i > digitsStart;
    if (i == text.size() && hasDigits) return negative ? -integer : integer;
    if (i >= text.size()) return 0;  // blanks, a bare sign or nothing: not a number

    // Whatever character ended the integer serves as the decimal separator.
    std::string_view rest = text.substr(i + 1, 20);
    double magnitude = integer;
    bool fractionValid = !rest.empty();
    long long f = 0;
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
        double frac = double(f);
        for (size_t k = 0; k < rest.size(); ++k) frac *= 0.1;
        magnitude += frac;
    }
    return negative ? -magnitude : magnitude;
}

bool ReadLocaleDecimal(std::string_view text, char separator, double& value) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string plain;
    size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) plain += text[i++];
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
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(plain.c_str(), &end);
    if (errno == ERANGE || !std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string ShortestDecimalText(double value, char separator) {
    char buf[64];
    for (int precision = 1; precision <= 15; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    std::string text = buf;
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

std::string FormatFixed(double value, int width, int decimals, char separator) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, value);
    std::string text = buf;
    for (char& c : text)
        if (c == '.') c = separator;
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
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
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
