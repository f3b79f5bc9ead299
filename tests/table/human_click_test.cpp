// The human's card clicks during play, driven as the window drives them: idle steps ask the
// human for a card, and each click either plays the card or changes nothing.
#include <gtest/gtest.h>

#include <vector>

#include "support/fakes.h"
#include "table/tplayer.h"

namespace {

// The human in seat 1, scripted seats beside it, trumps Kule, the given hands.
struct ClickTable : RecordingPorts {
    std::unique_ptr<THra> game;
    TPlayer* human = nullptr;

    ClickTable(int declarerSeat, const char* hand1, const char* hand2, const char* hand3) {
        game = std::make_unique<THra>(Ports(), [this](THra& g, int no) -> std::unique_ptr<THrac> {
            if (no != 1) return std::make_unique<ScriptedSeat>(g, no);
            auto seat = std::make_unique<TPlayer>(g, no);
            human = seat.get();
            return seat;
        });
        game->contractKind = Barva;
        game->trumpCard = C(3, 7);
        GiveHandCodes(*game->Seat(1), hand1);
        GiveHandCodes(*game->Seat(2), hand2);
        GiveHandCodes(*game->Seat(3), hand3);
        game->declarer = game->onTurn = game->Seat(declarerSeat);
        game->state = Playing;
    }
    void Idle() {
        bool done;
        game->IdleStep(done);
    }
};

}  // namespace

TEST(HumanClick, TheHumanLeadsAnyHeldCardOnceAsked) {
    ClickTable t(1, "0_7 1_8 2_9 2_10 2_11 2_12 2_13 2_14 1_7 1_9 3_8 3_10", "0_14", "0_8");
    t.human->CardClick(2);  // not asked yet: the game is still to ask for a card
    EXPECT_EQ(t.game->cardsOnTable, 0);

    t.Idle();
    EXPECT_EQ(t.game->state, Waiting);
    EXPECT_TRUE(t.game->humanMayPlay);
    t.human->SetCardState(3, discardCandidate);
    for (int slot : {0, 3, 11, 12, 13}) t.human->CardClick(slot);  // no card of play there
    EXPECT_EQ(t.game->cardsOnTable, 0);
    t.human->CardClick(2);
    EXPECT_EQ(t.game->cardsOnTable, 1);
    EXPECT_EQ(t.game->trickLeader, t.game->Seat(1));
    EXPECT_TRUE(SameCard(t.human->playedCard, C(1, 8)));
    EXPECT_EQ(t.human->hand[2].state, played);
    EXPECT_EQ(t.game->state, Playing);
    EXPECT_FALSE(t.game->humanMayPlay);
    EXPECT_TRUE(t.game->declarerPlayed);

    t.human->CardClick(1);  // one card a turn
    EXPECT_EQ(t.game->cardsOnTable, 1);
}

TEST(HumanClick, ACardTheRuleRefusesChangesNothingAndTheHumanMayClickAgain) {
    // Seat 2 leads the heart ace, seat 3 follows; the human must follow hearts.
    ClickTable t(2, "1_8 0_7 3_9", "0_14 1_9", "0_8 1_14");
    t.Idle();  // seat 2 leads, seat 3 follows
    t.Idle();  // the human is asked
    ASSERT_EQ(t.game->cardsOnTable, 2);
    ASSERT_EQ(t.game->onTurn, t.game->Seat(1));
    ASSERT_TRUE(t.game->humanMayPlay);

    for (int slot : {1, 3}) {  // a discard and a trump, while hearts are held
        t.human->CardClick(slot);
        EXPECT_EQ(t.game->cardsOnTable, 2) << "slot " << slot;
        EXPECT_EQ(t.human->hand[slot].state, inHand) << "slot " << slot;
        EXPECT_TRUE(t.game->humanMayPlay) << "slot " << slot;
        EXPECT_EQ(t.game->state, Waiting) << "slot " << slot;
    }
    t.human->CardClick(2);
    EXPECT_EQ(t.game->cardsOnTable, 3);
    EXPECT_TRUE(SameCard(t.human->playedCard, C(0, 7)));
}

TEST(HumanClick, ClicksOutOfTurnPlayNothingAndLeaveTheComputerDeclarerAlone) {
    ClickTable t(2, "0_7 1_8", "0_14 1_9", "0_8 1_14");
    t.game->state = Waiting;  // seat 2, the declarer, is to lead
    t.human->CardClick(1);
    EXPECT_EQ(t.human->hand[1].state, inHand);
    EXPECT_EQ(t.game->cardsOnTable, 0);
    // The computer players read this flag: a stray click must not tell them the declarer
    // has played when it has not.
    EXPECT_FALSE(t.game->declarerPlayed);
}

// "Poradit" is offered exactly while the human's click on a card is awaited.
TEST(HumanClick, TheHumansCardIsAwaitedFromTheAskUntilAnAcceptedClick) {
    ClickTable t(2, "1_8 0_7 3_9", "0_14 1_9", "0_8 1_14");
    const TPlayer& h = *t.human;
    std::vector<bool> awaited{t.game->AwaitsCardFrom(h)};  // seat 2 is to lead
    t.Idle();                                              // seats 2 and 3 play
    awaited.push_back(t.game->AwaitsCardFrom(h));          // his turn, not asked yet
    t.Idle();
    awaited.push_back(t.game->AwaitsCardFrom(h));
    t.human->CardClick(1);  // refused: hearts are held
    awaited.push_back(t.game->AwaitsCardFrom(h));
    t.human->CardClick(2);
    awaited.push_back(t.game->AwaitsCardFrom(h));
    EXPECT_EQ(awaited, (std::vector<bool>{false, false, true, true, false}));
}
