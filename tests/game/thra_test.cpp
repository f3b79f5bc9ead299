// The controller's deal lifecycle: rotation, dealing patterns, the idle driver and the trick
// timer, with scripted seats everywhere.
#include "game/thra.h"

#include <gtest/gtest.h>

#include "robot/trobot.h"
#include "support/fakes.h"
#include "table/tplayer.h"

namespace {

// The pack dealt: which pack position each hand slot received.
int PositionOf(const Card& c, const std::array<Card, 33>& pack) {
    for (int i = 1; i <= 32; ++i)
        if (SameCard(pack[i], c)) return i;
    return 0;
}

std::vector<int> HandPositions(const THrac& s, const std::array<Card, 33>& pack) {
    std::vector<int> v;
    for (int i = 1; i <= s.cardCount; ++i) v.push_back(PositionOf(s.hand[i].triple(), pack));
    return v;
}

}  // namespace

TEST(Construction, SeatsFormARingWithDefaultNamesMoneyAndForehand) {
    THra game(GamePorts{}, HumanAndComputers);
    EXPECT_TRUE(game.Seat(1)->IsHuman());
    EXPECT_NE(dynamic_cast<TPlayer*>(game.Seat(1)), nullptr);
    EXPECT_NE(dynamic_cast<TRobot*>(game.Seat(2)), nullptr);
    EXPECT_NE(dynamic_cast<TRobot*>(game.Seat(3)), nullptr);
    EXPECT_EQ(game.Seat(1)->next, game.Seat(2));
    EXPECT_EQ(game.Seat(2)->next, game.Seat(3));
    EXPECT_EQ(game.Seat(3)->next, game.Seat(1));
    EXPECT_EQ(game.Seat(1)->name, "Kuba");
    EXPECT_EQ(game.Seat(2)->name, "Lumir");
    EXPECT_EQ(game.Seat(3)->name, "Bohous");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(game.Seat(i)->money, 1000.0);
        EXPECT_EQ(game.Seat(i)->selfLink, game.Seat(i));
    }
    EXPECT_EQ(game.forehand, game.Seat(3));
    EXPECT_EQ(game.gamesPlayed, 0);
    // The first pile is a full pack, so an unshuffled first deal has cards to deal.
    PackAndPile copy = game.cards;
    EXPECT_FALSE(copy.PileToPack());
}

TEST(Lifecycle, EveryDealRotatesTheForehandFromTheStoredStartPlayer) {
    TestTable t;
    t.game->forehand = t.game->Seat(1);  // START_PLAYER 1, also the value when no file exists
    t.game->NewGame();
    EXPECT_EQ(t.game->forehand, t.game->Seat(2));
    EXPECT_EQ(t.game->declarer, t.game->Seat(2));
    EXPECT_EQ(t.game->onTurn, t.game->Seat(2));
    EXPECT_EQ(t.seat(2).chooseTrumpCalls, 1);
    EXPECT_EQ(t.seat(2).cardCount, 12);
    EXPECT_EQ(t.seat(3).cardCount, 10);
    EXPECT_EQ(t.seat(1).cardCount, 10);
    t.game->NewGame();
    EXPECT_EQ(t.game->forehand, t.game->Seat(3));
    t.game->NewGame();
    EXPECT_EQ(t.game->forehand, t.game->Seat(1));
    EXPECT_EQ(t.game->gamesPlayed, 3);
}

TEST(Lifecycle, NewGameNumbersTheDealInTheLogAndResetsTheDeal) {
    TestTable t;
    t.game->flekCount = 4;
    t.game->sevenDeclared = t.game->hundredAgainst = true;
    t.game->contractKind = Durch;
    t.game->gamesPlayed = 41;
    t.game->NewGame();
    ASSERT_FALSE(t.view.log.empty());
    EXPECT_EQ(t.view.log[0], "---42" + std::string(63, '-'));
    EXPECT_EQ(t.game->flekCount, 0);
    EXPECT_FALSE(t.game->sevenDeclared);
    EXPECT_FALSE(t.game->hundredAgainst);
    EXPECT_EQ(t.game->contractKind, Barva);
    EXPECT_EQ(t.game->tricksPlayed, 0);
    EXPECT_EQ(t.sound.played.front(), "wavs\\rozdani.wav");
    EXPECT_FALSE(t.view.newGameEnabled);
    EXPECT_FALSE(t.view.rulesEnabled);
    EXPECT_EQ(t.view.declarerLabel, "Hraje :" + t.game->forehand->name);
    EXPECT_EQ(t.view.contractLabel, "Barva");
    EXPECT_EQ(t.view.picturesCreated, 32);
}

