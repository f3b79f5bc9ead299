// Engine benchmarks: a whole deal between three computer players, and one computer player's
// choice of a card in the middle of a trick.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>

#include "deal/random.h"
#include "game/thra.h"
#include "robot/trobot.h"

namespace {

std::unique_ptr<THra> RobotTable(FixedRules& rules, SeededRandom& random) {
    GamePorts ports;
    ports.rules = &rules;
    ports.random = &random;
    return std::make_unique<THra>(ports,
                                  [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
}

void PlayOneDeal(THra& game) {
    game.NewGame();
    bool done;
    while (game.state == Playing || game.state == TrickComplete) {
        game.IdleStep(done);
        if (game.state == TrickComplete) game.TrickTimerFired();
    }
}

void BM_RobotDeal(benchmark::State& state) {
    FixedRules rules;
    rules.rules.bezfleku = state.range(0) != 0;
    SeededRandom random(1);
    auto game = RobotTable(rules, random);
    for (auto _ : state) PlayOneDeal(*game);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RobotDeal)->Arg(1)->Arg(0)->ArgName("bezfleku");

void GiveCards(THrac& seat, std::initializer_list<Card> cards) {
    int slot = 0;
    for (const Card& c : cards) {
        TKarta& k = seat.hand[++slot];
        k = TKarta{};
        k.owner = &seat;
        k.SetTriple(c);
        k.state = inHand;
    }
    seat.cardCount = uint8_t(slot);
    seat.RecountHand();
    seat.StrengthPass();
}

// Seat 3 answers a led heart as the third player, holding hearts, trumps and side cards.
void BM_RobotCardChoice(benchmark::State& state) {
    FixedRules rules;
    SeededRandom random(1);
    auto game = RobotTable(rules, random);
    THra& g = *game;
    for (auto _ : state) {
        state.PauseTiming();
        g.contractKind = Barva;
        g.trumpCard = Card{2, 8, 0};
        g.declarer = g.Seat(1);
        GiveCards(*g.Seat(3), {{0, 7},
                               {0, 12},
                               {0, 14},
                               {2, 9},
                               {2, 13},
                               {1, 10},
                               {1, 11},
                               {3, 8},
                               {3, 14},
                               {3, 12}});
        g.trickLeader = g.Seat(1);
        g.Seat(1)->playedCard = Card{0, 10, 15};
        g.Seat(2)->playedCard = Card{0, 9, 9};
        g.lastCard = g.Seat(2)->playedCard;
        g.cardsOnTable = 2;
        g.onTurn = g.Seat(3);
        g.state = Playing;
        state.ResumeTiming();
        g.Seat(3)->PlayCard();
        benchmark::DoNotOptimize(g.Seat(3)->playedCard);
    }
}
BENCHMARK(BM_RobotCardChoice);

}  // namespace

BENCHMARK_MAIN();
