// Deals of the cards one seat cannot see, each agreeing with everything that seat knows.
//
// A seat sees its own hand, every card played (the trick in progress included), its own talon
// when it is the declarer, and the trump card. What the others did not play tells it more: a
// seat that did not follow the led suit holds none of it, and in the suit game one that then
// did not trump holds no trump either (the legal-play rule would have made it). Every other
// card may be with either other seat, or in the talon when the talon is not its own.
#pragma once

#include <array>
#include <cstdint>

#include "deal/card.h"

class THra;
class THrac;
class IRandom;

// Cards as the bits of a card set (CardBit): suit * 8 + rank - 7.
using CardMask = uint32_t;
// No bit for what is not a card (an empty talon place, say).
inline CardMask CardFlag(const Card& c) {
    return CardBit(c.suit, c.rank);
}
inline Card CardOfBit(int bit) {
    return Card{uint8_t(bit / 8), uint8_t(kSeven + bit % 8), 0};
}
inline CardMask SuitMask(uint8_t suit) {
    return SuitBits(suit);
}

// One way the hidden cards may lie: the hands of seats 1..3 (index seatNo - 1) and the talon.
struct SampledDeal {
    std::array<CardMask, 3> hands{};
    CardMask talon = 0;
};

class DealSampler {
public:
    // What `seat` knows now of `game`.
    DealSampler(const THra& game, const THrac& seat);

    // A deal of the hidden cards drawn at random among those that agree with what the seat
    // knows. False only if none agrees (which a real position never gives).
    bool Sample(IRandom& random, SampledDeal& out) const;

    // A number that depends on everything the seat knows and on nothing else: the same
    // position seeds the same draws.
    uint64_t PositionHash() const;

    CardMask hidden() const { return hidden_; }
    CardMask mayHold(int seatNo) const { return mayHold_[seatNo - 1]; }
    int holds(int seatNo) const { return count_[seatNo - 1]; }
    bool talonHidden() const { return talonHidden_; }

private:
    int seatNo_;
    SampledDeal known_;    // the seat's own hand, and its talon when it laid it
    CardMask hidden_ = 0;  // cards whose place the seat does not know
    int declarerNo_ = 0;
    std::array<CardMask, 3> mayHold_{};  // per seat, hidden cards it may hold
    std::array<int, 3> count_{};         // per seat, cards held
    bool talonHidden_ = false;
    uint64_t hash_ = 0;
};
