#include "game/rules.h"

#include <cmath>

#include "base/text_format.h"

bool IsUsableStake(double value) {
    return std::isfinite(value) && std::fabs(value) <= kMaxStake;
}

double BaseStake(const RuleSet& rules) {
    const double value = ParseDecimalText(rules.zakladHry);
    return IsUsableStake(value) ? value : 0.1;
}

namespace {

// A stake's text is a few bytes: compared here rather than through the library's call.
bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace

double StakeReader::Read(const RuleSet& rules, Stake which) {
    const std::string* text = &rules.zakladHry;
    double def = 0;
    switch (which) {
        case Base:
            break;
        case BetlStake:
            text = &rules.betl, def = 0.5;
            break;
        case DurchStake:
            text = &rules.durch, def = 1;
            break;
        case SilentSeven:
            text = &rules.tichaSedma, def = 2;
            break;
        case DeclaredSeven:
            text = &rules.hlasenaSedma, def = 4;
            break;
    }
    const char separator = which == Base ? 0 : DecimalSeparator();
    Remembered& r = remembered_[which];
    if (r.known && r.separator == separator && SameText(r.text, *text)) return r.value;
    r.known = true;
    r.separator = separator;
    r.text = *text;
    r.value = which == Base ? BaseStake(rules) : StakeMultiplier(*text, def);
    return r.value;
}

double StakeMultiplier(std::string_view text, double def) {
    double value;
    return ReadLocaleDecimal(text, DecimalSeparator(), value) && IsUsableStake(value) ? value : def;
}
