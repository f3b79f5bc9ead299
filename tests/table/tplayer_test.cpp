// The human at the table, clicking through scripted deals: naming trumps, choosing the talon
// and the contract, answering announced games and doubling offers, and playing cards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/human_fakes.h"

namespace {

using Log = std::vector<std::string>;
constexpr int kRow = 441 - 121;  // the human's row on the default table

// The human as forehand holding these twelve cards (the first seven face up), trumps named
// with `trump` and "Trumf" pressed: he is choosing his talon.
void LayingTalon(HumanTable& t, const char* hand, const char* trump) {
    t.Deal(PackStarting(hand), 1);
    ASSERT_TRUE(t.Click(trump));
    t.table.ClickTrump();
    ASSERT_EQ(t.human().hand[1].state, discardCandidate);
}

int Selected(TPlayer& p) {
    int n = 0;
    for (int i = 1; i <= 12; ++i) n += p.hand[i].state == discardSelected;
    return n;
}

}  // namespace

TEST(HumanTrump, TrumfWaitsForAPickAndAFaceDownCardMayNameTrumps) {
    HumanTable t;
    t.Deal(PackStarting("3_7 3_8 3_9 3_10 3_11 2_7 2_8 2_14 1_9 1_10 0_12 0_13"), 1);
    const FakeButton& trumf = t.table.trumf;
    EXPECT_TRUE(trumf.visible);
    EXPECT_FALSE(trumf.enabled);
    EXPECT_EQ(t.game->state, Waiting);
    t.human().TrumpButtonClick();  // nothing picked yet
    EXPECT_TRUE(trumf.visible);

    ASSERT_TRUE(t.Click("3_9"));
    ASSERT_TRUE(t.Click("0_12"));  // slot 11, face down: the choice moves there
    EXPECT_TRUE(trumf.enabled);
    EXPECT_EQ(t.human().hand[3].top, kRow);
    EXPECT_EQ(t.human().hand[11].top, kRow - 20);
    t.table.ClickTrump();

    EXPECT_FALSE(trumf.visible);
    EXPECT_TRUE(SameCard(t.game->trumpCard, C(0, 12)));
    EXPECT_EQ(t.game->contractKind, Barva);
    EXPECT_EQ(t.table.lowestEnabled, Barva);  // the contract group is on for every kind
    const FakeButton& talon = t.table.talon;
    EXPECT_TRUE(talon.visible);
    EXPECT_FALSE(talon.enabled);
    // Sorted, every card face up in its row and ready to be laid away.
    EXPECT_EQ(t.human().hand[1].suit, 3);
    EXPECT_EQ(t.human().hand[12].suit, 0);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(t.human().hand[i].state, discardCandidate);
        EXPECT_EQ(t.human().hand[i].left, 100 + i * 17);
        EXPECT_EQ(t.human().hand[i].top, kRow);
    }
}

struct TalonCase {
    const char* hand;
    const char* trump;
    int contract;  // the radio button checked
    const char* card;
    bool accepted;
};

class HumanTalonCard : public testing::TestWithParam<TalonCase> {};

TEST_P(HumanTalonCard, SuitGameKeepsTensAcesAndTrumpsUnlessElevenOfThem) {
    const TalonCase& c = GetParam();
    HumanTable t;
    LayingTalon(t, c.hand, c.trump);
    t.table.ClickContract(c.contract);
    ASSERT_TRUE(t.Click(c.card));
    EXPECT_EQ(Selected(t.human()), c.accepted ? 1 : 0);
}

constexpr const char* kSevenValuable = "3_7 3_8 3_9 3_10 3_11 2_7 2_8 2_14 1_9 1_10 0_12 0_13";
constexpr const char* kTenValuable = "3_7 3_8 3_9 3_10 3_11 3_12 3_13 3_14 2_10 2_14 1_7 1_8";
constexpr const char* kElevenValuable = "3_7 3_8 3_9 3_10 3_11 3_12 3_13 3_14 2_10 2_14 1_10 1_7";

