#include "records/game_settings.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "base/text_format.h"
#include "game/thra.h"
#include "records/ini_file.h"

namespace {

constexpr const char* kWeb = "WEB";
constexpr const char* kApplication = "APPLICATION";
constexpr const char* kUser = "USER";
constexpr const char* kGame = "GAME";

constexpr const char* kDefaultNames[3] = {"Vojta", "Radek", "Pavel"};
constexpr double kDefaultMoney = 1000;

std::string NameKey(int seatNo) {
    return "PLAYER_NAME_" + std::to_string(seatNo);
}
std::string ScoreKey(int seatNo) {
    return "PLAYER_SCORE_" + std::to_string(seatNo);
}

// A stake is kept as the shortest text of the number the file holds, at most 10 characters:
// a longer text loses its last decimals. A number out of the stakes' range, or one whose whole
// part alone needs more than 10 characters, counts as no number.
std::string ReadStake(const IniFile& ini, const char* key, double def) {
    const char separator = DecimalSeparator();
    double value = ini.ReadDecimal(kGame, key, def);
    if (value == 0) value = 0;  // never the text "-0": the save would write "0"
    std::string text = ShortestDecimalText(value, separator);
    if (!IsUsableStake(value) || std::min(text.find(separator), text.size()) > 10) {
        text = ShortestDecimalText(def, separator);
    }
    if (text.size() > 10) {
        // What is left is written shortest again, so that it reads back as the same text:
        // "0.10000000" would come back as "0.1", "-0.0000000" as "0".
        text.resize(10);
        double cut = 0;
        ReadLocaleDecimal(text, separator, cut);
        text = ShortestDecimalText(cut == 0 ? 0.0 : cut, separator);
    }
    return text;
}

// The file holds these in 32 bits; the program keeps their low byte.
uint8_t ReadByte(const IniFile& ini, const char* key, uint8_t def) {
    return static_cast<uint8_t>(static_cast<uint32_t>(ini.ReadInteger(kGame, key, def)));
}

}  // namespace

int32_t DayNumber(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    const sys_days epoch{std::chrono::year{1899} / December / std::chrono::day{30}};
    return static_cast<int32_t>((date - epoch).count());
}

int32_t TodayDayNumber() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DayNumber(local.tm_year + 1900, unsigned(local.tm_mon + 1), unsigned(local.tm_mday));
}

std::string HomePageAddress(const std::filesystem::path& settingsFile) {
    std::error_code ec;
    std::filesystem::path file = std::filesystem::absolute(settingsFile, ec);
    if (ec) file = settingsFile;
    return (file.parent_path() / kHomePageFileName).string();
}

void ReadSettings(const IniFile& ini, GameSettings& settings, THra& game, ISettingsWindow& window) {
    WindowBounds bounds;
    bounds.top = ini.ReadInteger(kApplication, "TOP", 2);
    bounds.left = ini.ReadInteger(kApplication, "LEFT", 2);
    bounds.width = ini.ReadInteger(kApplication, "WIDTH", 800);
    bounds.height = ini.ReadInteger(kApplication, "HEIGHT", 600);
    settings.window = bounds;
    window.SetWindowBounds(bounds);

    ReadPlayersAndRules(ini, settings, game, &window);

    settings.cardBack = ini.ReadText(kGame, "RUB", kDefaultCardBack);
}

void ReadPlayersAndRules(const IniFile& ini, GameSettings& settings, THra& game,
                         ISettingsWindow* window) {
    for (int n = 1; n <= 3; ++n) {
        const std::string shown =
            Utf8Left(ini.ReadText(kUser, NameKey(n), kDefaultNames[n - 1]), 12);
        if (window) window->ShowSeatName(n, shown);
        THrac* seat = game.Seat(n);
        seat->name = Utf8Left(shown, 10);
        seat->money = ini.ReadDecimal(kUser, ScoreKey(n), kDefaultMoney);
        if (window) window->ShowSeatMoney(n, FormatAmount(seat->money));
    }

    const int32_t startPlayer = ini.ReadInteger(kGame, "START_PLAYER", 1);
    if (startPlayer >= 1 && startPlayer <= 3) game.forehand = game.Seat(startPlayer);

    RuleSet& r = settings.rules;
    r.zakladHry = ReadStake(ini, "ZAKLAD_HRY", 0.1);
    r.betl = ReadStake(ini, "BETL", 0.5);
    r.durch = ReadStake(ini, "DURCH", 1);
    r.tichaSedma = ReadStake(ini, "TICHA_SEDMA", 2);
    r.hlasenaSedma = ReadStake(ini, "HLASENA_SEDMA", 4);

    r.nasobit = ini.ReadBool(kGame, "NASOBIT", true);
    r.herce = ini.ReadBool(kGame, "HERCE", true);
    r.bezfleku = ini.ReadBool(kGame, "BEZFLEKU", true);
    r.utek = ini.ReadBool(kGame, "UTEK", true);
    r.trideni = ini.ReadBool(kGame, "TRIDENI", true);

    r.stovka = ReadByte(ini, "STOVKA", 3);
    r.michani = ReadByte(ini, "MICHANI", 3);
    r.rozdani = ReadByte(ini, "ROZDANI", 1);
    r.pocetSejmuti = ReadByte(ini, "POCET_SEJMUTI", 10);
    settings.gamesPlayed =
        static_cast<uint16_t>(static_cast<uint32_t>(ini.ReadInteger(kGame, "POCET_HER", 0)));
    game.gamesPlayed = settings.gamesPlayed;
    // Files from before the choice existed, and values it does not know, get the classic player.
    settings.opponents =
        ini.ReadInteger(kGame, "SOUPERI", 0) == 1 ? Opponents::Silnejsi : Opponents::Klasicky;
}

