// The human at the table: naming trumps, choosing the talon and the contract, answering
// announced games and doubling offers, and following suit, click by click.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/human_fakes.h"

namespace {

using Log = std::vector<std::string>;
constexpr int kRow = 441 - 121;  // the human's row on the default table
constexpr const char* kSevenValuable = "3_7 3_8 3_9 3_10 3_11 2_7 2_8 2_14 1_9 1_10 0_12 0_13";
constexpr const char* kTenValuable = "3_7 3_8 3_9 3_10 3_11 3_12 3_13 3_14 2_10 2_14 1_7 1_8";
constexpr const char* kElevenValuable = "3_7 3_8 3_9 3_10 3_11 3_12 3_13 3_14 2_10 2_14 1_10 1_7";

// The forehand with trumps named by the Kule seven: he is laying his talon.
void LayingTalon(HumanTable& t, const char* hand) {
    t.Forehand(hand);
    t.Click("3_7");
    t.human().TrumpButtonClick();
}

int Selected(TPlayer& p) {
    int n = 0;
    for (int i = 1; i <= 12; ++i) n += p.hand[i].state == discardSelected;
    return n;
}

}  // namespace

TEST(HumanTrump, TrumfWaitsForAPickAndAFaceDownCardMayNameTrumps) {
    HumanTable t;
    t.Forehand(kSevenValuable);
    t.human().TrumpButtonClick();  // nothing picked: refused
    EXPECT_TRUE(t.table.trumf.visible && !t.table.trumf.enabled);
    t.Click("3_9");
    t.Click("0_12");  // slot 11, one of the five cards dealt face down: the choice moves
    EXPECT_TRUE(t.table.trumf.enabled);
    EXPECT_EQ(t.human().hand[3].top, kRow);
    EXPECT_EQ(t.human().hand[11].top, kRow - 20);
    t.human().TrumpButtonClick();
    EXPECT_FALSE(t.table.trumf.visible);
    EXPECT_TRUE(SameCard(t.game->trumpCard, C(0, 12)));
    EXPECT_TRUE(t.table.talon.visible && !t.table.talon.enabled);
    EXPECT_EQ(t.table.lowestEnabled, Barva);  // every contract may be chosen
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(t.human().hand[i].state, discardCandidate);
    EXPECT_EQ(t.human().hand[12].left, 100 + 12 * 17);
}

TEST(HumanTalon, SuitGameKeepsTensAcesAndTrumpsUnlessElevenOfThem) {
    struct {
        const char* hand;
        int contract;
        const char* card;
        bool accepted;
    } const cases[] = {
        {kSevenValuable, Barva, "2_7", true},   {kSevenValuable, Barva, "2_14", false},
        {kSevenValuable, Barva, "1_10", false}, {kTenValuable, Barva, "3_8", false},
        {kElevenValuable, Barva, "3_8", true},  {kElevenValuable, Barva, "3_10", false},
        {kSevenValuable, Betl, "2_14", true},
    };
    for (const auto& c : cases) {
        HumanTable t;
        LayingTalon(t, c.hand);
        t.table.ClickContract(c.contract);
        t.Click(c.card);
        EXPECT_EQ(Selected(t.human()), c.accepted ? 1 : 0) << c.card;
    }
}

TEST(HumanTalon, TwoCardsAtMostTalonOnlyWithTwoAndHraStartsAgain) {
    HumanTable t;
    LayingTalon(t, kSevenValuable);
    t.Click("2_7");
    t.Click("2_8");
    EXPECT_TRUE(t.table.talon.enabled);
    t.Click("1_9");  // a third card is refused
    EXPECT_EQ(Selected(t.human()), 2);
    t.Click("2_8");  // deselected
    EXPECT_FALSE(t.table.talon.enabled);
    t.Click("1_9");
    t.table.sevenBox = true;
    t.table.ClickContract(Betl);
    t.table.ClickContract(Barva);  // clears the choice and the declaration boxes
    EXPECT_EQ(Selected(t.human()), 0);
    EXPECT_FALSE(t.table.talon.enabled || t.table.sevenBox);
}

TEST(HumanTalon, BetlChosenAfterTickingTheSevenDeclaresNothing) {
    HumanTable t;
    LayingTalon(t, kSevenValuable);
    t.Click("0_13");
    t.Click("2_7");
    t.table.sevenBox = true;
    t.table.ClickContract(Betl);
    t.human().TalonButtonClick();
    EXPECT_EQ(t.game->contractKind, Betl);
    EXPECT_FALSE(t.game->sevenDeclared);
    EXPECT_TRUE(SameCard(t.game->talon[0], C(2, 7)));  // in hand order
    EXPECT_EQ(t.table.log, Log{"Kuba: Betl"});
    EXPECT_TRUE(t.game->state == Playing && t.game->humanMayPlay);  // the declarer leads
}

