// The human's side of the table as fakes: decision dialogs answered from a script, and a table
// view that also keeps the "Trumf" and "Talon" buttons and the contract radio buttons the way
// the window does, so a test can click its way through a deal as the human.
#pragma once

#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "robot/trobot.h"
#include "support/fakes.h"
#include "table/decision_dialogs.h"
#include "table/human_controls.h"
#include "table/tplayer.h"

struct ScriptedDialogs : IDecisionDialogs {
    std::deque<bool> goodBad;      // answers in turn; "Dobré" once they run out
    std::deque<FlekAnswer> fleks;  // answers in turn; "Mlčím" with nothing ticked after that
    std::vector<GoodBadQuestion> goodBadAsked;
    std::vector<FlekQuestion> flekAsked;
    std::vector<std::pair<Card, Card>> talonsShown;

    bool AskGoodBad(const GoodBadQuestion& q) override;
    void ShowTalon(const Card& first, const Card& second) override {
        talonsShown.emplace_back(first, second);
    }
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
    void MoveButton(HumanButton b, int left, int top) override {
        button(b).left = left, button(b).top = top;
    }
    void ShowButton(HumanButton b, bool visible) override { button(b).visible = visible; }
    void EnableButton(HumanButton b, bool enabled) override { button(b).enabled = enabled; }
    int CheckedContract() const override { return checked; }
    void HraEnableAll(int kind) override;
    void HraDisableAll() override { lowestEnabled = 3; }
    void DisableHumanButtons() override { trumf.enabled = talon.enabled = false; }
    void HideTalonButton() override { talon.visible = false; }

    // The human's clicks as the window passes them on; disabled controls take no click.
    void ClickContract(int kind);
    void ClickTrump();
    void ClickTalon();
};

// A pack whose first cards are these codes, then every other card in suit order.
std::vector<std::string> PackStarting(std::string_view codes);

// The human in seat 1, computer players in the seats given and scripted seats elsewhere.
struct HumanTable : RecordingPorts {
    HumanTableView table;
    ScriptedDialogs dialogs;
    std::unique_ptr<THra> game;

    explicit HumanTable(std::initializer_list<int> robotSeats = {2, 3});
    TPlayer& human() { return static_cast<TPlayer&>(*game->Seat(1)); }
    // A scripted seat (one the table was not asked to make a computer player).
    ScriptedSeat& seat(int no) { return static_cast<ScriptedSeat&>(*game->Seat(no)); }
    // Deals this pack as given, "do plných", with the forehand given.
    void Deal(const std::vector<std::string>& codes, int forehandNo);
    // Clicks the human's card by its code ("3_14"); false when he holds no such card.
    bool Click(const char* code);
    // Runs idle steps and trick timers until the human must act or the deal is over.
    void Drive();
    // Plays the deal out: whenever the human is on turn he clicks his cards from the first
    // slot on until one is taken. Answers the number of clicks refused.
    int PlayOut();
};
