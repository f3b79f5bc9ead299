#include "game/result_view.h"

#include <string>

#include "base/text_format.h"

void IResultView::AddResultAmount(std::string_view label, double amount) {
    AddResultLine(FormatResultAmountLine(label, amount, DecimalSeparator()));
}

void IResultView::AddResultNumber(std::string_view label, int n) {
    AddResultLine(PadRight(label, 30) + std::to_string(n));
}
