// The human's side of the table as fakes: decision dialogs answered from a script, and a table
// view that also keeps the "Trumf" and "Talon" buttons and the contract radio buttons as the
// window does, so that a test can click its way through a deal as the human.
#pragma once

#include <deque>
#include <memory>
#include <utility>

#include "support/fakes.h"
#include "table/tplayer.h"

struct ScriptedDialogs : IDecisionDialogs {
    std::deque<bool> goodBad;      // answers in turn; "Dobré" once they run out
    std::deque<FlekAnswer> fleks;  // answers in turn; "Mlčím" with nothing ticked after that
    GoodBadQuestion goodBadAsked;  // the last questions asked and talon shown
    FlekQuestion flekAsked;
    int fleksAsked = 0;
    std::pair<Card, Card> talonShown;

    bool AskGoodBad(const GoodBadQuestion& q) override;
    void ShowTalon(const Card& a, const Card& b) override { talonShown = {a, b}; }
    FlekAnswer AskFlek(const FlekQuestion& q) override;
};

struct FakeButton {
    int left = 0, top = 0;
    bool visible = false, enabled = false;
};

struct HumanTableView : RecordingView, IHumanControls {
    FakeButton trumf, talon;
    int checked = Barva;    // the contract radio button checked
    int lowestEnabled = 3;  // radio buttons of this kind and above are enabled; 3 = none
    TPlayer* player = nullptr;

    FakeButton& button(HumanButton b) { return b == HumanButton::Trump ? trumf : talon; }
    void MoveButton(HumanButton b, int l, int t) override { button(b).left = l, button(b).top = t; }
    void ShowButton(HumanButton b, bool on) override { button(b).visible = on; }
    void EnableButton(HumanButton b, bool on) override { button(b).enabled = on; }
    int CheckedContract() const override { return checked; }
    void HraEnableAll(int kind) override;
    void HraDisableAll() override { lowestEnabled = 3; }
    // A click on a contract radio button as the window passes it on: only an enabled one.
    void ClickContract(int kind);
};

// The human in seat 1 and scripted seats, which accept every game and never double.
struct HumanTable : RecordingPorts {
    HumanTableView table;
    ScriptedDialogs dialogs;
    std::unique_ptr<THra> game;

    HumanTable();
    TPlayer& human() { return static_cast<TPlayer&>(*game->Seat(1)); }
    // The human's card by its code ("3_14"); false when he holds no such card.
    bool Click(const char* code);
    // The human as forehand holding these twelve cards, asked to name trumps.
    void Forehand(const char* hand);
};
