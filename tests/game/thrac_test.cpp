// The seat's own operations: scans of the hand, sorting and the trick's current winner.
#include "game/thrac.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "game/thra.h"
#include "support/fakes.h"

TEST(SeatScans, FindCardIgnoresTalonSlotsAndPlayedCards) {
    TestTable t;
    THrac& s = t.seat(1);
    GiveHand(s, {C(0, 7), C(1, 8), C(2, 9), C(3, 10), C(0, 11), C(1, 12), C(2, 13), C(3, 14),
                 C(0, 8), C(1, 9), C(2, 10), C(3, 11)});
    EXPECT_EQ(s.FindCard(1, 8), 2);
    EXPECT_EQ(s.FindCard(2, 10), 0);  // slot 11
    EXPECT_EQ(s.FindCard(3, 11), 0);  // slot 12
    s.SetCardState(2, played);
    EXPECT_EQ(s.FindCard(1, 8), 0);
    EXPECT_EQ(s.CountSuit(1), 2);  // 1_12, 1_9 (1_8 played)
    s.SetCardState(6, discardSelected);
    EXPECT_EQ(s.CountSuit(1), 1);
}

TEST(SeatScans, FindBeaterLooksForAStrongerCardOfTheSameSuit) {
    TestTable t;
    t.game->contractKind = Barva;
    t.game->trumpCard = C(2, 7);
    THrac& s = t.seat(2);
    GiveHand(s, {C(0, 13), C(0, 10), C(1, 14)});
    EXPECT_EQ(s.FindBeater(Card{0, 14, 16}), 0);
    EXPECT_EQ(s.FindBeater(Card{0, 12, 12}), 1);
    EXPECT_EQ(s.FindBeater(Card{0, 13, 13}), 2);  // the ten ranks above the king
}

TEST(SeatScans, FindPlayedSlotFindsTheCardWhateverItsState) {
    TestTable t;
    THrac& s = t.seat(1);
    GiveHand(s, {C(0, 7), C(1, 8), C(2, 9)});
    s.playedCard = C(1, 8);
    s.SetCardState(2, played);
    EXPECT_EQ(s.FindPlayedSlot(), 2);
    s.playedCard = C(3, 14);
    EXPECT_EQ(s.FindPlayedSlot(), 0);
}

TEST(SeatScans, SeenCardsAreCountedBySuit) {
    TestTable t;
    THrac& s = t.seat(3);
    s.MarkSeen(C(2, 7));
    s.MarkSeen(C(2, 14));
    s.MarkSeen(C(2, 14));
    s.MarkSeen(C(1, 7));
    EXPECT_EQ(s.CountSeen(2), 2);
    EXPECT_EQ(s.CountSeen(1), 1);
    s.ClearSeen();
    EXPECT_EQ(s.CountSeen(2), 0);
}

namespace {

std::string HandText(const THrac& s) {
    std::string text;
    for (int i = 1; i <= s.cardCount; ++i) text += CardCode(s.hand[i].triple()) + " ";
    return text;
}

}  // namespace

TEST(SortHand, SuitsDescendAndTheTenSitsBeforeTheAceInASuitGame) {
    TestTable t;
    t.game->contractKind = Barva;
    t.game->trumpCard = C(1, 7);
    THrac& s = t.seat(1);
    GiveHand(s, {C(0, 14), C(3, 7), C(0, 10), C(1, 13), C(2, 10), C(1, 10), C(2, 14), C(0, 7),
                 C(3, 10), C(1, 14), C(2, 12), C(3, 13)});
    const int pictureOfSlot5 = s.hand[5].picture = 55;
    s.SortHand(true);
    EXPECT_EQ(HandText(s), "3_7 3_13 3_10 2_12 2_10 2_14 1_13 1_10 1_14 0_7 0_10 0_14 ");
    EXPECT_EQ(s.hand[5].picture, pictureOfSlot5);  // card objects stay in their slots
    s.SortHand(false);
    EXPECT_EQ(HandText(s), "3_7 3_10 3_13 2_10 2_12 2_14 1_10 1_13 1_14 0_7 0_10 0_14 ");
}

// Against a plain stable sort by suit (Kule first) and value, on hands of ten to twelve cards,
// some holding a card twice (a pack that held it twice), some with a card played, some with
// strengths that no contract gives (a full hand held is sorted from the cache, which must
// notice those).
TEST(SortHand, AgreesWithAStableSortBySuitAndValue) {
    TestTable t;
    std::mt19937 rng(17);
    for (int round = 0; round < 400; ++round) {
        t.game->contractKind = round % 3 == 0 ? Betl : Barva;
        t.game->trumpCard = C(int(rng() % 4), 7);
        std::vector<Card> pack;
        for (uint8_t s = 0; s < 4; ++s)
            for (uint8_t r = 7; r <= 14; ++r) pack.push_back(C(s, r));
        std::shuffle(pack.begin(), pack.end(), rng);
        const int n = 10 + int(rng() % 3);
        if (round % 5 == 0) pack[size_t(n - 1)] = pack[0];
        THrac& s = t.seat(1);
        s.ClearHand();
        for (int i = 1; i <= n; ++i) {
            s.hand[size_t(i)].SetTriple(pack[size_t(i - 1)]);
            s.hand[size_t(i)].state = inHand;
        }
        if (round % 11 == 4) s.hand[3].state = played;
        s.cardCount = uint8_t(n);
        s.RecountHand();
        s.StrengthPass();
        if (round % 7 == 3)
            for (int i = 1; i <= n; ++i) s.hand[size_t(i)].strength = uint8_t(rng() % 40);
        const bool tenBeforeAce = round % 2 == 0;
        std::vector<Card> expected(n);
        for (int i = 1; i <= n; ++i) expected[size_t(i - 1)] = s.hand[size_t(i)].triple();
        std::stable_sort(expected.begin(), expected.end(), [&](const Card& a, const Card& b) {
            if (a.suit != b.suit) return a.suit > b.suit;
            return tenBeforeAce ? a.strength < b.strength : a.rank < b.rank;
        });
        s.SortHand(tenBeforeAce);
        for (int i = 1; i <= n; ++i)
            ASSERT_EQ(CardCode(s.hand[size_t(i)].triple()), CardCode(expected[size_t(i - 1)]))
                << "round " << round << ", slot " << i;
        ASSERT_TRUE(s.HandCacheAgrees());
    }
}

TEST(SortHand, InBetlTheTenKeepsItsNaturalPlaceEitherWay) {
    TestTable t;
    t.game->contractKind = Betl;
    THrac& s = t.seat(1);
    GiveHand(s, {C(0, 14), C(0, 10), C(0, 11), C(2, 8), C(0, 7)});
    s.SortHand(true);
    EXPECT_EQ(HandText(s), "2_8 0_7 0_10 0_11 0_14 ");
}

TEST(SeatLog, LogCallPrefixesTheNameCutToElevenCharacters) {
    TestTable t;
    t.game->Seat(2)->name = "Radek";
    t.game->LogCall(*t.game->Seat(2), "Dobré");
    t.game->Seat(3)->name = "Bartoloměj";  // ten characters, one of them two bytes
    t.game->LogCall(*t.game->Seat(3), "Dobré");
    EXPECT_EQ(t.view.log[0], "Radek: Dobré");
    EXPECT_EQ(t.view.log[1], "Bartoloměj:Dobré");
}
