#include "game/thrac.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "game/thra.h"

THrac::THrac(THra& g, int no) : game(&g), selfLink(this), seatNo(no) {}

// --- the cache of the hand -------------------------------------------------------------------

void THrac::Count(int slot) {
    if (slot < 1 || slot > 10 || hand[slot].state != inHand) return;
    const uint32_t bit = CardBit(hand[slot].suit, hand[slot].rank);
    if (bit == 0) return;
    uint8_t& first = slotOf_[BitIndex(bit)];
    if (held_ & bit) {
        twice_ = true;
        if (slot < first) first = uint8_t(slot);
        return;
    }
    held_ |= bit;
    first = uint8_t(slot);
}

void THrac::Uncount(int slot) {
    if (slot < 1 || slot > 10 || hand[slot].state != inHand) return;
    held_ &= ~CardBit(hand[slot].suit, hand[slot].rank);
}

void THrac::RecountHand() {
    strengthsPassed_ = 0;
    differentCards_ = false;
    // Counted in locals: a store to slotOf_ (bytes) might alias the members.
    uint32_t held = 0;
    bool twice = false;
    for (int i = 10; i >= 1; --i) {  // downwards, so that the first slot is remembered
        const TKarta& k = hand[i];
        if (k.state != inHand || CardBit(k.suit, k.rank) == 0) continue;
        const int index = k.suit * 8 + k.rank - 7;  // CardBit's bit, without looking for it
        const uint32_t bit = 1u << index;
        twice |= (held & bit) != 0;
        held |= bit;
        slotOf_[size_t(index)] = uint8_t(i);
    }
    held_ = held;
    twice_ = twice;
}

void THrac::CountDealtHand(bool wholePack) {
    differentCards_ = wholePack;
    CountHeldHand();
}

void THrac::CountHeldHand() {
    if (!differentCards_) return RecountHand();
    uint32_t held = 0;
    for (int i = 1; i <= 10; ++i) {
        const unsigned index = unsigned(hand[i].suit * 8 + hand[i].rank - 7) % 32;
        held |= 1u << index;
        slotOf_[index] = uint8_t(i);
    }
    strengthsPassed_ = 0;
    held_ = held;
    twice_ = false;
    assert(CountCards(held) == 10 && HandCacheAgrees() && "ten different cards, all held");
}

// With a card counted twice, taking one copy away must not forget the other: count afresh.
void THrac::PutCard(int slot, const TKarta& card) {
    if (slot < 0 || slot >= int(hand.size())) return;
    strengthsPassed_ = 0;
    differentCards_ = false;
    if (twice_) {
        hand[slot] = card;
        return RecountHand();
    }
    Uncount(slot);
    hand[slot] = card;
    Count(slot);
}

void THrac::ClearHand() {
    for (int i = 1; i <= 12; ++i) hand[i] = TKarta{};
    strengthsPassed_ = 0;
    differentCards_ = false;
    held_ = 0;
    twice_ = false;
}

bool THrac::HandCacheAgrees() const {
    uint32_t held = 0;
    for (int i = 1; i <= 10; ++i) {
        const TKarta& k = hand[i];
        const uint32_t bit = k.state == inHand ? CardBit(k.suit, k.rank) : 0;
        if (bit == 0 || (held & bit)) continue;
        held |= bit;
        if (slotOf_[BitIndex(bit)] != i) return false;
    }
    return held == held_;
}

// --- questions about the hand ------------------------------------------------------------------

THrac::HandIndex THrac::IndexHand() const {
    HandIndex index{};
    for (uint32_t cards = held_; cards; cards &= cards - 1) {
        const int b = BitIndex(cards);
        index.slot[b / 8][b % 8 + 7] = slotOf_[b];
    }
    return index;
}

uint16_t THrac::SlotsOfTwice(uint32_t cards) const {
    uint16_t slots = 0;
    for (int i = 1; i <= 10; ++i)
        if (hand[i].state == inHand && (cards & CardBit(hand[i].suit, hand[i].rank)))
            slots = uint16_t(slots | 1u << i);
    return slots;
}