bool LoadSettings(const std::filesystem::path& file, GameSettings& settings, THra& game,
                  ISettingsWindow& window, int32_t today, std::string& error) {
    settings.loaded = false;
    error.clear();
    // A file that cannot be read completely is never written, neither now nor at exit: the
    // game runs with what could be read and the defaults for the rest.
    IniFile ini;
    const bool complete = ini.Load(file, error);

    // At most one visit to the home page in eight days.
    int32_t view = ini.ReadInteger(kWeb, "view", today);
    if (int64_t{today} > int64_t{view} + 7) {
        window.OpenHomePage(HomePageAddress(file));
        view = today;
    }
    settings.homePageDay = view;
    if (complete) {
        ini.WriteInteger(kWeb, "view", view);
        // Written at once. A folder that cannot be written to must not keep the settings from
        // loading; the save at exit reports it.
        std::string ignored;
        ini.Save(file, ignored);
    }

    ReadSettings(ini, settings, game, window);
    std::string cardBackError;
    if (!window.LoadCardBack(settings.cardBack, cardBackError)) {
        error += (error.empty() ? "" : "\n") + cardBackError;
        return false;
    }

    settings.loaded = complete;
    return complete;
}

void WriteSettings(IniFile& ini, GameSettings& settings, const THra& game,
                   const WindowBounds& bounds) {
    settings.window = bounds;
    ini.WriteInteger(kApplication, "LEFT", bounds.left);
    ini.WriteInteger(kApplication, "TOP", bounds.top);
    ini.WriteInteger(kApplication, "WIDTH", bounds.width);
    ini.WriteInteger(kApplication, "HEIGHT", bounds.height);

    for (int n = 1; n <= 3; ++n) {
        const THrac* seat = game.Seat(n);
        ini.WriteText(kUser, NameKey(n), seat->name);
        ini.WriteDecimal(kUser, ScoreKey(n), seat->money);
    }

    const RuleSet& r = settings.rules;
    ini.WriteInteger(kGame, "START_PLAYER", game.forehand ? game.forehand->seatNo : 1);
    ini.WriteDecimal(kGame, "ZAKLAD_HRY", ParseDecimalText(r.zakladHry));
    ini.WriteText(kGame, "BETL", r.betl);
    ini.WriteText(kGame, "DURCH", r.durch);
    ini.WriteText(kGame, "TICHA_SEDMA", r.tichaSedma);
    ini.WriteText(kGame, "HLASENA_SEDMA", r.hlasenaSedma);
    ini.WriteBool(kGame, "NASOBIT", r.nasobit);
    ini.WriteBool(kGame, "HERCE", r.herce);
    ini.WriteBool(kGame, "BEZFLEKU", r.bezfleku);
    ini.WriteBool(kGame, "UTEK", r.utek);
    ini.WriteBool(kGame, "TRIDENI", r.trideni);
    ini.WriteInteger(kGame, "STOVKA", r.stovka);
    ini.WriteInteger(kGame, "MICHANI", r.michani);
    ini.WriteInteger(kGame, "ROZDANI", r.rozdani);
    ini.WriteInteger(kGame, "POCET_SEJMUTI", r.pocetSejmuti);
    settings.gamesPlayed = game.gamesPlayed;
    ini.WriteInteger(kGame, "POCET_HER", settings.gamesPlayed);
    ini.WriteText(kGame, "RUB", settings.cardBack);
    ini.WriteInteger(kGame, "SOUPERI", static_cast<int>(settings.opponents));
}

bool SaveSettings(const std::filesystem::path& file, GameSettings& settings, const THra& game,
                  ISettingsWindow& window, std::string& error) {
    error.clear();
    if (!settings.loaded) return false;

    // Keys of the file that the program does not know, and WEB/view, are kept as they are.
    // A file that has since become unreadable or damaged is left alone.
    IniFile ini;
    if (!ini.Load(file, error)) return false;

    WriteSettings(ini, settings, game, window.CurrentWindowBounds());
    return ini.Save(file, error);
}