TEST(HumanAnswerGame, WhatIsAskedAndWhetherTheGameMayBeTaken) {
    struct {
        uint8_t kind;
        bool hundred;
        const char* second;
        bool red, mayTake;
    } const cases[] = {{Barva, false, " barvu!", false, true},
                       {Barva, true, "Stosedm!", true, false},
                       {Betl, false, " betla!", true, true},
                       {Durch, false, " durcha!", true, false}};
    for (const auto& c : cases) {
        HumanTable t;
        THra& g = *t.game;
        g.declarer = g.onTurn = g.Seat(2);
        g.contractKind = c.kind;
        g.sevenDeclared = true;
        g.hundredDeclared = c.hundred;
        g.talon[0] = C(0, 7);
        g.talon[1] = C(1, 14);
        GiveHandCodes(t.human(), "3_7 3_8 3_9 3_10 3_11 2_7 2_8 2_14 1_9 1_10");
        t.dialogs.goodBad = {false};  // "Špatné", where it can be pressed
        EXPECT_EQ(t.human().AnswerGame(), !c.mayTake);
        const GoodBadQuestion& q = t.dialogs.goodBadAsked;
        EXPECT_EQ(q.firstLine + q.secondLine, "Lumir hraje " + std::string(c.second));
        EXPECT_EQ(q.red, c.red);
        EXPECT_EQ(q.badEnabled, c.mayTake);
        if (!c.mayTake) continue;
        EXPECT_EQ(t.table.log, Log{"Kuba: Dej to sem"});
        EXPECT_TRUE(SameCard(t.dialogs.talonShown.second, C(1, 14)));
        EXPECT_EQ(g.contractKind, c.kind + 1);  // the next kind, or any above it
        EXPECT_EQ(t.table.lowestEnabled, c.kind + 1);
        EXPECT_EQ(t.human().hand[12].state, discardCandidate);
        EXPECT_TRUE(t.table.talon.visible && !t.table.talon.enabled);
    }
}

TEST(HumanAnswerFlek, WhichBoxesMayBeTicked) {
    struct {
        uint8_t kind;
        bool declarer, trumpSeven;
        uint8_t offer;
        bool sevenAgainst, hundredDeclared, hundredAgainst;
        FlekBoxes enabled;
    } const cases[] = {
        {Barva, false, false, FlekGame, false, false, false, {false, false, false, true}},
        {Barva, false, true, FlekGame | FlekSeven, false, false, false, {true, false, true, true}},
        {Barva, true, true, FlekGame | FlekSeven, false, true, false, {true, true, false, false}},
        {Barva, false, true, FlekGame | FlekSeven, true, false, false, {false, false, false, true}},
        {Barva, false, false, FlekGame | FlekHundred, false, true, true, {}},
        {Betl, false, true, FlekGame, false, true, false, {}},  // a hundred left by a take-over
    };
    for (const auto& c : cases) {
        HumanTable t;
        THra& g = *t.game;
        g.contractKind = c.kind;
        g.trumpCard = C(2, 9);
        g.declarer = g.Seat(c.declarer ? 1 : 2);
        g.sevenAgainst = c.sevenAgainst;
        g.hundredDeclared = c.hundredDeclared;
        g.hundredAgainst = c.hundredAgainst;
        GiveHandCodes(t.human(), c.trumpSeven ? "2_7 1_7" : "2_8 1_7");
        EXPECT_EQ(t.human().FlekBoxesFor(c.offer), c.enabled) << &c - cases;
    }
}

TEST(HumanAnswerFlek, MlcimWithTheSevenTickedDoublesTheSevenOnly) {
    HumanTable t;
    THra& g = *t.game;
    g.declarer = g.Seat(2);
    g.trumpCard = C(2, 9);
    g.flekCount = 1;
    GiveHandCodes(t.human(), "2_7 1_8");
    FlekAnswer a;
    a.ticked.sevenFlek = a.ticked.hundredFlek = true;  // the hundred's box was disabled
    t.dialogs.fleks = {a};
    EXPECT_EQ(t.human().AnswerFlek(FlekGame | FlekSeven), FlekSeven);
    EXPECT_EQ(t.dialogs.flekAsked.question, "Dáš si lepší?");
    EXPECT_EQ(t.table.log, (Log{"Kuba: Flek na sedmu", "Kuba: Mlčím"}));
    EXPECT_EQ(t.sound.calls, (Log{"Flek_na_sedmu", "mlcim"}));
    g.flekCount = 10;  // "choť": nobody is asked again
    EXPECT_EQ(t.human().AnswerFlek(FlekGame), 0);
    EXPECT_EQ(t.dialogs.fleksAsked, 1);
}

TEST(HumanPlay, FollowingSuitMustBeatTheLedCardUnlessTheTrickIsTrumped) {
    struct {
        const char *second, *click;
        bool taken;
    } const cases[] = {{"3_8", "0_7", true}, {"1_8", "0_7", false}, {"1_8", "0_14", true}};
    for (const auto& c : cases) {
        HumanTable t;
        THra& g = *t.game;
        g.trumpCard = C(3, 9);
        GiveHandCodes(t.human(), "0_7 0_14 2_7");
        GiveHandCodes(*g.Seat(2), "0_12 1_7");  // leads the Červené svršek
        GiveHandCodes(*g.Seat(3), std::string(c.second) + " 2_8");
        g.state = Playing;
        g.onTurn = g.Seat(2);
        bool done;
        g.IdleStep(done);  // seats 2 and 3 play
        g.IdleStep(done);  // the human is asked
        ASSERT_TRUE(t.Click(c.click));
        EXPECT_EQ(g.cardsOnTable, c.taken ? 3 : 2) << c.second << " " << c.click;
        EXPECT_EQ(g.humanMayPlay, !c.taken);  // a refused click leaves him on turn
    }
}
