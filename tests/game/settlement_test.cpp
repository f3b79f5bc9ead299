// Pricing a finished game: one row per case with the result lines, the log lines, the money each
// seat gains or loses and the sound, set up directly on the game record as the last trick leaves
// it. Seat 1 is the human; everybody starts with 1000.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_format.h"
#include "support/fakes.h"

namespace {

const std::string kRule(37, '-');

size_t Chars(std::string_view text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Padded(std::string_view label, size_t width) {
    std::string line(label);
    for (size_t n = Chars(label); n < width; ++n) line += ' ';
    return line;
}

// A result line with an amount: the amount text ends in column 35.
std::string Amount(std::string_view label, std::string_view amount) {
    return Padded(label, 35 - amount.size()) + std::string(amount);
}

// A result line with points: the label padded to 30 characters.
std::string Score(std::string_view label, int points) {
    return Padded(label, 30) + std::to_string(points);
}

class SeparatorGuard {
public:
    explicit SeparatorGuard(char separator) : saved_(DecimalSeparator()) {
        SetDecimalSeparator(separator);
    }
    ~SeparatorGuard() { SetDecimalSeparator(saved_); }

private:
    char saved_;
};

double Total(const THra& g) {
    return g.Seat(1)->money + g.Seat(2)->money + g.Seat(3)->money;
}

struct SuitCase {
    const char* name;
    // rules
    const char* base = "1";
    bool herce = true;
    bool nasobit = true;
    uint8_t stovka = StovkaFirstRestAdded;
    const char* ticha = "2";
    const char* hlasena = "4";
    // the deal, by seat 1, 2, 3
    int trump = 3;
    int declarer = 1;
    std::array<int, 3> points{};
    std::array<int, 3> meldSum{};
    std::array<int, 3> firstMeld{};
    int flek = 0;
    int sevenFlek = 0;
    bool sevenDeclared = false, hundredDeclared = false;
    bool sevenAgainst = false, hundredAgainst = false;
    int winner = 1;       // took the last trick
    int sevenHolder = 0;  // laid the seven of trumps to the last trick; 0 nobody
    // expected
    std::vector<std::string> lines{};
    std::vector<std::string> log{};
    std::array<double, 3> change{};
    const char* sound = "";
    uint8_t declarerRecord = ResultWon;
};

std::vector<SuitCase> SuitCases() {
    return {
        {.name = "HeartsFlekLepsiWithHerceAndNasobit",
         .trump = 0,
         .declarer = 1,
         .points = {70, 10, 10},
         .flek = 2,
         .winner = 1,
         .lines = {Score("Uhrál jsi", 70), Score("Protihráči uhráli", 20), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 2x lepší", "4.00"),
                   Amount("Červené", "8.00"), kRule, Amount("Získal jsi", "16.00")},
         .log = {"Protihráči uhráli 20", "Uhrál jsi 70", "Získal jsi 16.00"},
         .change = {16, -8, -8},
         .sound = "wavs\\hura.wav"},
        // A level beyond those a deal reaches: its label is laid out apart.
        {.name = "FlekBeyondTheLevels",
         .points = {70, 10, 10},
         .flek = 11,
         .lines = {Score("Uhrál jsi", 70), Score("Protihráči uhráli", 20), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 11x ", "2048.00"), kRule,
                   Amount("Získal jsi", "4096.00")},
         .log = {"Protihráči uhráli 20", "Uhrál jsi 70", "Získal jsi 4096.00"},
         .change = {4096, -2048, -2048},
         .sound = "wavs\\hura.wav"},
        {.name = "ComputerDeclarerOverAHundred",
         .declarer = 2,
         .points = {10, 110, 10},
         .winner = 2,
         .lines = {Score("Protiháč uhrál", 110), Score("Uhráli jste", 20), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "4.00"), kRule, Amount("Prišel  jsi o", "4.00")},
         .log = {"Protiháč uhrál 110", "Uhráli jste 20", "Prišel  jsi o 4.00"},
         .change = {-4, 8, -4},
         .sound = "wavs\\smula.wav"},
        {.name = "OverAHundredWithoutNasobit",
         .nasobit = false,
         .declarer = 2,
         .points = {10, 110, 10},
         .winner = 2,
         .lines = {Score("Protiháč uhrál", 110), Score("Uhráli jste", 20), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"), kRule,
                   Amount("Prišel  jsi o", "1.00")},
         .log = {"Protiháč uhrál 110", "Uhráli jste 20", "Prišel  jsi o 1.00"},
         .change = {-1, 2, -1},
         .sound = "wavs\\smula.wav"},
        {.name = "DefendersOverAHundredRaiseTheLostGame",
         .declarer = 3,
         .points = {70, 50, 10},
         .winner = 1,
         .lines = {Score("Protiháč uhrál", 10), Score("Uhráli jste", 120), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "8.00"), kRule, Amount("Získal jsi", "8.00")},
         .log = {"Protiháč uhrál 10", "Uhráli jste 120", "Získal jsi 8.00"},
         .change = {8, 8, -16},
         .sound = "wavs\\hura.wav",
         .declarerRecord = ResultLost},
        {.name = "ATieIsLost",
         .declarer = 3,
         .points = {25, 20, 45},
         .winner = 3,
         .lines = {Score("Protiháč uhrál", 45), Score("Uhráli jste", 45), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"), kRule,
                   Amount("Získal jsi", "1.00")},
         .log = {"Protiháč uhrál 45", "Uhráli jste 45", "Získal jsi 1.00"},
         .change = {1, 1, -2},
         .sound = "wavs\\hura.wav",
         .declarerRecord = ResultLost},
        {.name = "DeclaredHundredMadeWithExactlyOneHundred",
         .declarer = 1,
         .points = {100, 20, 10},
         .meldSum = {40, 0, 0},
         .firstMeld = {40, 0, 0},
         .hundredDeclared = true,
         .winner = 1,
         .lines = {Score("Uhrál jsi", 100), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "2.00"), Amount("s První hláškou", "100.00"),
                   Amount("Uhraná hlášená stovka", "4.00"), kRule, Amount("Získal jsi", "8.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 100", "s první hláškou: 100",
                 "Uhraná hlášená stovka", "Získal jsi 8.00"},
         .change = {8, -4, -4},
         .sound = "wavs\\hura.wav"},
        {.name = "DeclaredHundredMissedByCountingOnlyTheFirstMarriage",
         .stovka = StovkaFirstOnly,
         .declarer = 1,
         .points = {120, 20, 10},
         .meldSum = {60, 0, 0},
         .firstMeld = {20, 0, 0},
         .hundredDeclared = true,
         .winner = 1,
         .lines = {Score("Uhrál jsi", 120), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "8.00"), Amount("s První hláškou", "80.00"),
                   Amount("Neuhraná hlášená stovka", "8.00"), kRule,
                   Amount("Prišel  jsi o", "16.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 120", "s první hláškou: 80",
                 "Neuhraná hlášená stovka", "Prišel  jsi o 16.00"},
         .change = {-16, 8, 8},
         .sound = "wavs\\smula.wav",
         .declarerRecord = ResultLost},
        {.name = "DeclaredHundredMadeCountingAllMarriages",
         .stovka = StovkaAll,
         .declarer = 1,
         .points = {120, 20, 10},
         .meldSum = {60, 0, 0},
         .firstMeld = {20, 0, 0},
         .hundredDeclared = true,
         .winner = 1,
         .lines = {Score("Uhrál jsi", 120), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "8.00"), Amount("Uhraná hlášená stovka", "16.00"), kRule,
                   Amount("Získal jsi", "32.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 120", "Uhraná hlášená stovka",
                 "Získal jsi 32.00"},
         .change = {32, -16, -16},
         .sound = "wavs\\hura.wav"},
        {.name = "DeclaredHundredAtEightyWhileWinningTheGame",
         .stovka = StovkaAll,
         .trump = 0,
         .declarer = 1,
         .points = {80, 20, 10},
         .flek = 1,
         .hundredDeclared = true,
         .winner = 1,
         // HB = 1 x 2 (hearts) x 2 (flek) = 4; 80 points are two tens short: -2 x 4 x 4.
         .lines = {Score("Uhrál jsi", 80), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 1x flek", "2.00"),
                   Amount("Červené", "4.00"), Amount("Neuhraná hlášená stovka", "32.00"), kRule,
                   Amount("Prišel  jsi o", "64.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 80", "Neuhraná hlášená stovka",
                 "Prišel  jsi o 64.00"},
         .change = {-64, 32, 32},
         .sound = "wavs\\smula.wav",
         .declarerRecord = ResultLost},
        {.name = "DeclaredHundredWhenTheGameIsLost",
         .declarer = 1,
         .points = {40, 40, 30},
         .meldSum = {20, 0, 0},
         .firstMeld = {20, 0, 0},
         .flek = 1,
         .hundredDeclared = true,
         .winner = 2,
         .lines = {Score("Uhrál jsi", 40), Score("Protihráči uhráli", 70), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 1x flek", "2.00"),
                   Amount("s První hláškou", "40.00"), Amount("Neuhraná hlášená stovka", "256.00"),
                   kRule, Amount("Prišel  jsi o", "512.00")},
         .log = {"Protihráči uhráli 70", "Uhrál jsi 40", "s první hláškou: 40",
                 "Neuhraná hlášená stovka", "Prišel  jsi o 512.00"},
         .change = {-512, 256, 256},
         .sound = "wavs\\smula.wav",
         .declarerRecord = ResultLost},
        {.name = "HundredAgainstMissedWhileTheDeclarerWins",
         .base = "0,5",  // the base stake is read leniently
         .stovka = StovkaFirstOnly,
         .declarer = 2,
         .points = {50, 70, 10},
         .meldSum = {40, 0, 0},
         .firstMeld = {20, 0, 0},
         .hundredAgainst = true,
         .winner = 2,
         .lines = {Score("Protiháč uhrál", 70), Score("Uhráli jste", 60), kRule,
                   Amount("Základ hry ", "0.50"), Amount("Fleknuto 0x nefleknuto", "0.50"),
                   Amount("s První hláškou", "40.00"),
                   Amount("Neuhraná hlášená stovka proti", "64.00"), kRule,
                   Amount("Prišel  jsi o", "64.00")},
         .log = {"Protiháč uhrál 70", "Uhráli jste 60", "s první hláškou: 40",
                 "Neuhraná hlášená stovka proti", "Prišel  jsi o 64.00"},
         .change = {-64, 128, -64},
         .sound = "wavs\\smula.wav"},
        {.name = "HundredAgainstMade",
         .stovka = StovkaAll,
         .declarer = 1,
         .points = {20, 70, 40},
         .hundredAgainst = true,
         .winner = 2,
         .lines = {Score("Uhrál jsi", 20), Score("Protihráči uhráli", 110), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "4.00"), Amount("Uhraná hlášená stovka proti", "8.00"),
                   kRule, Amount("Prišel  jsi o", "16.00")},
         .log = {"Protihráči uhráli 110", "Uhrál jsi 20", "Uhraná hlášená stovka proti",
                 "Prišel  jsi o 16.00"},
         .change = {-16, 8, 8},
         .sound = "wavs\\smula.wav",
         .declarerRecord = ResultLost},
        {.name = "HundredAgainstMissedWhileTheDeclarerLoses",
         .stovka = StovkaAll,
         .declarer = 1,
         .points = {40, 30, 20},
         .hundredAgainst = true,
         .winner = 2,
         .lines = {Score("Uhrál jsi", 40), Score("Protihráči uhráli", 50), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Neuhraná hlášená stovka proti", "64.00"), kRule,
                   Amount("Získal jsi", "128.00")},
         .log = {"Protihráči uhráli 50", "Uhrál jsi 40", "Neuhraná hlášená stovka proti",
                 "Získal jsi 128.00"},
         .change = {128, -64, -64},
         .sound = "wavs\\hura.wav"},
        {.name = "BothHundredsWhileTheDeclarerWinsOnlyTheDeclaredOneCounts",
         .stovka = StovkaAll,
         .declarer = 1,
         .points = {110, 10, 10},
         .hundredDeclared = true,
         .hundredAgainst = true,
         .winner = 1,
         .lines = {Score("Uhrál jsi", 110), Score("Protihráči uhráli", 20), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Hra nad sto", "4.00"), Amount("Uhraná hlášená stovka", "8.00"), kRule,
                   Amount("Získal jsi", "16.00")},
         .log = {"Protihráči uhráli 20", "Uhrál jsi 110", "Uhraná hlášená stovka",
                 "Získal jsi 16.00"},
         .change = {16, -8, -8},
         .sound = "wavs\\hura.wav"},
        // Both hundreds missed: both lines are written and the one against decides the amount.
        {.name = "BothHundredsMissedWhileTheDeclarerLoses",
         .stovka = StovkaAll,
         .declarer = 2,
         .points = {30, 40, 20},
         .hundredDeclared = true,
         .hundredAgainst = true,
         .winner = 1,
         .lines = {Score("Protiháč uhrál", 40), Score("Uhráli jste", 50), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Neuhraná hlášená stovka", "128.00"),
                   Amount("Neuhraná hlášená stovka proti", "64.00"), kRule,
                   Amount("Prišel  jsi o", "64.00")},
         .log = {"Protiháč uhrál 40", "Uhráli jste 50", "Neuhraná hlášená stovka",
                 "Neuhraná hlášená stovka proti", "Prišel  jsi o 64.00"},
         .change = {-64, 128, -64},
         .sound = "wavs\\smula.wav"},
        {.name = "SilentSevenWonOnTheLastTrick",
         .declarer = 2,
         .points = {10, 60, 20},
         .winner = 2,
         .sevenHolder = 2,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Uhraná tichá sedma", "2.00"), kRule, Amount("Prišel  jsi o", "3.00")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Uhraná tichá sedma", "Prišel  jsi o 3.00"},
         .change = {-3, 6, -3},
         .sound = "wavs\\smula.wav"},
        {.name = "SilentSevenWithAFractionalMultiplier",
         .ticha = "2.5",
         .declarer = 2,
         .points = {10, 60, 20},
         .winner = 2,
         .sevenHolder = 2,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Uhraná tichá sedma", "2.50"), kRule, Amount("Prišel  jsi o", "3.50")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Uhraná tichá sedma", "Prišel  jsi o 3.50"},
         .change = {-3.5, 7, -3.5},
         .sound = "wavs\\smula.wav"},
        {.name = "SevenMultiplierThatIsNotANumberCountsAsItsDefault",
         .ticha = "dva",
         .declarer = 2,
         .points = {10, 60, 20},
         .winner = 2,
         .sevenHolder = 2,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Uhraná tichá sedma", "2.00"), kRule, Amount("Prišel  jsi o", "3.00")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Uhraná tichá sedma", "Prišel  jsi o 3.00"},
         .change = {-3, 6, -3},
         .sound = "wavs\\smula.wav"},
        {.name = "HeartsWithoutHerceDoubleOnlyTheSeven",
         .herce = false,
         .trump = 0,
         .declarer = 1,
         .points = {50, 20, 20},
         .sevenFlek = 1,
         .sevenDeclared = true,
         .winner = 1,
         .sevenHolder = 1,
         // The seven: 1 x 4 x 2 (seven flek) x 2 (hearts) = 16; the game stays 1.
         .lines = {Score("Uhrál jsi", 50), Score("Protihráči uhráli", 40), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Uhraná hlášená sedma", "16.00"), kRule, Amount("Získal jsi", "34.00")},
         .log = {"Protihráči uhráli 40", "Uhrál jsi 50", "Uhraná hlášená sedma",
                 "Získal jsi 34.00"},
         .change = {34, -17, -17},
         .sound = "wavs\\hura.wav"},
        {.name = "DeclaredSevenLostIsNotAlsoAKilledSeven",
         .trump = 1,
         .declarer = 3,
         .points = {20, 10, 60},
         .sevenDeclared = true,
         .winner = 1,
         .sevenHolder = 3,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Neuhraná hlášená sedma", "4.00"), kRule, Amount("Získal jsi", "3.00")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Neuhraná hlášená sedma",
                 "Získal jsi 3.00"},
         .change = {3, 3, -6},
         .sound = "wavs\\hura.wav"},
        {.name = "SevenAgainstWon",
         .declarer = 2,
         .points = {40, 30, 20},
         .sevenAgainst = true,
         .winner = 1,
         .sevenHolder = 1,
         .lines = {Score("Protiháč uhrál", 30), Score("Uhráli jste", 60), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Uhraná hlášená sedma proti", "4.00"), kRule,
                   Amount("Získal jsi", "5.00")},
         .log = {"Protiháč uhrál 30", "Uhráli jste 60", "Uhraná hlášená sedma proti",
                 "Získal jsi 5.00"},
         .change = {5, -10, 5},
         .sound = "wavs\\hura.wav",
         .declarerRecord = ResultLost},
        {.name = "SevenAgainstLost",
         .declarer = 2,
         .points = {20, 60, 10},
         .sevenAgainst = true,
         .winner = 2,
         .sevenHolder = 3,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Neuhraná hlášená sedma proti", "4.00"), kRule,
                   Amount("Prišel  jsi o", "5.00")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Neuhraná hlášená sedma proti",
                 "Prišel  jsi o 5.00"},
         .change = {-5, 10, -5},
         .sound = "wavs\\smula.wav"},
        {.name = "DeclarersSilentSevenKilled",
         .trump = 2,
         .declarer = 1,
         .points = {60, 20, 10},
         .winner = 2,
         .sevenHolder = 1,
         .lines = {Score("Uhrál jsi", 60), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Zabitá sedma", "2.00"), kRule, Amount("Prišel  jsi o", "2.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 60", "Zabitá sedma", "Prišel  jsi o 2.00"},
         .change = {-2, 1, 1},
         .sound = "wavs\\smula.wav"},
        {.name = "DefendersSilentSevenWon",
         .trump = 2,
         .declarer = 3,
         .points = {20, 10, 60},
         .winner = 1,
         .sevenHolder = 1,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Tichá sedma proti", "2.00"), kRule, Amount("Získal jsi", "1.00")},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Tichá sedma proti", "Získal jsi 1.00"},
         .change = {1, 1, -2},
         .sound = "wavs\\hura.wav"},
        {.name = "DefendersSilentSevenOvertakenByThePartner",
         .trump = 2,
         .declarer = 1,
         .points = {60, 20, 10},
         .winner = 2,
         .sevenHolder = 3,
         .lines = {Score("Uhrál jsi", 60), Score("Protihráči uhráli", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 0x nefleknuto", "1.00"),
                   Amount("Zabitá sedma", "2.00"), kRule, Amount("Získal jsi", "6.00")},
         .log = {"Protihráči uhráli 30", "Uhrál jsi 60", "Zabitá sedma", "Získal jsi 6.00"},
         .change = {6, -3, -3},
         .sound = "wavs\\hura.wav"},
        {.name = "KilledSevenAndWonGameCancelOut",
         .declarer = 2,
         .points = {20, 60, 10},
         .flek = 1,
         .winner = 3,
         .sevenHolder = 2,
         .lines = {Score("Protiháč uhrál", 60), Score("Uhráli jste", 30), kRule,
                   Amount("Základ hry ", "1.00"), Amount("Fleknuto 1x flek", "2.00"),
                   Amount("Zabitá sedma", "2.00"), kRule, "Hra za hubičku"},
         .log = {"Protiháč uhrál 60", "Uhráli jste 30", "Zabitá sedma", "Hra za hubičku"},
         .change = {0, 0, 0},
         .sound = "wavs\\hubicka.wav"},
    };
}

