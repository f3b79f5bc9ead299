// Tricks: the common play step, who takes a trick and its points, and the early end of a decided
// betl or durch. Whole tricks are driven the way the window drives them, by idle steps and the
// trick timer, with scripted seats.
#include <gtest/gtest.h>

#include <string>

#include "support/fakes.h"

namespace {

// A deal at its first trick: contract, trumps, hands and the declarer on turn. Seat 1 stands for
// the human.
void SetUpPlay(TestTable& t, uint8_t kind, Card trumpCard, int declarerSeat, const char* hand1,
               const char* hand2, const char* hand3) {
    THra& g = *t.game;
    t.seat(1).ActAsHuman();
    g.contractKind = kind;
    g.trumpCard = trumpCard;
    GiveHandCodes(*g.Seat(1), hand1);
    GiveHandCodes(*g.Seat(2), hand2);
    GiveHandCodes(*g.Seat(3), hand3);
    g.declarer = g.onTurn = g.Seat(declarerSeat);
    g.cards.ClearPile();
    g.state = Playing;
}

void Script(ScriptedSeat& s, const char* codes) {
    for (const Card& c : CardsOf(codes)) s.script.push_back(c);
}

// Idle steps until the trick is complete, then the timer; answers the seat that leads next.
THrac* PlayTrick(THra& g) {
    bool done;
    for (int guard = 0; g.state == Playing && guard < 10; ++guard) g.IdleStep(done);
    EXPECT_EQ(g.state, TrickComplete);
    g.IdleStep(done);
    g.TrickTimerFired();
    return g.onTurn;
}

int PlayCalls(TestTable& t) {
    return t.seat(1).playCalls + t.seat(2).playCalls + t.seat(3).playCalls;
}

int IllegalPlays(TestTable& t) {
    return t.seat(1).illegalScripted + t.seat(2).illegalScripted + t.seat(3).illegalScripted;
}

std::vector<std::string> PileCodes(const THra& g) {
    std::vector<std::string> codes;
    for (int i = 1; i <= g.cards.pileCount && i <= 32; ++i)
        codes.push_back(CardCode(g.cards.pile[i]));
    return codes;
}

std::vector<std::string> Codes(const char* text) {
    std::vector<std::string> codes;
    for (const Card& c : CardsOf(text)) codes.push_back(CardCode(c));
    return codes;
}

}  // namespace

