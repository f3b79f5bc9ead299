// The settings file "Kvelta.ini": any bytes are read without harm, and a file the program
// writes reads back as what it meant. From the bytes, the values are read; the save writes
// them into the same document (keys the program does not know stay), and that text must read
// back completely to the same values; a second save of it must give the same bytes.
//
// Decimal numbers are written with 15 significant digits: a money balance the file gives with
// more comes back rounded to 15 digits, once, and keeps that value from then on. Stakes are
// texts of at most 10 characters by then and must come back as the same texts. Names lose
// what is beyond 10 characters at the first read, and line breaks and other control
// characters become blanks: both are the values the program holds, so the values compared are
// the ones after the first read.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/text_format.h"
#include "deal/random.h"
#include "fuzz_check.h"
#include "game/thra.h"
#include "game/thrac.h"
#include "records/game_settings.h"
#include "records/ini_file.h"

namespace {

struct NoWindow : ISettingsWindow {
    WindowBounds bounds;
    void SetWindowBounds(const WindowBounds& b) override { bounds = b; }
    WindowBounds CurrentWindowBounds() const override { return bounds; }
    void ShowSeatName(int, std::string_view) override {}
    void ShowSeatMoney(int, std::string_view) override {}
    bool LoadCardBack(const std::string&, std::string&) override { return true; }
    void OpenHomePage(const std::string&) override {}
};

THra& Game() {
    static SeededRandom random(1);
    static FixedRules rules;
    static THra game(GamePorts{nullptr, nullptr, nullptr, nullptr, &rules, &random, nullptr},
                     [](THra& g, int no) { return std::make_unique<THrac>(g, no); });
    return game;
}

// The state the game starts in, so that every input is read onto the same state.
void ResetGame(THra& game) {
    for (int n = 1; n <= 3; ++n) {
        game.Seat(n)->name = "Kuba";
        game.Seat(n)->money = 1000;
    }
    game.forehand = game.Seat(3);
    game.gamesPlayed = 0;
}

struct Read {
    GameSettings settings;
    std::string names[3];
    double money[3] = {};
    int forehand = 0;
};

Read ReadAll(const IniFile& ini, THra& game) {
    ResetGame(game);
    NoWindow window;
    Read r;
    ReadSettings(ini, r.settings, game, window);
    for (int n = 1; n <= 3; ++n) {
        r.names[n - 1] = game.Seat(n)->name;
        r.money[n - 1] = game.Seat(n)->money;
    }
    r.forehand = game.forehand->seatNo;
    return r;
}

// Every value the program keeps, money to the last bit.
std::string Describe(const Read& r, bool moneyRounded) {
    const GameSettings& s = r.settings;
    const RuleSet& k = s.rules;
    std::string d = "window " + std::to_string(s.window.left) + " " + std::to_string(s.window.top) +
                    " " + std::to_string(s.window.width) + " " + std::to_string(s.window.height);
    for (int i = 0; i < 3; ++i) {
        d += " | " + r.names[i] + " " + Exact(moneyRounded ? Rounded15(r.money[i]) : r.money[i]);
    }
    d += " | forehand " + std::to_string(r.forehand);
    d += " | " + k.zakladHry + " " + k.betl + " " + k.durch + " " + k.tichaSedma + " " +
         k.hlasenaSedma;
    for (bool b : {k.nasobit, k.herce, k.bezfleku, k.utek, k.trideni}) d += b ? " 1" : " 0";
    for (int v : {k.stovka, k.michani, k.rozdani, k.pocetSejmuti}) d += " " + std::to_string(v);
    d += " | " + std::to_string(s.gamesPlayed) + " | " + s.cardBack;
    d += " | opponents " + std::to_string(static_cast<int>(s.opponents));
    return d;
}

std::string Save(IniFile& ini, Read& r, THra& game) {
    ResetGame(game);
    for (int n = 1; n <= 3; ++n) {
        game.Seat(n)->name = r.names[n - 1];
        game.Seat(n)->money = r.money[n - 1];
    }
    game.forehand = game.Seat(r.forehand);
    game.gamesPlayed = r.settings.gamesPlayed;
    WriteSettings(ini, r.settings, game, r.settings.window);
    return ini.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Half of the inputs are read with the decimal comma, the other half with the point.
    SetDecimalSeparator(size % 2 ? ',' : '.');
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    THra& game = Game();

    IniFile first;
    const bool complete = first.LoadText(text);
    Read loaded = ReadAll(first, game);
    // Only a file read completely is ever written.
    if (!complete) return 0;

    const std::string saved = Save(first, loaded, game);
    IniFile second;
    std::string problem;
    Check(second.LoadText(saved, &problem), "the saved file reads completely", problem);
    Read again = ReadAll(second, game);
    CheckEqual("the values read back from the saved file", Describe(loaded, true),
               Describe(again, false));

    const std::string savedAgain = Save(second, again, game);
    CheckEqual("a second save gives the same bytes", saved, savedAgain);
    return 0;
}