INSTANTIATE_TEST_SUITE_P(Cases, HumanTalonCard,
                         testing::Values(TalonCase{kSevenValuable, "3_7", Barva, "2_7", true},
                                         TalonCase{kSevenValuable, "3_7", Barva, "2_14", false},
                                         TalonCase{kSevenValuable, "3_7", Barva, "1_10", false},
                                         TalonCase{kSevenValuable, "3_7", Barva, "3_8", false},
                                         TalonCase{kTenValuable, "3_7", Barva, "3_8", false},
                                         TalonCase{kElevenValuable, "3_7", Barva, "3_8", true},
                                         TalonCase{kElevenValuable, "3_7", Barva, "3_10", false},
                                         TalonCase{kSevenValuable, "3_7", Betl, "2_14", true},
                                         TalonCase{kSevenValuable, "3_7", Durch, "3_10", true}));

TEST(HumanTalonChoice, TwoCardsAtMostAndTalonEnabledExactlyWhileTwoAreSelected) {
    HumanTable t;
    LayingTalon(t, kSevenValuable, "3_7");
    const FakeButton& talon = t.table.talon;
    ASSERT_TRUE(t.Click("2_7"));
    EXPECT_FALSE(talon.enabled);
    ASSERT_TRUE(t.Click("2_8"));
    EXPECT_TRUE(talon.enabled);
    ASSERT_TRUE(t.Click("1_9"));  // a third card is refused
    EXPECT_EQ(Selected(t.human()), 2);

    ASSERT_TRUE(t.Click("2_8"));  // deselected
    EXPECT_FALSE(talon.enabled);
    EXPECT_EQ(Selected(t.human()), 1);
    ASSERT_TRUE(t.Click("1_9"));
    EXPECT_TRUE(talon.enabled);

    // "Hra" chosen again starts the choice afresh and clears the seven and hundred boxes.
    t.table.sevenBox = true;
    t.table.ClickContract(Betl);
    t.table.ClickContract(Barva);
    EXPECT_EQ(Selected(t.human()), 0);
    EXPECT_FALSE(talon.enabled);
    EXPECT_FALSE(t.table.sevenBox);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(t.human().hand[i].top, kRow);
}

struct GoodBadCase {
    uint8_t kind;
    bool seven, hundred;
    const char* second;
    bool red, badEnabled;
};

TEST(HumanAnswerGame, TheQuestionAndWhetherTheGameMayBeTaken) {
    const GoodBadCase cases[] = {
        {Barva, false, false, " barvu!", false, true},
        {Barva, true, false, " barvu!", false, true},
        {Barva, true, true, "Stosedm!", true, false},
        {Betl, false, false, " betla!", true, true},
        {Durch, false, false, " durcha!", true, false},
    };
    for (const GoodBadCase& c : cases) {
        HumanTable t({});
        THra& g = *t.game;
        g.declarer = g.Seat(2);
        g.contractKind = c.kind;
        g.sevenDeclared = c.seven;
        g.hundredDeclared = c.hundred;
        t.dialogs.goodBad = {false};  // "Špatné", where it can be pressed
        const bool good = t.human().AnswerGame();
        ASSERT_EQ(t.dialogs.goodBadAsked.size(), 1u);
        const GoodBadQuestion& q = t.dialogs.goodBadAsked[0];
        EXPECT_EQ(q.firstLine, "Lumir hraje ");
        EXPECT_EQ(q.secondLine, c.second);
        EXPECT_EQ(q.red, c.red);
        EXPECT_EQ(q.badEnabled, c.badEnabled) << c.second;
        EXPECT_EQ(good, !c.badEnabled) << c.second;
        EXPECT_EQ(t.table.log, good ? Log{"Kuba: Dobré"} : Log{"Kuba: Dej to sem"});
    }
}

struct FlekBoxCase {
    const char* what;
    uint8_t kind;
    bool humanDeclares, holdsTrumpSeven;
    uint8_t offer;
    bool sevenAgainst, hundredDeclared, hundredAgainst;
    FlekBoxes enabled;
};

