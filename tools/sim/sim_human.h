// The runner's human: seat 1 is the real TPlayer, and a script clicks for him through the
// entry points the window uses — his cards by hand slot, the "Trumf" and "Talon" buttons, the
// contract group's radio buttons and its seven and hundred boxes — and answers his dialogs.
// The script either chooses at random from a stream of its own (clicks the rules may refuse
// included) or replays the "human" events of an earlier run. Every click is checked: a
// refused click must change nothing, a click the rules allow must be taken.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "deal/random.h"
#include "sim_watch.h"
#include "table/decision_dialogs.h"
#include "table/human_controls.h"
#include "table/tplayer.h"

// The window's controls for the human, without a screen, switched by the game as the window
// switches them. A click on a hidden or disabled control does nothing, as on the screen.
class HeadlessControls : public IHumanControls {
public:
    struct Control {
        bool visible = false, enabled = false, checked = false;
    };

    void Attach(TPlayer& player) { player_ = &player; }

    // IHumanControls
    void MoveButton(HumanButton, int, int) override {}
    void ShowButton(HumanButton b, bool visible) override { button(b).visible = visible; }
    void EnableButton(HumanButton b, bool enabled) override { button(b).enabled = enabled; }
    int CheckedContract() const override;

    // The contract group's operations of the table view.
    void HraDisableAll();
    void HraEnableAll(int kind);
    void UncheckDeclarationBoxes() { seven.checked = hundred.checked = false; }
    void DisableHumanButtons() { trump.enabled = talon.enabled = false; }
    void HideTalonButton() { talon.visible = false; }

    // The human's clicks.
    void ClickRadio(int kind);
    void ClickBox(Control& box);
    void ClickTrump();
    void ClickTalon();

    Control trump, talon;       // the push buttons
    Control radio[3];           // "Hra", "Betl", "Durch"
    Control seven, hundred;     // "Sedma", "Sto"
    std::string State() const;  // everything above, for comparing before and after a click

private:
    Control& button(HumanButton b) { return b == HumanButton::Trump ? trump : talon; }
    void Check(int kind);
    void BoxesFor(int kind);

    TPlayer* player_ = nullptr;
};

// The runner's table: the watcher with the human's controls in its contract group.
class SimTable : public SimWatch {
public:
    using SimWatch::SimWatch;
    HeadlessControls& controls() { return controls_; }

    void UncheckDeclarationBoxes() override { controls_.UncheckDeclarationBoxes(); }
    bool SevenBoxChecked() const override { return controls_.seven.checked; }
    bool HundredBoxChecked() const override { return controls_.hundred.checked; }
    void HraDisableAll() override { controls_.HraDisableAll(); }
    void HraEnableAll(int kind) override { controls_.HraEnableAll(kind); }
    void DisableHumanButtons() override { controls_.DisableHumanButtons(); }
    void HideTalonButton() override { controls_.HideTalonButton(); }

    // The human's talon must be the two cards chosen when "Talon" was pressed, in slot order.
    void ExpectHumanTalon(const Card& first, const Card& second) {
        expected_ = {first, second};
        expecting_ = true;
    }
    void TalonLaid(const THrac& seat) override;
    // The human's talon has been chosen and not laid yet.
    bool talonExpected() const { return expecting_; }

private:
    HeadlessControls controls_;
    std::pair<Card, Card> expected_{};
    bool expecting_ = false;
};

// One decision read back from a "human" event.
struct HumanDecision {
    enum Kind { Trump, Talon, Good, Flek, Play } kind = Play;
    int deal = 0;  // the deal it was taken in
    int line = 0;  // its line in the file
    Card cards[2]{};
    int contract = 0;
    bool seven = false, hundred = false, good = false;
    int flek = 0;
};

// The "human" events of an --events output, in order, each with its deal; false and `error`
// set when the file cannot be read or an event is malformed.
bool ReadHumanDecisions(const std::string& file, std::vector<HumanDecision>& out,
                        std::string& error);

// The seed of the human's own stream of chance, derived from the deals' seed and apart from it:
// a replay deals the same packs whatever the human did.
uint64_t HumanStreamSeed(uint64_t dealSeed);

class SimHuman : public IDecisionDialogs {
public:
    // Chooses at random, from a stream seeded with `seed`.
    SimHuman(SimTable& table, uint64_t seed);
    // Replays these decisions.
    SimHuman(SimTable& table, std::vector<HumanDecision> decisions);

    void Attach(THra& game, TPlayer& player);
    // Takes the decision the waiting deal needs. False when the deal waits for nothing the
    // human can click, or a click went wrong; the watcher has been told why.
    bool Act();
    // After a deal: neither button is left on the table.
    void DealEnded();

    bool AskGoodBad(const GoodBadQuestion& q) override;
    void ShowTalon(const Card&, const Card&) override {}
    FlekAnswer AskFlek(const FlekQuestion& q) override;

    long long decisions() const { return decisions_; }
    long long refusedClicks() const { return refused_; }
    // Replay: decisions of the file the run did not reach.
    size_t unusedDecisions() const { return replay_.size() - next_; }

private:
    bool ChooseTrump();
    bool LayTalon();
    bool PlayCard();
    bool ReplayTrump(const HumanDecision& d);
    bool ReplayTalon(const HumanDecision& d);
    bool ReplayPlay(const HumanDecision& d);
    // The next replayed decision, which must be of this kind and deal; null (and the watcher
    // told) when it is not.
    const HumanDecision* NextDecision(HumanDecision::Kind kind);

    // A click on hand slot `slot` (0..13, slots outside 1..12 included), checked: taken when
    // `allowed`, else nothing may change. Answers whether it was taken.
    bool ClickSlot(int slot);
    bool SelectionAllowed(int slot) const;
    bool ConfirmTrump();
    bool ConfirmTalon();
    int SlotOf(const Card& c) const;
    int Selected() const;
    bool Chance(int inN) { return random_->Next(inN) == 0; }
    std::string Snapshot() const;
    bool Fail(const std::string& what);

    SimTable& table_;
    HeadlessControls& controls_;
    std::unique_ptr<IRandom> random_;
    std::vector<HumanDecision> replay_;
    bool replaying_ = false;
    size_t next_ = 0;
    THra* game_ = nullptr;
    TPlayer* player_ = nullptr;
    long long decisions_ = 0;
    long long refused_ = 0;
};