TEST(PlayStep, TheLeaderOpensTheTrickAndTheCardIsLaidAtItsSeatsPlace) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Barva, C(3, 12), 2, "0_9 1_8", "0_14 1_9", "0_7 1_14");
    g.state = Waiting;
    g.PlayStep(t.seat(2), t.seat(2).hand[1]);
    EXPECT_EQ(g.trickLeader, g.Seat(2));
    EXPECT_EQ(g.ledCount, (std::array<uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(g.cardsOnTable, 1);
    EXPECT_TRUE(SameCard(g.lastCard, C(0, 14)));
    EXPECT_TRUE(SameCard(t.seat(2).playedCard, C(0, 14)));
    EXPECT_EQ(t.seat(2).playedCard.strength, 16);
    EXPECT_EQ(t.seat(2).hand[1].state, played);
    EXPECT_EQ(t.seat(2).cardCount, 1);
    EXPECT_EQ(g.state, Playing);
    for (int s = 1; s <= 3; ++s) EXPECT_TRUE(g.Seat(s)->Seen(0, 14)) << "seat " << s;

    g.PlayStep(t.seat(3), t.seat(3).hand[1]);
    g.PlayStep(t.seat(1), t.seat(1).hand[1]);
    EXPECT_EQ(g.trickLeader, g.Seat(2));
    EXPECT_EQ(g.ledCount, (std::array<uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(g.cardsOnTable, 3);
    // The centre of a 641 x 441 table is (192, 167); each seat's card lies at its own offset.
    ASSERT_EQ(t.view.trickCards.size(), 3u);
    EXPECT_EQ(t.view.trickCards[0].seatNo, 2);
    EXPECT_EQ(std::make_pair(t.view.trickCards[0].left, t.view.trickCards[0].top),
              std::make_pair(177, 167));
    EXPECT_EQ(std::make_pair(t.view.trickCards[1].left, t.view.trickCards[1].top),
              std::make_pair(222, 137));
    EXPECT_EQ(std::make_pair(t.view.trickCards[2].left, t.view.trickCards[2].top),
              std::make_pair(207, 197));
}

// A pack that held a card twice deals it twice. The copy played leaves the hand with its own
// picture: the copy still held keeps its picture and stays playable.
TEST(PlayStep, ACardHeldTwiceLeavesFromTheSlotItWasPlayedFrom) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Barva, C(3, 12), 2, "0_9 1_8", "0_14 1_9 0_14", "0_7 1_14");
    Script(t.seat(2), "0_14");
    bool done;
    g.IdleStep(done);  // seat 2 leads, seat 3 follows
    EXPECT_EQ(t.seat(2).hand[1].picture, 0);
    EXPECT_EQ(t.seat(2).hand[3].picture, 203);
    EXPECT_EQ(t.seat(2).hand[3].state, inHand);
    EXPECT_EQ(t.seat(2).FindCard(0, 14), 3);
}

TEST(PlayStep, DiscardsLoseTheirStrengthAndShowWhatTheSeatLacks) {
    struct Row {
        const char* name;
        uint8_t contract;
        const char* second;  // the card the second seat lays to a led heart (trump card Kule)
        int strength;
        bool mayHoldHearts, mayHoldTrumps;
    };
    const Row rows[] = {
        {"follows suit", Barva, "0_7", 7, true, true},
        {"discards", Barva, "1_14", 0, false, false},
        {"trumps", Barva, "3_7", 27, false, true},
        {"betl: discards", Betl, "1_14", 0, false, true},
        // In betl the card keeps its value, but only cards of the led suit take the trick.
        {"betl: plays the trump card's suit", Betl, "3_8", 8, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestTable t;
        THra& g = *t.game;
        SetUpPlay(t, row.contract, C(3, 12), 1, "0_9", row.second, "0_8");
        g.PlayStep(t.seat(1), t.seat(1).hand[1]);
        g.PlayStep(t.seat(2), t.seat(2).hand[1]);
        EXPECT_EQ(t.seat(2).playedCard.strength, row.strength);
        EXPECT_EQ(t.seat(2).mayHoldSuit[0], row.mayHoldHearts);
        EXPECT_EQ(t.seat(2).mayHoldSuit[3], row.mayHoldTrumps);
        EXPECT_TRUE(t.seat(2).mayHoldSuit[1]);
    }
}

TEST(Trick, ADiscardedAceNeverWinsButItsPointsGoToTheWinner) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Barva, C(3, 12), 1, "0_9 2_7", "1_14 2_8", "0_7 2_9");
    THrac* winner = PlayTrick(g);
    EXPECT_EQ(winner, g.Seat(1));
    EXPECT_EQ(t.seat(2).playedCard.strength, 0);
    EXPECT_EQ(g.Seat(1)->points, 10);
    EXPECT_EQ(g.Seat(2)->points + g.Seat(3)->points, 0);
    EXPECT_EQ(g.tricksPlayed, 1);
    EXPECT_EQ(t.result.trickLeaders, std::vector<std::string>{"Kuba"});
    EXPECT_TRUE(t.view.messages.empty());
}

TEST(Trick, SeatsPlayingTheirFirstLegalCardFollowTheTrumpingAndOvertakingRules) {
    // Led heart nine, the second seat trumps with the Kule spodek. A third seat that still
    // holds hearts may play its lowest heart; one void in hearts must overtake the spodek.
    struct Row {
        const char* hand3;
        const char* expected;
        int winnerSeat;
    };
    const Row rows[] = {
        {"0_7 0_14 3_14", "0_7", 2},
        {"3_7 3_14 1_8", "3_14", 3},
        {"1_8 3_7 3_9", "3_7", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hand3);
        TestTable t;
        THra& g = *t.game;
        SetUpPlay(t, Barva, C(3, 12), 1, "0_9", "3_11 1_9", row.hand3);
        Script(t.seat(2), "3_11");
        THrac* winner = PlayTrick(g);
        EXPECT_TRUE(SameCard(t.seat(3).playedCard, CardsOf(row.expected)[0]));
        EXPECT_EQ(winner, g.Seat(row.winnerSeat));
    }
}