TEST(HumanAnswerFlek, WhichBoxesMayBeTicked) {
    const FlekBoxCase cases[] = {
        {"defender, game only",
         Barva,
         false,
         false,
         FlekGame,
         false,
         false,
         false,
         {false, false, false, true}},
        {"defender with the seven of trumps",
         Barva,
         false,
         true,
         FlekGame | FlekSeven,
         false,
         false,
         false,
         {true, false, true, true}},
        {"declarer doubling back",
         Barva,
         true,
         true,
         FlekGame | FlekSeven | FlekHundred,
         false,
         true,
         false,
         {true, true, false, false}},
        {"seven against already declared",
         Barva,
         false,
         true,
         FlekGame | FlekSeven,
         true,
         false,
         false,
         {false, false, false, true}},
        {"hundred declared, offer without it",
         Barva,
         false,
         false,
         FlekGame,
         false,
         true,
         false,
         {false, true, false, true}},
        {"hundred against already declared",
         Barva,
         false,
         false,
         FlekGame | FlekHundred,
         false,
         true,
         true,
         {false, false, false, false}},
        {"betl", Betl, false, true, FlekGame, false, false, false, {false, false, false, false}},
        {"betl taken from a suit game with a hundred",
         Betl,
         false,
         false,
         FlekGame,
         false,
         true,
         false,
         {false, false, false, false}},
    };
    for (const FlekBoxCase& c : cases) {
        HumanTable t({});
        THra& g = *t.game;
        g.contractKind = c.kind;
        g.trumpCard = C(2, 9);
        g.declarer = c.humanDeclares ? g.Seat(1) : g.Seat(2);
        g.sevenAgainst = c.sevenAgainst;
        g.hundredDeclared = c.hundredDeclared;
        g.hundredAgainst = c.hundredAgainst;
        GiveHandCodes(t.human(), c.holdsTrumpSeven ? "2_7 2_8 1_7" : "2_8 1_7 2_14");
        EXPECT_EQ(t.human().FlekBoxesFor(c.offer), c.enabled) << c.what;
    }
}

TEST(HumanAnswerFlek, MlcimWithTheSevenTickedDoublesTheSevenOnly) {
    HumanTable t({});
    THra& g = *t.game;
    g.declarer = g.Seat(2);
    g.trumpCard = C(2, 9);
    g.flekCount = 1;
    GiveHandCodes(t.human(), "2_7 1_8");
    FlekAnswer a;
    a.ticked.sevenFlek = true;
    a.ticked.hundredFlek = true;  // its box was disabled: the tick does not count
    t.dialogs.fleks = {a};
    EXPECT_EQ(t.human().AnswerFlek(FlekGame | FlekSeven), FlekSeven);
    ASSERT_EQ(t.dialogs.flekAsked.size(), 1u);
    EXPECT_EQ(t.dialogs.flekAsked[0].question, "Dáš si lepší?");
    EXPECT_EQ(t.dialogs.flekAsked[0].gameButton, "lepší");
    EXPECT_EQ(t.table.log, (Log{"Kuba: Flek na sedmu", "Kuba: Mlčím"}));
    EXPECT_EQ(t.sound.calls, (Log{"Flek_na_sedmu", "mlcim"}));

    // The game button and "Stovku proti": both calls, the level's name last.
    FlekAnswer b;
    b.game = true;
    b.ticked.hundredAgainst = true;
    t.dialogs.fleks = {b};
    EXPECT_EQ(t.human().AnswerFlek(FlekGame), FlekGame | HundredAgainstFlag);
    EXPECT_TRUE(g.hundredAgainst);
    EXPECT_EQ(t.table.log.back(), "Kuba: lepší");
    EXPECT_EQ(t.sound.calls.back(), "lepsi");

    g.flekCount = 10;  // "choť": nobody is asked again
    EXPECT_EQ(t.human().AnswerFlek(FlekGame), 0);
    EXPECT_EQ(t.dialogs.flekAsked.size(), 2u);
    EXPECT_EQ(t.table.log.size(), 4u);
}

