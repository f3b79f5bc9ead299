// Changing who sits in a seat between deals: the player's name, money and place stay, the deal
// in progress is finished by the seats that started it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/thra.h"
#include "robot/trobot.h"
#include "support/fakes.h"

namespace {

// Every card played, trick won and settlement, with the seats' money after it.
struct DealStream : IGameObserver {
    std::ostringstream out;
    THra* game = nullptr;
    void Dealt() override { out << "deal " << game->forehand->seatNo << '\n'; }
    void TalonLaid(const THrac& s) override {
        out << "talon " << s.seatNo << ' ' << CardCode(game->talon[0]) << '\n';
    }
    void CardPlaying(const THrac& s, const TKarta& k) override {
        out << s.seatNo << ' ' << CardCode(k.triple()) << '\n';
    }
    void TrickEvaluated(const THrac&, const Card (&)[3], const THrac& winner) override {
        out << "won " << winner.seatNo << '\n';
    }
    void Settled() override {
        for (const THrac* s : game->seats) out << s->name << ' ' << s->money << ' ';
        out << '\n';
    }
};

class CountingRobot : public TRobot {
public:
    using TRobot::TRobot;
    int plays = 0;
    void PlayCard() override {
        ++plays;
        TRobot::PlayCard();
    }
};

struct RobotTable : RecordingPorts {
    DealStream stream;
    std::unique_ptr<THra> game;

    RobotTable() {
        game = std::make_unique<THra>(
            Ports(&stream), [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
        stream.game = game.get();
    }
    // Drives the deal until it waits for nobody; `midway` runs once, after the first trick.
    void PlayDeal(const std::function<void()>& midway = {}) {
        game->NewGame();
        for (int steps = 0; game->state != Waiting && steps < 200; ++steps) {
            if (game->state == TrickComplete) {
                game->TrickTimerFired();
                if (midway && game->tricksPlayed == 1) midway();
            } else {
                bool done;
                game->IdleStep(done);
            }
        }
    }
    std::string Everything() const {
        std::string all = stream.out.str();
        for (const std::string& line : view.log) all += line + '\n';
        for (const std::string& call : sound.calls) all += call + '\n';
        for (const RecordedGame& r : records.records) all += r.name + std::to_string(r.result);
        return all;
    }
};

}  // namespace

// A fresh computer player of the same kind plays exactly as the one it replaces would have,
// so whatever differs after a change of opponents comes from the new player alone.
TEST(ReplaceSeat, ANewSeatOfTheSameKindChangesNothing) {
    RobotTable plain, swapped;
    for (int deal = 0; deal < 120; ++deal) {
        // Some undoubled games end at once, with the seats' memory of the deal left standing.
        for (RobotTable* t : {&plain, &swapped}) t->rules.rules.bezfleku = deal % 4 == 0;
        plain.PlayDeal();
        // Asked for before a deal, and during one.
        const int seatNo = 2 + deal % 2;
        THra& g = *swapped.game;
        if (deal % 3 == 0) g.ReplaceSeat(std::make_unique<TRobot>(g, seatNo));
        swapped.PlayDeal([&] {
            if (deal % 3 == 1) g.ReplaceSeat(std::make_unique<TRobot>(g, seatNo));
        });
        ASSERT_EQ(swapped.Everything(), plain.Everything()) << "deal " << deal;
    }
    EXPECT_GT(swapped.records.records.size(), 100u);
}

TEST(ReplaceSeat, TheNewSeatTakesOverAtTheNextDealWithNameMoneyAndPlace) {
    RobotTable t;
    THra& g = *t.game;
    THrac* old = g.Seat(2);
    auto owned = std::make_unique<CountingRobot>(g, 2);
    CountingRobot* fresh = owned.get();
    t.PlayDeal([&] {
        g.ReplaceSeat(std::move(owned));
        // The players dialog and the bank may still change the seat before the next deal.
        old->name = "Radek";
        old->money = 1234.5;
    });
    EXPECT_EQ(g.Seat(2), old);
    EXPECT_EQ(g.Seat(1)->next, old);
    EXPECT_EQ(g.tricksPlayed, 10);  // the old player finished the deal

    const int forehandBefore = g.forehand->seatNo;
    g.NewGame();
    EXPECT_EQ(fresh->plays, 0);
    EXPECT_EQ(g.Seat(2), fresh);
    EXPECT_EQ(fresh->name, "Radek");
    EXPECT_EQ(g.Seat(1)->next, fresh);
    EXPECT_EQ(fresh->next, g.Seat(3));
    // The forehand moved on in the ring as always (to the newcomer after seat 1).
    EXPECT_EQ(g.forehand, g.Seat(forehandBefore % 3 + 1));
    for (int steps = 0; g.state != Waiting && steps < 200; ++steps) {
        bool done;
        if (g.state == TrickComplete)
            g.TrickTimerFired();
        else
            g.IdleStep(done);
    }
    EXPECT_GT(fresh->plays, 0);
    double total = 0;
    for (const THrac* s : g.seats) total += s->money;
    EXPECT_DOUBLE_EQ(total, 1000 + 1000 + 1234.5);  // the money moved from the kept balance
}
