// Which card a seat may play to the trick in progress. This one function is the rule for every
// player: the human's clicks are checked against it, the computer players' choices obey it and
// the headless runner verifies every card with it.
//
//  - Leading, any card.
//  - Holding the led suit, the seat must follow it, and must beat the card to beat when it can:
//    the led card, or the second card if that followed suit and is stronger. When the second
//    player trumped the trick (its card is of the trump card's suit, in every contract), any
//    card of the led suit will do.
//  - Void in the led suit, in the suit game: a seat holding a trump must play one, and must
//    overtake a second player's trump when it can. In betl and durch a void seat plays anything.
#pragma once

#include "deal/card.h"

class THra;
class THrac;

bool IsLegalPlay(const THra& game, const THrac& seat, const Card& card);

// The same rule held for one seat at one moment of the trick, so that a whole hand can be
// judged at the cost of one: what the trick asks of the seat is worked out once, and each card
// is then compared with it. IsLegalPlay is PlayRule(game, seat).Allows(card).
class PlayRule {
public:
    PlayRule(const THra& game, const THrac& seat);
    bool Allows(const Card& card) const;
    // Those of `cards` (a set of CardBit) that Allows.
    uint32_t Allowed(uint32_t cards) const;

private:
    bool any_ = true;       // every card may be played, or else
    uint32_t allowed_ = 0;  // the cards that may be (a set of CardBit)
};
