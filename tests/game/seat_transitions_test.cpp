// The changes of the deal that seats ask for: what each one does, and that a request the deal
// does not allow is refused without changing anything.
#include <gtest/gtest.h>

#include <string>

#include "support/fakes.h"

namespace {

struct TalonCount : IGameObserver {
    int talons = 0;
    void TalonLaid(const THrac&) override { ++talons; }
};

// Seat 2 has announced a suit game in Kule and laid 2_7 and 3_8 away; seats 1 and 3 hold ten.
struct AnnouncedTable : RecordingPorts {
    TalonCount talons;
    std::unique_ptr<THra> game;

    AnnouncedTable() {
        game = std::make_unique<THra>(
            Ports(&talons), [](THra& g, int no) { return std::make_unique<ScriptedSeat>(g, no); });
        THra& g = *game;
        g.contractKind = Barva;
        g.trumpCard = C(3, 9);
        GiveHandCodes(*g.Seat(1), "0_7 0_8 0_9 0_10 0_11 0_12 0_13 0_14 1_7 1_8");
        GiveHandCodes(*g.Seat(2), "1_9 1_10 1_11 1_12 1_13 1_14 2_8 2_9 2_10 2_11");
        GiveHandCodes(*g.Seat(3), "2_12 2_13 2_14 3_7 3_9 3_10 3_11 3_12 3_13 3_14");
        g.talon[0] = C(2, 7);
        g.talon[1] = C(3, 8);
        g.cards.ClearPile();
        g.cards.AddToPile(C(2, 7));
        g.cards.AddToPile(C(3, 8));
        g.forehand = g.declarer = g.onTurn = g.Seat(2);
    }
    ScriptedSeat& seat(int no) { return static_cast<ScriptedSeat&>(*game->Seat(no)); }
};

std::string HandCodes(const THrac& s) {
    std::string text;
    for (int i = 1; i <= s.cardCount; ++i) text += CardCode(s.hand[i].triple()) + " ";
    return text;
}

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
        {"a lower kind", Durch, 3, Betl, false},
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
        EXPECT_FALSE(g.talonPending);
    }
}

TEST(TakeOver, TheTakerTakesUpTheTalonInTheNewContractAndLaysItsOwn) {
    AnnouncedTable t;
    THra& g = *t.game;
    ScriptedSeat& taker = t.seat(3);
    ASSERT_TRUE(g.TakeOver(taker, Betl));
    EXPECT_EQ(g.contractKind, Betl);
    EXPECT_EQ(g.declarer, &taker);
    EXPECT_EQ(g.onTurn, &taker);
    EXPECT_EQ(g.cards.pileCount, 0);
    EXPECT_TRUE(g.talonPending);
    EXPECT_EQ(taker.cardCount, 12);
    EXPECT_EQ(t.view.contractLabel, "Betl");
    // Slots 11 and 12 hold the talon, with betl strengths like every other hand.
    EXPECT_TRUE(SameCard(taker.hand[11].triple(), C(2, 7)));
    EXPECT_TRUE(SameCard(taker.hand[12].triple(), C(3, 8)));
    EXPECT_EQ(taker.hand[12].strength, 8);
    EXPECT_EQ(taker.hand[12].state, inHand);
    EXPECT_EQ(g.Seat(1)->hand[8].strength, 14);  // the ace, no longer 16
    EXPECT_EQ(t.view.facesShown, 0);             // a computer's cards stay face down

    // A talon with a slot twice, an empty slot or a lower contract is refused.
    EXPECT_FALSE(g.LayAwayTalon(taker, 4, 4, Betl));
    taker.hand[5] = TKarta{};
    EXPECT_FALSE(g.LayAwayTalon(taker, 5, 12, Betl));
    EXPECT_FALSE(g.LayAwayTalon(taker, 4, 12, Barva));
    EXPECT_FALSE(g.LayAwayTalon(*g.Seat(2), 4, 12, Betl));  // not the declarer
    EXPECT_EQ(taker.cardCount, 12);
    EXPECT_EQ(t.talons.talons, 0);

    // Talon card 1 is the slot named first; the pile takes both in slot order; the other ten
    // close up. The slot emptied above closes up too.
    taker.hand[5].SetTriple(C(3, 9));
    taker.hand[5].state = inHand;
    ASSERT_TRUE(g.LayAwayTalon(taker, 12, 4, Betl));
    EXPECT_EQ(CardCode(g.talon[0]), "3_8");
    EXPECT_EQ(CardCode(g.talon[1]), "3_7");
    EXPECT_EQ(g.cards.pileCount, 2);
    EXPECT_EQ(CardCode(g.cards.pile[1]), "3_7");
    EXPECT_EQ(CardCode(g.cards.pile[2]), "3_8");
    EXPECT_EQ(taker.cardCount, 10);
    EXPECT_EQ(HandCodes(taker), "2_12 2_13 2_14 3_9 3_10 3_11 3_12 3_13 3_14 2_7 ");
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(taker.hand[i].state, inHand);
    EXPECT_EQ(taker.hand[11].rank, 0);
    EXPECT_FALSE(g.talonPending);
    EXPECT_EQ(t.talons.talons, 1);
}

