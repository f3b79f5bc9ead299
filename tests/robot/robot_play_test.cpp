// The computer player's card in the suit game: the lead rules and the follow with its cases P
// and Q.
#include <gtest/gtest.h>

#include "robot_fixture.h"

TEST(RobotSuitLead, RulesInOrder) {
    struct Row {
        const char* what;
        int declarer;
        const char* hand;
        const char* seen;
        int ledSuit0;      // ledCount of suit 0 before the lead
        int declarerVoid;  // a suit the declarer has shown void in, or -1
        int tricksPlayed;
        const char* expect;
    } rows[] = {
        {"1: ace of an unled suit with the ten", 1, "0_7 0_10 0_14 1_7 1_9 2_8 3_8 3_9 3_11", "", 0,
         -1, 0, "0_14"},
        {"1: the higher suit decides", 1, "0_10 0_14 1_10 1_14 2_7 2_8 3_8 3_9 3_11", "", 0, -1, 0,
         "1_14"},
        {"3: led once, three cards with the ace", 1, "0_7 0_10 0_14 1_7 1_9 2_8 3_8 3_9", "", 1, -1,
         0, "0_14"},
        {"6: led once, two cards", 1, "0_10 0_14 1_7 1_9 2_8 2_9 3_8 3_9", "", 1, -1, 0, "1_7"},
        {"2: the ten after its ace", 1, "0_10 0_9 1_8 1_11 2_8 2_12 3_8 3_9", "0_14", 1, -1, 0,
         "0_10"},
        {"4: the declarer is void", 1, "0_10 0_9 1_7 1_11 2_8 2_12 3_8 3_9", "0_14", 1, 0, 0,
         "1_7"},
        {"5: trumps last set the choice back", 3, "0_8 0_13 1_7 1_12 2_9 2_11 3_8 3_9 3_11", "", 0,
         -1, 0, "1_7"},
        {"5: holding the trump ten", 3, "0_8 0_13 1_7 1_12 2_9 2_11 3_10 3_9 3_11", "", 0, -1, 0,
         "2_11"},
        {"8.1: not the seven", 1, "3_7 3_8 3_11 3_13", "", 0, -1, 0, "3_8"},
        {"8.2: the ace of trumps", 1, "3_7 3_8 3_14 3_13", "", 0, -1, 0, "3_14"},
        {"8.3: the seven before the last two tricks", 1, "3_7 3_9", "3_8 3_10", 0, -1, 8, "3_7"},
        {"8.3: not with seven trumps out", 1, "3_7 3_9", "3_8 3_10 3_11 3_12 3_13", 0, -1, 8,
         "3_9"},
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        THra& g = t.g();
        t.Contract(Barva, 3, row.declarer);
        t.Hand(2, row.hand);
        t.Seen(row.seen);
        g.ledCount[0] = uint8_t(row.ledSuit0);
        if (row.declarerVoid >= 0) g.declarer->mayHoldSuit[row.declarerVoid] = false;
        g.tricksPlayed = uint8_t(row.tricksPlayed);
        const int ledBefore = g.ledCount[0] + g.ledCount[1] + g.ledCount[2] + g.ledCount[3];
        EXPECT_EQ(t.Play(2), row.expect) << row.what;
        EXPECT_EQ(g.ledCount[0] + g.ledCount[1] + g.ledCount[2] + g.ledCount[3], ledBefore + 1);
        EXPECT_EQ(g.trickLeader, &t.seat(2));
        EXPECT_EQ(g.cardsOnTable, 1);
    }
}

// Seats: 1 and 3 scripted, the robot in 2. Seat 1 leading makes the robot second; seat 3
// leading (then seat 1) makes it third.
TEST(RobotSuitFollow, CasePWhenTheDeclarerHoldsTheTrick) {
    struct Row {
        const char* what;
        const char* hand;
        const char* seen;
        const char* led;
        int ledBefore;
        const char* expect;
    } rows[] = {
        {"P1: take with the ten", "0_8 0_10 0_12 0_14 1_7", "", "0_9", 0, "0_10"},
        {"P1: the suit led twice: the ace", "0_8 0_12 0_14 1_7", "", "0_9", 1, "0_14"},
        {"P1: led once: the lowest beater", "0_8 0_12 0_14 1_7", "", "0_9", 0, "0_12"},
        {"P2: the ten of trumps", "3_7 3_10 1_7 1_8", "", "0_9", 0, "3_10"},
        {"P2: not once the trump ace is out", "3_7 3_10 1_7 1_8", "3_14", "0_9", 0, "3_7"},
        {"P2: seven kept with three trumps", "3_7 3_9 3_11 1_7", "", "0_9", 0, "3_9"},
        {"P2: seven kept with all trumps known", "3_7 3_9 1_7", "3_8 3_10 3_11 3_12 3_13 3_14",
         "0_9", 0, "3_9"},
        {"P2: the seven when trumps are short", "3_7 3_9 1_7", "3_8 3_10 3_11 3_12 3_13", "0_9", 0,
         "3_7"},
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        THra& g = t.g();
        t.Contract(Barva, 3, 1);
        t.Hand(1, "0_9 0_14 2_7");
        t.Hand(2, row.hand);
        t.Seen(row.seen);
        g.ledCount[0] = uint8_t(row.ledBefore);
        t.Lay(1, row.led);
        EXPECT_EQ(t.Play(2), row.expect) << row.what;
        EXPECT_EQ(g.trickWinner, &t.seat(2)) << row.what;  // every card here beats the 0_9
        EXPECT_EQ(g.declarerPlayed, false);
    }
}

