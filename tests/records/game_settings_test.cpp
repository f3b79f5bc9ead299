#include "records/game_settings.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "base/text_format.h"
#include "records/file_helpers.h"
#include "records/ini_file.h"
#include "support/fakes.h"

using namespace std::string_literals;

namespace {

struct RecordingSettingsWindow : ISettingsWindow {
    std::vector<WindowBounds> boundsSet;
    WindowBounds current;
    std::map<int, std::string> names, money;
    std::vector<std::string> cardBacksLoaded;
    std::vector<std::string> pagesOpened;
    bool cardBackLoads = true;

    void SetWindowBounds(const WindowBounds& b) override {
        boundsSet.push_back(b);
        current = b;
    }
    WindowBounds CurrentWindowBounds() const override { return current; }
    void ShowSeatName(int seatNo, std::string_view name) override { names[seatNo] = name; }
    void ShowSeatMoney(int seatNo, std::string_view text) override { money[seatNo] = text; }
    bool LoadCardBack(const std::string& path, std::string& error) override {
        cardBacksLoaded.push_back(path);
        if (!cardBackLoads) error = path + ": No such file or directory";
        return cardBackLoads;
    }
    void OpenHomePage(const std::string& address) override { pagesOpened.push_back(address); }
};

class Settings : public ::testing::Test {
protected:
    TempFolder dir;
    std::filesystem::path file = dir / "Kvelta.ini";
    TestTable table;
    THra& game = *table.game;
    GameSettings settings;
    RecordingSettingsWindow window;
    const int32_t today = DayNumber(2024, 5, 15);
    std::string error;

    void TearDown() override { SetDecimalSeparator('.'); }

    bool Load() { return LoadSettings(file, settings, game, window, today, error); }
    bool Save() { return SaveSettings(file, settings, game, window, error); }
    void WriteFile(std::string_view text) { WriteBytes(file, text); }
    IniFile Saved() {
        IniFile ini;
        std::string e;
        EXPECT_TRUE(ini.Load(file, e)) << e;
        return ini;
    }
};

}  // namespace

TEST(DayNumber, CountsWholeDaysFromTheEndOf1899) {
    EXPECT_EQ(DayNumber(1899, 12, 30), 0);
    EXPECT_EQ(DayNumber(1900, 1, 1), 2);
    EXPECT_EQ(DayNumber(1900, 3, 1), 61);  // 1900 was not a leap year
    EXPECT_EQ(DayNumber(2000, 1, 1), 36526);
    EXPECT_EQ(DayNumber(2024, 2, 29), 45351);
    EXPECT_EQ(DayNumber(2024, 3, 1) - DayNumber(2024, 2, 28), 2);
    const int32_t today = TodayDayNumber();
    EXPECT_GT(today, DayNumber(2024, 1, 1));
    EXPECT_LT(today, DayNumber(2200, 1, 1));
}

TEST_F(Settings, FirstStartWithoutAFileUsesTheDefaultsAndWritesTheWebSection) {
    ASSERT_TRUE(Load()) << error;
    EXPECT_TRUE(settings.loaded);
    ASSERT_EQ(window.boundsSet.size(), 1u);
    EXPECT_EQ(window.boundsSet[0], (WindowBounds{2, 2, 800, 600}));
    const char* names[] = {"Vojta", "Radek", "Pavel"};
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(window.names[n], names[n - 1]);
        EXPECT_EQ(game.Seat(n)->name, names[n - 1]);
        EXPECT_EQ(game.Seat(n)->money, 1000);
        EXPECT_EQ(window.money[n], " 1000.00");
    }
    EXPECT_EQ(game.forehand, game.Seat(1));  // START_PLAYER defaults to 1
    EXPECT_EQ(game.gamesPlayed, 0);
    EXPECT_TRUE(window.pagesOpened.empty());
    EXPECT_EQ(window.cardBacksLoaded, std::vector<std::string>{"images\\cportal.bmp"});

    const RuleSet& r = settings.rules;
    EXPECT_EQ(r.zakladHry, "0.1");
    EXPECT_EQ(r.betl, "0.5");
    EXPECT_EQ(r.durch, "1");
    EXPECT_EQ(r.tichaSedma, "2");
    EXPECT_EQ(r.hlasenaSedma, "4");
    EXPECT_TRUE(r.nasobit && r.herce && r.bezfleku && r.utek && r.trideni);
    EXPECT_EQ(r.stovka, 3);
    EXPECT_EQ(r.michani, 3);
    EXPECT_EQ(r.rozdani, 1);
    EXPECT_EQ(r.pocetSejmuti, 10);

    // The load itself leaves the file holding today's day, before any save.
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(Saved().ReadInteger("WEB", "view", -1), today);
}

