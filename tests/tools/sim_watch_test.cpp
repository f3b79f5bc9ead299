// The runner's tallies know a text again by its address and a copy of its bytes: a buffer that
// holds another text at the next call must count under the new text.
#include "sim_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>

#include "base/text_format.h"
#include "deal/random.h"
#include "robot/trobot.h"

namespace {

std::string Summary(const SimWatch& watch) {
    std::FILE* out = std::tmpfile();
    watch.PrintSummary(out);
    std::string text(size_t(std::ftell(out)), '\0');
    std::rewind(out);
    text.resize(std::fread(text.data(), 1, text.size(), out));
    std::fclose(out);
    return text;
}

std::string Line(std::string_view text, const std::string& counts) {
    return "  " + PadRight(text, 36) + " " + counts + "\n";
}

// Every length the byte comparison treats apart, one byte changed at every place, the same
// bytes one shorter and none: all from one buffer, counted as a plain map counts them.
TEST(SimWatchTally, ReusedBufferCountsEachText) {
    for (size_t n : {2, 3, 4, 7, 8, 9, 15, 16, 17, 37, 40, 41, 60}) {
        SimWatch watch(false, nullptr);
        std::map<std::string, std::pair<int, int>> expected;
        auto say = [&](int seat, std::string_view word) {
            watch.SayCall(seat, word);
            auto& [all, seatOne] = expected[std::string(word)];
            ++all;
            seatOne += seat == 1;
        };
        char buffer[64];
        for (size_t k = 0; k < n; ++k) {
            std::memset(buffer, 'x', n);
            say(2, {buffer, n});
            buffer[k] = 'y';
            say(1, {buffer, n});
        }
        say(2, {buffer, n - 1});
        say(1, {buffer, 0});
        say(2, {});
        std::string calls = "calls (all seats, seat 1):\n";
        for (const auto& [word, count] : expected)
            calls += Line(word, std::to_string(count.first) + " " + std::to_string(count.second));
        EXPECT_NE(Summary(watch).find(calls), std::string::npos) << n;
    }
}

TEST(SimWatchTally, ResultLinesCountByLabelWhateverTheBufferHeld) {
    SimWatch watch(false, nullptr);
    char buffer[64];
    // A rule counts nowhere, and the buffer counts again once it holds a label.
    for (const char* text :
         {"Rozdíl 12.50", "Rozdíl 3", "-------", "Hra -1,00", "-------", "Hra 2"})
        watch.AddResultLine(std::strcpy(buffer, text));
    watch.AddResultAmount("Základ hry ", 1.5);
    watch.AddResultNumber("Základ hry ", 60);
    EXPECT_EQ(Summary(watch).find("result lines:\n" + Line("Hra", "2") + Line("Rozdíl", "2") +
                                  Line("Základ hry", "2") + "calls"),
              0u);
}

// A bad card in place of each card in turn, so that one passing for the card it replaced shows:
// a card twice, no suit, below the seven, above the ace, a rank and a suit a bit-field away.
TEST(SimWatchChecks, DistinctCards) {
    Card pack[32];
    for (int i = 0; i < 32; ++i) pack[i] = Card{uint8_t(i / 8), uint8_t(7 + i % 8), 0};
    EXPECT_TRUE(DistinctCards(pack, 32));
    for (Card c : {Card{0, 7, 0}, Card{3, 14, 9}, Card{4, 7, 0}, Card{0, 6, 0}, Card{0, 15, 0},
                   Card{0, 7 + 16, 0}, Card{16, 7, 0}})
        for (int i = 0; i < 32; ++i) {
            Card bad[32];
            std::copy(pack, pack + 32, bad);
            bad[i] = c;
            EXPECT_EQ(DistinctCards(bad, 32), SameCard(pack[i], c)) << int(c.rank) << " " << i;
        }
}

// The runner judges each card against the hand its seat held as it played, once its trick is
// complete, or at the deal's end when the trick was left unfinished. Seat 2 leads; seat 3 holds
// one card of the led suit, seat 1 none and a trump.
TEST(SimWatchChecks, EachCardIsJudgedAsTheRuleStoodAtItsPlay) {
    const std::vector<Card> hands[3] = {
        {{1, 10}, {2, 7}, {3, 8}}, {{0, 14}, {1, 8}}, {{0, 7}, {1, 9}, {3, 7}}};
    const struct {
        std::vector<std::pair<int, Card>> plays;  // seat and card, in order
        bool taken;           // the trick is taken, else the deal ends with it on the table
        const char* failure;  // the first reported, past "deal N: "
    } cases[] = {
        {{{2, {0, 14}}, {3, {0, 7}}, {1, {3, 8}}}, true, ""},
        {{{2, {0, 14}}, {3, {1, 9}}, {1, {3, 8}}},
         true,
         "seat 3 played 1_9 against the rules (trick 1)"},
        {{{2, {0, 14}}, {3, {0, 7}}, {1, {2, 7}}},
         true,
         "seat 1 played 2_7 against the rules (trick 1)"},
        {{{2, {0, 14}}, {3, {1, 9}}}, false, "seat 3 played 1_9 against the rules (trick 1)"},
        // Reported as played: before the next card's fault of turn.
        {{{2, {0, 14}}, {3, {1, 9}}, {3, {0, 7}}},
         false,
         "seat 3 played 1_9 against the rules (trick 1)"},
    };
    for (const auto& c : cases) {
        SimWatch watch(false, nullptr);
        FixedRules rules;
        SeededRandom random(1);
        THra g({&watch, &watch, &watch, nullptr, &rules, &random, &watch},
               [](THra& game, int no) { return std::make_unique<TRobot>(game, no); });
        watch.Attach(g);
        g.contractKind = Barva;
        g.trumpCard = Card{3, 12, 0};
        g.declarer = g.Seat(2);
        for (int no = 1; no <= 3; ++no) {
            THrac& seat = *g.Seat(no);
            const std::vector<Card>& hand = hands[no - 1];
            for (size_t i = 0; i < hand.size(); ++i) {
                seat.hand[i + 1].SetTriple(hand[i]);
                seat.hand[i + 1].state = inHand;
            }
            seat.cardCount = uint8_t(hand.size());
            seat.RecountHand();
            seat.StrengthPass();
        }
        for (size_t i = 0; i < c.plays.size(); ++i) {
            auto [no, card] = c.plays[i];
            g.onTurn = g.Seat(int((1 + i) % 3 + 1));
            g.PlayStep(*g.Seat(no),
                       g.Seat(no)->hand[size_t(g.Seat(no)->FindCard(card.suit, card.rank))]);
        }
        if (c.taken)
            g.TrickTimerFired();
        else
            watch.DealEnded();
        const std::string& failure = watch.failure();
        EXPECT_EQ(failure.empty() ? failure : failure.substr(failure.find(": ") + 2), c.failure)
            << c.failure;
    }
}

}  // namespace
