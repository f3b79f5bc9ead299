// The settings file "Kvelta.ini": the window's place, the players' names and money, the
// rules and shuffling options, the number of deals played and the card back.
//
// GameSettings is the in-memory copy of the file. Its rules are the rules in force: the rules
// dialogs copy their values into it, and the game reads them through IRules. Names, money and
// the forehand are not kept here; they live in the game's seats and are read from there when
// saving. The window side (bounds, labels, money fields, the card back, the browser) is
// reached through ISettingsWindow, so that this code stays free of the toolkit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/rules.h"

class IniFile;
class THra;

inline constexpr std::string_view kSettingsFileName = "Kvelta.ini";
inline constexpr std::string_view kHomePageFileName = "kvelta.html";
inline constexpr std::string_view kDefaultCardBack = "images\\cportal.bmp";

struct WindowBounds {
    int left = 2;
    int top = 2;
    int width = 800;
    int height = 600;
    bool operator==(const WindowBounds&) const = default;
};

class ISettingsWindow {
public:
    virtual ~ISettingsWindow() = default;
    virtual void SetWindowBounds(const WindowBounds& bounds) = 0;
    virtual WindowBounds CurrentWindowBounds() const = 0;
    // Both name labels of the seat.
    virtual void ShowSeatName(int seatNo, std::string_view name) = 0;
    virtual void ShowSeatMoney(int seatNo, std::string_view text) = 0;
    // False, with the message to report, when the picture cannot be loaded.
    virtual bool LoadCardBack(const std::string& path, std::string& error) = 0;
    virtual void OpenHomePage(const std::string& address) = 0;
};

// Who plays the two computer seats ("Soupeři"): the computer player the game was built with,
// or the stronger one that looks ahead. Kept as GAME/SOUPERI.
enum class Opponents : uint8_t {
    Klasicky = 0,
    Silnejsi = 1,
};

class GameSettings : public IRules {
public:
    const RuleSet& Current() const override { return rules; }

    RuleSet rules;
    uint16_t gamesPlayed = 0;  // POCET_HER: the game's counter at the last load or save
    std::string cardBack{kDefaultCardBack};
    Opponents opponents = Opponents::Klasicky;
    WindowBounds window;
    int32_t homePageDay = 0;  // WEB/view: the day the home page was last opened
    bool loaded = false;      // the last load completed; only then is the file saved
};

// Whole days since 30 December 1899: 0 is that day, 36526 is 1 January 2000.
int32_t DayNumber(int year, unsigned month, unsigned day);
// Today's day number by the local calendar.
int32_t TodayDayNumber();

// The local page with the rules of the game, opened by the weekly check: it lies beside the
// settings file.
std::string HomePageAddress(const std::filesystem::path& settingsFile);

// The players' names and money, the forehand, the rules and the deal counter from the USER
// and GAME sections, each with its default. The window, when given, shows names and money.
void ReadPlayersAndRules(const IniFile& ini, GameSettings& settings, THra& game,
                         ISettingsWindow* window);

// The window's place, the players and rules (as above) and the card-back path from a settings
// document, each with its default; the window is placed and shows names and money. The card
// back itself is not loaded.
void ReadSettings(const IniFile& ini, GameSettings& settings, THra& game, ISettingsWindow& window);
// Everything a save writes, from the current state, into the document; keys it does not
// write stay as they are.
void WriteSettings(IniFile& ini, GameSettings& settings, const THra& game,
                   const WindowBounds& bounds);

// Reads the settings file into `settings`, the game's seats and forehand, and the window.
// `today` is today's day number. Returns false, with the message to report in `error`, when
// the file is there but cannot be read completely (see IniFile::Load) or the card back cannot
// be loaded. The values read until then stay in force, the rest keep their defaults, and the
// settings stay unloaded, so that the file is not written: not at load, and not at exit.
bool LoadSettings(const std::filesystem::path& file, GameSettings& settings, THra& game,
                  ISettingsWindow& window, int32_t today, std::string& error);

// Writes the whole file from the current state. Does nothing and returns false when the last
// load did not complete; returns false with `error` set when the file cannot be read
// completely now or cannot be written, in which case the old file is left as it was.
bool SaveSettings(const std::filesystem::path& file, GameSettings& settings, const THra& game,
                  ISettingsWindow& window, std::string& error);
