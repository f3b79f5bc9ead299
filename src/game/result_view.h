// What the settlement asks of the result view ("Vyhodnocení hry") and the tricks viewer
// ("Sled hry"). Plain lines arrive fully formatted; a line of a label and an amount or a number
// arrives as its parts, laid out by default as the result view shows them.
#pragma once

#include <string_view>

#include "deal/card.h"

class IResultView {
public:
    virtual ~IResultView() = default;
    virtual void ClearResultLines() = 0;
    virtual void AddResultLine(std::string_view text) = 0;
    // The label padded (or cut) so that the amount, "%4.2f" without its sign, ends in column
    // 35 (FormatResultAmountLine). A view that only counts lines may skip the layout.
    virtual void AddResultAmount(std::string_view label, double amount);
    // The label padded to 30 characters, then the number.
    virtual void AddResultNumber(std::string_view label, int n);
    // False when the lines are not kept anywhere; the game then does not build them.
    virtual bool KeepsLines() const = 0;
    // Shows the result modally with "Rozdat" and "Štychy"; answers true when closed with
    // "Rozdat", which asks for the next deal.
    virtual bool ShowResult(const Card (&talon)[2], const Card& trumpCard) = 0;
    virtual void AddTrickRow(std::string_view leaderName, const Card (&cards)[3]) = 0;
    virtual void ClearTrickRows() = 0;
};

// Results nobody reads: no lines kept, never asks for the next deal.
class NullResultView : public IResultView {
public:
    void ClearResultLines() override {}
    void AddResultLine(std::string_view) override {}
    bool KeepsLines() const override { return false; }
    bool ShowResult(const Card (&)[2], const Card&) override { return false; }
    void AddTrickRow(std::string_view, const Card (&)[3]) override {}
    void ClearTrickRows() override {}
};