TEST(Trick, TheHolderIsKeptAsEachCardIsPlayedFromTheHand) {
    // Seat 1 leads; each seat plays its first card. The holder after each card must be what
    // TrickWinner finds for the cards on the table.
    struct Row {
        const char* name;
        uint8_t contract;
        const char *hand1, *hand2, *hand3;
        int holders[3];
    };
    const Row rows[] = {
        {"the ace holds against the ten", Barva, "0_9", "0_14 0_7", "0_10", {1, 2, 2}},
        {"a trump overtaken by a trump", Barva, "0_9", "3_7 1_8", "3_8 1_9", {1, 2, 3}},
        {"a discard never takes it", Barva, "0_9", "1_14", "0_7 1_7", {1, 1, 1}},
        {"betl: the led suit by rank", Betl, "0_9", "3_14", "0_11", {1, 1, 3}},
        {"durch: a lower card and a discard", Durch, "1_13", "1_8", "2_14", {1, 1, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestTable t;
        THra& g = *t.game;
        SetUpPlay(t, row.contract, C(3, 12), 1, row.hand1, row.hand2, row.hand3);
        for (int i = 0; i < 3; ++i) {
            THrac& s = *g.Seat(i + 1);
            g.onTurn = &s;
            g.humanMayPlay = s.IsHuman();
            ASSERT_TRUE(g.PlayFromHand(s, 1));
            EXPECT_EQ(g.trickWinner, g.Seat(row.holders[i])) << "after card " << i + 1;
            EXPECT_EQ(g.trickWinner, g.TrickWinner(g.cardsOnTable));
        }
    }
}

TEST(Trick, NoSingleHighestCardShowsTheMessageAndTheLeaderTakesIt) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Barva, C(3, 12), 1, "0_10", "0_14", "0_7");
    g.trickLeader = g.Seat(2);
    t.seat(2).playedCard = Card{0, 14, 16};
    t.seat(3).playedCard = Card{0, 7, 16};  // cannot come from legal play
    t.seat(1).playedCard = Card{0, 10, 15};
    EXPECT_EQ(g.EvaluateTrick(), g.Seat(2));
    EXPECT_EQ(t.view.messages,
              std::vector<std::string>{"Je to nejake divne, protoze niko navyhrava"});
    EXPECT_EQ(g.Seat(2)->points, 20);
}