TEST(TakeOver, TheHumanSeesTheTalonAndHisHandFaceUp) {
    AnnouncedTable t;
    THra& g = *t.game;
    ScriptedSeat& human = t.seat(1);
    human.ActAsHuman();
    ASSERT_TRUE(g.TakeOver(human, Betl));
    EXPECT_EQ(t.view.facesShown, 2);
    EXPECT_FALSE(g.TalonDone(human));  // the talon is not laid yet
    // He chooses durch while laying the talon: the contract and the strengths follow.
    ASSERT_TRUE(g.LayAwayTalon(human, 11, 1, Durch));
    EXPECT_EQ(g.contractKind, Durch);
    EXPECT_EQ(t.view.facesShown, 12);  // his ten cards laid out face up
    EXPECT_EQ(human.hand[1].top, t.view.TableHeight() - 121);
    ASSERT_TRUE(g.TalonDone(human));
    EXPECT_EQ(g.state, Playing);
    EXPECT_TRUE(g.humanMayPlay);  // the declarer leads the first trick
}

TEST(PlayFromHand, OnlyTheSeatOnTurnPlaysALegalCardOfItsHand) {
    AnnouncedTable t;
    THra& g = *t.game;
    g.StrengthPassAll();
    g.state = Playing;
    // Seat 2 leads the Listy ace; seat 3 has no Listy and must trump.
    ASSERT_TRUE(g.PlayFromHand(t.seat(2), 6));
    EXPECT_EQ(g.trickLeader, g.Seat(2));
    EXPECT_EQ(g.trickWinner, g.Seat(2));
    EXPECT_TRUE(g.declarerPlayed);
    g.onTurn = g.Seat(3);
    struct Refused {
        const char* name;
        int seat, slot;
    } refused[] = {
        {"not on turn", 1, 1},
        {"a discard while holding trumps", 3, 1},
        {"slot 0", 3, 0},
        {"slot 11", 3, 11},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.name);
        EXPECT_FALSE(g.PlayFromHand(t.seat(r.seat), r.slot));
        EXPECT_EQ(g.cardsOnTable, 1);
    }
    EXPECT_EQ(t.seat(3).hand[1].state, inHand);
    g.declarerPlayed = false;
    ASSERT_TRUE(g.PlayFromHand(t.seat(3), 4));  // the trump seven
    EXPECT_EQ(g.trickWinner, g.Seat(3));
    EXPECT_FALSE(g.declarerPlayed);              // only the declarer's card sets it
    EXPECT_FALSE(g.PlayFromHand(t.seat(3), 4));  // no longer held
    EXPECT_FALSE(g.PlayFromHand(t.seat(3), 5));  // one card a trick, though still on turn
    EXPECT_EQ(t.seat(3).cardCount, 9);
    EXPECT_EQ(g.cardsOnTable, 2);
}

TEST(PlayFromHand, TheHumanPlaysOnlyWhenHisCardIsAwaited) {
    AnnouncedTable t;
    THra& g = *t.game;
    t.seat(1).ActAsHuman();
    g.StrengthPassAll();
    g.declarer = g.onTurn = g.Seat(1);
    g.state = Waiting;
    EXPECT_FALSE(g.PlayFromHand(t.seat(1), 1));  // a click during the announcements
    g.humanMayPlay = true;
    g.state = TrickComplete;
    EXPECT_FALSE(g.PlayFromHand(t.seat(1), 1));  // the trick timer runs
    g.state = Waiting;
    ASSERT_TRUE(g.PlayFromHand(t.seat(1), 1));
    EXPECT_FALSE(g.humanMayPlay);
    EXPECT_EQ(g.state, Playing);
    EXPECT_EQ(g.cardsOnTable, 1);
}
