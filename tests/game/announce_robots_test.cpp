// The announcement phase with computer players answering: whole deals from a given pack, so
// the forehand's talon, its declarations and the take-overs are the robots' own decisions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/thra.h"
#include "robot/trobot.h"
#include "support/fakes.h"

namespace {

struct AllRobots : RecordingPorts {
    std::unique_ptr<THra> game;

    AllRobots() {
        game = std::make_unique<THra>(
            Ports(), [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
    }
    // Deals `codes` "do plných" with seat 2 as forehand: seat 2 gets positions 1..12, seat 3
    // 13..22 and seat 1 23..32.
    void DealToSeatTwo(const std::vector<std::string>& codes) {
        game->forehand = game->Seat(1);
        game->PresetNextDeal(PackOf(codes), true);
        game->NewGame();
    }
    bool Logged(const std::string& line) const {
        return std::find(view.log.begin(), view.log.end(), line) != view.log.end();
    }
};

}  // namespace

TEST(AnnouncePhaseWithRobots, ASevenAndHundredDeclaredIsNeverTakenOver) {
    AllRobots t;
    // Seat 2: seven hearts with the marriage and four aces: it declares the seven and the
    // hundred. Seat 3 holds a perfect betl and would take any other suit game as betl.
    t.DealToSeatTwo({"0_7",  "0_8",  "0_9",  "0_12", "0_13", "0_14", "0_10", "1_14",
                     "1_10", "2_14", "3_14", "1_13", "1_7",  "1_8",  "1_9",  "2_7",
                     "2_8",  "2_9",  "2_10", "3_7",  "3_8",  "3_9",  "1_11", "1_12",
                     "2_11", "2_12", "2_13", "3_10", "3_11", "3_12", "3_13", "0_11"});
    THra& g = *t.game;
    EXPECT_TRUE(g.sevenDeclared);
    EXPECT_TRUE(g.hundredDeclared);
    EXPECT_EQ(g.contractKind, Barva);
    EXPECT_EQ(g.declarer, g.Seat(2));
    EXPECT_TRUE(t.Logged("Lumir: Hlásím sedmu"));
    EXPECT_FALSE(t.Logged("Bohous: Betl"));
    EXPECT_FALSE(t.Logged("Bohous: Dobré"));  // accepted without a word
}

TEST(AnnouncePhaseWithRobots, ABetlTakenByADefenderIsTakenAgainAsDurch) {
    AllRobots t;
    t.rules.rules.bezfleku = false;
    // Seat 2 names Listy from its first seven and declares nothing. Seat 3 holds runs from the
    // seven (a perfect betl); seat 1 the five top cards of two suits (a durch).
    t.DealToSeatTwo({"0_9",  "1_7",  "1_8",  "1_9",  "2_11", "2_12", "2_13", "2_14",
                     "3_11", "3_12", "3_13", "3_14", "2_7",  "2_8",  "2_9",  "2_10",
                     "3_7",  "3_8",  "3_9",  "3_10", "0_7",  "0_8",  "0_10", "0_11",
                     "0_12", "0_13", "0_14", "1_10", "1_11", "1_12", "1_13", "1_14"});
    THra& g = *t.game;
    EXPECT_EQ(g.trumpCard.suit, 1);
    EXPECT_FALSE(g.sevenDeclared);
    EXPECT_EQ(g.contractKind, Durch);
    EXPECT_EQ(g.declarer, g.Seat(1));
    EXPECT_EQ(g.onTurn, g.Seat(1));
    // In order: the announcement, the betl, the durch, then both others accept the durch.
    std::vector<std::string> calls;
    for (const std::string& line : t.view.log)
        if (line.rfind("---", 0) != 0 && line != "Do Plných" &&
            line.find("flek") == std::string::npos && line.find("Mlčím") == std::string::npos)
            calls.push_back(line);
    EXPECT_EQ(calls, (std::vector<std::string>{"Lumir: Barva", "Bohous: Betl", "Kuba: Durch",
                                               "Lumir: Dobré", "Bohous: Dobré"}));
    EXPECT_EQ(t.view.contractLabel, "Durch");
    EXPECT_EQ(t.view.declarerLabel, "Hraje :Kuba");
    // Each taker laid its own talon; only the last one is on the pile.
    EXPECT_EQ(g.cards.pileCount, 2);
    EXPECT_EQ(g.Seat(1)->cardCount, 10);
    EXPECT_EQ(g.Seat(3)->cardCount, 10);
    EXPECT_EQ(g.state, Playing);
}
