// The stronger player: what its deal sampler may deal, the legality of its cards, that asking
// it for a hint leaves the game alone, and that a seed gives the same deals.
#include "robot/tstrongrobot.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <sstream>
#include <string>

#include "deal/random.h"
#include "game/thra.h"
#include "game/trick_rules.h"
#include "robot/deal_sampler.h"

namespace {

using Probe = std::function<void(THra&, THrac&)>;

// A stronger player that lets the test look at every position it is asked to play in.
class ProbedStrongRobot : public TStrongRobot {
public:
    ProbedStrongRobot(THra& g, int no, const Probe& before, const Probe& after)
        : TStrongRobot(g, no), before_(before), after_(after) {}
    void PlayCard() override {
        if (before_) before_(*game, *this);
        TStrongRobot::PlayCard();
        if (after_) after_(*game, *this);
    }

private:
    const Probe& before_;
    const Probe& after_;
};

struct PlayedCards : IGameObserver {
    std::ostringstream text;  // every card as "seat:S_R"
    void CardPlaying(const THrac& seat, const TKarta& card) override {
        text << seat.seatNo << ':' << CardCode(card.triple()) << ' ';
    }
};

// Seats 2 and 3 are stronger players, seat 1 a classic one; full shuffles, seeded.
struct StrongTable {
    FixedRules rules;
    SeededRandom random;
    Probe probe, after;
    PlayedCards played;
    THra game;

    explicit StrongTable(uint64_t seed)
        : random(seed),
          game(GamePorts{nullptr, nullptr, nullptr, nullptr, &rules, &random, &played},
               [this](THra& g, int no) -> std::unique_ptr<THrac> {
                   if (no == 1) return std::make_unique<TRobot>(g, no);
                   return std::make_unique<ProbedStrongRobot>(g, no, probe, after);
               }) {
        rules.rules.michani = FullShuffleMode;
    }
    void PlayDeals(int n) {
        for (int d = 0; d < n; ++d) {
            game.NewGame();
            for (int steps = 0; game.state != Waiting && steps < 200; ++steps) {
                if (game.state == TrickComplete) {
                    game.TrickTimerFired();
                } else {
                    bool done;
                    game.IdleStep(done);
                }
            }
            ASSERT_EQ(game.tricksPlayed, 10) << "deal " << d << " did not end";
        }
    }
};

// Everything a hint could disturb: the deal, every seat's hand, knowledge and score.
std::string Snapshot(const THra& g) {
    std::ostringstream o;
    o << int(g.state) << ' ' << int(g.tricksPlayed) << ' ' << int(g.cardsOnTable) << ' '
      << g.onTurn->seatNo << ' ' << g.trickLeader->seatNo << ' ' << int(g.contractKind) << ' '
      << g.humanMayPlay << g.declarerPlayed << ' ' << g.cards.pileCount << ' '
      << CardCode(g.lastCard);
    for (uint8_t n : g.ledCount) o << ' ' << int(n);
    for (const THrac* s : g.seats) {
        o << " | " << s->money << ' ' << int(s->points) << ' ' << int(s->cardCount) << ' '
          << CardCode(s->playedCard);
        for (const TKarta& k : s->hand)
            o << ' ' << int(k.suit) << '.' << int(k.rank) << '.' << int(k.strength) << '.'
              << int(k.state) << '.' << k.picture;
        for (bool may : s->mayHoldSuit) o << may;
        o << ' ' << s->seenCards;
    }
    return o.str();
}

CardMask HeldMask(const THrac& s) {
    CardMask m = 0;
    for (int i = 1; i <= 10; ++i)
        if (s.hand[i].state == inHand) m |= CardFlag(s.hand[i].triple());
    return m;
}

}  // namespace

