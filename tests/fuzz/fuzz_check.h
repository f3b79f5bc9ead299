// What every fuzz target shares: a property that does not hold prints what was expected beside
// what came, and stops the run so that libFuzzer keeps the input.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Non-printable bytes as \xNN, so that both sides of a mismatch can be read.
inline std::string Visible(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void Mismatch(const char* what, std::string_view expected,
                                  std::string_view got) {
    std::fprintf(stderr, "MISMATCH: %s\n  expected: %s\n  got:      %s\n", what,
                 Visible(expected).c_str(), Visible(got).c_str());
    std::fflush(stderr);
    __builtin_trap();
}

inline void Check(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) Mismatch(what, "true", detail);
}

inline void CheckEqual(const char* what, std::string_view expected, std::string_view got) {
    if (expected != got) Mismatch(what, expected, got);
}

// A double exactly, as C's hexadecimal form.
inline std::string Exact(double value) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%a", value);
    return buf;
}

// The number that 15 significant digits give back: what the settings file keeps of a decimal
// number (the C library rounds correctly, and the fuzz targets run in the "C" locale). The few
// numbers that the rounding would carry beyond the largest double are kept whole.
inline double Rounded15(double value) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const double rounded = std::strtod(buf, nullptr);
    return std::isfinite(rounded) || !std::isfinite(value) ? rounded : value;
}