TEST(Trick, BetlAndDurchTricksGoToTheHighestCardOfTheLedSuit) {
    struct Row {
        const char* name;
        uint8_t contract;
        int declarerSeat;
        const char* cards;  // seats 1, 2, 3 in playing order; seat 1 leads
        int winnerSeat;
        int tricksBefore;
        bool settled;
    };
    const Row rows[] = {
        {"betl: a higher card of the trump card's suit does not win", Betl, 1, "0_9 3_14 0_8", 1, 0,
         true},
        {"betl: the ten ranks below the spodek", Betl, 2, "0_10 0_11 0_9", 2, 0, true},
        {"betl: a defender takes the trick", Betl, 2, "0_10 0_9 0_14", 3, 0, false},
        {"betl: the declarer's discard cannot win", Betl, 2, "0_10 1_14 0_8", 1, 0, false},
        {"betl: lost at the ninth trick", Betl, 1, "0_9 0_8 0_7", 1, 8, true},
        {"betl: won at the tenth trick", Betl, 1, "0_7 0_8 0_9", 3, 9, true},
        {"durch: the declarer takes the trick", Durch, 3, "1_8 1_9 1_13", 3, 0, false},
        {"durch: a defender takes the trick", Durch, 3, "1_12 1_9 1_11", 1, 0, true},
        {"durch: won at the tenth trick", Durch, 3, "1_8 1_9 1_13", 3, 9, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestTable t;
        THra& g = *t.game;
        const std::vector<Card> cards = CardsOf(row.cards);
        SetUpPlay(t, row.contract, C(3, 12), row.declarerSeat, "", "", "");
        g.tricksPlayed = uint8_t(row.tricksBefore);
        for (int s = 1; s <= 3; ++s) {
            GiveHand(*g.Seat(s), {cards[s - 1], C(2, 7 + s)});
            g.PlayStep(*g.Seat(s), g.Seat(s)->hand[1]);
        }
        EXPECT_EQ(g.EvaluateTrick(), g.Seat(row.winnerSeat));
        EXPECT_EQ(g.tricksPlayed, row.settled ? 10 : row.tricksBefore + 1);
        EXPECT_EQ(t.result.shown, row.settled ? 1 : 0);
        for (int s = 1; s <= 3; ++s) EXPECT_EQ(g.Seat(s)->points, 0);
    }
}

namespace {

// Thirty cards; the talon holds the Kule král and eso.
constexpr const char* kHand1 = "0_11 1_10 2_7 0_12 0_13 0_14 1_11 1_12 1_13 1_14";
constexpr const char* kHand2 = "0_7 1_7 2_12 2_9 2_10 2_11 2_13 2_14 3_7 3_8";
constexpr const char* kHand3 = "0_9 1_9 2_8 0_8 0_10 1_8 3_9 3_10 3_11 3_12";

}  // namespace

TEST(EarlyEnd, ABetlEndsWhenTheDeclarerTakesATrick) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Betl, C(3, 13), 2, kHand1, kHand2, kHand3);
    t.rules.rules.betl = "5";
    t.rules.rules.zakladHry = "1";
    g.flekCount = 1;
    Script(t.seat(2), "0_7 1_7 2_12");
    Script(t.seat(3), "0_9 1_9 2_8");
    Script(t.seat(1), "0_11 1_10 2_7");
    EXPECT_EQ(PlayTrick(g), g.Seat(1));
    EXPECT_EQ(PlayTrick(g), g.Seat(1));
    EXPECT_EQ(t.result.shown, 0);
    EXPECT_EQ(PlayTrick(g), g.Seat(2));  // the declarer takes the third trick
    EXPECT_EQ(IllegalPlays(t), 0);

    EXPECT_EQ(g.tricksPlayed, 10);
    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_TRUE(t.view.newGameEnabled);
    EXPECT_TRUE(t.view.rulesEnabled);
    EXPECT_FALSE(t.view.lastGameEnabled);
    // The declarer pays 5 × 2 to each defender.
    EXPECT_DOUBLE_EQ(g.Seat(1)->money, 1010.0);
    EXPECT_DOUBLE_EQ(g.Seat(2)->money, 980.0);
    EXPECT_DOUBLE_EQ(g.Seat(3)->money, 1010.0);
    ASSERT_FALSE(t.result.lines.empty());
    EXPECT_EQ(t.result.lines[0], "Prohrany betl                  5.00");
    EXPECT_EQ(t.result.lines.back(), "Získal jsi                    10.00");

    // The computer seats' remaining cards are turned face up, the human's are not.
    std::vector<int> shown = t.view.faceUpPictures;
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{204, 205, 206, 207, 208, 209, 210, 304, 305, 306, 307, 308,
                                       309, 310}));
    // The pile holds the three tricks in playing order, then every card still held, seat by
    // seat in slot order.
    EXPECT_EQ(PileCodes(g), Codes("0_7 0_9 0_11 1_10 1_7 1_9 2_7 2_12 2_8 "
                                  "0_12 0_13 0_14 1_11 1_12 1_13 1_14 "
                                  "2_9 2_10 2_11 2_13 2_14 3_7 3_8 "
                                  "0_8 0_10 1_8 3_9 3_10 3_11 3_12"));
    EXPECT_EQ(t.view.picturesDestroyed, 30);

    // Nobody is asked to play again.
    const int calls = PlayCalls(t);
    bool done;
    for (int i = 0; i < 5; ++i) g.IdleStep(done);
    EXPECT_EQ(PlayCalls(t), calls);
    EXPECT_EQ(t.result.shown, 1);
}

TEST(EarlyEnd, ADurchEndsWhenADefenderTakesATrick) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Durch, C(3, 13), 2, kHand1, kHand2, kHand3);
    t.rules.rules.zakladHry = "1";
    Script(t.seat(2), "0_7");
    Script(t.seat(3), "0_9");
    Script(t.seat(1), "0_11");
    EXPECT_EQ(PlayTrick(g), g.Seat(1));
    EXPECT_EQ(IllegalPlays(t), 0);
    EXPECT_EQ(g.tricksPlayed, 10);
    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_EQ(t.result.lines[0], "Prohrany durch                 1.00");
    EXPECT_EQ(g.cards.pileCount, 30);
    EXPECT_EQ(t.view.faceUpPictures.size(), 18u);
    for (int s = 1; s <= 3; ++s)
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(g.Seat(s)->hand[i].state, played);
}

TEST(EarlyEnd, ABetlWhoseDeclarerTakesNoTrickIsSettledAfterTheTenth) {
    TestTable t;
    THra& g = *t.game;
    SetUpPlay(t, Betl, C(3, 13), 2, "0_13 0_14 1_12 1_13 1_14 2_12 2_13 2_14 3_11 3_12",
              "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8",
              "0_10 0_11 0_12 1_10 1_11 2_9 2_10 2_11 3_9 3_10");
    bool done;
    for (int guard = 0; g.tricksPlayed < 10 && guard < 100; ++guard) {
        g.IdleStep(done);
        if (g.state == TrickComplete) {
            EXPECT_EQ(t.result.shown, 0);
            g.TrickTimerFired();
        }
    }
    EXPECT_EQ(PlayCalls(t), 30);
    EXPECT_EQ(t.result.trickLeaders.size(), 10u);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_EQ(t.result.lines[0], "Vyhraný betl                   0.05");
    EXPECT_TRUE(t.view.faceUpPictures.empty());
    EXPECT_EQ(g.cards.pileCount, 30);
}

