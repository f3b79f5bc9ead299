// The mask a seat keeps of the cards it holds must say what a look at its slots says, after
// every kind of change of a hand.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/thra.h"
#include "game/trick_rules.h"
#include "robot/trobot.h"
#include "support/fakes.h"

namespace {

// What the questions answer, worked out from the slots alone.
int ScanFind(const THrac& s, uint8_t suit, uint8_t rank) {
    for (int i = 1; i <= 10; ++i)
        if (s.hand[i].state == inHand && s.hand[i].suit == suit && s.hand[i].rank == rank) return i;
    return 0;
}

void ExpectAgrees(const THrac& s, const std::string& when) {
    ASSERT_TRUE(s.HandCacheAgrees()) << when << ", seat " << s.seatNo;
    for (uint8_t suit = 0; suit < 4; ++suit) {
        int count = 0;
        for (uint8_t rank = 7; rank <= 14; ++rank) {
            ASSERT_EQ(s.FindCard(suit, rank), ScanFind(s, suit, rank))
                << when << ", seat " << s.seatNo << ", card " << int(suit) << "_" << int(rank);
            count += ScanFind(s, suit, rank) != 0;
        }
        ASSERT_EQ(s.CountSuit(suit), count) << when << ", seat " << s.seatNo;
    }
}

}  // namespace

TEST(HandCache, FollowsEveryChangeOfAHand) {
    struct Row {
        const char* change;
        std::function<void(THra&, THrac&)> apply;
    };
    const std::vector<Row> rows = {
        {"a card put over a held one", [](THra&, THrac& s) { s.PutCard(3, s.hand[11]); }},
        {"an empty slot put", [](THra&, THrac& s) { s.PutCard(4, TKarta{}); }},
        {"a talon mark", [](THra&, THrac& s) { s.SetCardState(5, discardSelected); }},
        {"the mark taken back", [](THra&, THrac& s) { s.SetCardState(5, inHand); }},
        {"a talon slot changed", [](THra&, THrac& s) { s.SetCardState(12, played); }},
        {"sorted", [](THra&, THrac& s) { s.SortHand(true); }},
        {"sorted with talon slots",
         [](THra&, THrac& s) {
             s.cardCount = 12;
             s.SortHand(false);
         }},
        {"a card created", [](THra& g, THrac& s) { g.CreateCard(s, 7, C(3, 14), 0, 0, false); }},
        {"a card played",
         [](THra& g, THrac& s) {
             g.cardsOnTable = 0;
             g.PlayStep(s, s.hand[2]);
         }},
        {"the rest to the pile", [](THra&, THrac& s) { s.PutRemainingOnPile(); }},
        {"emptied", [](THra&, THrac& s) { s.ClearHand(); }},
    };
    // One hand goes through the changes in turn, as a deal would.
    TestTable t;
    THrac& s = t.seat(1);
    t.game->state = Playing;
    t.game->onTurn = t.game->trickLeader = &s;
    GiveHandCodes(s, "0_7 0_8 0_14 1_9 1_10 2_11 2_12 3_7 3_13 3_10 2_7 1_14");
    ExpectAgrees(s, "given");
    for (const Row& row : rows) {
        row.apply(*t.game, s);
        ExpectAgrees(s, row.change);
    }
}

// A pack that held a card twice deals it twice: playing one copy leaves the other held.
TEST(HandCache, ACardHeldTwiceStaysHeldUntilBothAreGone) {
    TestTable t;
    THrac& s = t.seat(2);
    GiveHandCodes(s, "0_7 1_8 0_7 2_9");
    EXPECT_EQ(s.FindCard(0, 7), 1);
    s.SetCardState(1, played);
    EXPECT_EQ(s.FindCard(0, 7), 3);
    s.SetCardState(3, played);
    EXPECT_EQ(s.FindCard(0, 7), 0);
    ExpectAgrees(s, "both copies played");
}

TEST(HandCache, AgreesWithTheSlotsThroughWholeComputerDeals) {
    for (bool bezfleku : {true, false}) {
        FixedRules rules;
        rules.rules.bezfleku = bezfleku;
        SeededRandom random(11);
        GamePorts ports;
        ports.rules = &rules;
        ports.random = &random;
        PlayComputerDeals(
            ports, 200,
            [](THra& game, int deal, bool ended) {
                for (THrac* s : game.seats)
                    ExpectAgrees(*s,
                                 (ended ? "ended, deal " : "dealt, deal ") + std::to_string(deal));
            },
            [](THra& game, int deal) {
                for (THrac* s : game.seats) ExpectAgrees(*s, "deal " + std::to_string(deal));
            });
    }
}

// A second strength pass over an unchanged hand is skipped: every change that can make the
// strengths wrong must make the next pass count them again.
TEST(StrengthPass, CountsAgainAfterEveryChangeThatMatters) {
    struct Row {
        const char* change;
        std::function<void(THra&, THrac&)> apply;
    };
    const std::vector<Row> rows = {
        {"nothing", [](THra&, THrac&) {}},
        {"a card put",
         [](THra&, THrac& s) {
             s.PutCard(3, TKarta{nullptr, 0, 2, 14, 0});
         }},
        {"a slot written and recounted",
         [](THra&, THrac& s) {
             s.hand[4].SetTriple(Card{1, 10, 99});
             s.RecountHand();
         }},
        {"the contract", [](THra& g, THrac&) { g.contractKind = Durch; }},
        {"back to the suit game", [](THra& g, THrac&) { g.contractKind = Barva; }},
        {"the trumps", [](THra& g, THrac&) { g.trumpCard = C(2, 7); }},
        {"the talon slots",
         [](THra&, THrac& s) {
             s.hand[12].strength = 77;
             s.cardCount = 12;
         }},
        {"a card played",
         [](THra& g, THrac& s) {
             g.cardsOnTable = 1;
             g.trickLeader->playedCard = C(0, 7);
             g.PlayStep(s, s.hand[5]);  // a discard: its strength 0 for the trick
         }},
    };
    TestTable t;
    THrac& s = t.seat(1);
    t.game->contractKind = Barva;
    t.game->trumpCard = C(1, 7);
    t.game->trickLeader = t.game->Seat(2);
    GiveHandCodes(s, "0_7 0_8 0_14 1_9 1_10 2_11 2_12 3_7 3_13 3_10 2_7 1_14");
    s.cardCount = 10;
    for (const Row& row : rows) {
        s.StrengthPass();
        row.apply(*t.game, s);
        s.StrengthPass();
        for (int i = 1; i <= s.cardCount; ++i)
            ASSERT_EQ(s.hand[i].strength, CardStrength(s.hand[i].suit, s.hand[i].rank,
                                                       t.game->contractKind, t.game->TrumpSuit()))
                << row.change << ", slot " << i;
    }
}
