// The stronger computer player.
//
// It names trumps, lays its talon, answers games and doubles exactly as TRobot does; only its
// card play differs. Before each card it looks ahead: it deals the cards it cannot see to the
// other seats in many ways that agree with everything seen at the table, plays every card it
// may play out to the end of the deal in each of those deals (all three seats choosing as
// TRobot would), and plays the card whose deals end best for its side on average.
#pragma once

#include "robot/trobot.h"

class THra;
class THrac;

class TStrongRobot : public TRobot {
public:
    TStrongRobot(THra& game, int seatNo);
    // Searches, then plays its choice through THra::PlayFromHand.
    void PlayCard() override;
};

// The hand slot (1..10) of the card the stronger player would play now from `seat`'s hand,
// judged only on what `seat` may know (its own hand, the table, cards played, shown voids, its
// own talon if declarer, the trump card). 0 when `seat` is not the seat to play a card now.
// Never changes the game (the hint for the human uses it).
int StrongCardChoice(const THra& game, const THrac& seat);
