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

// The cards of the suit stronger than `strength` in the contract.
CardMask StrongerThan(uint8_t suit, uint8_t strength, const THra& g) {
    CardMask m = 0;
    for (uint8_t r = kSeven; r <= kAce; ++r)
        if (CardStrength(suit, r, g.contractKind, g.TrumpSuit()) > strength)
            m |= CardFlag(Card{suit, r, 0});
    return m;
}

// What the legal-play rule says of the cards a seat did not play in one trick: one that followed
// suit below the card it had to beat holds nothing that beats it, and one that trumped below a
// second player's trump holds no trump above it (voids are the seats' own record). `cards` are
// the trick's cards from its leader on, `seats` their seat numbers; `ruledOut` collects per seat.
void OvertakeRule(const THra& g, const Card* cards, const int* seats, int n,
                  std::array<CardMask, 3>& ruledOut) {
    auto strength = [&g](const Card& c) {
        return CardStrength(c.suit, c.rank, g.contractKind, g.TrumpSuit());
    };
    const Card& led = cards[0];
    if (n >= 2 && cards[1].suit == led.suit && strength(cards[1]) < strength(led))
        ruledOut[size_t(seats[1] - 1)] |= StrongerThan(led.suit, strength(led), g);
    if (n < 3) return;
    const Card& second = cards[1];
    const Card& third = cards[2];
    Card toBeat = led;
    bool trumped = false;
    if (second.suit == led.suit) {
        if (strength(second) > strength(led)) toBeat = second;
    } else if (second.suit == g.TrumpSuit()) {
        trumped = true;
    }
    if (third.suit == led.suit) {
        if (!trumped && strength(third) < strength(toBeat))
            ruledOut[size_t(seats[2] - 1)] |= StrongerThan(led.suit, strength(toBeat), g);
    } else if (g.contractKind == Barva && trumped && third.suit == g.TrumpSuit() &&
               strength(third) < strength(second)) {
        ruledOut[size_t(seats[2] - 1)] |= StrongerThan(second.suit, strength(second), g);
    }
}

// The winner of a finished trick, as the controller judges it: in the suit game the strongest
// card (a discard counts nothing), in betl and durch the highest of the led suit.
int TrickWinnerOf(const THra& g, const Card* cards) {
    auto value = [&g, &cards](const Card& c) -> int {
        if (c.suit != cards[0].suit && (g.contractKind != Barva || c.suit != g.TrumpSuit()))
            return 0;
        return g.contractKind == Barva ? CardStrength(c.suit, c.rank, Barva, g.TrumpSuit())
                                       : c.rank;
    };
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (value(cards[i]) > value(cards[best])) best = i;
    return best;
}

// The cards each seat cannot hold by the overtaking rule, from the tricks played so far (the
// pile holds the talon and then every card in the order played, the declarer leading first)
// and the trick on the table.
std::array<CardMask, 3> RuledOutByOvertaking(const THra& g) {
    std::array<CardMask, 3> ruledOut{};
    if (!g.declarer || g.cards.pileCount != 2 + 3 * g.tricksPlayed + g.cardsOnTable)
        return ruledOut;  // a position not reached by play: nothing to read
    int leader = g.declarer->seatNo;
    for (int t = 0; t < g.tricksPlayed; ++t) {
        Card cards[3];
        int seats[3];
        for (int i = 0; i < 3; ++i) {
            cards[i] = g.cards.pile[size_t(3 + 3 * t + i)];
            seats[i] = (leader - 1 + i) % 3 + 1;
        }
        OvertakeRule(g, cards, seats, 3, ruledOut);
        leader = seats[TrickWinnerOf(g, cards)];
    }
    if (g.cardsOnTable > 0 && g.trickLeader) {
        Card cards[3];
        int seats[3];
        const THrac* p = g.trickLeader;
        for (int i = 0; i < g.cardsOnTable; ++i, p = p->next) {
            cards[i] = p->playedCard;
            seats[i] = p->seatNo;
        }
        OvertakeRule(g, cards, seats, g.cardsOnTable, ruledOut);
    }
    return ruledOut;
}

}  // namespace

DealSampler::DealSampler(const THra& g, const THrac& seat) : seatNo_(seat.seatNo) {
    const int me = seatNo_ - 1;
    known_.hands[me] = HeldCards(seat);
    const CardMask seen = seat.seenCards;
    declarerNo_ = g.declarer ? g.declarer->seatNo : 0;
    talonHidden_ = declarerNo_ != seatNo_;
    if (!talonHidden_)
        for (const Card& t : g.talon) known_.talon |= CardFlag(t);
    hidden_ = kWholePack & ~(known_.hands[me] | seen | known_.talon);

    const std::array<CardMask, 3> ruledOut = RuledOutByOvertaking(g);
    for (const THrac* other : g.seats) {
        const int i = other->seatNo - 1;
        if (i == me) continue;
        count_[i] = other->cardCount;
        CardMask may = hidden_ & ~ruledOut[size_t(i)];
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
            h = Mix(h,
                    uint64_t(p->seatNo) << 8 | uint64_t(std::countr_zero(CardFlag(p->playedCard))));
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
    std::array<Entry, 32> order{};
    for (int attempt = 0; attempt < 32; ++attempt) {
        for (int i = n - 1; i > 0; --i) std::swap(cards[i], cards[random.Next(i + 1)]);
        // By the number of places, keeping the shuffled order within each number.
        int to = 0;
        for (int places = 0; places <= 4; ++places)
            for (int i = 0; i < n; ++i)
                if (cards[i].places == places) order[to++] = cards[i];
        cards = order;
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
