// The three modal questions the human answers outside the table: whether a game another seat
// announced is good ("Co na to říkáš ?"), the talon he has just taken ("V talonu byly tyto
// karty."), and a doubling offer ("Navýšení hodnoty hry"). The window shows real dialogs; the
// headless runner and the tests answer them without a screen. The game only fills in what the
// dialogs show and reads back what was answered: the rules of the answers live in TPlayer.
#pragma once

#include <string>

#include "deal/card.h"

struct GoodBadQuestion {
    std::string firstLine;   // the declarer's name and " hraje "
    std::string secondLine;  // " barvu!", "Stosedm!", " betla!", " durcha!"
    bool red = false;        // the second line in red
    bool badEnabled = true;  // "Špatné" may be pressed
};

// The four check boxes of the doubling dialog, by role.
struct FlekBoxes {
    bool sevenFlek = false;       // "Flek na :" "Sedmu"
    bool hundredFlek = false;     // "Flek na :" "Stovku"
    bool sevenAgainst = false;    // "Proti :" "Sedmu"
    bool hundredAgainst = false;  // "Proti :" "Stovku"

    bool operator==(const FlekBoxes&) const = default;
};

struct FlekQuestion {
    std::string question;    // "Dáš si " + level name + "?"
    std::string gameButton;  // the level's name: the caption of the button that doubles the game
    FlekBoxes enabled;       // boxes the human may tick; all start unticked
};

struct FlekAnswer {
    bool game = false;  // closed with the game button; "Mlčím" and the close box answer false
    FlekBoxes ticked;   // counted whichever way the dialog was closed
};

class IDecisionDialogs {
public:
    virtual ~IDecisionDialogs() = default;
    // True for "Dobré", false for "Špatné" (the human takes the game).
    virtual bool AskGoodBad(const GoodBadQuestion& q) = 0;
    // Shows the two talon cards and returns when the human has seen them.
    virtual void ShowTalon(const Card& first, const Card& second) = 0;
    virtual FlekAnswer AskFlek(const FlekQuestion& q) = 0;
};

// Answers without asking anybody: every game is good, nothing is doubled.
class SilentDecisionDialogs : public IDecisionDialogs {
public:
    bool AskGoodBad(const GoodBadQuestion&) override { return true; }
    void ShowTalon(const Card&, const Card&) override {}
    FlekAnswer AskFlek(const FlekQuestion&) override { return {}; }
};