TEST_F(Settings, TheHomePageOpensOnceAfterMoreThanSevenDays) {
    WriteFile("[WEB]\nview=" + std::to_string(today - 8) + "\n");
    ASSERT_TRUE(Load()) << error;
    ASSERT_EQ(window.pagesOpened.size(), 1u);
    EXPECT_EQ(window.pagesOpened[0], (dir.path / "kvelta.html").string());
    EXPECT_EQ(Saved().ReadInteger("WEB", "view", -1), today);
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(window.pagesOpened.size(), 1u);

    WriteFile("[WEB]\nview=" + std::to_string(today - 7) + "\n");
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(window.pagesOpened.size(), 1u);
    EXPECT_EQ(Saved().ReadInteger("WEB", "view", -1), today - 7);

    // A save does not touch the day.
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadInteger("WEB", "view", -1), today - 7);
}

TEST_F(Settings, ALongNameIsShownAsTwelveCharactersAndKeptAsTen) {
    WriteFile("[USER]\nPLAYER_NAME_2=Přemysl Oráčník\n");  // 15 characters
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(window.names[2], "Přemysl Oráč");
    EXPECT_EQ(game.Seat(2)->name, "Přemysl Or");
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadText("USER", "PLAYER_NAME_2", ""), "Přemysl Or");
}

TEST_F(Settings, StartPlayerOutsideOneToThreeLeavesTheForehand) {
    for (const char* value : {"0", "4", "-1", "257"}) {
        game.forehand = game.Seat(3);
        WriteFile(std::string("[GAME]\nSTART_PLAYER=") + value + "\n");
        ASSERT_TRUE(Load()) << error;
        EXPECT_EQ(game.forehand, game.Seat(3)) << value;
    }
    WriteFile("[GAME]\nSTART_PLAYER=1\n");
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(game.forehand, game.Seat(1));

    game.forehand = game.Seat(2);
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadInteger("GAME", "START_PLAYER", -1), 2);
}

TEST_F(Settings, TheDealCounterWrapsAt65535) {
    WriteFile("[GAME]\nPOCET_HER=65535\n");
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(game.gamesPlayed, 65535);
    game.NewGame();
    ASSERT_FALSE(table.view.log.empty());
    EXPECT_EQ(table.view.log.back().rfind("---0---", 0), 0u) << table.view.log.back();
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadInteger("GAME", "POCET_HER", -1), 0);

    // Values the counter cannot hold are taken as its low 16 bits.
    WriteFile("[GAME]\nPOCET_HER=65541\n");
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(game.gamesPlayed, 5);
    WriteFile("[GAME]\nPOCET_HER=-1\n");
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(game.gamesPlayed, 65535);
}

TEST_F(Settings, StakeTextsAreKeptAsTypedButReadAsNumbers) {
    ASSERT_TRUE(Load()) << error;
    settings.rules.betl = "abc";  // as the rules dialog keeps what was typed
    settings.rules.durch = " 1,5 ";
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadText("GAME", "BETL", ""), "abc");
    EXPECT_EQ(Saved().ReadText("GAME", "DURCH", ""), " 1,5 ");

    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(settings.rules.betl, "0.5");
    EXPECT_EQ(settings.rules.durch, "1");  // not a number with '.' as the separator
    SetDecimalSeparator(',');
    ASSERT_TRUE(Save()) << error;
    ASSERT_TRUE(Load()) << error;
    EXPECT_EQ(settings.rules.betl, "0,5");
}