TEST(RobotSuitFollow, SecondBehindTheDeclarerGivesPointsWhenThePartnerMayWin) {
    struct Row {
        bool partnerVoidInLed, partnerVoidInTrumps;
        const char* seen;
        const char* expect;
    } rows[] = {
        {true, false, "", "0_10"},  // the partner may trump
        {true, true, "", "0_7"},    // the partner can do nothing
        {false, false, "", "0_7"},  // nothing of the suit can beat the ace
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        t.Contract(Barva, 3, 1);
        t.Hand(1, "0_14 2_7");
        t.Hand(2, "0_10 0_7 1_7 2_8");
        t.Seen(row.seen);
        t.seat(3).mayHoldSuit[0] = !row.partnerVoidInLed;
        t.seat(3).mayHoldSuit[3] = !row.partnerVoidInTrumps;
        t.Lay(1, "0_14");
        EXPECT_EQ(t.Play(2), row.expect);
        EXPECT_EQ(t.g().trickWinner, &t.seat(1));
    }
}

TEST(RobotSuitFollow, ThirdPlayer) {
    // The robot declarer plays last: case P although a defender holds the trick.
    {
        RobotTable t({2});
        t.Contract(Barva, 3, 2);
        t.Hand(3, "0_9 1_7");
        t.Hand(1, "0_12 1_8");
        t.Hand(2, "0_13 0_10 0_7");
        t.Lay(3, "0_9");
        t.Lay(1, "0_12");
        EXPECT_EQ(t.Play(2), "0_10");
        EXPECT_TRUE(t.g().declarerPlayed);
    }
    // Case Q: the partner's ace holds the trick; a ten follows once the declarer has played.
    for (bool declarerPlayed : {false, true}) {
        RobotTable t({2});
        t.Contract(Barva, 3, 1);
        t.Hand(3, "0_14 1_7");
        t.Hand(1, "0_8 1_8");
        t.Hand(2, "0_10 0_7 1_9");
        t.Lay(3, "0_14");
        t.Lay(1, "0_8");
        t.g().declarerPlayed = declarerPlayed;
        EXPECT_EQ(t.Play(2), declarerPlayed ? "0_10" : "0_7");
    }
    // The declarer trumped the led suit: any card of the suit will do, the lowest goes.
    {
        RobotTable t({2});
        t.Contract(Barva, 3, 1);
        t.Hand(3, "0_9 1_7");
        t.Hand(1, "3_8 1_8");
        t.Hand(2, "0_7 0_10 0_14 1_9");
        t.Lay(3, "0_9");
        t.Lay(1, "3_8");
        EXPECT_EQ(t.Play(2), "0_7");
        EXPECT_EQ(t.g().trickWinner, &t.seat(1));
    }
    // Trumps led and a weaker trump second: the led trump is still the card to beat.
    {
        RobotTable t({3});
        t.Contract(Barva, 3, 1);
        t.Hand(1, "3_11 1_7");
        t.Hand(2, "3_8 1_8");
        t.Hand(3, "3_7 3_14 0_7");
        t.Lay(1, "3_11");
        t.Lay(2, "3_8");
        EXPECT_EQ(t.Play(3), "3_14");
        EXPECT_EQ(t.g().trickWinner, &t.seat(3));
    }
}

TEST(RobotSuitFollow, VoidInTheLedSuitAndInTrumpsDiscards) {
    RobotTable t({2});
    t.Contract(Barva, 3, 1);
    t.Hand(1, "0_9 1_7");
    t.Hand(2, "1_10 2_14 1_8 2_12");
    t.seat(3).mayHoldSuit[0] = t.seat(3).mayHoldSuit[3] = false;
    t.Lay(1, "0_9");
    EXPECT_EQ(t.Play(2), "1_8");
    EXPECT_EQ(t.robot(2).playedCard.strength, 0);
    EXPECT_FALSE(t.robot(2).mayHoldSuit[0]);
    EXPECT_FALSE(t.robot(2).mayHoldSuit[3]);
    EXPECT_EQ(t.g().trickWinner, &t.seat(1));
}
