// The dialogs of the "Nastavení" menu and of "Hodnocení hráčů", created once and shown again
// and again, and what the main window does before and after each of them.
//
// The rules and shuffling dialogs' controls are the rules in force: this object is the game's
// source of rules while the window runs. OK in those dialogs copies the controls into the
// settings record, which is what the file keeps.
#pragma once

#include <QString>
#include <functional>

#include "game/rules.h"
#include "records/game_settings.h"

class ISettingsWindow;
class QWidget;
class StatisticsFile;
class TDetail_Hracu;
class TFrmVyber;
class TNastaveni_hry;
class THra;
class TStatistika;
class Tfrm_banka;
class Tfrm_michani;
class Tfrm_rubs;
class Tfrm_souperi;

class SettingsDialogs : public IRules {
public:
    using ErrorSink = std::function<void(const QString& message)>;

    // Call after the settings have been loaded: the dialogs take their first values from them.
    // `statistics` may be null (no statistics this run). The dialogs are children of `parent`.
    SettingsDialogs(GameSettings& settings, THra& game, ISettingsWindow& window,
                    StatisticsFile* statistics, ErrorSink onError, QWidget* parent);

    // The stakes, switches and shuffling options as the two dialogs show them now.
    const RuleSet& Current() const override;

    // The menu commands; each shows its dialog modally.
    void Menu_optionHraClick();
    void Menu_optionMichaniClick();
    void Menu_optionPlayerClick();
    void manu_optionBankaClick();
    void menu_rubsClick();
    void Menu_optionSouperiClick();
    void ShowPlayerRatings();

    TNastaveni_hry* nastaveniHry;
    TDetail_Hracu* detailHracu;
    TStatistika* statistika;
    TFrmVyber* vyber;
    Tfrm_banka* banka;
    Tfrm_michani* michani;
    Tfrm_rubs* rubs;
    Tfrm_souperi* souperi;

    // Told when OK in "Soupeři" changes the opponents (already kept in the settings record).
    std::function<void(Opponents)> opponentsChosen;

private:
    GameSettings& settings_;
    THra& game_;
    ISettingsWindow& window_;
    StatisticsFile* statistics_;
    ErrorSink onError_;
    mutable RuleSet current_;
};
