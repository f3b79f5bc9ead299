// The computer forehand names trumps and lays its suit-game talon.
#include <gtest/gtest.h>

#include "robot_fixture.h"

TEST(RobotChooseTrump, MostCardsAmongTheFirstSevenLowerSuitOnATie) {
    struct Row {
        const char* twelve;
        const char* trumpCard;
    } rows[] = {
        // Three of suit 0 and three of suit 1 among the first seven; 0_7 comes later.
        {"0_9 0_12 0_14 1_8 1_11 1_13 2_7 0_7 2_8 2_9 3_7 3_8", "0_9"},
        {"0_9 0_12 1_8 2_8 2_11 2_13 3_10 2_7 0_7 1_7 3_7 3_8", "2_8"},
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        t.rules.rules.bezfleku = false;
        THra& g = t.g();
        g.forehand = g.declarer = &t.seat(2);
        t.Hand(2, row.twelve);
        t.robot(2).ChooseTrump();
        EXPECT_EQ(CardCode(g.trumpCard), row.trumpCard) << row.twelve;
        EXPECT_EQ(g.state, Playing);
        EXPECT_EQ(t.robot(2).cardCount, 10);
        EXPECT_EQ(
            t.robot(2).hand[1].strength,
            CardStrength(t.robot(2).hand[1].suit, t.robot(2).hand[1].rank, Barva, g.TrumpSuit()));
        // The talon's own doubling answer is logged before the game is announced.
        ASSERT_GE(t.view.log.size(), 2u);
        EXPECT_EQ(t.view.log[0], "Lumir: Mlčím");
        EXPECT_EQ(t.view.log[1], "Lumir: Barva");
    }
}

TEST(RobotSuitTalon, LaysShortSideSuitsThenLongOnesThenLowTrumps) {
    struct Row {
        const char* twelve;
        const char* first;   // laid first: the talon's second entry
        const char* second;  // the talon's first entry
        const char* kept;
    } rows[] = {
        // A doubleton with the ace: the other card goes, the ace stays bare.
        {"3_7 3_8 3_9 3_10 3_14 0_14 0_9 1_7 1_8 1_9 2_10 2_14", "0_9", "1_7", "0_14"},
        // Doubletons ten-nine and svršek-král stay; step 4 thins the four-card suit.
        {"3_7 3_8 3_9 3_10 0_10 0_9 1_12 1_13 2_7 2_8 2_9 2_14", "2_7", "2_8", "0_9"},
        // Nothing else to lay: only step 5 takes the nine and the svršek, in slot order.
        {"3_7 3_8 3_9 3_10 3_14 3_11 0_10 0_9 1_12 1_13 2_14 2_10", "0_9", "1_12", "1_13"},
        // A singleton ten stays; a singleton eight goes before a card of a longer suit.
        {"2_7 2_9 2_11 2_13 3_7 3_8 3_9 3_11 3_12 3_14 0_10 1_8", "1_8", "2_7", "0_10"},
        {"0_14 1_10 2_7 2_8 2_9 2_11 3_7 3_8 3_9 3_11 3_12 3_13", "2_7", "2_8", "1_10"},
        // Only trumps, tens and aces: low trumps go, never the seven, ten or ace of trumps.
        {"3_7 0_14 1_14 2_14 3_14 0_10 1_10 2_10 3_10 3_13 3_12 3_11", "3_13", "3_12", "3_7"},
    };
    for (const Row& row : rows) {
        RobotTable t;
        t.Contract(Barva, 3, 2);
        t.Hand(2, row.twelve);
        TRobot& r = t.robot(2);
        r.LayTalon();
        EXPECT_EQ(CardCode(t.g().talon[1]), row.first) << row.twelve;
        EXPECT_EQ(CardCode(t.g().talon[0]), row.second) << row.twelve;
        const Card kept = K(row.kept);
        EXPECT_NE(r.FindCard(kept.suit, kept.rank), 0) << row.twelve;
        EXPECT_EQ(r.cardCount, 10);
        EXPECT_EQ(t.g().cards.pileCount, 2);
        EXPECT_EQ(t.watch.talons, 1);
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(r.hand[i].state, inHand);
        EXPECT_EQ(r.hand[11].rank, 0);
        EXPECT_EQ(r.hand[12].rank, 0);
    }
}
