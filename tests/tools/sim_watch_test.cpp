// The runner's tallies find a text's count by the text's address and a copy of its bytes; a
// buffer that holds another text at the next call must count under the new text.
#include "sim_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "base/text_format.h"

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

std::string CallLine(std::string_view word, int all, int seatOne) {
    return "  " + PadRight(word, 36) + " " + std::to_string(all) + " " + std::to_string(seatOne) +
           "\n";
}

std::string ResultLine(std::string_view label, int n) {
    return "  " + PadRight(label, 36) + " " + std::to_string(n) + "\n";
}

// Every length the byte comparison treats apart, with one byte changed at every place: each
// changed text counts on its own, though it comes from the same buffer.
TEST(SimWatchTally, ReusedBufferCountsEachText) {
    for (size_t n : {1, 2, 3, 4, 7, 8, 9, 15, 16, 17, 37, 40, 41, 60}) {
        SimWatch watch(false, nullptr);
        char buffer[64];
        const std::string same(n, 'x');
        for (size_t k = 0; k < n; ++k) {
            std::memcpy(buffer, same.data(), n);
            watch.SayCall(2, {buffer, n});
            buffer[k] = 'y';
            watch.SayCall(1, {buffer, n});
        }
        std::memcpy(buffer, same.data(), n);
        watch.SayCall(2, {buffer, n - 1});  // the same bytes, one fewer
        const std::string summary = Summary(watch);
        EXPECT_NE(summary.find(CallLine(same, int(n), 0)), std::string::npos) << n;
        EXPECT_NE(summary.find(CallLine(same.substr(1), 1, 0)), std::string::npos) << n;
        for (size_t k = 0; k < n; ++k) {
            std::string changed = same;
            changed[k] = 'y';
            EXPECT_NE(summary.find(CallLine(changed, 1, 1)), std::string::npos) << n << " " << k;
        }
    }
}

TEST(SimWatchTally, EmptyTextCounts) {
    SimWatch watch(false, nullptr);
    watch.SayCall(1, {});
    watch.SayCall(2, "");
    EXPECT_NE(Summary(watch).find(CallLine("", 2, 1)), std::string::npos);
}

TEST(SimWatchTally, ResultLinesCountByLabelWhateverTheBufferHeld) {
    SimWatch watch(false, nullptr);
    char buffer[64];
    auto add = [&](const char* text) {
        std::strcpy(buffer, text);
        watch.AddResultLine(buffer);
    };
    add("Rozdíl 12.50");
    add("Rozdíl 3");    // a shorter amount: the same label
    add("----------");  // a rule counts nowhere...
    add("Hra -1,00");   // ...and the buffer counts again when it holds a label
    add("----------");
    add("Hra 2");
    watch.AddResultAmount("Základ hry ", 1.5);
    watch.AddResultNumber("Základ hry ", 60);
    EXPECT_EQ(Summary(watch).substr(0, Summary(watch).find("calls")),
              "result lines:\n" + ResultLine("Hra", 2) + ResultLine("Rozdíl", 2) +
                  ResultLine("Základ hry", 2));
}

TEST(SimWatchChecks, DistinctCards) {
    Card pack[32];
    for (int i = 0; i < 32; ++i) pack[i] = Card{uint8_t(i / 8), uint8_t(7 + i % 8), 0};
    EXPECT_TRUE(DistinctCards(pack, 32));
    struct Case {
        Card card;
        const char* why;
    } const cases[] = {
        {{0, 7, 0}, "a card twice"},
        {{3, 14, 9}, "a card twice, another strength"},
        {{4, 7, 0}, "no suit"},
        {{0, 6, 0}, "below the seven"},
        {{0, 15, 0}, "above the ace"},
        {{0, 7 + 16, 0}, "a rank that aliases a card"},
        {{16, 7, 0}, "a suit that aliases a card"},
    };
    // In place of each card in turn, so that a bad card passing for the one it replaced shows.
    for (const Case& c : cases) {
        for (int i = 0; i < 32; ++i) {
            Card bad[32];
            std::copy(pack, pack + 32, bad);
            if (SameCard(bad[i], c.card)) continue;
            bad[i] = c.card;
            EXPECT_FALSE(DistinctCards(bad, 32)) << c.why << " at " << i;
        }
    }
}

}  // namespace
