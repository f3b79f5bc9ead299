#include "deal/card.h"

#include <gtest/gtest.h>

TEST(CardStrength, SuitGameRanksTenBelowAceAndTrumpsAboveAll) {
    // Trumps Kule: the Kule seven beats the hearts ace; the hearts ten beats the hearts king.
    EXPECT_EQ(CardStrength(3, 7, Barva, 3), 27);
    EXPECT_EQ(CardStrength(0, 14, Barva, 3), 16);
    EXPECT_EQ(CardStrength(0, 10, Barva, 3), 15);
    EXPECT_EQ(CardStrength(0, 13, Barva, 3), 13);
    EXPECT_EQ(CardStrength(3, 14, Barva, 3), 36);
    EXPECT_EQ(CardStrength(3, 10, Barva, 3), 35);
    EXPECT_GT(CardStrength(3, 7, Barva, 3), CardStrength(0, 14, Barva, 3));
}

TEST(CardStrength, BetlAndDurchKeepTheNaturalOrderWithoutTrumps) {
    for (uint8_t kind : {uint8_t(Betl), uint8_t(Durch)}) {
        EXPECT_EQ(CardStrength(2, 10, kind, 2), 10);
        EXPECT_EQ(CardStrength(2, 11, kind, 2), 11);
        EXPECT_EQ(CardStrength(2, 14, kind, 2), 14);
        EXPECT_LT(CardStrength(1, 10, kind, 1), CardStrength(1, 11, kind, 1));
    }
}

TEST(CardNames, PictureCodesAcceptSuitGameStrengthsOfTenAndAce) {
    EXPECT_EQ(CardPictureFile(0, 7), "cards/0_7.bmp");
    EXPECT_EQ(CardPictureFile(2, 10), "cards/2_10.bmp");
    EXPECT_EQ(CardPictureFile(2, 15), "cards/2_10.bmp");
    EXPECT_EQ(CardPictureFile(3, 14), "cards/3_a.bmp");
    EXPECT_EQ(CardPictureFile(3, 16), "cards/3_a.bmp");
    EXPECT_EQ(CardPictureFile(1, 11), "cards/1_j.bmp");
    EXPECT_EQ(CardPictureFile(1, 12), "cards/1_q.bmp");
    EXPECT_EQ(CardPictureFile(1, 13), "cards/1_k.bmp");
    EXPECT_EQ(CardPictureFile(1, 6), "");
    EXPECT_EQ(CardPictureFile(1, 17), "");
    EXPECT_EQ(CardPictureFile(4, 7), "");
}

TEST(CardNames, HintIsAdjectiveOfTheRankGroupThenRankName) {
    EXPECT_EQ(CardHint(1, 13), "zelený král");
    EXPECT_EQ(CardHint(0, 10), "červená desítka");
    EXPECT_EQ(CardHint(3, 7), "kulová sedma");
    EXPECT_EQ(CardHint(2, 11), "žaludový spodek");
}

TEST(CardNames, FlekLevelsRunFromNefleknutoToChot) {
    EXPECT_EQ(FlekName(0), "nefleknuto");
    EXPECT_EQ(FlekName(2), "lepší");
    EXPECT_EQ(FlekName(10), "choť");
    EXPECT_EQ(FlekCallWord(10), "chot");
    EXPECT_EQ(FlekName(11), "");
}

TEST(CardCode, RoundTripsEveryCardAndRejectsNonsense) {
    for (int s = 0; s < 4; ++s)
        for (int r = 7; r <= 14; ++r) {
            Card c;
            ASSERT_TRUE(ParseCardCode(CardCode(Card{uint8_t(s), uint8_t(r), 0}), c));
            EXPECT_EQ(c.suit, s);
            EXPECT_EQ(c.rank, r);
        }
    Card c;
    for (const char* bad : {"", "4_7", "0_6", "0_15", "0-7", "0_1a", "00_7", "0_"})
        EXPECT_FALSE(ParseCardCode(bad, c)) << bad;
}
