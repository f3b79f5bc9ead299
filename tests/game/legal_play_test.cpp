// The legal-play rule, case by case: the cards before the seat are laid through the common play
// step, then every card of the seat's hand is offered to the rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/trick_rules.h"
#include "support/fakes.h"

namespace {

struct LegalCase {
    const char* name;
    uint8_t contract;
    int trumpSuit;       // the suit of trumpCard, named in every contract
    const char* before;  // cards already on the table, leader first ("" when leading)
    const char* hand;    // the hand of the seat on turn
    const char* legal;   // the cards of that hand it may play
};

const LegalCase kLegalCases[] = {
    {"LeadingAnyCard", Barva, 3, "", "0_7 1_14 3_8", "0_7 1_14 3_8"},
    {"SecondMustFollowAndBeatTheLedCard", Barva, 3, "0_9", "0_7 0_14 1_14 3_8", "0_14"},
    {"SecondWhoCannotBeatFollowsWithAnyCardOfTheSuit", Barva, 3, "0_14", "0_7 0_10 3_8",
     "0_7 0_10"},
    {"TheTenBeatsTheKingInASuitGame", Barva, 3, "0_13", "0_7 0_10", "0_10"},
    {"LedTrumpMustBeOvertakenWithATrump", Barva, 3, "3_9", "3_7 3_11 0_14", "3_11"},
    {"SecondVoidMustTrump", Barva, 3, "0_9", "1_14 3_7 3_8", "3_7 3_8"},
    {"SecondVoidWithoutTrumpsPlaysAnything", Barva, 3, "0_9", "1_8 2_9", "1_8 2_9"},
    {"ThirdMustBeatTheStrongerOfTheTwoCardsOfTheLedSuit", Barva, 3, "0_9 0_13", "0_7 0_12 0_10",
     "0_10"},
    {"ThirdWhoCannotBeatTheSecondMayPlayLow", Barva, 3, "0_9 0_14", "0_7 0_12", "0_7 0_12"},
    {"ThirdBeatsTheLedCardAfterADiscard", Barva, 3, "0_9 1_14", "0_7 0_13", "0_13"},
    {"ThirdAfterATrumpMayPlayItsLowestOfTheLedSuit", Barva, 3, "0_9 3_11", "0_7 0_14 3_14",
     "0_7 0_14"},
    {"ThirdVoidMustOvertakeTheTrumpWhenItCan", Barva, 3, "0_9 3_11", "3_7 3_14 1_8", "3_14"},
    {"ThirdVoidWithOnlyLowerTrumpsPlaysAnyTrump", Barva, 3, "0_9 3_11", "3_7 3_9 1_8", "3_7 3_9"},
    {"ThirdVoidAfterAFollowedTrickMayTrumpLow", Barva, 3, "0_9 0_14", "3_7 3_14 1_8", "3_7 3_14"},
    {"BetlSecondMustBeatInTheNaturalOrder", Betl, 3, "0_10", "0_9 0_11 1_7", "0_11"},
    {"BetlVoidPlaysAnything", Betl, 3, "0_9", "3_7 1_8", "3_7 1_8"},
    {"BetlThirdAfterACardOfTheTrumpCardsSuitIsFreed", Betl, 3, "0_9 3_8", "0_7 0_10", "0_7 0_10"},
    {"BetlThirdAfterAnOrdinaryDiscardMustBeatTheLedCard", Betl, 3, "0_9 1_8", "0_7 0_10", "0_10"},
    {"DurchThirdMustBeatTheSecond", Durch, 0, "1_8 1_12", "1_7 1_11 1_14", "1_14"},
    {"DurchVoidHoldingTheTrumpCardsSuitPlaysAnything", Durch, 0, "1_8", "0_7 2_8", "0_7 2_8"},
};

void PrintTo(const LegalCase& row, std::ostream* os) {
    *os << row.name;
}

class LegalPlay : public testing::TestWithParam<LegalCase> {};

bool Contains(const std::vector<Card>& cards, const Card& c) {
    return std::any_of(cards.begin(), cards.end(), [&](const Card& x) { return SameCard(x, c); });
}

TEST_P(LegalPlay, OnlyTheListedCardsMayBePlayed) {
    const LegalCase& row = GetParam();
    TestTable t;
    THra& g = *t.game;
    g.contractKind = row.contract;
    g.trumpCard = C(row.trumpSuit, 12);
    const std::vector<Card> before = CardsOf(row.before);
    THrac* seat = g.Seat(1);
    for (const Card& c : before) {
        GiveHand(*seat, {c});
        g.PlayStep(*seat, seat->hand[1]);
        seat = seat->next;
    }
    GiveHandCodes(*seat, row.hand);
    const std::vector<Card> legal = CardsOf(row.legal);
    for (int i = 1; i <= seat->cardCount; ++i) {
        const Card held = seat->hand[i].triple();
        const bool expected = Contains(legal, held);
        EXPECT_EQ(IsLegalPlay(g, *seat, held), expected) << CardCode(held);
        // The same answer for the card named by suit and rank alone.
        EXPECT_EQ(IsLegalPlay(g, *seat, C(held.suit, held.rank)), expected) << CardCode(held);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LegalPlay, testing::ValuesIn(kLegalCases),
                         [](const testing::TestParamInfo<LegalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(LegalPlayRule, OnlyCardsStillHeldInSlotsOneToTenObligeTheSeat) {
    TestTable t;
    THra& g = *t.game;
    g.contractKind = Barva;
    g.trumpCard = C(3, 12);
    GiveHand(t.seat(1), {C(0, 9)});
    g.PlayStep(t.seat(1), t.seat(1).hand[1]);
    // A played heart and a heart among the talon slots do not oblige the seat to follow.
    GiveHandCodes(t.seat(2), "0_14 1_8 1_9 1_10 1_11 1_12 1_13 1_14 2_7 2_8 0_13");
    t.seat(2).SetCardState(1, played);
    EXPECT_TRUE(IsLegalPlay(g, t.seat(2), t.seat(2).hand[2].triple()));
}

}  // namespace