TEST(LastTrick, ASuitGamePlayedOutCountsCardsMarriagesAndTheLastTrick) {
    TestTable t;
    THra& g = *t.game;
    // Seat 1 holds the Listy and Žaludy marriages; Kule are trumps, their král and eso lie in the
    // talon.
    SetUpPlay(t, Barva, C(3, 14), 2, "0_13 0_14 1_12 1_13 1_14 2_12 2_13 2_14 3_11 3_12",
              "0_7 0_8 0_9 1_7 1_8 1_9 2_7 2_8 3_7 3_8",
              "0_10 0_11 0_12 1_10 1_11 2_9 2_10 2_11 3_9 3_10");
    bool done;
    int tricks = 0;
    for (int guard = 0; g.tricksPlayed < 10 && guard < 100; ++guard) {
        g.IdleStep(done);
        if (g.state != TrickComplete) continue;
        ++tricks;
        const int before = g.Seat(1)->points + g.Seat(2)->points + g.Seat(3)->points;
        g.TrickTimerFired();
        int cardPoints = 0;
        for (int s = 1; s <= 3; ++s) cardPoints += CardPoints(g.Seat(s)->playedCard.rank);
        const int after = g.Seat(1)->points + g.Seat(2)->points + g.Seat(3)->points;
        EXPECT_EQ(after - before, cardPoints + (tricks == 10 ? 10 : 0)) << "trick " << tricks;
        EXPECT_EQ(t.view.lastGameEnabled, tricks == 10);
    }
    EXPECT_EQ(tricks, 10);
    EXPECT_EQ(t.view.meldPictures, 2);
    // 70 card points (the Kule eso lies in the talon), the last trick and two marriages.
    EXPECT_EQ(g.Seat(1)->points + g.Seat(2)->points + g.Seat(3)->points, 70 + 10 + 40);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_EQ(g.state, Waiting);
    EXPECT_TRUE(t.view.newGameEnabled);
    EXPECT_TRUE(t.view.rulesEnabled);
    EXPECT_EQ(t.records.records.size(), 3u);
}

TEST(TrickWinner, WhichCardWinsNowForEveryContract) {
    // Seat 2 leads; cards as laid with their strengths on the table (a discard has 0).
    struct Row {
        const char* name;
        uint8_t contract;
        Card lead, second, third;
        int cards;
        int winner;
        bool single;
    };
    const Row rows[] = {
        {"the leader alone", Barva, {0, 9, 9}, {}, {}, 1, 2, true},
        {"a discard never wins", Barva, {0, 9, 9}, {1, 14, 0}, {}, 2, 2, true},
        {"a trump beats the led ace", Barva, {0, 14, 16}, {3, 7, 27}, {0, 10, 15}, 3, 3, true},
        {"the ten over the leader", Barva, {0, 9, 9}, {1, 14, 0}, {0, 10, 15}, 3, 1, true},
        {"equal strengths keep the earlier card", Barva, {0, 9, 9}, {0, 9, 9}, {}, 2, 2, false},
        {"a tie above the leader", Barva, {0, 9, 9}, {0, 14, 16}, {0, 14, 16}, 3, 3, false},
        // In betl and durch only the led suit counts, whatever the trump card's suit was.
        {"betl: the led suit by rank", Betl, {0, 9, 9}, {3, 14, 14}, {0, 11, 11}, 3, 1, true},
        {"durch: a higher card elsewhere", Durch, {1, 13, 13}, {2, 14, 14}, {1, 8, 8}, 3, 2, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestTable t;
        THra& g = *t.game;
        g.contractKind = row.contract;
        g.trumpCard = C(3, 7);
        g.trickLeader = g.Seat(2);
        g.Seat(2)->playedCard = row.lead;
        g.Seat(3)->playedCard = row.second;
        g.Seat(1)->playedCard = row.third;
        bool single = false;
        EXPECT_EQ(g.TrickWinner(row.cards, &single), g.Seat(row.winner));
        EXPECT_EQ(single, row.single);
    }
}
