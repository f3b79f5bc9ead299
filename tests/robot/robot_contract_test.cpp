// The computer player's judgement of a hand: scores, answers to an announced game with the
// take-over, the seven and hundred of a forehand, and doubling answers.
#include <gtest/gtest.h>

#include "robot_fixture.h"

TEST(RobotScores, BetlAndDurchScoresAndMarks) {
    RobotTable t;
    TRobot& r = t.robot(2);
    t.Contract(Barva, 3, 1);
    t.Hand(2, "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8");  // runs from the seven
    EXPECT_EQ(r.BetlScore(), -10);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(r.slotMarks[i], 0) << i;
    EXPECT_EQ(r.DurchScore(), 94);
    EXPECT_EQ(r.slotMarks[1], 5);  // 0_7 lies below five missing ranks

    t.Hand(2, "0_7 0_8 0_13 1_7 1_9 1_10 2_7 2_8 3_7 3_8");
    EXPECT_EQ(r.BetlScore(), 10);
    EXPECT_EQ(r.slotMarks[3], 4);  // 0_13 above the missing 9, 10, spodek, svršek
    EXPECT_EQ(r.slotMarks[5], 1);
    EXPECT_EQ(r.slotMarks[6], 1);  // below is never reset within a suit
}

TEST(RobotScores, HandStrengthCountsMarriagesAcesTensAndTrumps) {
    RobotTable t;
    t.Contract(Barva, 3, 1);
    // Each side suit holds one of svršek and král (0); no trump pair (-20); one trump (+5).
    t.Hand(2, "0_12 1_13 2_12 3_8 0_7 1_7 2_7 0_8 1_8 2_8");
    EXPECT_EQ(t.robot(2).HandStrength(), -15);
    // Trump pair 40 + 10, side pair 20, trump ace 15, side ten 8, no svršek or král in
    // suit 2 (-5).
    t.Hand(2, "3_12 3_13 0_12 0_13 3_14 1_10 1_12 2_7 2_8 1_7");
    EXPECT_EQ(t.robot(2).HandStrength(), 88);
    // A card of slots 1..10 counts even once played (the trump ace here), a marriage only
    // while both are held.
    t.robot(2).SetCardState(5, played);
    EXPECT_EQ(t.robot(2).HandStrength(), 88);
    t.robot(2).SetCardState(1, played);
    EXPECT_EQ(t.robot(2).HandStrength(), 48);
    t.g().contractKind = Betl;
    EXPECT_EQ(t.robot(2).HandStrength(), 0);
}

TEST(RobotAnswerGame, DecisionsByAnnouncedKind) {
    struct Row {
        uint8_t kind;
        const char* hand;
        bool accepts;
        uint8_t kindAfter;
    } rows[] = {
        {Barva, "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8", false, Betl},             // B -10 < D
        {Barva, "0_7 0_8 0_9 0_10 0_11 0_12 0_13 0_14 1_7 1_14", true, Barva},       // B = D = 11
        {Barva, "0_14 0_13 0_12 1_14 1_13 1_12 2_14 2_13 3_14 3_13", false, Durch},  // D -10
        {Barva, "0_14 0_12 0_11 1_14 1_13 1_12 2_14 2_12 3_14 3_12", true, Barva},   // D 8
        {Betl, "0_14 0_12 0_11 1_14 1_13 1_12 2_14 2_12 3_14 3_12", false, Durch},   // D 8
        {Betl, "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8", true, Betl},  // no betl score asked
        {Durch, "0_14 0_13 0_12 1_14 1_13 1_12 2_14 2_13 3_14 3_13", true, Durch},
    };
    for (const Row& row : rows) {
        RobotTable t;
        t.Contract(row.kind, 3, 1);
        t.g().talon[0] = K("2_9");
        t.g().talon[1] = K("3_9");
        t.Hand(2, row.hand);
        EXPECT_EQ(t.robot(2).AnswerGame(), row.accepts) << row.hand;
        EXPECT_EQ(t.g().contractKind, row.kindAfter) << row.hand;
        EXPECT_EQ(t.g().declarer, row.accepts ? &t.seat(1) : &t.seat(2)) << row.hand;
        if (row.accepts) {
            EXPECT_EQ(t.LastLog(), "Lumir: Dobré");
            EXPECT_EQ(t.LastCall(), "dobre");
        }
    }
}

