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
    // One look at the hand: what the seat holds of the led suit and of trumps, and whether it
    // can beat the card to beat or the second card's trump.
    bool holdsLed = false, beatsLed = false, holdsTrump = false, beatsTrump = false;
    for (int i = 1; i <= 10; ++i) {
        const TKarta& k = seat.hand[i];
        if (k.state != inHand) continue;
        if (k.suit == led.suit) {
            holdsLed = true;
            beatsLed = beatsLed || k.strength > toBeat.strength;
        }
        if (k.suit == trumpSuit_) {
            holdsTrump = true;
            beatsTrump = beatsTrump || k.strength > second.strength;
        }
    }

    if (holdsLed) {
        any_ = false;
        suit_ = led.suit;
        if (!trumped && beatsLed) minStrength_ = toBeat.strength;
        return;
    }
    if (contractKind_ != Barva || !holdsTrump) return;
    any_ = false;
    suit_ = trumpSuit_;
    if (c == 2 && game.IsTrump(second) && beatsTrump) minStrength_ = second.strength;
}

bool PlayRule::Allows(const Card& card) const {
    if (any_) return true;
    if (card.suit != suit_) return false;
    // The card's strength in the contract, so that a caller may name the card by suit and rank
    // alone.
    return CardStrength(card.suit, card.rank, contractKind_, trumpSuit_) >= minStrength_;
}

bool IsLegalPlay(const THra& game, const THrac& seat, const Card& card) {
    return PlayRule(game, seat).Allows(card);
}