TEST(Lifecycle, GamesPlayedWrapsAsASixteenBitCounter) {
    TestTable t;
    t.game->gamesPlayed = 65535;
    t.game->NewGame();
    EXPECT_EQ(t.game->gamesPlayed, 0);
    EXPECT_EQ(t.view.log[0], "---0" + std::string(63, '-'));
}

TEST(Dealing, NoShuffleSplitDealFollowsTheCollectedOrderAfterTheExtraCut) {
    // Cards collected in order c1..c32; no shuffle; the split deal first cuts one card, so
    // the pack is c2..c32,c1: forehand 7, next 5, next 5, then 5, 5, 5.
    TestTable t;
    t.rules.rules.michani = NoShuffle;
    t.rules.rules.rozdani = RandomCut;
    t.game->cards.pile = OrderedPack();
    t.random.draws = {0};  // not 1 in 32: split
    t.game->forehand = t.game->Seat(3);
    t.game->NewGame();
    ASSERT_FALSE(t.game->fullDeal);
    const auto collected = OrderedPack();
    const THrac& fh = *t.game->Seat(1);
    std::vector<int> expectForehand = {2, 3, 4, 5, 6, 7, 8, 19, 20, 21, 22, 23};
    EXPECT_EQ(HandPositions(fh, collected), expectForehand);
    EXPECT_EQ(HandPositions(*t.game->Seat(2), collected),
              (std::vector<int>{9, 10, 11, 12, 13, 24, 25, 26, 27, 28}));
    EXPECT_EQ(HandPositions(*t.game->Seat(3), collected),
              (std::vector<int>{14, 15, 16, 17, 18, 29, 30, 31, 32, 1}));
    for (const auto& line : t.view.log) EXPECT_NE(line, "Do Plných");
}

TEST(Dealing, OneInThirtyTwoDrawDealsDoPlnychWithoutTheExtraCut) {
    TestTable t;
    t.rules.rules.michani = NoShuffle;
    t.game->cards.pile = OrderedPack();
    t.random.draws = {1};
    t.game->forehand = t.game->Seat(2);
    t.game->NewGame();
    ASSERT_TRUE(t.game->fullDeal);
    const auto collected = OrderedPack();
    std::vector<int> fh, nx, af;
    for (int i = 1; i <= 12; ++i) fh.push_back(i);
    for (int i = 13; i <= 22; ++i) nx.push_back(i);
    for (int i = 23; i <= 32; ++i) af.push_back(i);
    EXPECT_EQ(HandPositions(*t.game->Seat(3), collected), fh);
    EXPECT_EQ(HandPositions(*t.game->Seat(1), collected), nx);
    EXPECT_EQ(HandPositions(*t.game->Seat(2), collected), af);
    EXPECT_EQ(t.view.log[1], "Do Plných");
}

TEST(Dealing, AlwaysFullDealsTheForehandPackPositionsOneToTwelve) {
    TestTable t;
    t.rules.rules.rozdani = AlwaysFull;
    t.rules.rules.michani = FullShuffleMode;
    SeededRandom random(99);
    t.game->SetPorts(GamePorts{&t.view, &t.sound, &t.result, &t.records, &t.rules, &random});
    for (int deal = 0; deal < 3; ++deal) {
        t.game->NewGame();
        EXPECT_TRUE(t.game->fullDeal);
        std::vector<int> expect;
        for (int i = 1; i <= 12; ++i) expect.push_back(i);
        EXPECT_EQ(HandPositions(*t.game->forehand, t.game->cards.pack), expect);
    }
}

TEST(Dealing, CardsAreLaidOutAtTheirSeatsWithAGapBeforeTheForehandsLastFive) {
    TestTable t;
    t.game->forehand = t.game->Seat(3);  // seat 1 deals first
    t.random.draws = {0};
    t.game->NewGame();
    const int c = (641 - 275 - 120) / 14;
    const THrac& s1 = *t.game->Seat(1);
    EXPECT_EQ(s1.hand[1].left, 120);
    EXPECT_EQ(s1.hand[1].top, 441 - 121);
    EXPECT_EQ(s1.hand[7].left, 120 + 6 * c);
    EXPECT_EQ(s1.hand[8].left, 120 + 8 * c);  // one extra step after the seventh card
    const THrac& s2 = *t.game->Seat(2);
    EXPECT_EQ(s2.hand[1].left, 20);
    EXPECT_EQ(s2.hand[3].top, 70 + 2 * c);
    EXPECT_EQ(t.game->Seat(3)->hand[10].left, 120 + 9 * c);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(s1.hand[i].state, inHand);
}