// At every card of many deals the sampler deals each hidden card exactly once, gives every
// seat as many cards as it holds, never a card of a suit it showed it lacks, leaves the
// seat's own hand as it is, and admits the real deal itself.
TEST(DealSampler, DealsAgreeWithEverythingTheSeatSaw) {
    StrongTable t(77);
    int positions = 0, voidsShown = 0, overtakes = 0;
    t.probe = [&](THra& g, THrac& me) {
        ++positions;
        const DealSampler sampler(g, me);
        const CardMask own = HeldMask(me);
        for (const THrac* s : g.seats)
            if (s != &me) {
                EXPECT_EQ(HeldMask(*s) & sampler.hidden() & ~sampler.mayHold(s->seatNo), 0u)
                    << "the real hand of seat " << s->seatNo << " is ruled out";
                for (uint8_t suit = 0; suit < 4; ++suit) {
                    voidsShown += !s->mayHoldSuit[suit];
                    // Below a card it had to beat: some cards of a suit it may hold are out.
                    const CardMask open = sampler.hidden() & SuitMask(suit);
                    overtakes += s->mayHoldSuit[suit] && suit != g.TrumpSuit() &&
                                 (sampler.mayHold(s->seatNo) & open) != open;
                }
            }
        SeededRandom random{uint64_t(positions)};
        for (int i = 0; i < 20; ++i) {
            SampledDeal deal;
            ASSERT_TRUE(sampler.Sample(random, deal));
            EXPECT_EQ(deal.hands[size_t(me.seatNo - 1)], own);
            CardMask dealt = 0;
            int cards = 0;
            for (const THrac* s : g.seats) {
                const CardMask h = deal.hands[size_t(s->seatNo - 1)];
                EXPECT_EQ(std::popcount(h), s->cardCount) << "seat " << s->seatNo;
                cards += std::popcount(h);
                dealt |= h;
                for (uint8_t suit = 0; suit < 4; ++suit)
                    if (!s->mayHoldSuit[suit]) {
                        EXPECT_EQ(h & SuitMask(suit), 0u);
                    }
            }
            EXPECT_EQ(std::popcount(deal.talon), 2);
            dealt |= deal.talon;
            EXPECT_EQ(std::popcount(dealt), cards + 2) << "a card dealt twice";
            EXPECT_EQ(dealt & sampler.hidden(), sampler.hidden()) << "a hidden card not dealt";
            if (g.declarer == &me) {
                EXPECT_EQ(deal.talon, CardFlag(g.talon[0]) | CardFlag(g.talon[1]));
            } else if (g.contractKind == Barva && !me.Seen(g.trumpCard.suit, g.trumpCard.rank) &&
                       !(own & CardFlag(g.trumpCard))) {
                EXPECT_NE((deal.hands[size_t(g.declarer->seatNo - 1)] | deal.talon) &
                              CardFlag(g.trumpCard),
                          0u)
                    << "the trump card left the declarer";
            }
        }
    };
    t.PlayDeals(60);
    EXPECT_GT(positions, 300);
    EXPECT_GT(voidsShown, 50);  // both rules were put to the test
    EXPECT_GT(overtakes, 20);
}

// The hint for the seat on turn is a legal card, the very card the stronger player then plays,
// and asking for it changes nothing of the game; a seat not on turn gets no hint.
TEST(TStrongRobot, HintIsTheCardPlayedAndLeavesTheGameAlone) {
    StrongTable t(5);
    int hints = 0, played = 0;
    Card hinted{};
    t.probe = [&](THra& g, THrac& me) {
        const std::string before = Snapshot(g);
        const int slot = StrongCardChoice(g, me);
        EXPECT_EQ(StrongCardChoice(g, *me.next), 0);
        EXPECT_EQ(Snapshot(g), before) << "the hint changed the game";
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 10);
        hinted = me.hand[size_t(slot)].triple();
        EXPECT_TRUE(IsLegalPlay(g, me, hinted)) << CardCode(hinted);
        ++hints;
    };
    t.after = [&](THra& g, THrac& me) {
        // A remembered betl lead (from laying its own talon) is the one thing a hint lacks.
        if (g.contractKind != Betl || g.declarer != &me) {
            EXPECT_TRUE(SameCard(me.playedCard, hinted)) << CardCode(me.playedCard);
        }
        ++played;
    };
    t.PlayDeals(40);
    EXPECT_GT(hints, 200);
    EXPECT_EQ(played, hints);
}

// The same seed gives the same cards played and the same money, however often it is run.
TEST(TStrongRobot, SameSeedSameDeals) {
    StrongTable a(9), b(9);
    a.PlayDeals(30);
    b.PlayDeals(30);
    EXPECT_EQ(a.played.text.str(), b.played.text.str());
    for (int no = 1; no <= 3; ++no) EXPECT_EQ(a.game.Seat(no)->money, b.game.Seat(no)->money);
}
