// The changes of the deal that seats ask for: what each one does, and that a request the deal
// does not allow is refused without changing anything.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

// Seat 2 has announced a suit game in Kule and laid 2_7 and 3_8 away; seats 1 and 3 hold ten.
struct AnnouncedTable : TestTable {
    AnnouncedTable() {
        THra& g = *game;
        g.contractKind = Barva;
        g.trumpCard = C(3, 9);
        GiveHandCodes(seat(1), "0_7 0_8 0_9 0_10 0_11 0_12 0_13 0_14 1_7 1_8");
        GiveHandCodes(seat(2), "1_9 1_10 1_11 1_12 1_13 1_14 2_8 2_9 2_10 2_11");
        GiveHandCodes(seat(3), "2_12 2_13 2_14 3_7 3_9 3_10 3_11 3_12 3_13 3_14");
        g.talon[0] = C(2, 7);
        g.talon[1] = C(3, 8);
        g.cards.ClearPile();
        g.cards.AddToPile(C(2, 7));
        g.cards.AddToPile(C(3, 8));
        g.forehand = g.declarer = g.onTurn = g.Seat(2);
    }
};

}  // namespace

TEST(TakeOver, RefusedWhereTheRulesForbidIt) {
    struct Row {
        const char* name;
        uint8_t announced;
        int taker;
        uint8_t kind;
        bool sevenAndHundred;
    } rows[] = {
        {"the same kind", Betl, 3, Betl, false},
        {"above durch", Betl, 3, 3, false},
        {"the declarer itself", Barva, 2, Betl, false},
        {"a suit game with seven and hundred", Barva, 3, Durch, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AnnouncedTable t;
        THra& g = *t.game;
        g.contractKind = row.announced;
        g.sevenDeclared = g.hundredDeclared = row.sevenAndHundred;
        EXPECT_FALSE(g.TakeOver(t.seat(row.taker), row.kind));
        EXPECT_EQ(g.contractKind, row.announced);
        EXPECT_EQ(g.declarer, g.Seat(2));
        EXPECT_EQ(g.cards.pileCount, 2);
        EXPECT_EQ(t.seat(row.taker).cardCount, 10);
    }
}

TEST(TakeOver, TheTakerTakesUpTheTalonInTheNewContractAndLaysItsOwn) {
    AnnouncedTable t;
    THra& g = *t.game;
    ScriptedSeat& taker = t.seat(3);
    ASSERT_TRUE(g.TakeOver(taker, Betl));
    EXPECT_EQ(g.declarer, &taker);
    EXPECT_EQ(g.onTurn, &taker);
    EXPECT_EQ(g.cards.pileCount, 0);
    EXPECT_EQ(taker.cardCount, 12);
    EXPECT_TRUE(SameCard(taker.hand[11].triple(), C(2, 7)));
    EXPECT_EQ(taker.hand[12].strength, 8);       // 3_8 in betl
    EXPECT_EQ(g.Seat(1)->hand[8].strength, 14);  // every hand: the ace no longer 16

    // A slot twice, an empty slot, eleven cards or a lower contract is refused.
    EXPECT_FALSE(g.LayAwayTalon(taker, 4, 4, Betl));
    const TKarta fifth = taker.hand[5];
    taker.PutCard(5, TKarta{});
    EXPECT_FALSE(g.LayAwayTalon(taker, 5, 12, Betl));
    EXPECT_FALSE(g.LayAwayTalon(taker, 4, 12, Betl));
    taker.PutCard(5, fifth);
    EXPECT_FALSE(g.LayAwayTalon(taker, 4, 12, Barva));
    EXPECT_EQ(taker.cardCount, 12);

    // Talon card 1 is the slot named first; the pile takes both in slot order; the other ten
    // close up.
    ASSERT_TRUE(g.LayAwayTalon(taker, 12, 4, Betl));
    EXPECT_EQ(CardCode(g.talon[0]), "3_8");
    EXPECT_EQ(CardCode(g.cards.pile[1]), "3_7");
    EXPECT_EQ(taker.cardCount, 10);
    EXPECT_EQ(CardCode(taker.hand[10].triple()), "2_7");
    EXPECT_EQ(taker.hand[10].state, inHand);
    EXPECT_FALSE(g.talonPending);
}

// A hand dealt from a pack of 32 different cards is counted without a look at each card; once a
// slot is written otherwise (here a talon card made a twin of a kept one), laying the talon away
// counts the ten kept afresh.
TEST(LayAwayTalon, AHandDealtFromAWholePackIsCountedUntilASlotIsWrittenOtherwise) {
    for (bool twin : {false, true}) {
        SCOPED_TRACE(twin ? "a twin in the talon slots" : "as dealt");
        TestTable t;
        THra& g = *t.game;
        t.rules.rules.michani = NoShuffle;
        t.rules.rules.rozdani = AlwaysFull;
        g.cards.pile = OrderedPack();
        g.forehand = g.Seat(1);
        g.NewGame();
        for (int no = 1; no <= 3; ++no) EXPECT_TRUE(g.Seat(no)->HandCacheAgrees()) << no;
        ScriptedSeat& d = t.seat(2);
        const Card first = d.hand[1].triple();
        if (twin) {
            TKarta k = d.hand[11];
            k.SetTriple(first);
            d.PutCard(11, k);
        }
        ASSERT_TRUE(g.LayAwayTalon(d, 12, 2, Barva));
        EXPECT_TRUE(d.HandCacheAgrees());
        EXPECT_EQ(d.FindCard(first.suit, first.rank), 1);
        EXPECT_EQ(CountCards(d.HeldCards()), twin ? 9 : 10);
    }
}

TEST(TakeOver, TheHumanSeesTheTalonAndHisHandFaceUpAndLeadsAfterTheAnnouncements) {
    AnnouncedTable t;
    THra& g = *t.game;
    ScriptedSeat& human = t.seat(1);
    human.ActAsHuman();
    ASSERT_TRUE(g.TakeOver(human, Betl));
    EXPECT_EQ(t.view.facesShown, 2);
    EXPECT_FALSE(g.TalonDone(human));                  // the talon is not laid yet
    ASSERT_TRUE(g.LayAwayTalon(human, 11, 1, Durch));  // durch, chosen while laying it
    EXPECT_EQ(g.contractKind, Durch);
    EXPECT_EQ(t.view.facesShown, 12);
    ASSERT_TRUE(g.TalonDone(human));
    EXPECT_EQ(g.state, Playing);
    EXPECT_TRUE(g.humanMayPlay);
}

TEST(PlayFromHand, OnlyALegalCardOfTheSeatOnTurnOncePerTrick) {
    AnnouncedTable t;
    THra& g = *t.game;
    t.seat(1).ActAsHuman();
    g.StrengthPassAll();
    g.state = TrickComplete;
    EXPECT_FALSE(g.PlayFromHand(t.seat(2), 6));  // the trick timer runs
    g.state = Playing;
    ASSERT_TRUE(g.PlayFromHand(t.seat(2), 6));  // the declarer leads the Listy ace
    EXPECT_TRUE(g.declarerPlayed);
    g.declarerPlayed = false;
    g.onTurn = g.Seat(3);
    EXPECT_FALSE(g.PlayFromHand(t.seat(1), 1));  // not on turn
    EXPECT_FALSE(g.PlayFromHand(t.seat(3), 1));  // a discard while holding trumps
    EXPECT_FALSE(g.PlayFromHand(t.seat(3), 11));
    ASSERT_TRUE(g.PlayFromHand(t.seat(3), 4));  // the trump seven takes the lead
    EXPECT_EQ(g.trickWinner, g.Seat(3));
    EXPECT_FALSE(g.declarerPlayed);
    EXPECT_FALSE(g.PlayFromHand(t.seat(3), 5));  // one card a trick, though still on turn

    // The human plays only while his click is awaited.
    g.onTurn = g.Seat(1);
    g.state = Waiting;
    EXPECT_FALSE(g.PlayFromHand(t.seat(1), 9));
    g.humanMayPlay = true;
    ASSERT_TRUE(g.PlayFromHand(t.seat(1), 9));  // after a trump any Listy will do
    EXPECT_FALSE(g.humanMayPlay);
    EXPECT_EQ(g.state, Playing);
    EXPECT_EQ(g.cardsOnTable, 3);
}