int THrac::FindBeater(const Card& card) const {
    int first = 0;
    for (uint32_t cards = held_ & SuitBits(card.suit); cards; cards &= cards - 1) {
        const int slot = slotOf_[BitIndex(cards)];
        if (hand[slot].strength > card.strength && (first == 0 || slot < first)) first = slot;
    }
    return first;
}

int THrac::FindPlayedSlot() const {
    for (int i = 10; i >= 1; --i)
        if (hand[i].suit == playedCard.suit && hand[i].rank == playedCard.rank) return i;
    return 0;
}

// Suits from Kule down to Červené, each from its lowest card up (by strength with the ten
// before the ace, else by rank). Only the cards move: each slot keeps its state and picture.
void THrac::SortHand(bool tenBeforeAce) {
    const int n = std::min<int>(cardCount, 12);
    if (n == 10 && SortHeldHand(tenBeforeAce)) return;
    // The cards of a real hand are all different: each card's place in the order is a bit of
    // a 256-bit set (suit from Kule down, then the value up), read back in order.
    uint64_t keys[4] = {};
    uint8_t slotOfKey[256];
    bool distinct = true;
    for (int i = 1; i <= n; ++i) {
        const TKarta& c = hand[size_t(i)];
        const unsigned value = tenBeforeAce ? c.strength : c.rank;
        const unsigned key = (3u - c.suit) * 64 + value;
        const uint64_t bit = uint64_t(1) << (key % 64);
        if (c.suit > 3 || value > 63 || (keys[key / 64] & bit)) {
            distinct = false;
            break;
        }
        keys[key / 64] |= bit;
        slotOfKey[key] = uint8_t(i);
    }
    if (distinct) {
        std::array<Card, 13> cards;
        int to = 1;
        for (unsigned w = 0; w < 4; ++w)
            for (uint64_t bits = keys[w]; bits; bits &= bits - 1)
                cards[size_t(to++)] =
                    hand[slotOfKey[w * 64 + unsigned(__builtin_ctzll(bits))]].triple();
        for (int i = 1; i <= n; ++i) hand[size_t(i)].SetTriple(cards[size_t(i)]);
        return RecountHand();
    }
    // Otherwise one number orders the cards, the slot below it: equal cards keep their order.
    std::array<int, 13> order;
    for (int i = 1; i <= n; ++i) {
        const TKarta& c = hand[i];
        order[i] = ((255 - c.suit) * 256 + (tenBeforeAce ? c.strength : c.rank)) * 16 + i;
    }
    for (int i = 2; i <= n; ++i) {
        const int o = order[i];
        int j = i - 1;
        for (; j >= 1 && order[j] > o; --j) order[j + 1] = order[j];
        order[j + 1] = o;
    }
    std::array<Card, 13> cards;
    for (int i = 1; i <= n; ++i) cards[i] = hand[order[i] % 16].triple();
    for (int i = 1; i <= n; ++i) hand[i].SetTriple(cards[i]);
    RecountHand();
}

// Ten different cards, all held: the cache already holds them in the order of the sort (suits
// from Kule down, each by rank; a suit game's ten moved up below the ace when the ten sorts
// before it), so each card's suit and rank come from its bit and only its strength is read
// from its slot. Answers false, having changed nothing, when the strengths do not rise within
// a suit as that order assumes.
bool THrac::SortHeldHand(bool tenBeforeAce) {
    if (twice_ || CountCards(held_) != 10) return false;
    // The suits' bytes swapped, Kule's lowest: the cards in the order of the sort are the bits
    // from the lowest up, once a suit game's tens sit between the král and the ace.
    uint32_t order = __builtin_bswap32(held_);
    static constexpr uint8_t kRankBits[2][8] = {{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 4, 5, 6, 3, 7}};
    const bool tenUp = tenBeforeAce && game->contractKind == Barva;
    if (tenUp)
        order = (order & 0x87878787u) | ((order >> 1) & 0x38383838u) | ((order << 3) & 0x40404040u);
    const uint8_t* rankBitAt = kRankBits[tenUp];
    std::array<uint8_t, 11> bitOf, strengthOf;
    int last = -1;  // the byte and strength of the card before, which must rise
    for (int to = 1; to <= 10; ++to, order &= order - 1) {
        const int at = __builtin_ctz(order);
        const int bit = 24 - (at & ~7) + rankBitAt[at & 7];
        const uint8_t strength = hand[slotOf_[size_t(bit)]].strength;
        if (tenBeforeAce) {
            const int key = (at & ~7) << 8 | strength;
            if (key <= last) return false;
            last = key;
        }
        bitOf[size_t(to)] = uint8_t(bit);
        strengthOf[size_t(to)] = strength;
    }
    for (int i = 1; i <= 10; ++i) {
        TKarta& k = hand[size_t(i)];
        const int bit = bitOf[size_t(i)];
        k.suit = uint8_t(bit / 8);
        k.rank = uint8_t(bit % 8 + 7);
        k.strength = strengthOf[size_t(i)];
        slotOf_[size_t(bit)] = uint8_t(i);
    }
    return true;
}

