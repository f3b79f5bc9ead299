// The runner's scripted human: its controls switch as the window's do, its replay files are read
// strictly, its random answers stay within what a dialog enables, and a deal that waits for a
// click nobody can make is reported.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/thra.h"
#include "records/game_settings.h"
#include "robot/trobot.h"
#include "sim_human.h"

namespace {

using Control = HeadlessControls::Control;

bool Is(const Control& c, bool enabled, bool checked) {
    return c.enabled == enabled && c.checked == checked;
}

// The human in seat 1 with the runner's table and a random script, computer players beside.
struct HumanAtTable {
    SimTable table{false, stdout};
    SimHuman human{table, 5};
    GameSettings settings;
    SeededRandom random{5};
    std::unique_ptr<THra> game;

    HumanAtTable() {
        GamePorts ports{&table, &table, &table, nullptr, &settings, &random, &table};
        game = std::make_unique<THra>(ports, [this](THra& g, int no) -> std::unique_ptr<THrac> {
            if (no == 1)
                return std::make_unique<TPlayer>(g, no, HumanPorts{&table.controls(), &human});
            return std::make_unique<TRobot>(g, no);
        });
        table.Attach(*game);
        human.Attach(*game, static_cast<TPlayer&>(*game->Seat(1)));
    }
};

std::vector<HumanDecision> Read(const std::string& text, std::string& error) {
    const std::string file = testing::TempDir() + "human_events.txt";
    std::ofstream(file) << text;
    std::vector<HumanDecision> out;
    if (!ReadHumanDecisions(file, out, error)) out.clear();
    return out;
}

}  // namespace

TEST(HeadlessControls, TheContractGroupSwitchesAsTheWindowDoes) {
    HeadlessControls c;
    c.HraDisableAll();
    c.ClickRadio(Betl);  // disabled: no click
    EXPECT_EQ(c.CheckedContract(), Barva);

    c.HraEnableAll(Barva);
    EXPECT_TRUE(c.radio[Barva].enabled && c.radio[Betl].enabled && c.radio[Durch].enabled);
    c.ClickBox(c.seven);
    c.ClickBox(c.hundred);
    c.ClickRadio(Betl);  // the boxes go grey and keep their ticks
    EXPECT_EQ(c.CheckedContract(), Betl);
    EXPECT_TRUE(Is(c.seven, false, true) && Is(c.hundred, false, true));
    c.ClickBox(c.seven);
    EXPECT_TRUE(c.seven.checked);
    c.ClickRadio(Barva);  // "Hra" again: the boxes afresh
    EXPECT_TRUE(Is(c.seven, true, false) && Is(c.hundred, true, false));

    // A game taken as betl: "Hra" stays off, the boxes too.
    c.HraDisableAll();
    c.HraEnableAll(Betl);
    EXPECT_FALSE(c.radio[Barva].enabled);
    c.ClickRadio(Barva);
    EXPECT_EQ(c.CheckedContract(), Betl);
    EXPECT_FALSE(c.seven.enabled);
    c.HraDisableAll();
    c.HraEnableAll(Durch);
    EXPECT_FALSE(c.radio[Betl].enabled);
    EXPECT_EQ(c.CheckedContract(), Durch);
}

TEST(ReadHumanDecisions, EveryKindWithItsDealAndLine) {
    std::string error;
    const auto d = Read(
        "{\"log\":\"x\"}\n"
        "{\"deal\":{\"number\":7,\"forehand\":1,\"full\":false,\"pack\":[]}}\n"
        "{\"human\":{\"trump\":\"3_9\"}}\n"
        "{\"human\":{\"talon\":[\"1_13\",\"0_7\"],\"contract\":1,\"seven\":true,"
        "\"hundred\":false}}\n"
        "{\"deal\":{\"number\":8,\"forehand\":2,\"full\":true,\"pack\":[]}}\n"
        "{\"human\":{\"good\":false}}\n"
        "{\"human\":{\"flek\":25}}\n"
        "{\"human\":{\"play\":\"2_14\"}}\n",
        error);
    ASSERT_EQ(d.size(), 5u) << error;
    EXPECT_EQ(d[0].kind, HumanDecision::Trump);
    EXPECT_TRUE(SameCard(d[0].cards[0], Card{3, 9}));
    EXPECT_EQ(d[0].deal, 7);
    EXPECT_EQ(d[1].kind, HumanDecision::Talon);
    EXPECT_TRUE(SameCard(d[1].cards[1], Card{0, 7}));
    EXPECT_EQ(d[1].contract, Betl);
    EXPECT_TRUE(d[1].seven && !d[1].hundred);
    EXPECT_EQ(d[2].kind, HumanDecision::Good);
    EXPECT_FALSE(d[2].good);
    EXPECT_EQ(d[2].deal, 8);
    EXPECT_EQ(d[3].flek, 25);
    EXPECT_EQ(d[4].kind, HumanDecision::Play);
    EXPECT_EQ(d[4].line, 8);
}