TEST_F(Settings, TheBaseStakeIsAlwaysSavedAsANumber) {
    SetDecimalSeparator(',');
    ASSERT_TRUE(Load()) << error;
    struct Row {
        const char* typed;
        const char* saved;
    };
    for (const Row& row : {Row{"-0,5", "-0,5"}, Row{"2,5x", "2"}, Row{"Kč", "0"},
                           Row{"0.25", "0,25"}, Row{"3 Kč", "3"}}) {
        settings.rules.zakladHry = row.typed;
        ASSERT_TRUE(Save()) << error;
        EXPECT_EQ(Saved().ReadText("GAME", "ZAKLAD_HRY", ""), row.saved) << row.typed;
    }
}

TEST_F(Settings, StakesReadBackAsTheValueTheProgramMeant) {
    // As in the file, and as held for BETL (default 0.5) in at most 10 characters.
    const std::pair<const char*, const char*> rows[] = {
        {"0.333333333333333", "0.33333333"},
        {"0.000001", "0.000001"},  // once "1e-06", which the lenient reader takes for 1
        {"0.000000001", "0"},
        {"-000", "0"},  // once "-0", which the save wrote back as "0"
        {"-0.0000000001", "0"},
        {"-999999999.9", "-999999999"},
        // No money could be kept to the cent: as if it were no number.
        {"1000000000.5", "0.5"},
        {"-1000000000", "0.5"},
        {"1e308", "0.5"}};
    for (const auto& [inFile, held] : rows) {
        WriteFile(std::string("[GAME]\nBETL=") + inFile + "\nZAKLAD_HRY=" + inFile + "\n");
        ASSERT_TRUE(Load()) << error;
        EXPECT_EQ(settings.rules.betl, held) << inFile;
        const RuleSet loaded = settings.rules;
        // The game's strict and lenient readers take the texts for their values.
        EXPECT_EQ(StakeMultiplier(loaded.betl, -1), std::stod(held)) << inFile;
        EXPECT_EQ(BaseStake(loaded), std::stod(loaded.zakladHry)) << inFile;
    }
    // Typed in the rules dialog and priced by the game; the lenient reader takes "e" for a
    // decimal separator.
    const struct {
        const char* text;
        double base, multiplier;
    } typed[] = {
        {"9999999999", 0.1, 7}, {"1e999", 1.999, 7}, {"1e9", 1.9, 1e9}, {"-1e9", -1.9, -1e9}};
    for (const auto& row : typed) {
        EXPECT_DOUBLE_EQ(BaseStake(RuleSet{row.text}), row.base) << row.text;
        EXPECT_EQ(StakeMultiplier(row.text, 7), row.multiplier) << row.text;
    }
}

