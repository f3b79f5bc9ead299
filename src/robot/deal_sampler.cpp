#include "robot/deal_sampler.h"

#include <algorithm>
#include <bit>

#include "deal/random.h"
#include "game/thra.h"

namespace {

constexpr CardMask kWholePack = 0xFFFFFFFFu;

uint64_t Mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
}

CardMask HeldCards(const THrac& seat) {
    CardMask m = 0;
    for (int i = 1; i <= 10; ++i)
        if (seat.hand[i].state == inHand) m |= CardFlag(seat.hand[i].triple());
    return m;
}

}  // namespace

DealSampler::DealSampler(const THra& g, const THrac& seat) : seatNo_(seat.seatNo) {
    const int me = seatNo_ - 1;
    known_.hands[me] = HeldCards(seat);
    CardMask seen = 0;
    for (uint8_t s = 0; s < 4; ++s)
        for (uint8_t r = kSeven; r <= kAce; ++r)
            if (seat.seen[s][r]) seen |= CardFlag(Card{s, r, 0});
    declarerNo_ = g.declarer ? g.declarer->seatNo : 0;
    talonHidden_ = declarerNo_ != seatNo_;
    if (!talonHidden_)
        for (const Card& t : g.talon) known_.talon |= CardFlag(t);
    hidden_ = kWholePack & ~(known_.hands[me] | seen | known_.talon);

    for (const THrac* other : g.seats) {
        const int i = other->seatNo - 1;
        if (i == me) continue;
        count_[i] = other->cardCount;
        CardMask may = hidden_;
        for (uint8_t s = 0; s < 4; ++s)
            if (!other->mayHoldSuit[s]) may &= ~SuitMask(s);
        mayHold_[i] = may;
    }
    // In the suit game the declarer named trumps with a card of its own: while that card is
    // unseen, it is in the declarer's hand or its talon.
    if (g.contractKind == Barva && g.trumpCard.rank >= kSeven && declarerNo_ != seatNo_) {
        const CardMask trumpCard = CardFlag(g.trumpCard);
        for (int i = 0; i < 3; ++i)
            if (i != me && i != declarerNo_ - 1) mayHold_[i] &= ~trumpCard;
    }

    uint64_t h = Mix(0x4B76656C7461ull, uint64_t(seatNo_));
    h = Mix(h, known_.hands[me]);
    h = Mix(h, seen);
    h = Mix(h, known_.talon);
    h = Mix(h, uint64_t(g.contractKind) << 16 | uint64_t(g.TrumpSuit()) << 8 | declarerNo_);
    h = Mix(h, uint64_t(g.tricksPlayed) << 8 | g.cardsOnTable);
    if (g.cardsOnTable > 0 && g.trickLeader) {
        const THrac* p = g.trickLeader;
        for (int i = 0; i < g.cardsOnTable; ++i, p = p->next)
            h = Mix(h, uint64_t(p->seatNo) << 8 |
                           uint64_t(CardBit(p->playedCard.suit, p->playedCard.rank)));
    }
    for (int i = 0; i < 3; ++i) h = Mix(h, uint64_t(mayHold_[i]) << 8 | uint64_t(count_[i]));
    hash_ = h;
}

uint64_t DealSampler::PositionHash() const {
    return hash_;
}

bool DealSampler::Sample(IRandom& random, SampledDeal& out) const {
    // Places 0..2 are the seats, 3 the talon.
    std::array<CardMask, 4> allowed{mayHold_[0], mayHold_[1], mayHold_[2],
                                    talonHidden_ ? hidden_ : 0};
    std::array<int, 4> capacity{count_[0], count_[1], count_[2], talonHidden_ ? 2 : 0};
    allowed[seatNo_ - 1] = 0;
    capacity[seatNo_ - 1] = 0;
    int total = 0;
    for (int c : capacity) total += c;
    if (total != std::popcount(hidden_)) return false;

    // The cards with the fewest possible places go first, so the freer cards fill what is left.
    struct Entry {
        int bit;
        int places;
    };
    std::array<Entry, 32> cards{};
    int n = 0;
    for (CardMask m = hidden_; m; m &= m - 1) {
        const int bit = std::countr_zero(m);
        int places = 0;
        for (CardMask a : allowed) places += (a >> bit) & 1;
        cards[n++] = Entry{bit, places};
    }
    for (int attempt = 0; attempt < 32; ++attempt) {
        for (int i = n - 1; i > 0; --i) std::swap(cards[i], cards[random.Next(i + 1)]);
        std::stable_sort(cards.begin(), cards.begin() + n,
                         [](const Entry& a, const Entry& b) { return a.places < b.places; });
        SampledDeal deal = known_;
        std::array<int, 4> left = capacity;
        bool stuck = false;
        for (int i = 0; i < n && !stuck; ++i) {
            const int bit = cards[i].bit;
            // A place is drawn in proportion to the room it has left.
            int room = 0;
            for (int p = 0; p < 4; ++p)
                if ((allowed[p] >> bit) & 1) room += left[p];
            if (room == 0) {
                stuck = true;
                break;
            }
            int pick = random.Next(room);
            for (int p = 0; p < 4; ++p) {
                if (!((allowed[p] >> bit) & 1)) continue;
                if (pick < left[p]) {
                    --left[p];
                    if (p == 3)
                        deal.talon |= CardMask(1) << bit;
                    else
                        deal.hands[p] |= CardMask(1) << bit;
                    break;
                }
                pick -= left[p];
            }
        }
        if (!stuck) {
            out = deal;
            return true;
        }
    }
    return false;
}