TEST(Dealing, HumanForehandSeesOnlyHisFirstSevenCards) {
    RecordingView view;
    ScriptedRandom random;
    THra game(GamePorts{&view, nullptr, nullptr, nullptr, nullptr, &random}, HumanAndComputers);
    game.forehand = game.Seat(3);
    game.NewGame();
    EXPECT_EQ(game.forehand, game.Seat(1));
    EXPECT_EQ(view.facesShown, 7);
    EXPECT_EQ(view.backsShown, 25);
    // The human never presses "Trumf": no idle step advances the deal.
    EXPECT_EQ(game.state, Waiting);
    bool done = false;
    for (int i = 0; i < 5; ++i) game.IdleStep(done);
    EXPECT_TRUE(done);
    EXPECT_EQ(game.state, Waiting);
    EXPECT_EQ(game.cardsOnTable, 0);
    EXPECT_EQ(game.Seat(1)->cardCount, 12);
}

TEST(Dealing, DuplicatePileIsReportedOncePerDeal) {
    TestTable t;
    t.rules.rules.michani = CutOnly;
    t.rules.rules.pocetSejmuti = 10;
    t.game->cards.pile = OrderedPack();
    t.game->cards.pile[20] = t.game->cards.pile[5];
    t.game->NewGame();
    EXPECT_EQ(t.view.messages, std::vector<std::string>{std::string(kDuplicateMessage)});
}

namespace {

// Three scripted seats, seat 1 leading a suit game with trumps Kule.
struct TrickTable : TestTable {
    TrickTable() {
        THra& g = *game;
        g.contractKind = Barva;
        g.trumpCard = C(3, 7);
        GiveHand(seat(1), {C(0, 9), C(1, 8)});
        GiveHand(seat(2), {C(0, 14), C(1, 9)});
        GiveHand(seat(3), {C(0, 7), C(1, 14)});
        g.declarer = g.onTurn = g.trickLeader = g.Seat(1);
        g.state = Playing;
    }
};

}  // namespace

TEST(IdleStep, ComputersOnTurnLayAWholeTrickWithoutHumanInput) {
    TrickTable t;
    THra& g = *t.game;
    bool done = false;
    // Pass 1: the leader plays, its card is collected and the second seat plays at once.
    g.IdleStep(done);
    EXPECT_TRUE(done);
    EXPECT_EQ(g.cardsOnTable, 2);
    EXPECT_EQ(g.onTurn, g.Seat(2));
    EXPECT_EQ(g.state, Playing);
    EXPECT_EQ(g.cards.pileCount, 1);
    // Pass 2: the second card is collected, the third seat plays, and the third case runs in
    // the same pass: the trick is complete.
    g.IdleStep(done);
    EXPECT_EQ(g.cardsOnTable, 0);
    EXPECT_EQ(g.state, TrickComplete);
    EXPECT_EQ(g.cards.pileCount, 3);
    EXPECT_TRUE(t.view.busy);
    EXPECT_EQ(t.seat(1).playCalls + t.seat(2).playCalls + t.seat(3).playCalls, 3);
    // The collected pile holds the trick in playing order.
    EXPECT_TRUE(SameCard(g.cards.pile[1], C(0, 9)));
    EXPECT_TRUE(SameCard(g.cards.pile[2], C(0, 14)));
    EXPECT_TRUE(SameCard(g.cards.pile[3], C(0, 7)));
    // Next pass starts the trick timer; nobody is asked to play meanwhile.
    EXPECT_FALSE(t.view.timerOn);
    g.IdleStep(done);
    EXPECT_TRUE(t.view.timerOn);
    EXPECT_EQ(t.seat(1).playCalls + t.seat(2).playCalls + t.seat(3).playCalls, 3);
    // The timer collects the trick: the ace wins and leads next.
    g.TrickTimerFired();
    EXPECT_FALSE(t.view.timerOn);
    EXPECT_FALSE(t.view.busy);
    EXPECT_EQ(g.onTurn, g.Seat(2));
    EXPECT_EQ(g.state, Playing);
    EXPECT_EQ(g.tricksPlayed, 1);
    EXPECT_EQ(g.Seat(2)->points, 10);
    EXPECT_EQ(t.result.trickLeaders, std::vector<std::string>{"Kuba"});
}