TEST(HumanTalon, BetlChosenAfterTickingTheSevenDeclaresNothingAndThePlayGoesOn) {
    HumanTable t({});  // scripted seats accept every game and never double
    LayingTalon(t, kSevenValuable, "3_7");
    ASSERT_TRUE(t.Click("0_13"));
    ASSERT_TRUE(t.Click("2_7"));
    t.table.sevenBox = true;
    t.table.ClickContract(Betl);
    t.table.ClickTalon();

    THra& g = *t.game;
    EXPECT_EQ(g.contractKind, Betl);
    EXPECT_FALSE(g.sevenDeclared);
    EXPECT_TRUE(SameCard(g.talon[0], C(2, 7)));  // in hand order
    EXPECT_TRUE(SameCard(g.talon[1], C(0, 13)));
    EXPECT_EQ(t.human().cardCount, 10);
    EXPECT_FALSE(t.table.talon.visible);
    EXPECT_EQ(t.table.lowestEnabled, 3);  // the contract group is off again
    EXPECT_EQ(t.table.log,
              (Log{"---1---------------------------------------------------------------",
                   "Do Plných", "Kuba: Betl"}));
    EXPECT_EQ(g.state, Playing);
    EXPECT_TRUE(g.humanMayPlay);  // the declarer leads

    const int refused = t.PlayOut();
    EXPECT_EQ(g.tricksPlayed, 10);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_EQ(t.records.records.size(), 3u);
    EXPECT_GT(refused, 0);  // illegal clicks were ignored on the way
    EXPECT_TRUE(t.table.newGameEnabled);
}

TEST(HumanTalon, SuitGameWithSevenAndHundredIsLedAtOnce) {
    HumanTable t({});
    LayingTalon(t, kSevenValuable, "3_7");
    ASSERT_TRUE(t.Click("0_12"));
    ASSERT_TRUE(t.Click("0_13"));
    t.table.sevenBox = t.table.hundredBox = true;
    t.table.ClickTalon();
    THra& g = *t.game;
    EXPECT_TRUE(g.sevenDeclared && g.hundredDeclared);
    EXPECT_TRUE(t.seat(2).offers.empty());  // nobody was asked to double
    EXPECT_TRUE(g.humanMayPlay);
    EXPECT_TRUE(t.Click("3_7"));
    EXPECT_EQ(g.cardsOnTable, 1);
    t.PlayOut();
    EXPECT_EQ(g.tricksPlayed, 10);
}

struct TakeCase {
    uint8_t announced, taken;
};

TEST(HumanTakeOver, ASuitGameBecomesABetlAndABetlADurch) {
    for (const TakeCase c : {TakeCase{Barva, Betl}, TakeCase{Betl, Durch}}) {
        HumanTable t({});
        THra& g = *t.game;
        g.contractKind = c.announced;
        g.trumpCard = C(2, 9);
        g.declarer = g.onTurn = g.Seat(2);
        g.talon[0] = C(0, 7);
        g.talon[1] = C(1, 14);
        GiveHandCodes(t.human(), "3_7 3_8 3_9 3_10 3_11 2_7 2_8 2_14 1_9 1_10");
        t.dialogs.goodBad = {false};
        EXPECT_FALSE(t.human().AnswerGame());

        EXPECT_EQ(g.contractKind, c.taken);
        EXPECT_EQ(g.declarer, &t.human());
        EXPECT_TRUE(g.talonPending);
        ASSERT_EQ(t.dialogs.talonsShown.size(), 1u);
        EXPECT_TRUE(SameCard(t.dialogs.talonsShown[0].first, C(0, 7)));
        EXPECT_TRUE(SameCard(t.dialogs.talonsShown[0].second, C(1, 14)));
        EXPECT_EQ(t.table.log, Log{"Kuba: Dej to sem"});
        EXPECT_EQ(t.sound.calls, Log{"dej_to_sem"});
        EXPECT_EQ(t.human().cardCount, 12);
        for (int i = 1; i <= 12; ++i) EXPECT_EQ(t.human().hand[i].state, discardCandidate);
        EXPECT_EQ(t.human().hand[12].suit, 0);  // sorted in with the rest
        const FakeButton& talon = t.table.talon;
        EXPECT_TRUE(talon.visible);
        EXPECT_FALSE(talon.enabled);
        EXPECT_EQ(talon.left, (641 - 187) / 2);  // never used: where it was made
        EXPECT_EQ(talon.top, 441 / 2);
        EXPECT_EQ(t.table.lowestEnabled, c.taken);
        EXPECT_EQ(t.table.checked, c.taken);
    }
}