TEST(RobotAnswerGame, SevenAndHundredDeclaredIsAcceptedSilently) {
    RobotTable t;
    t.Contract(Barva, 3, 1);
    t.g().sevenDeclared = t.g().hundredDeclared = true;
    t.Hand(2, "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8");
    EXPECT_TRUE(t.robot(2).AnswerGame());
    EXPECT_TRUE(t.view.log.empty());
    EXPECT_TRUE(t.sound.calls.empty());
}

TEST(RobotAnswerGame, TakingOverABetl) {
    RobotTable t;
    THra& g = t.g();
    t.Contract(Barva, 3, 1);
    g.talon[0] = Card{2, kAce, 16};
    g.talon[1] = Card{3, 9, 29};  // carries its suit-game trump strength
    g.cards.AddToPile(g.talon[1]);
    g.cards.AddToPile(g.talon[0]);
    t.Hand(2, "0_7 0_8 0_13 1_7 1_9 1_10 2_7 2_8 3_7 3_8");
    TRobot& r = t.robot(2);

    EXPECT_FALSE(r.AnswerGame());
    EXPECT_EQ(g.contractKind, Betl);
    EXPECT_EQ(g.declarer, &r);
    EXPECT_EQ(g.onTurn, &r);
    EXPECT_EQ(r.cardCount, 10);
    // The talon pick keeps the 3_9 although its mark is higher: in betl a higher rank wins.
    EXPECT_EQ(CardCode(g.talon[0]), "0_13");
    EXPECT_EQ(CardCode(g.talon[1]), "2_14");
    EXPECT_EQ(g.cards.pileCount, 2);
    EXPECT_EQ(CardCode(g.cards.pile[1]), "0_13");
    EXPECT_EQ(CardCode(g.cards.pile[2]), "2_14");
    EXPECT_EQ(t.view.picturesCreated, 2);
    EXPECT_EQ(t.view.picturesDestroyed, 1);  // 2_14; the scripted hand has no pictures
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(r.hand[i].state, inHand);
        EXPECT_EQ(r.hand[i].strength, r.hand[i].rank) << "betl strengths";
    }
    EXPECT_EQ(r.hand[11].state, played);
    EXPECT_NE(r.FindCard(3, 9), 0);
    EXPECT_EQ(CardCode(r.betlLead), "1_9");
    EXPECT_EQ(t.LastLog(), "Lumir: Betl");
    EXPECT_EQ(t.LastCall(), "barva");
    EXPECT_EQ(t.watch.talons, 1);
}

TEST(RobotAnswerGame, TakingOverADurchLaysLowRanksAway) {
    RobotTable t;
    THra& g = t.g();
    t.Contract(Betl, 3, 1);
    g.talon[0] = K("0_7");
    g.talon[1] = K("2_13");
    t.Hand(3, "0_14 0_12 0_11 1_14 1_13 1_12 2_14 2_12 3_14 3_12");
    EXPECT_FALSE(t.robot(3).AnswerGame());
    EXPECT_EQ(g.contractKind, Durch);
    // 2_13 has the higher mark, but in durch only a lower rank takes the pick over.
    EXPECT_EQ(CardCode(g.talon[0]), "0_12");
    EXPECT_EQ(CardCode(g.talon[1]), "0_7");
    EXPECT_NE(t.robot(3).FindCard(2, 13), 0);
    EXPECT_EQ(t.LastLog(), "Bohous: Durch");
    EXPECT_EQ(t.LastCall(), "durch");
}

