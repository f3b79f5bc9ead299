// A seat at the table. The controller asks every seat the same five questions (name trumps,
// lay the talon, play a card, answer an announced game, answer a doubling offer); the human
// (TPlayer) answers through the window, a computer player (TRobot) computes its answer, and a
// test may script one. The base class answers nothing: it accepts every game and never doubles.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <string>

#include "deal/card.h"
#include "deal/tkarta.h"

class THra;

// Bits of the doubling offer and answer.
enum FlekFlag : uint8_t {
    FlekGame = 1,
    FlekSeven = 2,
    FlekHundred = 4,
    SevenAgainstFlag = 8,
    HundredAgainstFlag = 16,
};

class THrac {
public:
    THrac(THra& game, int seatNo);
    virtual ~THrac() = default;
    THrac(const THrac&) = delete;
    THrac& operator=(const THrac&) = delete;

    // The five decisions, in slot order.
    virtual void ChooseTrump() {}
    virtual void LayTalon() {}
    virtual void PlayCard() {}
    virtual bool AnswerGame() { return true; }
    virtual uint8_t AnswerFlek(uint8_t /*offer*/) { return 0; }
    // Called before every deal, so a seat can forget what it remembered from the last one.
    virtual void NewDeal() {}

    // --- the hand ---
    // The questions below are about the cards of slots 1..10 whose state is inHand (the
    // twelve-card hand's talon slots 11 and 12, played cards and the talon marks do not
    // count). They are answered from a cache of the slots kept beside them: every change of a
    // slot or of a card's state goes through PutCard, SetCardState or ClearHand, and code that
    // writes hand[] itself (a sort, a test setting up a position) calls RecountHand after.

    // Puts the card into the slot, in place of what was there.
    void PutCard(int slot, const TKarta& card);
    void SetCardState(int slot, uint8_t state) {
        if (slot < 0 || slot >= int(hand.size())) return;
        TKarta& k = hand[size_t(slot)];
        const bool was = k.state == inHand;
        k.state = state;
        if (slot < 1 || slot > 10 || was == (state == inHand)) return;
        if (twice_) return RecountHand();
        if (was)
            held_ &= ~CardBit(k.suit, k.rank);
        else
            Count(slot);
    }
    // SetCardState(slot, played) for a slot of 1..10 whose card, of that CardBit, is in hand.
    void LeaveHand(int slot, uint32_t bit) {
        hand[size_t(slot)].state = played;
        if (twice_) return RecountHand();
        held_ &= ~bit;
    }
    // Empties slots 1..12.
    void ClearHand();
    void RecountHand();
    // RecountHand for a hand just dealt, all held (the forehand's talon in slots 11 and 12);
    // `wholePack`: from a pack that held each of the 32 cards once.
    void CountDealtHand(bool wholePack);
    // RecountHand for slots 1..10 all held, as after laying the talon away.
    void CountHeldHand();
    // Whether the cache agrees with the slots (what a test, or a debug build, checks).
    bool HandCacheAgrees() const;
    // The slot (0..12) of a card object of this hand; -1 for any other.
    int SlotOf(const TKarta& card) const {
        const std::less<const TKarta*> before;
        if (before(&card, hand.data()) || !before(&card, hand.data() + hand.size())) return -1;
        return int(&card - hand.data());
    }

    uint32_t HeldCards() const {
        assert(HandCacheAgrees() && "hand[] written without RecountHand");
        return held_;
    }
    // The slots (bit i for slot i) holding those of `cards` that are held.
    uint16_t SlotsOf(uint32_t cards) const {
        if (twice_) return SlotsOfTwice(cards);
        uint16_t found = 0;  // not "slots", which a window's headers may define
        for (cards &= held_; cards; cards &= cards - 1)
            found = uint16_t(found | 1u << slotOf_[BitIndex(cards)]);
        return found;
    }
    // The first slot holding the card, 0 if none.
    int FindCard(uint8_t suit, uint8_t rank) const {
        assert(HandCacheAgrees() && "hand[] written without RecountHand");
        const uint32_t bit = CardBit(suit, rank);
        return held_ & bit ? slotOf_[BitIndex(bit)] : 0;
    }
    // FindCard for every card at once: slot[suit][rank] is what FindCard would answer.
    struct HandIndex {
        uint8_t slot[4][15];
    };
    HandIndex IndexHand() const;
    int CountSuit(uint8_t suit) const { return CountSuitCards(held_, suit); }
    // The first slot holding a card of the suit stronger than `card`, 0 if none.
    int FindBeater(const Card& card) const;
    // Cards seen played this deal.
    bool Seen(uint8_t suit, uint8_t rank) const { return seenCards & CardBit(suit, rank); }
    int CountSeen(uint8_t suit) const { return CountSuitCards(seenCards, suit); }
    void MarkSeen(const Card& card) { seenCards |= CardBit(card.suit, card.rank); }
    // The last slot of 1..10 whose card is playedCard, whatever its state; 0 if none.
    int FindPlayedSlot() const;
    void SortHand(bool tenBeforeAce);
    // Every card of slots 1..cardCount gets its strength in the contract and trumps in force.
    void StrengthPass();
    bool StrengthsAgree() const;
    void PutRemainingOnPile();
    // The marriage check made as this seat plays card k (a suit game only).
    void AnnounceMeld(const Card& k);

    // Marriage picture places for a new deal and after a settlement.
    void ResetMeldPlace();
    void ClearSeen() { seenCards = 0; }
    void SetMayHoldAll() { mayHoldSuit = {true, true, true, true}; }
    bool IsHuman() const { return human_; }

    THra* game;
    THrac* selfLink;
    const int seatNo;               // 1 = bottom (the human in the window), 2 = left, 3 = top
    std::string name;               // at most 10 characters
    std::array<TKarta, 13> hand{};  // slots 1..12; 11 and 12 hold the talon when taken
    uint32_t seenCards = 0;         // cards seen played this deal, as CardBit
    Card playedCard{};
    uint8_t playedSlot = 0;  // the slot (1..10) playedCard left, 0 if it came from elsewhere
    uint8_t cardCount = 0;
    THrac* next = nullptr;
    uint8_t points = 0;
    uint8_t meldSum = 0;
    uint8_t firstMeld = 0;
    double money = 1000.0;
    int16_t meldX = 0, meldY = 0;
    int32_t meldDX = 0, meldDY = 0;
    uint8_t meldShown = 0;
    std::array<bool, 4> mayHoldSuit{true, true, true, true};

protected:
    bool human_ = false;

private:
    static int BitIndex(uint32_t bit) { return __builtin_ctz(bit); }
    // SlotsOf when some card is held twice: each slot is looked at.
    uint16_t SlotsOfTwice(uint32_t cards) const;
    bool SortHeldHand(bool tenBeforeAce);
    // The card of the slot leaves or joins the cache (only slots 1..10 in state inHand count).
    void Uncount(int slot);
    void Count(int slot);

    uint32_t held_ = 0;                 // the cards counted, as CardBit
    std::array<uint8_t, 32> slotOf_{};  // the first slot of each card counted
    bool twice_ = false;  // some card was counted in two slots: a pack that held it twice
    // Slots 1..12 hold different cards of a whole pack, as dealt: a count of them needs no look
    // at what each card is. Forgotten as soon as a slot is written otherwise.
    bool differentCards_ = false;
    // What the last StrengthPass was made for (contract, trumps, cards), 0 once a slot has been
    // written since.
    uint32_t strengthsPassed_ = 0;
};
