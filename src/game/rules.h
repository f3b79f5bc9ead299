// The rules in force: stakes, switches and the shuffling options. The window's rules dialogs,
// the headless runner's rules file and the tests each provide them through IRules; the game
// reads them at the moment a rule applies, so a change takes effect from then on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct RuleSet {
    // Stakes as texts, the way the rules dialog holds them (at most 10 characters each).
    std::string zakladHry = "0.1";  // ZAKLAD_HRY, read leniently (ParseDecimalText)
    std::string betl = "0.5";       // multipliers of the base stake, read as decimal numbers
    std::string durch = "1";
    std::string tichaSedma = "2";
    std::string hlasenaSedma = "4";
    bool nasobit = true;   // NASOBIT: a game over a hundred is multiplied
    bool herce = true;     // HERCE: a game in hearts pays double
    bool bezfleku = true;  // BEZFLEKU: an undoubled suit game ends at once
    bool utek = true;      // UTEK: stored, never read by play
    bool trideni = true;   // TRIDENI: true = the ten sorts before the ace in a suit game
    uint8_t stovka = 3;    // STOVKA 1..3: which marriages count for a hundred
    uint8_t michani = 3;   // MICHANI 1..3: full shuffle, no shuffle, cut only
    uint8_t rozdani = 1;   // ROZDANI 1..2: random cut (1 in 32 "do plných"), always "do plných"
    uint8_t pocetSejmuti = 10;  // POCET_SEJMUTI 2..32: cuts in cut-only mode
};

// Money is kept to the cent only while amounts stay well inside the 15 digits a double holds
// exactly, and a game may cost its stake doubled some twenty times: a stake larger than this in
// size counts as no number at all.
inline constexpr double kMaxStake = 1e9;
// Finite and at most kMaxStake in size.
bool IsUsableStake(double value);

// The base stake (ZAKLAD_HRY) as the game prices it: read leniently (ParseDecimalText), the
// default 0.1 when it is out of range.
double BaseStake(const RuleSet& rules);
// A multiple of the base stake (BETL, DURCH, TICHA_SEDMA, HLASENA_SEDMA), read strictly with
// the user's decimal separator; `def` when it is not a number or out of range.
double StakeMultiplier(std::string_view text, double def);

// The stakes as the game prices them, read as BaseStake and StakeMultiplier do. Reading a
// stake's text costs more than the rest of a settlement, so the last text read of each stake
// is remembered with its value (and the decimal separator it was read with).
class StakeReader {
public:
    enum Stake { Base, BetlStake, DurchStake, SilentSeven, DeclaredSeven };
    double Read(const RuleSet& rules, Stake which);

private:
    struct Remembered {
        bool known = false;
        char separator = 0;
        std::string text;
        double value = 0;
    };
    Remembered remembered_[5];
};

enum StovkaOption : uint8_t { StovkaFirstOnly = 1, StovkaAll = 2, StovkaFirstRestAdded = 3 };

class IRules {
public:
    virtual ~IRules() = default;
    virtual const RuleSet& Current() const = 0;
};

// Rules held by value: the tests' and the headless runner's source of rules.
class FixedRules : public IRules {
public:
    FixedRules() = default;
    explicit FixedRules(RuleSet r) : rules(std::move(r)) {}
    const RuleSet& Current() const override { return rules; }
    RuleSet rules;
};
