#include "game/rules.h"

#include <cmath>

#include "records/text_format.h"

bool IsUsableStake(double value) {
    return std::isfinite(value) && std::fabs(value) <= kMaxStake;
}

double BaseStake(const RuleSet& rules) {
    const double value = ParseDecimalText(rules.zakladHry);
    return IsUsableStake(value) ? value : 0.1;
}

double StakeMultiplier(std::string_view text, double def) {
    double value;
    return ReadLocaleDecimal(text, DecimalSeparator(), value) && IsUsableStake(value) ? value : def;
}
