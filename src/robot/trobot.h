// A computer player.
//
// It judges a hand by two scores, one for betl and one for durch (lower is better: the
// weighted gaps below, or above, the cards it holds), and by a hand strength for the suit
// game (marriages, aces, tens and trumps). As forehand it names trumps from its first seven
// cards, lays away two cards that keep its aces, tens and trumps, and declares the seven and
// the hundred from its ten remaining cards. Asked about an announced game it accepts, or takes
// it over as betl or durch when the score is good enough; asked to double it compares the hand
// strength with a threshold that rises with the level.
//
// In play it puts the cards it may play into a candidate list and picks one by fixed rules for
// leading and following in each contract, using only what is public at the table: its own
// hand, the cards on the table, the cards seen played, the seats' shown voids and how often
// each suit was led. It never draws at random.
#pragma once

#include <array>
#include <cstdint>

#include "game/thrac.h"
#include "robot/candidates.h"

class TRobot : public THrac {
public:
    TRobot(THra& game, int seatNo);

    void ChooseTrump() override;
    void LayTalon() override;
    void PlayCard() override;
    bool AnswerGame() override;
    uint8_t AnswerFlek(uint8_t offer) override;
    void NewDeal() override;
    // The card the play rules pick now, without playing it (rank 0 if none). A remembered
    // betl lead is used up by asking.
    Card ChooseCard();

    // Both scores look at slots 1..10 only and rewrite slotMarks of slots 1..cardCount.
    int16_t BetlScore();
    int16_t DurchScore();
    // 0 unless the contract is the suit game.
    int32_t HandStrength() const;

    int16_t evaluation = 0;  // the last betl or durch score of an answer; 255 before one
    // Per slot 1..12: ranks of the card's suit missing below it (betl) or above it (durch);
    // 255 for a slot the score did not see. The betl and durch talon lays away by these.
    std::array<uint8_t, 13> slotMarks{};
    Card betlLead{};  // the first lead chosen with a betl talon; strength 0 = none

private:
    // --- contract (robot_contract.cpp) ---
    int16_t MarkedScore(bool betl);
    bool TakeOver(uint8_t kind);

    // --- talon (robot_talon.cpp) ---
    bool LaySuitTalon();  // and whether the seven is worth declaring
    void LayAway(int slot);
    void LayAwaySuit(uint8_t suit);
    int TalonPick() const;
    void SearchBetlLead();
    void CloseHand();
    int HoldsAmongTwelve(uint8_t suit, uint8_t rank) const;

    // --- play (robot_play.cpp) ---
    // ChooseCard for the cards the rule allows now (`legal_`): the chosen entry of
    // candidates_, 0 if none.
    int Choose();
    void AddHand();
    void AddLegalCards();
    void LeadSuitGame();
    void FollowSuitGame();
    int WeakestNonSeven(int chosen) const;
    void SevenRule();
    void TenOrAce(bool tenAllowed);
    bool UnplayedFrom(uint8_t suit, uint8_t rank) const;
    void Finish(int chosen);  // plays the slot of that entry

    // --- betl and durch (robot_betl_durch.cpp) ---
    void LeadBetl();
    void LeadDurch();
    void FollowBetlDurch();
    bool OpenAboveInHand(uint8_t suit, uint8_t rank) const;
    bool OpenAboveInList(uint8_t suit, uint8_t rank) const;
    void LeadLoneCard();

    bool Holds(uint8_t suit, uint8_t rank) const { return FindCard(suit, rank) != 0; }

    CandidateList candidates_;
    int chosen_ = 0;                   // entry of candidates_, 0 while nothing is chosen
    uint32_t legal_ = 0;               // the cards the legal-play rule allows (CardBit) now
    int laidAway_ = 0;                 // cards laid to the talon by the LayTalon in progress
    std::array<int, 2> talonSlots_{};  // their slots, as talon cards 1 and 2
};
