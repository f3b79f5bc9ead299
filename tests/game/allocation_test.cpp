// A deal between computer players, with nobody showing the log or the result, must not touch
// the heap: the headless runner plays hundreds of thousands of them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "deal/random.h"
#include "game/thra.h"
#include "robot/trobot.h"

namespace {
std::atomic<long> gAllocations{0};
}

// The replaced operator delete frees what the replaced operator new took from malloc; GCC,
// inlining both into their callers (as it does in the sanitizer build), takes the pair for a
// mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// The form that answers null instead of throwing (std::stable_sort's buffer) takes from malloc
// too, or the delete below would free what malloc never gave.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++gAllocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(HeadlessDeal, PlaysWithoutHeapAllocation) {
    for (bool bezfleku : {true, false}) {
        FixedRules rules;
        rules.rules.bezfleku = bezfleku;
        SeededRandom random(3);
        GamePorts ports;
        ports.rules = &rules;
        ports.random = &random;
        THra game(ports, [](THra& g, int no) { return std::make_unique<TRobot>(g, no); });
        const long before = gAllocations.load();
        int tricks = 0;
        for (int deal = 0; deal < 300; ++deal) {
            game.NewGame();
            bool done;
            while (game.state == Playing || game.state == TrickComplete) {
                game.IdleStep(done);
                if (game.state == TrickComplete) {
                    game.TrickTimerFired();
                    ++tricks;
                }
            }
        }
        EXPECT_GT(tricks, 300);
        EXPECT_EQ(gAllocations.load() - before, 0) << "bezfleku " << bezfleku;
    }
}
