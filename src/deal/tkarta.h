// The card object on the table: one card of a seat's hand with its picture and click state.
#pragma once

#include <cstdint>

#include "deal/card.h"

class THrac;

// What a click on the card means. Computer players use further values for their own
// bookkeeping while laying the talon (candidate, laid away, kept, examined).
enum CardState : uint8_t {
    played = 0,            // gone from the hand (played or laid away)
    inHand = 1,            // held; a click during play offers it as the human's card
    trumpPick = 2,         // the human forehand may click it to name trumps
    discardCandidate = 4,  // may be laid to the talon
    discardSelected = 5,   // selected for the talon (human) / laid away (computer)
    talonKept = 6,         // computer: may not be laid away in a suit game
    leadExamined = 66,     // computer: looked at by the betl lead search
};

constexpr int kCardWidth = 64;
constexpr int kCardHeight = 105;

struct TKarta {
    THrac* owner = nullptr;
    int picture = 0;  // the table picture's handle; 0 when the card has no picture
    uint8_t suit = 0, rank = 0, strength = 0;
    int32_t left = 0, top = 0;  // the place on the table, kept only for a view that shows cards
    uint8_t state = played;

    Card triple() const { return Card{suit, rank, strength}; }
    void SetTriple(const Card& c) {
        suit = c.suit;
        rank = c.rank;
        strength = c.strength;
    }
};
