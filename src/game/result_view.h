// What the settlement asks of the result view ("Vyhodnocení hry") and the tricks viewer
// ("Sled hry"). Lines arrive fully formatted; amounts are laid out by the game (AddResultAmount).
#pragma once

#include <string_view>

#include "deal/card.h"

class IResultView {
public:
    virtual ~IResultView() = default;
    virtual void ClearResultLines() {}
    virtual void AddResultLine(std::string_view /*text*/) {}
    // False when the lines are not kept anywhere; the game then does not build them.
    virtual bool KeepsLines() const { return true; }
    // Shows the result modally with "Rozdat" and "Štychy"; answers true when closed with
    // "Rozdat", which asks for the next deal.
    virtual bool ShowResult(const Card (&/*talon*/)[2], const Card& /*trumpCard*/) { return false; }
    virtual void AddTrickRow(std::string_view /*leaderName*/, const Card (&/*cards*/)[3]) {}
    virtual void ClearTrickRows() {}
};

class NullResultView : public IResultView {
public:
    bool KeepsLines() const override { return false; }
};
