// Small text conventions shared by the settlement, the settings file and the money panel:
// the lenient reader of stake texts, the user's decimal separator, and the fixed layouts of
// money amounts. Texts are UTF-8; lengths are counted in characters, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The decimal separator of the user's locale. The window sets it at start; tests set it as
// they need. '.' until set.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Reads a stake or money text leniently and never fails: "1" 1, "0,1" 0.1, "2.50" 2.5,
// "-1,5" -1.5, "3 Kč" 3, letters or an empty text 0.
double ParseDecimalText(std::string_view text);

// Reads a decimal number strictly with the given separator (optional blanks around it, an
// optional sign, digits, an optional fraction and exponent). False when the text is anything
// else, "2,5x" for instance.
bool ReadLocaleDecimal(std::string_view text, char separator, double& value);

// The shortest text of a number with up to 15 significant digits (all it needs for the few
// that 15 digits would carry beyond the largest double) and the given separator:
// 0.1 -> "0,1", 2 -> "2", -0.5 -> "-0,5", 1000 -> "1000", 1e-6 -> "0,000001". Always plain
// notation, never an exponent, so that every reader of the program's texts reads it back.
std::string ShortestDecimalText(double value, char separator);

// printf-style fixed formats with the given separator in place of '.'.
std::string FormatFixed(double value, int width, int decimals, char separator);

// The money panel's text: "%8.2f", cut to 20 characters.
std::string FormatAmount(double amount);

// One line of the result view: the label padded (or cut) so that the absolute amount,
// formatted "%4.2f", ends in column 35. The sign is never shown.
std::string FormatResultAmountLine(std::string_view label, double amount, char separator);

// Character-aware helpers for UTF-8 texts.
size_t Utf8Length(std::string_view text);
std::string Utf8Left(std::string_view text, size_t chars);
std::string PadRight(std::string_view text, size_t chars);
