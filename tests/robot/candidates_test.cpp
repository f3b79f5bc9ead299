// The computer player's candidate list.
#include <gtest/gtest.h>

#include "robot_fixture.h"

TEST(RobotCandidates, SearchesKeepTheEarliestOnATie) {
    CandidateList c;
    for (const char* code : {"0_9", "1_9", "0_14", "1_10", "2_14", "1_12"}) {
        Card k = K(code);
        k.strength = CardStrength(k.suit, k.rank, Barva, 3);
        c.Add(k);
    }
    EXPECT_EQ(c.Lowest(true), 1);
    EXPECT_EQ(c.HighestRank(), 3);  // 0_14 before 2_14
    EXPECT_EQ(c.LowestOfSuit(1), 2);
    EXPECT_EQ(c.HighestOfSuit(1), 4);          // the ten outranks the svršek
    EXPECT_EQ(c.HighestOfSuitBelowTen(1), 6);  // but not below the ten
    EXPECT_EQ(c.HighestOfSuitBelowTen(3), 0);
    EXPECT_EQ(c.LastOfRank(kAce), 5);
    EXPECT_EQ(c.CountSuit(0), 2);
    c.Remove(1, 9);
    EXPECT_EQ(c.size(), 5);
    EXPECT_EQ(c.IndexOf(0, kAce), 2);
    c.ClearStrengths();  // a discard: tens and aces are kept back, lowest rank first
    EXPECT_EQ(c.Lowest(true), 1);
    c.Remove(0, 9);
    EXPECT_EQ(c.Lowest(true), 4);  // 1_12
    c.Remove(1, 12);
    EXPECT_EQ(c.Lowest(true), 1);   // all tens and aces: entry 1
    EXPECT_EQ(c.Lowest(false), 2);  // in betl and durch the lowest rank
    c.RemoveSuit(0);
    EXPECT_EQ(CardCode(c[1]), "1_10");
}

// The chosen entry is played from its slot: a decision's list is the hand's slots in slot order,
// in place of what was there, and removals carry each entry's slot along with its card.
TEST(RobotCandidates, EntriesKeepTheirSlots) {
    std::array<TKarta, 13> hand{};
    for (int i = 1; i <= 12; ++i)
        hand[size_t(i)].SetTriple(Card{uint8_t(i % 4), uint8_t(7 + i % 8), 1});
    CandidateList c;
    c.Add(K("3_14"), 0);
    // Bits that are no slot of the hand are ignored.
    c.SetSlots(1u << 14 | 1u << 9 | 1u << 5 | 1u << 2 | 1u, hand);
    ASSERT_EQ(c.size(), 3);
    EXPECT_EQ(CardCode(c[2]), "1_12");  // slot 5
    c.Remove(2, 9);                     // slot 2's card
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(c.SlotOf(1), 5);
    EXPECT_EQ(c.SlotOf(2), 9);
    // A whole hand of twelve fills the list; nothing more is taken in.
    c.SetSlots(0x1FFE, hand);
    c.Add(K("3_14"), 0);
    ASSERT_EQ(c.size(), CandidateList::kCapacity);
    EXPECT_EQ(c.SlotOf(12), 12);
    EXPECT_EQ(CardCode(c[11]), "3_10");  // slot 11
}
