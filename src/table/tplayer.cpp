#include "table/tplayer.h"

#include "game/thra.h"

TPlayer::TPlayer(THra& g, int no) : THrac(g, no) {
    human_ = true;
}

void TPlayer::PlayCard() {
    game->state = Waiting;
}
