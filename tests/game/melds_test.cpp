// Marriages announced as their cards are played, the first marriage of each side, and the points
// that count towards a declared hundred under the three STOVKA options.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

// A suit game (or betl/durch) with the given trump suit and seat 2 declaring.
void SetUpGame(TestTable& t, uint8_t kind, int trumpSuit) {
    t.game->contractKind = kind;
    t.game->trumpCard = C(trumpSuit, 8);
    t.game->declarer = t.game->Seat(2);
}

// Plays the card in the given slot as the lead of a fresh trick.
void Lead(THra& g, THrac& seat, int slot) {
    g.cardsOnTable = 0;
    g.PlayStep(seat, seat.hand[slot]);
}

}  // namespace

TEST(AnnounceMeld, AMarriageIsWorthTwentyOrFortyInTrumpsAndOnlyInASuitGame) {
    struct Row {
        const char* name;
        uint8_t contract;
        const char* hand;  // slot 1 is played
        int points;
    };
    const Row rows[] = {
        {"svršek played, král held, trumps", Barva, "1_12 1_13 0_7", 40},
        {"král played, svršek held", Barva, "2_13 0_7 2_12", 20},
        {"král without the svršek", Barva, "2_13 2_11 2_14", 0},
        {"svršek of one suit, král of another", Barva, "0_12 2_13", 0},
        {"betl", Betl, "1_12 1_13", 0},
        {"durch", Durch, "1_13 1_12", 0},
        // Only cards still held in slots 1..10 count.
        {"partner card in a talon slot", Barva,
         "2_12 0_7 0_8 0_9 0_10 0_11 0_12 0_13 0_14 3_7 2_13", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestTable t;
        THra& g = *t.game;
        SetUpGame(t, row.contract, 1);
        THrac& s = t.seat(3);
        GiveHandCodes(s, row.hand);
        Lead(g, s, 1);
        EXPECT_EQ(s.points, row.points);
        EXPECT_EQ(s.meldSum, row.points);
        const bool announced = row.points > 0;
        EXPECT_EQ(t.view.meldPictures, announced ? 1 : 0);
        EXPECT_EQ(t.sound.played, announced ? std::vector<std::string>{"wavs\\karta.wav (no wait)"}
                                            : std::vector<std::string>{});
    }
}

TEST(AnnounceMeld, ThePairIsAnnouncedOnceWhicheverCardComesFirst) {
    TestTable t;
    THra& g = *t.game;
    SetUpGame(t, Barva, 0);
    THrac& s = t.seat(3);
    GiveHandCodes(s, "3_12 0_7 3_13 2_13 2_12");
    Lead(g, s, 1);  // the Kule svršek while holding the král
    Lead(g, s, 3);  // the Kule král: the svršek is gone, nothing more
    EXPECT_EQ(s.points, 20);
    Lead(g, s, 4);  // the Žaludy král with its svršek still held
    EXPECT_EQ(s.points, 40);
    EXPECT_EQ(s.meldSum, 40);
    EXPECT_EQ(s.meldShown, 2);
    // Seat 3's pictures start at (table width - 320, 130) and step 10 to the left.
    ASSERT_EQ(t.view.meldShown.size(), 2u);
    EXPECT_EQ(t.view.meldShown[0].seatNo, 3);
    EXPECT_TRUE(SameCard(t.view.meldShown[0].card, C(3, 12)));
    EXPECT_EQ(std::make_pair(t.view.meldShown[0].x, t.view.meldShown[0].y),
              std::make_pair(321, 130));
    EXPECT_EQ(std::make_pair(t.view.meldShown[1].x, t.view.meldShown[1].y),
              std::make_pair(311, 130));
    EXPECT_EQ(s.meldX, 301);
}

TEST(AnnounceMeld, EachSideKeepsTheValueOfItsFirstMarriage) {
    TestTable t;
    THra& g = *t.game;
    SetUpGame(t, Barva, 1);  // Listy trumps, seat 2 declares
    THrac& declarer = t.seat(2);
    THrac& defender3 = t.seat(3);
    THrac& defender1 = t.seat(1);
    GiveHandCodes(defender3, "0_12 0_13");
    GiveHandCodes(defender1, "2_12 2_13");
    GiveHandCodes(declarer, "1_13 1_12 3_12 3_13");

    Lead(g, defender3, 1);  // 20: the defenders' first marriage
    Lead(g, defender1, 1);  // 20: the partner announced first
    Lead(g, declarer, 1);   // 40: the declarer's first
    Lead(g, declarer, 3);   // 20
    EXPECT_EQ(defender3.firstMeld, 20);
    EXPECT_EQ(defender1.firstMeld, 0);
    EXPECT_EQ(defender1.meldSum, 20);
    EXPECT_EQ(declarer.firstMeld, 40);
    EXPECT_EQ(declarer.meldSum, 60);
    EXPECT_EQ(declarer.points, 60);
}

TEST(HundredPoints, TheStovkaOptionChoosesWhichMarriagesCount) {
    struct Row {
        uint8_t stovka;
        int declarerCount, defendersCount;
        std::vector<std::string> log;
    };
    const Row rows[] = {
        {StovkaFirstOnly, 80, 40, {"s první hláškou: 80", "s první hláškou: 40"}},
        {StovkaAll, 120, 80, {}},
        {StovkaFirstRestAdded, 80, 40, {"s první hláškou: 80", "s první hláškou: 40"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.stovka));
        TestTable t;
        THra& g = *t.game;
        t.rules.rules.stovka = row.stovka;
        SetUpGame(t, Barva, 0);
        // The declarer: 60 card points and marriages of 20 (first) and 40.
        THrac& d = t.seat(2);
        d.points = 120, d.meldSum = 60, d.firstMeld = 20;
        // The defenders: seat 3 with marriages of 20 (first) and 20, seat 1 with one of 20.
        t.seat(3).points = 50, t.seat(3).meldSum = 40, t.seat(3).firstMeld = 20;
        t.seat(1).points = 30, t.seat(1).meldSum = 20, t.seat(1).firstMeld = 0;

        EXPECT_EQ(g.HundredPointsDeclarer(), row.declarerCount);
        EXPECT_EQ(g.HundredPointsDefenders(), row.defendersCount);
        EXPECT_EQ(t.view.log, row.log);
        if (row.log.empty()) {
            EXPECT_TRUE(t.result.lines.empty());
        } else {
            EXPECT_EQ(t.result.lines,
                      (std::vector<std::string>{"s První hláškou               80.00",
                                                "s První hláškou               40.00"}));
        }
    }
}
