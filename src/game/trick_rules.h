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

#include <array>
#include <cstdint>

#include "deal/card.h"
#include "game/thra.h"

// The same rule held for one seat at one moment of the trick, so that a whole hand can be
// judged at the cost of one: what the trick asks of the seat is worked out once, and each card
// is then compared with it. It is asked for every card played, three times (the player's
// choice, the controller's check and the runner's), so it is defined here to be inlined.
class PlayRule {
public:
    PlayRule(const THra& game, const THrac& seat)
        : PlayRule(game, game.cardsOnTable, seat.HeldCards()) {}
    // The rule as it stood for a seat that held `held` when `onTable` cards of the trick lay
    // before its own: a check made once the trick is complete.
    PlayRule(const THra& game, int onTable, uint32_t held);
    // By suit and rank alone, so that a caller may name the card without its strength.
    bool Allows(const Card& card) const { return AllowsBit(CardBit(card.suit, card.rank)); }
    // The same for a card's CardBit already at hand.
    bool AllowsBit(uint32_t bit) const { return any_ || (allowed_ & bit); }
    // Those of `cards` (a set of CardBit) that Allows.
    uint32_t Allowed(uint32_t cards) const { return any_ ? cards : cards & allowed_; }

private:
    bool any_ = true;       // every card may be played, or else
    uint32_t allowed_ = 0;  // the cards that may be (a set of CardBit)
};

inline bool IsLegalPlay(const THra& game, const THrac& seat, const Card& card) {
    return PlayRule(game, seat).Allows(card);
}

namespace play_rule_detail {
// For each strength a card of a suit can have: the ranks of that suit stronger, as bits from
// the seven up. Row 0 orders by rank (betl and durch), row 1 a side suit of the suit game,
// row 2 its trumps.
inline constexpr int kStrengths = 40;
inline constexpr auto kStrongerRanks = [] {
    std::array<std::array<uint8_t, kStrengths>, 3> t{};
    for (int row = 0; row < 3; ++row)
        for (int s = 0; s < kStrengths; ++s)
            for (uint8_t r = kSeven; r <= kAce; ++r) {
                const uint8_t kind = row == 0 ? Betl : Barva;
                const uint8_t strength = CardStrength(0, r, kind, row == 2 ? 0 : 1);
                if (strength > s) t[size_t(row)][size_t(s)] |= uint8_t(1u << (r - kSeven));
            }
    return t;
}();

// The cards of `suit` stronger than `strength` in the contract, as a set of CardBit: what may
// beat a card of that suit.
inline uint32_t StrongerCards(uint8_t suit, uint8_t strength, uint8_t contractKind,
                              uint8_t trumpSuit) {
    if (suit > 3 || strength >= kStrengths) return 0;
    const int row = contractKind != Barva ? 0 : suit == trumpSuit ? 2 : 1;
    return uint32_t(kStrongerRanks[size_t(row)][strength]) << (suit * 8);
}

}  // namespace play_rule_detail

inline PlayRule::PlayRule(const THra& game, int c, uint32_t held) {
    if (c == 0) return;
    // Each branch reads only what it needs: the rule is worked out for every card played, and
    // the values of a branch not taken would only crowd the registers.
    const THrac* leader = game.trickLeader;
    const Card& led = leader->playedCard;
    const uint32_t ledCards = SuitBits(led.suit);
    if (held & ledCards) {
        // The card to beat: the led card, or the second card if it followed suit and is
        // stronger. A second card of the trump suit frees the led suit.
        any_ = false;
        uint8_t toBeat = led.strength;
        if (c == 2) {
            const Card& second = leader->next->playedCard;
            if (second.suit == led.suit) {
                if (second.strength > toBeat) toBeat = second.strength;
            } else if (game.IsTrump(second)) {
                allowed_ = ledCards;
                return;
            }
        }
        // Holding a card that beats it, the seat must play one.
        const uint32_t beaters =
            play_rule_detail::StrongerCards(led.suit, toBeat, game.contractKind, game.TrumpSuit());
        allowed_ = held & beaters ? beaters : ledCards;
        return;
    }
    if (game.contractKind != Barva) return;
    const uint8_t trump = game.TrumpSuit();
    const uint32_t trumps = SuitBits(trump);
    if (!(held & trumps)) return;
    // Void in the led suit with trumps: a trump, over the second card's trump if it can.
    any_ = false;
    allowed_ = trumps;
    if (c == 2) {
        const Card& second = leader->next->playedCard;
        if (second.suit != trump) return;
        const uint32_t beaters =
            play_rule_detail::StrongerCards(trump, second.strength, Barva, trump);
        if (held & beaters) allowed_ = beaters;
    }
}