TEST(ReadHumanDecisions, RefusesWhatTheRunnerNeverWrites) {
    for (const char* line : {
             "{\"human\":{\"play\":\"4_7\"}}",                 // no such card
             "{\"human\":{\"play\":\"1_7\",\"good\":true}}",   // two decisions
             "{\"human\":{\"play\":\"1_7\",\"contract\":0}}",  // a talon's field
             "{\"human\":{\"talon\":[\"1_7\",\"1_8\"]}}",      // no contract or boxes
             "{\"human\":{\"flek\":32}}",                      // beyond the five bits
             "{\"human\":{\"good\":yes}}",                     // not a boolean
             "{\"human\":{\"play\":\"1_7\"}} ",                // trailing text
             "{\"human\":{\"talon\":[\"1_7\",\"1_8\"],\"contract\":3,\"seven\":false,"
             "\"hundred\":false}}",  // no fourth contract
         }) {
        std::string error;
        EXPECT_TRUE(Read(std::string(line) + "\n", error).empty()) << line;
        EXPECT_NE(error.find(":1: not a human decision"), std::string::npos) << line;
    }
}

TEST(SimHuman, RandomDoublingAnswersTickOnlyEnabledBoxesAndReachEach) {
    HumanAtTable t;
    FlekQuestion q;
    q.enabled = {true, false, true, false};
    int game = 0, seven = 0, against = 0;
    for (int i = 0; i < 300; ++i) {
        const FlekAnswer a = t.human.AskFlek(q);
        EXPECT_FALSE(a.ticked.hundredFlek || a.ticked.hundredAgainst);
        game += a.game, seven += a.ticked.sevenFlek, against += a.ticked.sevenAgainst;
    }
    EXPECT_GT(game, 100);  // about half the time
    EXPECT_LT(game, 200);
    EXPECT_GT(seven, 0);
    EXPECT_GT(against, 0);
    EXPECT_EQ(t.table.humanEvents().size(), 300u);

    GoodBadQuestion durch;
    durch.badEnabled = false;
    for (int i = 0; i < 50; ++i) EXPECT_TRUE(t.human.AskGoodBad(durch));
}

TEST(SimHuman, ADealWaitingForNoClickIsReported) {
    HumanAtTable t;
    t.game->state = Waiting;  // nothing shown, the human not asked for a card
    EXPECT_FALSE(t.human.Act());
    ASSERT_TRUE(t.table.failed());
    EXPECT_NE(t.table.failure().find("for nothing the human can click"), std::string::npos);
}

TEST(SimHuman, PlaysWholeDealsThroughTheClicksAlone) {
    HumanAtTable t;
    for (int deal = 0; deal < 30 && !t.table.failed(); ++deal) {
        t.game->NewGame();
        for (int step = 0; step < 200 && !(t.game->state == Waiting && t.game->tricksPlayed == 10);
             ++step) {
            bool done;
            if (t.game->state == Waiting && !t.human.Act()) break;
            if (t.game->state == Playing) t.game->IdleStep(done);
            if (t.game->state == TrickComplete) t.game->TrickTimerFired();
        }
        ASSERT_EQ(t.game->tricksPlayed, 10) << t.table.failure();
        t.table.DealEnded();
        t.human.DealEnded();
    }
    EXPECT_FALSE(t.table.failed()) << t.table.failure();
    EXPECT_GT(t.human.refusedClicks(), 0);
}

// The human's clicks mark his cards for trumps and the talon: the mask of his hand, and of the
// computer players' hands, must agree with the slots after every one of them.
TEST(SimHuman, EveryClickKeepsTheHandMasksRight) {
    HumanAtTable t;
    auto expectAgree = [&t](int deal) {
        for (const THrac* s : t.game->seats)
            ASSERT_TRUE(s->HandCacheAgrees()) << "deal " << deal << ", seat " << s->seatNo;
    };
    for (int deal = 0; deal < 100 && !t.table.failed(); ++deal) {
        t.game->NewGame();
        expectAgree(deal);
        for (int step = 0; step < 200 && !(t.game->state == Waiting && t.game->tricksPlayed == 10);
             ++step) {
            bool done;
            if (t.game->state == Waiting && !t.human.Act()) break;
            expectAgree(deal);
            if (t.game->state == Playing) t.game->IdleStep(done);
            if (t.game->state == TrickComplete) t.game->TrickTimerFired();
            expectAgree(deal);
        }
        ASSERT_EQ(t.game->tricksPlayed, 10) << t.table.failure();
        t.table.DealEnded();
        t.human.DealEnded();
    }
    EXPECT_FALSE(t.table.failed()) << t.table.failure();
}