// The announcements pass over every hand again after the answers: unless a hand, the contract
// or the trumps changed since, there is nothing to do.
void THrac::StrengthPass() {
    const uint8_t kind = game->contractKind, trump = game->TrumpSuit();
    const int n = std::min<int>(cardCount, 12);
    const uint32_t passed = 1u << 24 | uint32_t(kind) << 16 | uint32_t(trump) << 8 | uint32_t(n);
    if (passed == strengthsPassed_) {
        assert(StrengthsAgree() && "hand[] written without RecountHand");
        return;
    }
    for (int i = 1; i <= n; ++i) {
        TKarta& k = hand[size_t(i)];
        k.strength = CardStrength(k.suit, k.rank, kind, trump);
    }
    strengthsPassed_ = passed;
}

bool THrac::StrengthsAgree() const {
    const uint8_t kind = game->contractKind, trump = game->TrumpSuit();
    for (int i = 1; i <= std::min<int>(cardCount, 12); ++i) {
        const TKarta& k = hand[size_t(i)];
        if (k.strength != CardStrength(k.suit, k.rank, kind, trump)) return false;
    }
    return true;
}

void THrac::PutRemainingOnPile() {
    const bool shown = game->CardsShown();
    for (int i = 1; i <= 10; ++i) {
        TKarta& k = hand[size_t(i)];
        if (k.state != inHand) continue;
        game->cards.AddToPile(k.triple());
        if (k.picture && shown) game->view().DestroyCardPicture(k.picture);
        k.picture = 0;
        k.state = played;
    }
    // Nothing of slots 1..10 is held any more.
    held_ = 0;
    twice_ = false;
}

void THrac::AnnounceMeld(const Card& k) {
    if (game->contractKind != Barva) return;
    const bool marriage = (k.rank == kKral && FindCard(k.suit, kSvrsek)) ||
                          (k.rank == kSvrsek && FindCard(k.suit, kKral));
    if (!marriage) return;
    game->PlaySound("wavs\\karta.wav", true);
    ++meldShown;
    if (game->CardsShown()) game->view().ShowMeldPicture(seatNo, k, meldX, meldY);
    meldX = int16_t(meldX + meldDX);
    meldY = int16_t(meldY + meldDY);
    const uint8_t v = k.suit == game->TrumpSuit() ? 40 : 20;
    points = uint8_t(points + v);
    meldSum = uint8_t(meldSum + v);
    if (this == game->declarer) {
        if (firstMeld == 0) firstMeld = v;
    } else {
        THrac* partner = next == game->declarer ? next->next : next;
        if (firstMeld == 0 && partner->firstMeld == 0) firstMeld = v;
    }
}

// The table's size is asked only where a place depends on it.
void THrac::ResetMeldPlace() {
    switch (seatNo) {
        case 1:
            meldX = int16_t(game->TableWidth() - 320), meldY = int16_t(game->TableHeight() - 200);
            meldDX = -10, meldDY = 0;
            break;
        case 2:
            meldX = 100, meldY = 130, meldDX = 0, meldDY = 10;
            break;
        default:
            meldX = int16_t(game->TableWidth() - 320), meldY = 130, meldDX = -10, meldDY = 0;
            break;
    }
    meldShown = 0;
}