// The last trick: the holder's card is the seven of trumps; the others lay a seven of another
// suit or a higher trump, so neither suit nor rank alone makes a seven of trumps.
Card LastCard(int seatNo, int trump, int sevenHolder) {
    if (seatNo == sevenHolder) return C(trump, 7);
    if (seatNo == 2) return C(trump, 8);
    return C((trump + seatNo) % 4, 7);
}

void SetUpSuitGame(TestTable& t, const SuitCase& row) {
    THra& g = *t.game;
    t.seat(1).ActAsHuman();
    RuleSet& r = t.rules.rules;
    r.zakladHry = row.base;
    r.herce = row.herce;
    r.nasobit = row.nasobit;
    r.stovka = row.stovka;
    r.tichaSedma = row.ticha;
    r.hlasenaSedma = row.hlasena;
    g.contractKind = Barva;
    g.trumpCard = C(row.trump, 12);
    g.declarer = g.Seat(row.declarer);
    for (int s = 1; s <= 3; ++s) {
        THrac& seat = *g.Seat(s);
        seat.points = uint8_t(row.points[s - 1]);
        seat.meldSum = uint8_t(row.meldSum[s - 1]);
        seat.firstMeld = uint8_t(row.firstMeld[s - 1]);
        seat.playedCard = LastCard(s, row.trump, row.sevenHolder);
        seat.meldShown = 2;
    }
    g.flekCount = uint8_t(row.flek);
    g.sevenFlekCount = uint8_t(row.sevenFlek);
    g.sevenDeclared = row.sevenDeclared;
    g.hundredDeclared = row.hundredDeclared;
    g.sevenAgainst = row.sevenAgainst;
    g.hundredAgainst = row.hundredAgainst;
    g.gamesPlayed = 17;
    g.moneyBase = g.Seat(1)->money;
}

