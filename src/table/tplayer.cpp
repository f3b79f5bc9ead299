#include "table/tplayer.h"

#include "game/thra.h"
#include "game/trick_rules.h"

TPlayer::TPlayer(THra& g, int no) : THrac(g, no) {
    human_ = true;
}

void TPlayer::PlayCard() {
    game->state = Waiting;
}

void TPlayer::CardClick(int slot) {
    if (slot < 1 || slot > 12) return;
    switch (hand[slot].state) {
        case inHand:
            ClickToPlay(slot);
            break;
        default:  // played, or a state only the trump and talon choice give a card
            break;
    }
}

void TPlayer::ClickToPlay(int slot) {
    THra& g = *game;
    // Set whether or not the click is then taken; the computer players read it.
    if (g.declarer == g.onTurn) g.declarerPlayed = true;
    if (g.onTurn != this || !g.humanMayPlay) return;
    // Only the ten cards of play can be played; the legal-play rule judges the rest.
    if (slot > 10 || !IsLegalPlay(g, *this, hand[slot].triple())) return;
    g.humanMayPlay = false;
    g.PlayStep(*this, hand[slot]);
}