TEST_F(Settings, SwitchesAndSmallNumbersReadAsTheGameHoldsThem) {
    WriteFile(
        "[GAME]\nNASOBIT=0\nHERCE=7\nBEZFLEKU=ne\nUTEK=0\nTRIDENI=0x0\n"
        "STOVKA=258\nMICHANI=-1\nROZDANI=0x102\nPOCET_SEJMUTI=300\n");
    ASSERT_TRUE(Load()) << error;
    const RuleSet& r = settings.rules;
    EXPECT_FALSE(r.nasobit);
    EXPECT_TRUE(r.herce);
    EXPECT_TRUE(r.bezfleku);  // not an integer: the default
    EXPECT_FALSE(r.utek);
    EXPECT_FALSE(r.trideni);
    EXPECT_EQ(r.stovka, 2);
    EXPECT_EQ(r.michani, 255);
    EXPECT_EQ(r.rozdani, 2);
    EXPECT_EQ(r.pocetSejmuti, 44);

    ASSERT_TRUE(Save()) << error;
    const std::string text = ReadBytes(file);
    for (const char* line : {"NASOBIT=0\n", "HERCE=1\n", "BEZFLEKU=1\n", "UTEK=0\n", "TRIDENI=0\n",
                             "STOVKA=2\n", "MICHANI=255\n", "POCET_SEJMUTI=44\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST_F(Settings, ASavedFileLoadsBackToTheSameState) {
    SetDecimalSeparator(',');
    ASSERT_TRUE(Load()) << error;
    window.current = WindowBounds{-40, 17, 1024, 700};
    game.Seat(1)->name = " Eva Nová";
    game.Seat(2)->name = "\"Kuba\"";
    game.Seat(3)->name = "Žofie";
    game.Seat(1)->money = 1234.56;
    game.Seat(2)->money = -0.01;
    game.Seat(3)->money = -DBL_MAX;  // once written rounded beyond it, and read back as 1000
    game.forehand = game.Seat(1);
    game.gamesPlayed = 4321;
    RuleSet& r = settings.rules;
    r = RuleSet{"0,2", "0,75", "1,5", "3", "5", false, true, false, true, false, 1, 2, 2, 32};
    settings.cardBack = "images\\zeleny.bmp";
    ASSERT_TRUE(Save()) << error;
    const std::string first = ReadBytes(file);

    const RuleSet saved = r;
    settings = GameSettings{};
    TestTable other;
    RecordingSettingsWindow otherWindow;
    ASSERT_TRUE(LoadSettings(file, settings, *other.game, otherWindow, today, error)) << error;
    EXPECT_EQ(otherWindow.boundsSet.back(), (WindowBounds{-40, 17, 1024, 700}));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(other.game->Seat(n)->name, game.Seat(n)->name);
        EXPECT_EQ(other.game->Seat(n)->money, game.Seat(n)->money);
    }
    EXPECT_EQ(otherWindow.money[2], "   -0,01");
    EXPECT_EQ(other.game->forehand, other.game->Seat(1));
    EXPECT_EQ(other.game->gamesPlayed, 4321);
    EXPECT_EQ(settings.rules.zakladHry, saved.zakladHry);
    EXPECT_EQ(settings.rules.betl, saved.betl);
    EXPECT_EQ(settings.rules.durch, saved.durch);
    EXPECT_EQ(settings.rules.tichaSedma, saved.tichaSedma);
    EXPECT_EQ(settings.rules.hlasenaSedma, saved.hlasenaSedma);
    EXPECT_EQ(settings.rules.nasobit, saved.nasobit);
    EXPECT_EQ(settings.rules.herce, saved.herce);
    EXPECT_EQ(settings.rules.bezfleku, saved.bezfleku);
    EXPECT_EQ(settings.rules.utek, saved.utek);
    EXPECT_EQ(settings.rules.trideni, saved.trideni);
    EXPECT_EQ(settings.rules.stovka, saved.stovka);
    EXPECT_EQ(settings.rules.michani, saved.michani);
    EXPECT_EQ(settings.rules.rozdani, saved.rozdani);
    EXPECT_EQ(settings.rules.pocetSejmuti, saved.pocetSejmuti);
    EXPECT_EQ(otherWindow.cardBacksLoaded.back(), "images\\zeleny.bmp");

    ASSERT_TRUE(SaveSettings(file, settings, *other.game, otherWindow, error)) << error;
    EXPECT_EQ(ReadBytes(file), first);
}

TEST_F(Settings, TheGamePlaysByTheLoadedRules) {
    WriteFile("[GAME]\nZAKLAD_HRY=0.5\nMICHANI=2\n");
    ASSERT_TRUE(Load()) << error;
    game.SetPorts(GamePorts{&table.view, &table.sound, &table.result, &table.records, &settings,
                            &table.random});
    EXPECT_EQ(game.rules().zakladHry, "0.5");
    settings.rules.herce = false;  // the rules dialog's OK
    EXPECT_FALSE(game.rules().herce);
}

// A file from before the opponents could be chosen reads as "Klasický" and gains that one key.
TEST_F(Settings, TheOpponentsKeyIsClassicByDefaultAndTheOnlyKeyAdded) {
    ASSERT_TRUE(Load() && Save()) << error;
    const std::string current = ReadBytes(file), key = "SOUPERI=0\n";
    ASSERT_NE(current.find(key), std::string::npos);
    WriteFile(std::string(current).erase(current.find(key), key.size()));
    settings.opponents = Opponents::Silnejsi;
    ASSERT_TRUE(Load() && Save()) << error;
    EXPECT_EQ(settings.opponents, Opponents::Klasicky);
    EXPECT_EQ(ReadBytes(file), current);
    settings.opponents = Opponents::Silnejsi;
    ASSERT_TRUE(Save() && Load()) << error;
    EXPECT_EQ(settings.opponents, Opponents::Silnejsi);
}

TEST_F(Settings, SaveKeepsKeysItDoesNotKnow) {
    WriteFile("; my notes\n[EXTRA]\nCOLOUR=green\n[GAME]\nOLD_KEY=5\n");
    ASSERT_TRUE(Load()) << error;
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadText("EXTRA", "COLOUR", ""), "green");
    EXPECT_EQ(Saved().ReadInteger("GAME", "OLD_KEY", 0), 5);
    EXPECT_NE(ReadBytes(file).find("; my notes"), std::string::npos);
}

