// A seat changed between deals keeps the player's name, money and place, and a deal in progress
// is finished by the seats that started it: a fresh computer player of the same kind plays on
// exactly as the one it replaced would have.
#include <gtest/gtest.h>

#include "robot/trobot.h"
#include "support/fakes.h"

TEST(ReplaceSeat, ANewSeatOfTheSameKindChangesNothing) {
    RecordingPorts plain, swapped;
    const auto robots = [](THra& g, int no) { return std::make_unique<TRobot>(g, no); };
    THra a(plain.Ports(), robots), g(swapped.Ports(), robots);
    for (int deal = 0; deal < 400; ++deal) {
        const int no = 2 + deal % 2;
        THrac* before = g.Seat(no);
        if (deal % 3 == 0) g.ReplaceSeat(std::make_unique<TRobot>(g, no));
        for (THra* t : {&a, &g}) {
            plain.rules.rules.bezfleku = swapped.rules.rules.bezfleku = deal % 4 == 0;
            t->NewGame();
            for (int steps = 0; t->state != Waiting && steps < 200; ++steps) {
                bool done;
                t->state == TrickComplete ? t->TrickTimerFired() : t->IdleStep(done);
                // Asked for during a deal: the deal goes on with the seat that started it.
                if (t == &g && deal % 3 == 1 && steps == 5) {
                    g.ReplaceSeat(std::make_unique<TRobot>(g, no));
                    ASSERT_EQ(g.Seat(no), before);
                }
            }
        }
        EXPECT_EQ(g.Seat(no) != before, deal % 3 == 0) << deal;
        ASSERT_EQ(swapped.view.log, plain.view.log) << deal;  // names, calls, results
        const auto &x = swapped.view.trickCards, &y = plain.view.trickCards;
        ASSERT_EQ(x.size(), y.size());
        for (size_t i = 0; i < x.size(); ++i)
            ASSERT_TRUE(x[i].seatNo == y[i].seatNo && SameCard(x[i].card, y[i].card)) << i;
        for (int n = 1; n <= 3; ++n) {
            ASSERT_EQ(g.Seat(n)->money, a.Seat(n)->money);
            ASSERT_EQ(g.Seat(n)->next, g.Seat(n % 3 + 1));
        }
    }
}