// The forehand's talon decides the seven on its twelve cards and the hundred on the ten kept.
TEST(RobotSevenAndHundred, DecidedAfterTheTalon) {
    struct Row {
        const char* twelve;
        bool seven, hundred;
        const char* call;
        const char *talon0, *talon1;
    } rows[] = {
        // Trump pair kept, four trumps: a hundred (strength 55, where the twelve cards before
        // the talon is laid would give -5) but no seven.
        {"3_7 3_12 3_13 3_14 0_7 0_8 1_7 1_8 2_7 2_8 0_9 1_9", false, true, "Lumir: flek", "2_8",
         "2_7"},
        // Five trumps with the seven: a seven; strength 10.
        {"3_7 3_8 3_9 3_11 3_12 0_7 0_8 0_9 1_7 1_8 2_7 2_8", true, false, "Lumir: Mlčím", "1_8",
         "1_7"},
        // Five trumps without the seven.
        {"3_8 3_9 3_10 3_11 3_12 0_7 0_8 0_9 1_7 1_8 2_7 2_8", false, false, "Lumir: Mlčím", "1_8",
         "1_7"},
    };
    for (const Row& row : rows) {
        RobotTable t;
        t.Contract(Barva, 3, 2);
        t.Hand(2, row.twelve);
        t.robot(2).LayTalon();
        EXPECT_EQ(t.g().sevenDeclared, row.seven) << row.twelve;
        EXPECT_EQ(t.g().hundredDeclared, row.hundred) << row.twelve;
        EXPECT_EQ(t.LastLog(), row.call);
        EXPECT_EQ(CardCode(t.g().talon[0]), row.talon0);
        EXPECT_EQ(CardCode(t.g().talon[1]), row.talon1);
        EXPECT_EQ(t.robot(2).cardCount, 10);
    }
}

TEST(RobotAnswerFlek, ThresholdsByLevel) {
    RobotTable t;
    THra& g = t.g();
    t.Contract(Barva, 3, 1);
    TRobot& r = t.robot(2);
    t.Hand(2, "0_12 1_12 2_12 3_12 0_14 0_10 1_10 0_7 1_7 2_7");
    ASSERT_EQ(r.HandStrength(), 31);
    g.flekCount = 0;
    EXPECT_EQ(r.AnswerFlek(FlekGame), FlekGame);
    EXPECT_EQ(t.LastLog(), "Lumir: flek");
    EXPECT_EQ(t.LastCall(), "flek");
    EXPECT_EQ(g.handStrength, 31);
    g.flekCount = 1;
    EXPECT_EQ(r.AnswerFlek(FlekGame), 0);
    EXPECT_EQ(t.LastLog(), "Lumir: Mlčím");
    EXPECT_EQ(t.LastCall(), "Mlcim");

    t.Hand(2, "3_12 3_13 3_10 0_14 1_14 0_10 0_12 1_12 2_12 2_7");
    ASSERT_EQ(r.HandStrength(), 91);
    for (int level = 0; level < 10; ++level) {
        g.flekCount = uint8_t(level);
        EXPECT_EQ(r.AnswerFlek(FlekGame), FlekGame) << level;
        EXPECT_EQ(t.LastLog(), "Lumir: " + std::string(FlekName(level + 1)));
        EXPECT_EQ(t.LastCall(), FlekCallWord(level + 1));
    }
    EXPECT_EQ(t.LastLog(), "Lumir: choť");
    g.flekCount = 10;
    g.handStrength = -1;
    const size_t lines = t.view.log.size();
    EXPECT_EQ(r.AnswerFlek(FlekGame), 0);
    EXPECT_EQ(t.view.log.size(), lines);
    EXPECT_EQ(g.handStrength, -1);
}

TEST(RobotAnswerFlek, SevenDoubledOnlyByADefenderHoldingIt) {
    RobotTable t;
    THra& g = t.g();
    t.Contract(Barva, 3, 1);
    TRobot& r = t.robot(2);
    t.Hand(2, "3_12 3_13 3_10 0_14 1_14 0_10 0_12 1_12 2_12 3_7");
    EXPECT_EQ(r.AnswerFlek(FlekGame | FlekSeven), FlekGame | FlekSeven);
    ASSERT_GE(t.view.log.size(), 2u);
    EXPECT_EQ(t.view.log[t.view.log.size() - 2], "Lumir: Flek na sedmu");
    EXPECT_EQ(t.LastLog(), "Lumir: flek");
    EXPECT_EQ(r.AnswerFlek(FlekGame), FlekGame);  // the seven not offered

    g.declarer = &r;
    EXPECT_EQ(r.AnswerFlek(FlekGame | FlekSeven), FlekGame);

    // In betl the hand strength is 0, but a declared seven may still be doubled.
    t.Contract(Betl, 3, 1);
    EXPECT_EQ(r.AnswerFlek(FlekGame | FlekSeven), FlekSeven);
    EXPECT_EQ(t.LastLog(), "Lumir: Mlčím");
}
