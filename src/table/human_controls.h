// The human's controls on the table besides his cards: the "Trumf" and "Talon" push buttons
// (100 x 30, created once, hidden between uses) and the contract radio buttons of the contract
// group, which the human sets while laying the talon. The window implements it; tests fake it.
#pragma once

enum class HumanButton { Trump, Talon };

constexpr int kHumanButtonWidth = 100;
constexpr int kHumanButtonHeight = 30;

class IHumanControls {
public:
    virtual ~IHumanControls() = default;
    virtual void MoveButton(HumanButton b, int left, int top) = 0;
    virtual void ShowButton(HumanButton b, bool visible) = 0;
    virtual void EnableButton(HumanButton b, bool enabled) = 0;
    // The contract kind whose radio button is checked: 0 "Hra", 1 "Betl", 2 "Durch".
    virtual int CheckedContract() const = 0;
};

// No buttons at all; the checked contract is the suit game.
class NoHumanControls : public IHumanControls {
public:
    void MoveButton(HumanButton, int, int) override {}
    void ShowButton(HumanButton, bool) override {}
    void EnableButton(HumanButton, bool) override {}
    int CheckedContract() const override { return 0; }
};
