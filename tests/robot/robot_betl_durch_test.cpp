// The computer player's card in betl and durch.
#include <gtest/gtest.h>

#include "robot_fixture.h"

TEST(RobotBetlLead, RememberedLeadFirstThenTheRules) {
    RobotTable t({2});
    THra& g = t.g();
    t.Contract(Betl, 3, 2);
    t.Hand(2, "0_7 0_8 1_9 1_12 2_9 2_12");
    TRobot& r = t.robot(2);
    r.betlLead = Card{2, 12, 12};
    EXPECT_EQ(t.Play(2), "2_12");
    EXPECT_EQ(r.betlLead.strength, 0);
    EXPECT_EQ(g.ledCount[2], 1);

    // A remembered card no longer held is no lead: the rules choose (case B, rule 3).
    g.cardsOnTable = 0;
    r.betlLead = Card{3, 9, 9};
    EXPECT_EQ(t.Play(2), "0_7");
    EXPECT_EQ(r.betlLead.strength, 0);
}

TEST(RobotBetlLead, ForgottenAtANewDeal) {
    RobotTable t({2});
    t.robot(2).betlLead = Card{0, 9, 9};
    t.g().NewGame();  // seat 1, scripted, is the forehand
    EXPECT_EQ(t.robot(2).betlLead.strength, 0);
}

TEST(RobotBetlLead, CasesAAndB) {
    struct Row {
        const char* what;
        int declarer;
        const char* hand;
        int voidSeat, voidSuit;  // a seat that has shown a void, or 0
        const char* expect;
    } rows[] = {
        // The declarer (seat 1) is void in suit 0: both adjacent cards leave the list.
        {"B: declarer void", 1, "0_7 0_8 1_9 1_12 2_9 2_12", 1, 0, "1_9"},
        {"B: nothing left but the declarer's void suit", 1, "0_7 0_9 0_12", 1, 0, "0_7"},
        {"B.1: our next seat lacks the suit", 1, "0_9 0_11 1_7 1_8 2_7", 3, 0, "0_9"},
        {"B.2: a singleton", 1, "0_9 0_11 1_7 1_8 2_7", 0, 0, "2_7"},
        // The declarer (seat 3) plays right after the robot.
        {"A.1: the seat after the declarer lacks the suit", 3, "0_9 0_11 1_7 1_8 2_7", 1, 0, "0_9"},
        {"A.2: a singleton", 3, "0_9 0_11 1_7 1_8 2_7", 0, 0, "2_7"},
        {"A.5: the top of a short suit from the seven", 3, "0_7 0_12 1_8 1_10 1_13", 0, 0, "1_13"},
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        t.Contract(Betl, 3, row.declarer);
        t.Hand(2, row.hand);
        if (row.voidSeat) t.seat(row.voidSeat).mayHoldSuit[row.voidSuit] = false;
        EXPECT_EQ(t.Play(2), row.expect) << row.what;
    }
}

TEST(RobotDurchLead, FirstCardThatCannotBeBeaten) {
    struct Row {
        const char* hand;
        const char* seen;
        const char* expect;
    } rows[] = {
        {"1_7 0_14 1_13 0_13", "", "0_14"},
        {"0_13 0_14 1_7", "", "0_13"},  // the king with its ace in hand
        {"1_7 1_13 0_14", "1_14", "1_13"},
        {"0_7 1_8", "", "0_7"},  // nothing sure: the first card
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        t.Contract(Durch, 3, 2);
        t.Hand(2, row.hand);
        t.Seen(row.seen);
        EXPECT_EQ(t.Play(2), row.expect) << row.hand;
    }
}

TEST(RobotBetlDurchFollow, OvertakeWhenBoundOtherwiseByContract) {
    struct Row {
        uint8_t kind;
        const char* lead;  // seat 1 leads, the robot (2) follows second
        const char* hand;
        const char* expect;
    } rows[] = {
        {Betl, "0_9", "0_7 0_11 0_13", "0_11"},  // must overtake: the lowest that does
        {Betl, "0_13", "0_7 0_11", "0_7"},       // cannot: the lowest
        {Betl, "0_9", "1_7 2_12 1_14", "1_14"},  // void: the highest card goes
        {Durch, "0_9", "0_7 0_11 0_13", "0_11"}, {Durch, "0_13", "0_11 0_7", "0_7"},
        {Durch, "0_9", "1_8 2_7 1_14", "2_7"},
    };
    for (const Row& row : rows) {
        RobotTable t({2});
        t.Contract(row.kind, 3, 1);
        t.Hand(1, std::string(row.lead) + " 3_14");
        t.Hand(2, row.hand);
        t.Lay(1, row.lead);
        EXPECT_EQ(t.Play(2), row.expect) << row.hand;
    }
}

TEST(RobotBetlDurchFollow, ThirdPlayer) {
    // Betl: holding only cards below the card to beat, the highest of them.
    {
        RobotTable t({2});
        t.Contract(Betl, 3, 3);
        t.Hand(3, "0_12 1_7");
        t.Hand(1, "0_8 1_8");
        t.Hand(2, "0_7 0_9 0_11 1_14");
        t.Lay(3, "0_12");
        t.Lay(1, "0_8");
        EXPECT_EQ(t.Play(2), "0_11");
    }
    // Durch in the trump card's suit: a weaker second card leaves the led card to beat.
    {
        RobotTable t({3});
        t.Contract(Durch, 3, 1);
        t.Hand(1, "3_11 1_7");
        t.Hand(2, "3_8 1_8");
        t.Hand(3, "3_7 3_13 0_7");
        t.Lay(1, "3_11");
        t.Lay(2, "3_8");
        EXPECT_EQ(t.Play(3), "3_13");
    }
}
