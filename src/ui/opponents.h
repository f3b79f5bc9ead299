// The computer players the window seats in seats 2 and 3, and the hint for the human, which
// asks the stronger player what it would play from his hand.
#pragma once

#include <memory>

#include "game/thra.h"
#include "records/game_settings.h"

std::unique_ptr<THrac> MakeComputerPlayer(THra& game, int seatNo, Opponents kind);
// Seats 2 and 3 change to `kind` from the next deal on, keeping the players' names and money.
void ChangeOpponents(THra& game, Opponents kind);
// The hand slot the stronger player would play from the human's hand; 0 unless his card is
// awaited. Changes nothing.
int HintedSlot(const THra& game, const THrac& human);
