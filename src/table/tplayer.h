// The human's seat. Its decisions come from the window: card clicks, the "Trumf" and "Talon"
// buttons, the contract radio buttons and the decision dialogs.
//
// None of the seat operations blocks on a click. ChooseTrump, LayTalon and PlayCard arm the
// cards and the buttons and return with the deal Waiting; the clicks then drive the game, as
// the idle step and the trick timer do. Only AnswerGame and AnswerFlek wait, inside their
// modal dialogs.
//
// What a click on one of the human's cards means depends on the card's state: naming trumps
// (trumpPick, the five face-down cards included), choosing the talon (discardCandidate and
// discardSelected), or playing it (inHand), judged by the one legal-play rule. A refused click
// changes nothing and says nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "game/thrac.h"
#include "table/decision_dialogs.h"
#include "table/human_controls.h"

struct HumanPorts {
    IHumanControls* controls = nullptr;
    IDecisionDialogs* dialogs = nullptr;
};

class TPlayer : public THrac {
public:
    TPlayer(THra& game, int seatNo, HumanPorts ports = {});

    void ChooseTrump() override;
    void LayTalon() override;
    void PlayCard() override;
    bool AnswerGame() override;
    uint8_t AnswerFlek(uint8_t offer) override;
    void NewDeal() override;

    // --- the human's input ---
    // A click on the card in hand slot 1..12; other slots and empty slots do nothing.
    void CardClick(int slot);
    // A click on a card picture of the table: the human's own cards only.
    void PictureClick(int picture);
    void TrumpButtonClick();  // "Trumf": the trump confirmation
    void TalonButtonClick();  // "Talon": the talon confirmation
    // The contract radio button "Hra" was chosen: the talon choice starts again.
    void RelayForDiscard();

    // "Poradit": the card of hand slot 1..10 stands raised as a selected card does, until the
    // human's next click on a card or the table. Only the picture moves: the card, its place
    // in the hand and the deal stay as they were.
    void ShowHint(int slot);
    void ClearHint();
    int hintedSlot() const { return hint_; }

    // The doubling boxes the human may tick for this offer.
    FlekBoxes FlekBoxesFor(uint8_t offer) const;

private:
    GoodBadQuestion GoodBadFor() const;
    void PickTrump(int slot);
    void SelectForTalon(int slot);
    void Deselect(int slot);
    void Play(int slot);
    // Hand slots 1..count face up, in state `state`, placed in the row.
    void LayOutHand(int count, uint8_t state);
    void Place(TKarta& k, int position, bool raised);
    int CountSelected() const;
    bool LayingTalon() const;
    bool TakeGame();
    void MoveButtonToWork(HumanButton b);

    IHumanControls* controls_;
    IDecisionDialogs* dialogs_;
    int picked_ = 0;  // the slot picked as the trump card, 0 while none
    int hint_ = 0;    // the slot raised by "Poradit", 0 while none
    std::optional<std::pair<int, int>> talonPlace_;  // where "Talon" was last put to work
};
