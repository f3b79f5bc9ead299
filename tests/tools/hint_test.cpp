// "Poradit" never changes the game: whole deals with the runner's human clicking at random give
// the same event stream whether or not the stronger player's choice is asked for and raised
// before each of his decisions.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/trick_rules.h"
#include "robot/tstrongrobot.h"
#include "sim_human.h"

namespace {

std::string PlayDeals(const std::function<void(THra&, TPlayer&)>& ask) {
    std::FILE* out = std::tmpfile();
    SimTable table{true, out};
    SimHuman human{table, 9};
    FixedRules rules;
    rules.rules.bezfleku = false;  // every deal played out
    SeededRandom random{77};
    THra game({&table, &table, &table, nullptr, &rules, &random, &table},
              [&](THra& g, int no) -> std::unique_ptr<THrac> {
                  if (no != 1) return std::make_unique<TRobot>(g, no);
                  return std::make_unique<TPlayer>(g, no, HumanPorts{&table.controls(), &human});
              });
    TPlayer& player = static_cast<TPlayer&>(*game.Seat(1));
    table.Attach(game);
    human.Attach(game, player);
    for (int deal = 0; deal < 25; ++deal) {
        game.NewGame();
        for (int step = 0; step < 300 && game.tricksPlayed < 10; ++step) {
            bool done;
            if (game.state == Waiting) {
                ask(game, player);
                if (!human.Act()) break;
            }
            if (game.state == Playing) game.IdleStep(done);
            if (game.state == TrickComplete) game.TrickTimerFired();
        }
        EXPECT_FALSE(table.failed()) << table.failure();
        table.DealEnded();
        human.DealEnded();
    }
    std::string text(size_t(std::ftell(out)), '\0');
    std::rewind(out);
    text.resize(std::fread(text.data(), 1, text.size(), out));
    std::fclose(out);
    return text;
}

}  // namespace

TEST(Hint, AskingBeforeEveryDecisionChangesNothingOfTheDeal) {
    int hints = 0;
    const std::string hinted = PlayDeals([&](THra& g, TPlayer& p) {
        const int slot = StrongCardChoice(g, p);  // also while he names trumps or answers
        if (!g.AwaitsCardFrom(p)) return;
        ASSERT_TRUE(slot >= 1 && slot <= 10 && IsLegalPlay(g, p, p.hand[slot].triple()));
        p.ShowHint(slot);
        hints += p.hintedSlot() == slot;
    });
    EXPECT_GT(hints, 100);
    EXPECT_EQ(hinted, PlayDeals([](THra&, TPlayer&) {}));
}