TEST_F(Settings, ACardBackThatCannotBeLoadedAbandonsTheLoadAndTheSave) {
    WriteFile("[USER]\nPLAYER_NAME_1=Eva\n[GAME]\nRUB=images\\missing.bmp\nPOCET_HER=12\n");
    window.cardBackLoads = false;
    EXPECT_FALSE(Load());
    EXPECT_NE(error.find("missing.bmp"), std::string::npos);
    EXPECT_FALSE(settings.loaded);
    EXPECT_EQ(game.Seat(1)->name, "Eva");  // read before the error
    EXPECT_EQ(game.gamesPlayed, 12);

    const std::string before = ReadBytes(file);
    game.Seat(1)->money = 1;
    EXPECT_FALSE(Save());
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(Settings, AFileThatCannotBeReadIsNeverOverwritten) {
    std::filesystem::create_directory(file);
    EXPECT_FALSE(Load());
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(settings.loaded);
    EXPECT_FALSE(Save());
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(Settings, AFileThatCannotBeReadCompletelyIsReportedAndNeverWritten) {
    std::string huge = "[USER]\nPLAYER_NAME_1=Eva\n";
    while (huge.size() <= IniFile::kMaxFileSize) huge += "; " + std::string(100, 'x') + "\n";
    const std::pair<std::string, std::string> rows[] = {
        // Once read as empty and replaced by a 17-byte file with the day in it.
        {huge, "larger than 1048576 bytes"},
        // Once cut off at the NUL byte by the load's own write.
        {"[USER]\nPLAYER_NAME_1=Eva\n\0\n[GAME]\nPOCET_HER=500\n"s, "line 3: a NUL byte"},
        // Once grew by a line at every load and save, the keys under it ignored.
        {"[USER]\nPLAYER_NAME_1=Eva\n[GAME\nPOCET_HER=500\n", "line 3: neither"}};
    for (const auto& [contents, fault] : rows) {
        WriteFile(contents);
        EXPECT_FALSE(Load());
        EXPECT_EQ(error.find(file.string() + ": " + fault), 0u) << error;
        // What came before the fault counts, the defaults the rest.
        EXPECT_EQ(game.Seat(1)->name, "Eva");
        EXPECT_EQ(game.gamesPlayed, 0);
        settings.loaded = true;  // as if the file had been damaged while the program ran
        EXPECT_FALSE(Save());
        EXPECT_EQ(error.find(file.string() + ": " + fault), 0u) << error;
        EXPECT_EQ(ReadBytes(file), contents);
    }
}

TEST_F(Settings, AnInterruptedSaveLeavesTheOldFileIntact) {
    ASSERT_TRUE(Load()) << error;
    ASSERT_TRUE(Save()) << error;
    const std::string before = ReadBytes(file);
    game.Seat(1)->money = 5;

    bool saved;
    {
        FileSizeLimit limit(64);  // the disk is full after 64 bytes of the new file
        saved = Save();
    }

    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(file), before);
    ASSERT_TRUE(Save()) << error;
    EXPECT_EQ(Saved().ReadDecimal("USER", "PLAYER_SCORE_1", 0), 5);
}

TEST(HomePage, IsTheLocalPageBesideTheSettingsFile) {
    const std::string address = HomePageAddress("/opt/kvelta/Kvelta.ini");
    EXPECT_EQ(address, "/opt/kvelta/kvelta.html");
    EXPECT_TRUE(std::filesystem::path(HomePageAddress("Kvelta.ini")).is_absolute());
}

// Random settings files as people and other programs write them: known keys in any case and
// order, some twice; other keys, comments, blank lines, Windows line ends, a byte order mark;
// values of every kind, names in UTF-8 in and outside the Windows code page and in its own bytes.
// The next load gives the same settings, a file the program wrote comes back byte for byte, keys
// of other programs keep their values, a comment stays unless it stands above a key or section
// the file already had (which is folded into the first), and a file that cannot be read
// completely is never touched.
TEST(SettingsRoundTrip, RandomFilesLoadSaveAndLoadTheSame) {
    // Hundreds of saves, each flushed to the disk: a folder in memory where there is one.
    TempFolder dir(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
    const auto file = dir / "Kvelta.ini";
    std::mt19937 random(20240601);
    const auto pick = [&](size_t n) { return size_t(random() % n); };
    const auto digits = [&](size_t n) {
        std::string s;
        while (n-- > 0) s += char('0' + pick(10));
        return s;
    };
    // clang-format off
    const char* texts[] = {"Vojta", "Žofie Šťastná", "Vojt\354ch \216\341k", "李小龙", "🂡",
                           "\"Kuba\"", " ", "a=b;c", "\x01", "\t", "Přemysl Oráčník"};
    // clang-format on
    const char* odd[] = {"",      "abc",  "0x1F",        "99999999999", " 7 ", "+3",
                         "1e-06", "1e16", "-1000000000", "0.000000001", "1,5"};
    const std::vector<std::vector<std::string>> sections = {
        {"web", "view"},
        {"APPLICATION", "TOP", "LEFT", "WIDTH", "HEIGHT"},
        {"USER", "PLAYER_NAME_1", "PLAYER_SCORE_1", "player_name_3", "PLAYER_SCORE_3"},
        {"GAME", "START_PLAYER", "ZAKLAD_HRY", "BETL", "DURCH", "TICHA_SEDMA", "HLASENA_SEDMA",
         "NASOBIT", "herce", "UTEK", "STOVKA", "MICHANI", "POCET_SEJMUTI", "POCET_HER", "RUB",
         "SOUPERI"},
        {"EXTRA", "KEY"}};
    // Loads into a fresh game and saves; the state loaded, as one text. Counts what succeeded.
    const auto loadAndSave = [&](std::string& state) {
        TestTable table;
        const THra& g = *table.game;
        GameSettings s;
        RecordingSettingsWindow window;
        std::string error;
        const int loaded = LoadSettings(file, s, *table.game, window, 45427, error);
        s.loaded = true;  // a damaged file stays untouched even so
        std::ostringstream o;
        o.precision(17);
        for (int n = 1; n <= 3; ++n) o << g.Seat(n)->name << '|' << g.Seat(n)->money << '|';
        const RuleSet& r = s.rules;
        o << s.window.left << s.window.top << s.window.width << s.window.height
          << g.forehand->seatNo << r.zakladHry << '|' << r.betl << '|' << r.durch << '|'
          << r.tichaSedma << '|' << r.hlasenaSedma << r.nasobit << r.herce << r.utek
          << int(r.stovka) << int(r.michani) << int(r.pocetSejmuti) << '|' << g.gamesPlayed
          << s.cardBack << s.homePageDay << int(s.opponents);
        state = o.str();
        return loaded + SaveSettings(file, s, g, window, error);
    };

    for (int round = 0; round < 400; ++round) {
        const char separator = round % 2 ? ',' : '.';
        SetDecimalSeparator(separator);
        std::vector<std::string> lines, comments;
        std::vector<std::pair<std::string, std::string>> otherKeys;
        std::set<std::string> seen;  // sections and section/key pairs, in capitals
        size_t pending = 0;          // comments waiting for the line they stand above
        const auto entry = [&](const std::string& name) {
            if (!seen.insert(name).second) comments.resize(comments.size() - pending);
            pending = 0;
        };
        for (size_t n = pick(10); n-- > 0;) {
            const auto& keys = sections[pick(sections.size())];
            std::string section = keys[0];
            for (char& c : section) c = char(std::toupper(c));
            lines.push_back(" [" + keys[0] + "]");
            entry(section);
            for (size_t k = pick(12); k-- > 0;) {
                std::string value;
                for (size_t t = 1 + pick(3); t-- > 0;) value += texts[pick(std::size(texts))];
                if (pick(4) == 0) {
                    if (pick(2)) {
                        comments.push_back("; " + value);
                        lines.push_back(comments.back());
                        ++pending;
                    } else {
                        otherKeys.emplace_back(keys[0], "OTHER_" + digits(1));
                        lines.push_back(otherKeys.back().second + " = " + value);
                        entry(section + "/" + otherKeys.back().second);
                    }
                    continue;
                }
                const std::string& key = keys[1 + pick(keys.size() - 1)];
                std::string upper = key;
                for (char& c : upper) c = char(std::toupper(c));
                entry(section + "/" + upper);
                if (key.find("NAME") == key.npos && key != "RUB" && key != "KEY") {
                    value = (pick(4) ? "" : "-") + digits(1 + pick(8)) +
                            (pick(2) ? (pick(6) ? separator : '.') + digits(1 + pick(7)) : "");
                    if (pick(3) == 0) value = odd[pick(std::size(odd))];
                }
                lines.push_back(key + (pick(3) ? "=" : " =\t") + value);
            }
        }
        const bool damaged = round % 5 == 4;
        if (damaged) lines.insert(lines.begin() + long(pick(lines.size() + 1)), "A=\0"s);
        if (damaged && pick(2)) lines.insert(lines.begin() + long(pick(lines.size())), "[GAME");
        const std::string end = round % 4 ? "\n" : "\r\n";
        std::string text = pick(8) ? "" : "\xEF\xBB\xBF";
        for (const std::string& line : lines) text += line + end;
        WriteBytes(file, text);
        SCOPED_TRACE("round " + std::to_string(round) + ":\n" + text);

        std::string first, second;
        ASSERT_EQ(loadAndSave(first), damaged ? 0 : 2);
        const std::string written = ReadBytes(file);
        if (damaged) {
            EXPECT_EQ(written, text);
            continue;
        }
        ASSERT_EQ(loadAndSave(second), 2);
        EXPECT_EQ(second, first);
        EXPECT_EQ(ReadBytes(file), written);
        IniFile before, after;
        before.LoadText(text);
        after.LoadText(written);
        for (const auto& [section, key] : otherKeys) {
            EXPECT_EQ(after.ReadText(section, key, "?"), before.ReadText(section, key, "!")) << key;
        }
        for (const std::string& comment : comments) {
            EXPECT_NE(written.find("\n" + comment + end), std::string::npos) << "lost: " << comment;
        }
    }
    SetDecimalSeparator('.');
}
