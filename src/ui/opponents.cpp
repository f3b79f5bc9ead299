#include "ui/opponents.h"

#include "robot/trobot.h"
#include "robot/tstrongrobot.h"

std::unique_ptr<THrac> MakeComputerPlayer(THra& game, int seatNo, Opponents kind) {
    if (kind == Opponents::Silnejsi) return std::make_unique<TStrongRobot>(game, seatNo);
    return std::make_unique<TRobot>(game, seatNo);
}

void ChangeOpponents(THra& game, Opponents kind) {
    for (int seatNo : {2, 3}) game.ReplaceSeat(MakeComputerPlayer(game, seatNo, kind));
}

int HintedSlot(const THra& game, const THrac& human) {
    return game.AwaitsCardFrom(human) ? StrongCardChoice(game, human) : 0;
}
