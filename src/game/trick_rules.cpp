#include "game/trick_rules.h"

#include "game/thra.h"

PlayRule::PlayRule(const THra& game, const THrac& seat)
    : contractKind_(game.contractKind), trumpSuit_(game.TrumpSuit()) {
    const int c = game.cardsOnTable;
    if (c == 0) return;
    const THrac* leader = game.trickLeader;
    const Card& led = leader->playedCard;
    const Card& second = leader->next->playedCard;
    // The card to beat in the led suit: the led card, or the second card if it followed suit
    // and is stronger. A second card of the trump suit frees the led suit.
    Card toBeat = led;
    bool trumped = false;
    if (c == 2) {
        if (second.suit == led.suit) {
            if (second.strength > led.strength) toBeat = second;
        } else if (game.IsTrump(second)) {
            trumped = true;
        }
    }
    // What the seat holds of the led suit and of trumps, and whether it can beat the card to
    // beat or the second card's trump.
    const uint32_t held = seat.HeldCards();
    const bool holdsLed = held & SuitBits(led.suit);
    const bool holdsTrump = held & SuitBits(trumpSuit_);
    auto beats = [&seat](uint8_t suit, const Card& card) {
        return seat.TopStrength(suit) > card.strength;
    };

    if (holdsLed) {
        any_ = false;
        suit_ = led.suit;
        if (!trumped && beats(led.suit, toBeat)) minStrength_ = toBeat.strength;
        return;
    }
    if (contractKind_ != Barva || !holdsTrump) return;
    any_ = false;
    suit_ = trumpSuit_;
    if (c == 2 && game.IsTrump(second) && beats(trumpSuit_, second)) minStrength_ = second.strength;
}

bool PlayRule::Allows(const Card& card) const {
    if (any_) return true;
    if (card.suit != suit_) return false;
    // The card's strength in the contract, so that a caller may name the card by suit and rank
    // alone.
    return CardStrength(card.suit, card.rank, contractKind_, trumpSuit_) >= minStrength_;
}

uint32_t PlayRule::Allowed(uint32_t cards) const {
    if (any_) return cards;
    uint32_t allowed = 0;
    for (uint32_t c = cards & SuitBits(suit_); c; c &= c - 1) {
        const uint32_t bit = c & -c;
        const uint8_t rank = uint8_t(__builtin_ctz(c) % 8 + 7);
        if (CardStrength(suit_, rank, contractKind_, trumpSuit_) >= minStrength_) allowed |= bit;
    }
    return allowed;
}

bool IsLegalPlay(const THra& game, const THrac& seat, const Card& card) {
    return PlayRule(game, seat).Allows(card);
}
