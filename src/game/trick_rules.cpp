#include "game/trick_rules.h"

#include "game/thra.h"

bool IsLegalPlay(const THra& game, const THrac& seat, const Card& card) {
    const int c = game.cardsOnTable;
    if (c == 0) return true;
    const THrac* leader = game.trickLeader;
    const Card& led = leader->playedCard;
    const Card& second = leader->next->playedCard;
    // The card's strength in the contract, so that a caller may name the card by suit and rank
    // alone.
    const uint8_t strength =
        CardStrength(card.suit, card.rank, game.contractKind, game.TrumpSuit());

    if (seat.CountSuit(led.suit) > 0) {
        if (card.suit != led.suit) return false;
        Card toBeat = led;
        if (c == 2) {
            if (second.suit == led.suit) {
                if (second.strength > led.strength) toBeat = second;
            } else if (game.IsTrump(second)) {
                return true;  // the trick is trumped: any card of the led suit
            }
        }
        return !(seat.FindBeater(toBeat) && strength < toBeat.strength);
    }

    if (game.contractKind != Barva) return true;
    const uint8_t trump = game.TrumpSuit();
    if (seat.CountSuit(trump) == 0) return true;
    if (card.suit != trump) return false;
    if (c == 2 && game.IsTrump(second) && strength < second.strength && seat.FindBeater(second))
        return false;
    return true;
}
