// The readers and writers of numbers in texts: the lenient stake reader ParseDecimalText, the
// strict reader of the settings file's decimal numbers, the shortest text a number is written
// as, the integers of the settings file, and the fixed formats of the money panel and the
// result view.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/text_format.h"
#include "fuzz_check.h"
#include "game/rules.h"
#include "records/cp1250.h"
#include "records/ini_file.h"

namespace {

bool Plain(std::string_view text) {
    // Digits with at most one '.' and an optional leading '-', the fraction short enough for
    // the lenient reader to take it whole.
    size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    size_t digits = 0, fraction = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !point) {
            point = true;
        } else if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
            if (point) ++fraction;
        } else {
            return false;
        }
    }
    return digits > 0 && fraction <= 9;
}

// A number written by the program reads back as itself, to 15 significant digits, and is
// written the same the second time.
void CheckShortest(double value, char separator) {
    const std::string text = ShortestDecimalText(value, separator);
    if (!std::isfinite(value)) return;
    Check(text.find_first_of("eE") == std::string::npos, "no exponent", text);
    double back = 0;
    Check(ReadLocaleDecimal(text, separator, back), "the shortest text reads back", text);
    CheckEqual("the shortest text's value", Exact(Rounded15(value)), Exact(back));
    CheckEqual("the shortest text written again", text, ShortestDecimalText(back, separator));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double lenient = ParseDecimalText(text);
    Check(std::isfinite(lenient), "ParseDecimalText gives a finite number", text);
    // A plain number reads as what it says, whichever reader reads it (the lenient one adds
    // its parts, which may cost the last bits of a long number).
    double strict = 0;
    if (Plain(text) && ReadLocaleDecimal(text, '.', strict)) {
        const double tolerance = 1e-12 * std::max(1.0, std::fabs(strict));
        if (std::fabs(lenient - strict) > tolerance)
            Mismatch("ParseDecimalText of a plain number", Exact(strict), Exact(lenient));
    }
    RuleSet rules;
    rules.zakladHry = std::string(text);
    Check(IsUsableStake(BaseStake(rules)), "the base stake is usable", text);

    for (char separator : {'.', ','}) {
        SetDecimalSeparator(separator);
        Check(IsUsableStake(StakeMultiplier(text, 2)), "a stake multiplier is usable", text);
        double value = 0;
        if (ReadLocaleDecimal(text, separator, value)) {
            Check(std::isfinite(value), "a strictly read number is finite", text);
            CheckShortest(value, separator);
        }
    }
    SetDecimalSeparator('.');

    // Any eight bytes as a number: every double the program may hold.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckShortest(value, size % 2 ? ',' : '.');
        const std::string amount = FormatAmount(value);
        Check(amount.size() >= 8 && amount.size() <= 20, "the money panel's text", amount);
        // Labels are the program's own texts, always UTF-8.
        const std::string_view label = text.substr(sizeof value);
        const std::string line =
            FormatResultAmountLine(IsValidUtf8(label) ? label : "Hra", value, ',');
        Check(Utf8Length(line) >= 35, "a result line reaches column 35", line);
    }

    int32_t integer = 0;
    if (ReadIniInteger(text, integer)) {
        int32_t back = 0;
        Check(ReadIniInteger(std::to_string(integer), back) && back == integer,
              "an integer the file holds is written back as itself", text);
    }

    // Cutting and padding a text by characters never splits one.
    const size_t chars = size % 16;
    const std::string left = Utf8Left(text, chars);
    Check(text.substr(0, left.size()) == left, "Utf8Left is a beginning", left);
    if (IsValidUtf8(text)) {
        Check(IsValidUtf8(left), "Utf8Left keeps whole characters", left);
        Check(Utf8Length(left) == std::min(chars, Utf8Length(text)), "Utf8Left's length", left);
        Check(Utf8Length(PadRight(text, chars)) == std::max(chars, Utf8Length(text)),
              "PadRight's length", text);
    }
    return 0;
}
