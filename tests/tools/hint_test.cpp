// "Poradit" asks the stronger player what it would play from the human's hand and raises that
// card. Whole deals with the runner's human clicking at random: asking at every card he plays
// changes neither a card nor a word of the deal.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "game/thra.h"
#include "game/trick_rules.h"
#include "records/game_settings.h"
#include "robot/trobot.h"
#include "robot/tstrongrobot.h"
#include "sim_human.h"

namespace {

// The runner's table writing its event stream into memory, the human clicking from seed 9.
struct StreamedTable {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    SimTable table{true, out};
    SimHuman human{table, 9};
    GameSettings settings;
    SeededRandom random{77};
    std::unique_ptr<THra> game;
    TPlayer* player = nullptr;

    StreamedTable() {
        settings.rules.bezfleku = false;  // every deal played out, so the human plays cards
        GamePorts ports{&table, &table, &table, nullptr, &settings, &random, &table};
        game = std::make_unique<THra>(ports, [this](THra& g, int no) -> std::unique_ptr<THrac> {
            if (no != 1) return std::make_unique<TRobot>(g, no);
            auto seat = std::make_unique<TPlayer>(g, no, HumanPorts{&table.controls(), &human});
            player = seat.get();
            return seat;
        });
        table.Attach(*game);
        human.Attach(*game, *player);
    }
    ~StreamedTable() {
        std::fclose(out);
        std::free(text);
    }
    std::string Stream() {
        std::fflush(out);
        return std::string(text, size);
    }

    // Plays `deals` deals; `beforeClick` runs whenever the human is about to act.
    void Play(int deals, const std::function<void()>& beforeClick) {
        for (int deal = 0; deal < deals && !table.failed(); ++deal) {
            game->NewGame();
            for (int step = 0; step < 300 && !(game->state == Waiting && game->tricksPlayed == 10);
                 ++step) {
                bool done;
                if (game->state == Waiting) {
                    beforeClick();
                    if (!human.Act()) break;
                }
                if (game->state == Playing) game->IdleStep(done);
                if (game->state == TrickComplete) game->TrickTimerFired();
            }
            ASSERT_EQ(game->tricksPlayed, 10) << table.failure();
            table.DealEnded();
            human.DealEnded();
        }
    }
};

}  // namespace

TEST(Hint, AskingAtEveryCardChangesNothingOfTheDeal) {
    StreamedTable plain, hinted;
    plain.Play(25, [] {});
    int hints = 0, otherAsks = 0;
    hinted.Play(25, [&] {
        THra& g = *hinted.game;
        TPlayer& p = *hinted.player;
        // Asked also while he names trumps, lays the talon or answers: it must not matter.
        const int slot = StrongCardChoice(g, p);
        if (!g.AwaitsCardFrom(p)) {
            ++otherAsks;
            return;
        }
        // The choice is a card he may play, and asking twice gives the same card.
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 10);
        EXPECT_EQ(p.hand[slot].state, inHand);
        EXPECT_TRUE(IsLegalPlay(g, p, p.hand[slot].triple()));
        EXPECT_EQ(StrongCardChoice(g, p), slot);
        p.ShowHint(slot);
        EXPECT_EQ(p.hintedSlot(), slot);
        ++hints;
    });
    EXPECT_FALSE(plain.table.failed()) << plain.table.failure();
    EXPECT_FALSE(hinted.table.failed()) << hinted.table.failure();
    EXPECT_GT(hints, 100);
    EXPECT_GT(otherAsks, 0);
    EXPECT_EQ(hinted.Stream(), plain.Stream());
    EXPECT_EQ(hinted.human.decisions(), plain.human.decisions());
    for (int no = 1; no <= 3; ++no)
        EXPECT_EQ(hinted.game->Seat(no)->money, plain.game->Seat(no)->money);
}
