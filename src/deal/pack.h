// The pack and the collected pile.
//
// The pile records the 32 cards of a deal in the order they leave play (the talon first, then
// every trick card in playing order, then at an early end the cards still held), so an
// unshuffled next deal behaves like a real pack picked up from the table. Shuffling turns the
// pile into the pack in one of three ways (MICHANI): a full shuffle, no shuffle, or cuts only.
#pragma once

#include <array>
#include <cstdint>

#include "deal/card.h"

class IRandom;

enum ShuffleMode : uint8_t { FullShuffleMode = 1, NoShuffle = 2, CutOnly = 3 };
enum DealMode : uint8_t { RandomCut = 1, AlwaysFull = 2 };

struct PackAndPile {
    // Positions 1..32 are used; index 0 is left empty so the code reads like the table rules.
    std::array<Card, 33> pack{};
    std::array<Card, 33> pile{};
    uint8_t pileCount = 0;
    // The pack holds each of the 32 cards once: known after a shuffle or a look at the whole
    // set, and kept by cuts. A dealt hand is then counted without checking its cards.
    bool wholePack = false;

    void AddToPile(const Card& c) {
        ++pileCount;
        if (pileCount <= 32) pile[pileCount] = c;
    }
    void ClearPile() { pileCount = 0; }
    // Copies the pile into the pack; answers true when the pile holds some card twice.
    bool PileToPack();
    // Draws a random pack into the pile (the pack itself is filled by the next PileToPack).
    void FullShuffle(IRandom& random);
    // Rotates the pack by one card through the pile (position 1 goes to 32); answers true
    // when the pack holds some card twice.
    bool CutOne();
    // Cuts n times at once.
    void Cut(int n);
    static bool HasDuplicate(const std::array<Card, 33>& cards);
    // Prepares the pack by the shuffling mode and clears the pile for the coming deal.
    // Answers true when a duplicate card was met (reported once per shuffle by the caller).
    bool Shuffle(uint8_t mode, int cuts, IRandom& random);
};
