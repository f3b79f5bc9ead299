#include "deal/pack.h"

#include <gtest/gtest.h>

#include <set>

#include "deal/random.h"
#include "support/fakes.h"

namespace {

std::set<int> Distinct(const std::array<Card, 33>& cards) {
    std::set<int> seen;
    for (int i = 1; i <= 32; ++i) seen.insert(cards[i].suit * 16 + cards[i].rank);
    return seen;
}

}  // namespace

TEST(Pack, FullShuffleGivesThirtyTwoDistinctCards) {
    for (uint64_t seed = 1; seed <= 50; ++seed) {
        SeededRandom random(seed);
        PackAndPile p;
        p.FullShuffle(random);
        EXPECT_EQ(Distinct(p.pile).size(), 32u) << seed;
        EXPECT_FALSE(p.PileToPack());
    }
}

TEST(Pack, SeededShuffleIsLockedDown) {
    // A fixed seed gives an exact order, so recorded runs can be replayed.
    SeededRandom random(2026);
    PackAndPile p;
    p.FullShuffle(random);
    std::string first;
    for (int i = 1; i <= 6; ++i) first += CardCode(p.pile[i]) + " ";
    EXPECT_EQ(first, "0_12 2_8 1_9 1_11 0_7 1_8 ");
}

TEST(Pack, ThirtyTwoCutsReturnThePack) {
    PackAndPile p;
    p.pile = OrderedPack();
    p.PileToPack();
    const auto before = p.pack;
    p.CutOne();
    EXPECT_TRUE(SameCard(p.pack[1], before[2]));
    EXPECT_TRUE(SameCard(p.pack[32], before[1]));
    for (int i = 1; i < 32; ++i) p.CutOne();
    for (int i = 1; i <= 32; ++i) EXPECT_TRUE(SameCard(p.pack[i], before[i])) << i;
}

TEST(Pack, ShuffleModesPrepareThePackAndClearThePile) {
    ScriptedRandom random;
    PackAndPile p;
    p.pile = OrderedPack();
    p.pileCount = 32;
    EXPECT_FALSE(p.Shuffle(NoShuffle, 10, random));
    EXPECT_EQ(p.pileCount, 0);
    for (int i = 1; i <= 32; ++i) EXPECT_TRUE(SameCard(p.pack[i], OrderedPack()[i]));

    p.pile = OrderedPack();
    p.Shuffle(CutOnly, 3, random);
    EXPECT_TRUE(SameCard(p.pack[1], OrderedPack()[4]));
    EXPECT_TRUE(SameCard(p.pack[30], OrderedPack()[1]));
}

// Whether the pack holds each card once: a dealt hand is counted without a look when it does.
TEST(Pack, ShufflingTellsWhetherThePackHoldsEachCardOnce) {
    const struct {
        uint8_t mode;
        bool twice, whole;
    } rows[] = {{FullShuffleMode, true, true},
                {NoShuffle, false, true},
                {CutOnly, false, true},
                {NoShuffle, true, false},
                {CutOnly, true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.mode) * 10 + row.twice);
        SeededRandom random(5);
        PackAndPile p;
        p.pile = OrderedPack();
        if (row.twice) p.pile[17] = p.pile[3];
        EXPECT_EQ(p.Shuffle(row.mode, 7, random), row.twice && !row.whole);
        EXPECT_EQ(p.wholePack, row.whole);
    }
}

TEST(Pack, PileKeepsOnlyTheFirstThirtyTwoCards) {
    PackAndPile p;
    for (int i = 0; i < 33; ++i) p.AddToPile(C(0, 7 + i % 8));
    EXPECT_EQ(p.pileCount, 33);
    p.ClearPile();
    EXPECT_EQ(p.pileCount, 0);
}

TEST(Pack, DuplicateInThePileIsReportedButStillDealt) {
    PackAndPile p;
    p.pile = OrderedPack();
    p.pile[17] = p.pile[3];
    EXPECT_TRUE(p.PileToPack());
    EXPECT_TRUE(SameCard(p.pack[17], p.pack[3]));
}

TEST(Random, DrawsStayInRangeAndCoverIt) {
    SeededRandom random(7);
    int counts[8] = {};
    for (int i = 0; i < 8000; ++i) {
        const int v = random.Next(8);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 8);
        ++counts[v];
    }
    for (int c : counts) EXPECT_GT(c, 850);
}
