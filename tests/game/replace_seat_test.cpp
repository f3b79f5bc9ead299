// A seat changed between deals keeps the player's name, money and place, and a deal in
// progress is finished by the seats that started it.
#include <gtest/gtest.h>

#include "robot/trobot.h"
#include "support/fakes.h"

namespace {

struct RobotTable : RecordingPorts {
    std::unique_ptr<THra> game = std::make_unique<THra>(
        Ports(), [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });

    // The whole deal; `midway` runs after its first trick.
    void PlayDeal(const std::function<void()>& midway) {
        game->NewGame();
        for (int steps = 0; game->state != Waiting && steps < 200; ++steps) {
            bool done;
            if (game->state == TrickComplete) {
                game->TrickTimerFired();
                if (game->tricksPlayed == 1 && midway) midway();
            } else {
                game->IdleStep(done);
            }
        }
    }
};

}  // namespace

// A fresh computer player of the same kind plays as the one it replaced would have, so what
// changes with the opponents comes from the new player alone.
TEST(ReplaceSeat, ANewSeatOfTheSameKindChangesNothing) {
    RobotTable plain, swapped;
    THra& g = *swapped.game;
    for (int deal = 0; deal < 400; ++deal) {
        for (RobotTable* t : {&plain, &swapped}) t->rules.rules.bezfleku = deal % 4 == 0;
        plain.PlayDeal({});
        const int no = 2 + deal % 2;
        THrac* before = g.Seat(no);
        if (deal % 3 == 0) g.ReplaceSeat(std::make_unique<TRobot>(g, no));
        swapped.PlayDeal([&] {
            if (deal % 3 != 1) return;
            g.ReplaceSeat(std::make_unique<TRobot>(g, no));
            EXPECT_EQ(g.Seat(no), before);  // the deal goes on with the seat that started it
        });
        EXPECT_EQ(g.Seat(no) != before, deal % 3 == 0) << deal;
        ASSERT_EQ(swapped.view.log, plain.view.log) << deal;  // names, calls, results
        const auto &a = swapped.view.trickCards, &b = plain.view.trickCards;
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i)
            ASSERT_TRUE(a[i].seatNo == b[i].seatNo && SameCard(a[i].card, b[i].card)) << i;
        for (int no2 = 1; no2 <= 3; ++no2) {
            ASSERT_EQ(g.Seat(no2)->money, plain.game->Seat(no2)->money);
            ASSERT_EQ(g.Seat(no2)->next, g.Seat(no2 % 3 + 1));
        }
    }
}