void PrintTo(const SuitCase& row, std::ostream* os) {
    *os << row.name;
}

class SuitSettlement : public testing::TestWithParam<SuitCase> {};

TEST_P(SuitSettlement, LinesLogMoneySoundAndRecords) {
    const SuitCase& row = GetParam();
    TestTable t;
    THra& g = *t.game;
    SetUpSuitGame(t, row);
    g.state = Playing;
    g.SettleSuitGame(g.Seat(row.winner));

    EXPECT_EQ(t.result.lines, row.lines);
    EXPECT_EQ(t.view.log, row.log);
    for (int s = 1; s <= 3; ++s)
        EXPECT_NEAR(g.Seat(s)->money - 1000.0, row.change[s - 1], 1e-9) << "seat " << s;
    EXPECT_NEAR(Total(g), 3000.0, 1e-9);
    EXPECT_EQ(t.sound.played, std::vector<std::string>{std::string(row.sound) + " (no wait)"});

    // One record per player for the game, the declarer first, then the ring; sevens leave none.
    ASSERT_EQ(t.records.records.size(), 3u);
    const uint8_t defenderRecord = row.declarerRecord == ResultWon ? ResultLost : ResultWon;
    const THrac* seat = g.declarer;
    for (int i = 0; i < 3; ++i, seat = seat->next) {
        const RecordedGame& rec = t.records.records[i];
        EXPECT_EQ(rec.name, seat->name);
        EXPECT_EQ(rec.kind, Barva);
        EXPECT_EQ(rec.result, i == 0 ? row.declarerRecord : defenderRecord);
        EXPECT_EQ(rec.deal, 17);
    }

    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_EQ(t.view.meldHides, 1);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(g.Seat(s)->meldShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SuitSettlement, testing::ValuesIn(SuitCases()),
                         [](const testing::TestParamInfo<SuitCase>& info) {
                             return std::string(info.param.name);
                         });

struct BetlDurchCase {
    const char* name;
    uint8_t contract;
    const char* base;
    const char* multiplier;  // BETL or DURCH
    int flek;
    int declarer;
    bool declarerWins;
    std::vector<std::string> lines{};
    std::vector<std::string> log{};
    std::array<double, 3> change;
    const char* sound;
};

std::vector<BetlDurchCase> BetlDurchCases() {
    return {
        {"BetlLostWithOneFlek",
         Betl,
         "1",
         "5",
         1,
         2,
         false,
         {Amount("Prohrany betl ", "5.00"), Amount("Fleknuto 1x flek", "10.00"), kRule,
          Amount("Získal jsi", "10.00")},
         {"Prohraný betl", "Získal jsi 10.00"},
         {10, -20, 10},
         "wavs\\smula.wav"},
        {"BetlWonByTheHuman",
         Betl,
         "0.1",
         "0.5",
         0,
         1,
         true,
         {Amount("Vyhraný betl ", "0.05"), Amount("Fleknuto 0x nefleknuto", "0.05"), kRule,
          Amount("Získal jsi", "0.10")},
         {"Vyhraný betl", "Získal jsi 0.10"},
         {0.1, -0.05, -0.05},
         "wavs\\hura.wav"},
        {"DurchWonAgainstTheHuman",
         Durch,
         "1",
         "1",
         3,
         3,
         true,
         {Amount("Vyhraný durch ", "1.00"), Amount("Fleknuto 3x tutti", "8.00"), kRule,
          Amount("Prišel  jsi o", "8.00")},
         {"Vyhraný durch", "Prišel  jsi o 8.00"},
         {-8, -8, 16},
         "wavs\\hura.wav"},
        {"DurchLostByTheHuman",
         Durch,
         "2",
         "3",
         0,
         1,
         false,
         {Amount("Prohrany durch ", "6.00"), Amount("Fleknuto 0x nefleknuto", "6.00"), kRule,
          Amount("Prišel  jsi o", "12.00")},
         {"Prohraný durch", "Prišel  jsi o 12.00"},
         {-12, 6, 6},
         "wavs\\smula.wav"},
    };
}

// The winner of the last trick that gives the wanted outcome.
THrac* LastTrickWinner(THra& g, bool declarerWins) {
    const bool declarerTakes = g.contractKind == Betl ? !declarerWins : declarerWins;
    return declarerTakes ? g.declarer : g.declarer->next;
}

void PrintTo(const BetlDurchCase& row, std::ostream* os) {
    *os << row.name;
}

class BetlDurchSettlement : public testing::TestWithParam<BetlDurchCase> {};

TEST_P(BetlDurchSettlement, LinesLogMoneySoundAndRecords) {
    const BetlDurchCase& row = GetParam();
    TestTable t;
    THra& g = *t.game;
    t.seat(1).ActAsHuman();
    t.rules.rules.zakladHry = row.base;
    (row.contract == Betl ? t.rules.rules.betl : t.rules.rules.durch) = row.multiplier;
    g.contractKind = row.contract;
    g.declarer = g.Seat(row.declarer);
    g.flekCount = uint8_t(row.flek);
    g.gamesPlayed = 4;
    g.moneyBase = g.Seat(1)->money;
    t.view.newGameEnabled = t.view.rulesEnabled = false;
    g.state = Playing;
    g.SettleBetlDurch(LastTrickWinner(g, row.declarerWins));

    EXPECT_EQ(t.result.lines, row.lines);
    EXPECT_EQ(t.view.log, row.log);
    for (int s = 1; s <= 3; ++s)
        EXPECT_NEAR(g.Seat(s)->money - 1000.0, row.change[s - 1], 1e-9) << "seat " << s;
    EXPECT_NEAR(Total(g), 3000.0, 1e-9);
    // The sound follows the declarer's outcome, whatever the human won or lost.
    EXPECT_EQ(t.sound.played, std::vector<std::string>{std::string(row.sound) + " (no wait)"});

    ASSERT_EQ(t.records.records.size(), 3u);
    const THrac* seat = g.declarer;
    for (int i = 0; i < 3; ++i, seat = seat->next) {
        const RecordedGame& rec = t.records.records[i];
        EXPECT_EQ(rec.name, seat->name);
        EXPECT_EQ(rec.kind, row.contract);
        EXPECT_EQ(rec.result, (i == 0) == row.declarerWins ? ResultWon : ResultLost);
        EXPECT_EQ(rec.deal, 4);
    }
    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(t.result.shown, 1);
    EXPECT_TRUE(t.view.newGameEnabled);
    EXPECT_TRUE(t.view.rulesEnabled);
    EXPECT_FALSE(t.view.lastGameEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, BetlDurchSettlement, testing::ValuesIn(BetlDurchCases()),
                         [](const testing::TestParamInfo<BetlDurchCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace

TEST(Multipliers, AreReadWithTheLocaleSeparatorAndFallBackToTheirDefaults) {
    struct Row {
        char separator;
        uint8_t contract;
        const char* text;
        const char* firstLine;
    };
    const Row rows[] = {
        {'.', Betl, "2.5", "Prohrany betl                  2.50"},
        {',', Betl, "2,5", "Prohrany betl                  2,50"},
        {',', Betl, "2.5", "Prohrany betl                  0,50"},
        {'.', Betl, "abc", "Prohrany betl                  0.50"},
        {'.', Betl, "", "Prohrany betl                  0.50"},
        {'.', Betl, "2,5", "Prohrany betl                  0.50"},
        {'.', Durch, "x", "Vyhraný durch                  1.00"},
        {'.', Durch, " 3 ", "Vyhraný durch                  3.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(1, row.separator) + " [" + row.text + "]");
        SeparatorGuard guard(row.separator);
        TestTable t;
        THra& g = *t.game;
        t.rules.rules.zakladHry = "1";
        (row.contract == Betl ? t.rules.rules.betl : t.rules.rules.durch) = row.text;
        g.contractKind = row.contract;
        g.declarer = g.Seat(2);
        g.moneyBase = g.Seat(1)->money;
        g.SettleBetlDurch(g.Seat(2));  // the declarer takes the last trick
        ASSERT_FALSE(t.result.lines.empty());
        EXPECT_EQ(t.result.lines[0], row.firstLine);
    }
}

// The game remembers a stake it has read, but a changed text or separator counts from the next
// settlement on.
TEST(Multipliers, AChangedTextOrSeparatorCountsAtTheNextSettlement) {
    TestTable t;
    THra& g = *t.game;
    t.rules.rules.zakladHry = "1";
    g.contractKind = Betl;
    g.declarer = g.Seat(2);
    auto settle = [&](char separator, const char* betl, const char* base) {
        SeparatorGuard guard(separator);
        t.rules.rules.betl = betl;
        t.rules.rules.zakladHry = base;
        t.result.lines.clear();
        g.moneyBase = g.Seat(1)->money;
        g.SettleBetlDurch(g.Seat(2));
        return t.result.lines.empty() ? std::string() : t.result.lines[0];
    };
    EXPECT_EQ(settle('.', "2.5", "1"), "Prohrany betl                  2.50");
    EXPECT_EQ(settle(',', "2.5", "1"), "Prohrany betl                  0,50");
    EXPECT_EQ(settle(',', "3", "1"), "Prohrany betl                  3,00");
    EXPECT_EQ(settle(',', "3", "2"), "Prohrany betl                  6,00");
}

TEST(PersonalResult, UsesTheLocaleSeparatorInTheLineAndTheLog) {
    SeparatorGuard guard(',');
    TestTable t;
    SuitCase row{.name = "", .base = "0,1", .declarer = 1, .points = {70, 10, 10}, .winner = 1};
    SetUpSuitGame(t, row);
    t.game->SettleSuitGame(t.game->Seat(1));
    EXPECT_EQ(t.result.lines,
              (std::vector<std::string>{Score("Uhrál jsi", 70), Score("Protihráči uhráli", 20),
                                        kRule, Amount("Základ hry ", "0,10"),
                                        Amount("Fleknuto 0x nefleknuto", "0,10"), kRule,
                                        Amount("Získal jsi", "0,20")}));
    EXPECT_EQ(t.view.log.back(), "Získal jsi 0,20");
}

TEST(PersonalResult, AmountsThatCancelToLessThanACentAreAGameForAKiss) {
    // At the default stakes the human, a defender with 0.10 left, receives 0.20 for the killed
    // seven and pays 0.20 for the lost game; in floating point that leaves him 3e-17 richer.
    TestTable t;
    SuitCase row{.name = "",
                 .base = "0.1",
                 .declarer = 2,
                 .points = {20, 60, 10},
                 .flek = 1,
                 .winner = 3,
                 .sevenHolder = 2};
    t.game->Seat(1)->money = 0.1;
    SetUpSuitGame(t, row);
    t.game->SettleSuitGame(t.game->Seat(3));
    ASSERT_NE(t.game->Seat(1)->money, 0.1);
    EXPECT_EQ(t.result.lines.back(), "Hra za hubičku");
    EXPECT_EQ(t.view.log.back(), "Hra za hubičku");
    EXPECT_EQ(t.sound.played, std::vector<std::string>{"wavs\\hubicka.wav (no wait)"});
}

TEST(Transfer, MovesTwiceTheAmountToTheDeclarerAndKeepsTheMoneyTogether) {
    struct Row {
        int declarer;
        double amount;
        bool record;
        uint8_t declarerResult, defenderResult;
    };
    const Row rows[] = {
        {1, 0.3, true, ResultWon, ResultLost},
        {2, -0.1, true, ResultLost, ResultWon},
        {3, 0.0, true, ResultNeither, ResultNeither},
        {3, 1234.567, false, 0, 0},
        {2, -1e-7, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.declarer) + " " + std::to_string(row.amount));
        TestTable t;
        THra& g = *t.game;
        const double start[3] = {1000.1, 999.7, 0.3};
        for (int s = 1; s <= 3; ++s) g.Seat(s)->money = start[s - 1];
        g.contractKind = Betl;
        g.gamesPlayed = 9;
        const double before = Total(g);
        g.Transfer(g.Seat(row.declarer), row.amount, row.record);
        EXPECT_NEAR(Total(g), before, 1e-9);
        for (int s = 1; s <= 3; ++s) {
            const double expected = s == row.declarer ? 2 * row.amount : -row.amount;
            EXPECT_NEAR(g.Seat(s)->money - start[s - 1], expected, 1e-9) << "seat " << s;
        }
        if (!row.record) {
            EXPECT_TRUE(t.records.records.empty());
            continue;
        }
        ASSERT_EQ(t.records.records.size(), 3u);
        const THrac* seat = g.Seat(row.declarer);
        for (int i = 0; i < 3; ++i, seat = seat->next) {
            EXPECT_EQ(t.records.records[i].name, seat->name);
            EXPECT_EQ(t.records.records[i].kind, Betl);
            EXPECT_EQ(t.records.records[i].result,
                      i == 0 ? row.declarerResult : row.defenderResult);
            EXPECT_EQ(t.records.records[i].deal, 9);
        }
    }
}

TEST(ResultAmountLine, TheAmountEndsInColumnThirtyFiveWithoutItsSign) {
    struct Row {
        const char* label;
        double amount;
        char separator;
        const char* line;
    };
    const Row rows[] = {
        {"Základ hry ", 0.1, ',', "Základ hry                     0,10"},
        {"Základ hry ", -5, ',', "Základ hry                     5,00"},
        {"Prišel  jsi o", 1234.5, '.', "Prišel  jsi o               1234.50"},
        {"Neuhraná hlášená stovka proti", 1024, '.', "Neuhraná hlášená stovka prot1024.00"},
        {"Hra", -0.004, '.', "Hra                            0.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string line = FormatResultAmountLine(row.label, row.amount, row.separator);
        EXPECT_EQ(line, row.line);
        EXPECT_EQ(Chars(line), 35u);
    }
}
