// The human's seat. Its decisions come from the window: card clicks, the "Trumf" and "Talon"
// buttons and the decision dialogs. During play the controller asks it for a card and then
// waits (state Waiting) until a click plays one.
#pragma once

#include "game/thrac.h"

class TPlayer : public THrac {
public:
    TPlayer(THra& game, int seatNo);
    void PlayCard() override;

    // A click on the card in hand slot 1..12, by what the card's state makes of it. A click
    // the rules refuse changes nothing and says nothing: the human simply clicks another card.
    void CardClick(int slot);

private:
    void ClickToPlay(int slot);
};