TEST(IdleStep, HumanOnTurnStopsTheDriverUntilHisCardIsPlayed) {
    RecordingView view;
    THra game(GamePorts{&view}, [](THra& g, int no) -> std::unique_ptr<THrac> {
        if (no == 1) return std::make_unique<TPlayer>(g, no);
        return std::make_unique<ScriptedSeat>(g, no);
    });
    game.contractKind = Barva;
    game.trumpCard = C(3, 7);
    GiveHand(*game.Seat(1), {C(0, 9), C(1, 8)});
    GiveHand(*game.Seat(2), {C(0, 14), C(1, 9)});
    GiveHand(*game.Seat(3), {C(0, 7), C(1, 14)});
    game.declarer = game.onTurn = game.Seat(2);
    game.state = Playing;
    bool done;
    game.IdleStep(done);  // seat 2 leads, seat 3 follows at once
    game.IdleStep(done);  // seat 3's card is collected; the human is asked and waits
    EXPECT_EQ(game.onTurn, game.Seat(1));
    EXPECT_TRUE(game.humanMayPlay);
    EXPECT_EQ(game.state, Waiting);
    game.IdleStep(done);
    EXPECT_EQ(game.cardsOnTable, 2);
    // His click plays a card through the common step; the next pass completes the trick.
    game.PlayStep(*game.Seat(1), game.Seat(1)->hand[1]);
    EXPECT_EQ(game.state, Playing);
    game.IdleStep(done);
    EXPECT_EQ(game.state, TrickComplete);
}

TEST(IdleStep, AfterTheTenthTrickNobodyIsAskedAgainUntilANewDeal) {
    TestTable t;
    t.rules.rules.rozdani = AlwaysFull;
    t.game->PresetNextDeal(OrderedPack(), true);
    t.game->forehand = t.game->Seat(3);
    t.game->NewGame();
    THra& g = *t.game;
    // The scripted forehand (seat 1) lays slots 11 and 12 away itself.
    THrac& fh = *g.Seat(1);
    fh.SetCardState(11, played);
    fh.SetCardState(12, played);
    fh.cardCount = 10;
    g.trumpCard = C(0, 7);
    g.StrengthPassAll();
    g.state = Playing;
    bool done;
    int guard = 0;
    while (g.tricksPlayed < 10 && ++guard < 100) {
        g.IdleStep(done);
        if (g.state == TrickComplete) g.TrickTimerFired();
    }
    ASSERT_EQ(g.tricksPlayed, 10);
    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(t.result.shown, 1);
    const int calls = t.seat(1).playCalls + t.seat(2).playCalls + t.seat(3).playCalls;
    EXPECT_EQ(calls, 30);
    for (int i = 0; i < 10; ++i) g.IdleStep(done);
    EXPECT_EQ(t.seat(1).playCalls + t.seat(2).playCalls + t.seat(3).playCalls, calls);
    for (int s = 1; s <= 3; ++s) {
        for (bool may : g.Seat(s)->mayHoldSuit) EXPECT_TRUE(may);
        EXPECT_EQ(g.Seat(s)->CountSeen(0) + g.Seat(s)->CountSeen(3), 0);
    }
    EXPECT_EQ(g.ledCount, (std::array<uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(g.cards.pileCount, 30);
}

TEST(IdleStep, RozdatInTheResultViewStartsTheNextDealAtTheNextIdleStep) {
    TestTable t;
    t.game->newGameRequested = true;
    bool done;
    t.game->IdleStep(done);
    EXPECT_FALSE(t.game->newGameRequested);
    EXPECT_EQ(t.game->gamesPlayed, 1);
}

// A view nobody looks at is spared the card pictures' calls, and the deals are the same.
TEST(CardPictures, AViewThatShowsNoCardsGetsNoPictureCallsAndTheSameDeals) {
    struct Blind : RecordingView {
        bool ShowsCards() const override { return false; }
    };
    auto play = [](RecordingView& view) {
        FixedRules rules;
        rules.rules.bezfleku = false;
        SeededRandom random(3);
        GamePorts ports;
        ports.view = &view;
        ports.rules = &rules;
        ports.random = &random;
        std::vector<std::string> record;
        PlayComputerDeals(ports, 30, [&](THra& game, int, bool ended) {
            if (ended)
                record.push_back(std::to_string(game.Seat(1)->money) + " " +
                                 std::to_string(game.Seat(2)->money));
        });
        record.insert(record.end(), view.log.begin(), view.log.end());
        return record;
    };
    RecordingView seen;
    Blind blind;
    EXPECT_EQ(play(seen), play(blind));
    EXPECT_GT(seen.picturesCreated, 0);
    EXPECT_FALSE(seen.trickCards.empty());
    EXPECT_EQ(blind.picturesCreated + blind.picturesDestroyed + blind.facesShown +
                  blind.backsShown + blind.meldPictures,
              0);
    EXPECT_TRUE(blind.trickCards.empty());
}
