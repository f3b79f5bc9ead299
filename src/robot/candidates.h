// The cards a computer player is choosing between for one decision.
//
// Entries keep the order in which they were added and are numbered from 1; 0 stands for "no
// entry". Every search answers the earliest entry when several are equal. The list holds at
// most 12 cards and never allocates.
#pragma once

#include <array>
#include <cstdint>

#include "deal/card.h"

class CandidateList {
public:
    static constexpr int kCapacity = 12;

    void Clear() { n_ = 0; }
    // `slot` is the hand slot the card lies in, 0 if none.
    void Add(const Card& c, int slot = 0) {
        if (n_ >= kCapacity) return;
        e_[++n_] = c;
        slot_[n_] = uint8_t(slot);
    }
    // The cards of those of the hand's slots 1..12 (bit i for slot i), in slot order, in place
    // of the entries: what every decision starts from, so it needs no room check.
    template <class Hand>
    void SetSlots(uint32_t slotSet, const Hand& hand) {
        slotSet &= 0x1FFE;
        int n = 0;
        for (; slotSet; slotSet &= slotSet - 1) {
            const int slot = __builtin_ctz(slotSet);
            e_[++n] = hand[size_t(slot)].triple();
            slot_[n] = uint8_t(slot);
        }
        n_ = n;
    }
    int size() const { return n_; }
    bool empty() const { return n_ == 0; }
    const Card& operator[](int i) const { return e_[i]; }
    int SlotOf(int i) const { return slot_[i]; }

    // Removes that card; later entries move up by one.
    void Remove(uint8_t suit, uint8_t rank);
    // Removes every entry of the suit.
    void RemoveSuit(uint8_t suit);
    // Marks every entry as a discard: strength 0.
    void ClearStrengths();

    int IndexOf(uint8_t suit, uint8_t rank) const;
    int CountSuit(uint8_t suit) const;
    // The weakest entry. Once the strengths have been cleared for a discard: in the suit game
    // the lowest rank that is neither a ten nor an ace (entry 1 if all are), otherwise the
    // lowest rank.
    int Lowest(bool suitGame) const {
        // Asked on every decision, mostly before any discard: that case stays inline.
        if (n_ == 0 || e_[1].strength == 0) return LowestDiscard(suitGame);
        int best = 1;
        for (int i = 2; i <= n_; ++i)
            if (e_[i].strength < e_[best].strength) best = i;
        return best;
    }
    int HighestRank() const;
    int LowestOfSuit(uint8_t suit) const;
    int HighestOfSuit(uint8_t suit) const;
    // The strongest entry of the suit below 15: in the suit game no ten, ace or trump.
    int HighestOfSuitBelowTen(uint8_t suit) const;
    int LastOfRank(uint8_t rank) const;

private:
    int LowestDiscard(bool suitGame) const;
    template <class Keep>
    void RemoveUnless(Keep keep);

    std::array<Card, kCapacity + 1> e_{};  // e_[0] unused
    std::array<uint8_t, kCapacity + 1> slot_{};
    int n_ = 0;
};