TEST(HumanTakeOver, TheTakerLaysHisTalonAsDurchAndTheOthersAreAskedAgain) {
    HumanTable t({2});  // a computer forehand in seat 2, a scripted seat 3
    t.dialogs.goodBad = {false};
    t.Deal(PackStarting("3_7 3_8 3_9 2_7 2_8 2_9 1_7 1_8 1_9 0_7 0_8 0_9"), 2);
    THra& g = *t.game;
    // Seat 3 accepted, the human took the game: the phase waits for his talon.
    ASSERT_EQ(g.declarer, &t.human());
    ASSERT_EQ(t.dialogs.goodBadAsked.size(), 1u);
    EXPECT_EQ(t.dialogs.goodBadAsked[0].firstLine, "Lumir hraje ");
    EXPECT_EQ(g.state, Waiting);
    t.Drive();
    EXPECT_EQ(g.state, Waiting);  // nothing moves until "Talon"

    t.table.ClickContract(Barva);  // below the game taken: disabled
    EXPECT_EQ(t.table.checked, Betl);
    t.table.ClickContract(Durch);
    t.human().CardClick(11);
    t.human().CardClick(12);
    t.table.ClickTalon();
    EXPECT_EQ(g.contractKind, Durch);
    EXPECT_FALSE(g.talonPending);
    EXPECT_EQ(t.seat(3).offers.size(), 1u);  // asked to double the durch
    EXPECT_EQ(g.cards.pileCount, 2);         // only the new talon lies on the pile
    t.PlayOut();
    EXPECT_EQ(g.tricksPlayed, 10);
    EXPECT_EQ(t.result.shown, 1);
}

struct FollowCase {
    const char* third;  // the second player's card after the led 0_12
    const char* click;
    bool taken;
};

TEST(HumanPlay, FollowingSuitMustBeatTheLedCardUnlessTheTrickIsTrumped) {
    const FollowCase cases[] = {
        {"3_8", "0_7", true},   // trumped: any heart will do
        {"1_8", "0_7", false},  // a discard: the human must beat the svršek
        {"1_8", "0_14", true},
        {"1_8", "2_7", false},  // holding hearts, another suit is refused
    };
    for (const FollowCase& c : cases) {
        HumanTable t({});
        THra& g = *t.game;
        g.contractKind = Barva;
        g.trumpCard = C(3, 9);
        g.declarer = g.Seat(2);
        GiveHandCodes(t.human(), "0_7 0_14 2_7");
        GiveHandCodes(*g.Seat(2), "0_12 1_7");
        GiveHandCodes(*g.Seat(3), std::string(c.third) + " 2_8");
        g.state = Playing;
        g.onTurn = g.Seat(2);
        ASSERT_TRUE(g.PlayFromHand(*g.Seat(2), 1));
        g.onTurn = g.Seat(3);
        ASSERT_TRUE(g.PlayFromHand(*g.Seat(3), 1));
        g.onTurn = g.Seat(1);
        g.humanMayPlay = true;
        g.state = Waiting;
        ASSERT_TRUE(t.Click(c.click));
        EXPECT_EQ(g.cardsOnTable, c.taken ? 3 : 2) << c.third << " " << c.click;
        EXPECT_EQ(g.humanMayPlay, !c.taken);  // a refused click leaves him on turn
    }
}
