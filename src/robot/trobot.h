// A computer player.
#pragma once

#include "game/thrac.h"

class TRobot : public THrac {
public:
    TRobot(THra& game, int seatNo);
};
