// The main window: the green table with the three seats, the contract group " Průběh hry ",
// the money panel " Finance ", the game log and the menus. It owns the game and shows it: it
// is the game's table view, and the settings file reads and writes its bounds, names, money
// fields and card back through it.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "game/thra.h"
#include "records/game_settings.h"
#include "records/statistics.h"
#include "table/human_controls.h"
#include "ui/idle_driver.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class HumanDialogs;
class SettingsDialogs;
class TCardImage;
class TPlayer;
class TWavSound;
class Tvyhodnoceni;

// KVELTA_SEED as a seed for the shuffle: a whole decimal number, nothing else.
std::optional<uint64_t> SeedFromText(const char* text);

class TMain : public QMainWindow, public ITableView, public ISettingsWindow, public IHumanControls {
    Q_OBJECT
public:
    struct Setup {
        QString settingsFile;    // "Kvelta.ini" in the program's folder or KVELTA_SETTINGS_DIR
        QString statisticsFile;  // "Playing.dta" in the current folder
        // Errors and the game's plain messages; a message box unless a test listens.
        std::function<void(const QString&)> report;
        std::optional<bool> audioOutput;  // unset: ask the machine
    };
    static Setup DefaultSetup();

    explicit TMain(Setup setup);
    ~TMain() override;

    // The result view, created after the main window; the game writes its results there.
    void SetResultView(Tvyhodnoceni* view);

    THra& game() { return *game_; }
    TPlayer& player() { return *player_; }
    HumanDialogs& dialogs() { return *humanDialogs_; }
    IdleDriver& idleDriver() { return *idle_; }
    GameSettings& settings() { return settings_; }
    TWavSound& sound() { return *sound_; }
    // The dialogs of "Nastavení" and "Hodnocení hráčů"; their controls are the rules in force.
    SettingsDialogs& settingsDialogs() { return *dialogs_; }
    // Runs a call into the game from the window, idle passes held until it returns.
    void GameCall(const std::function<void()>& call);
    // The picture of a hand card by its handle; null when there is none.
    TCardImage* cardPicture(int handle) const;
    TCardImage* trickPicture(int seatNo) const { return trick_[seatNo - 1]; }

    // --- ITableView ---
    int TableWidth() const override;
    int TableHeight() const override;
    bool ShowsCards() const override { return true; }
    void CreateCardPicture(int picture, int left, int top) override;
    void ShowCardFace(int picture, const Card& card, int left, int top) override;
    void ShowCardBack(int picture, int left, int top) override;
    void MoveCardPicture(int picture, int left, int top) override;
    void DestroyCardPicture(int picture) override;
    void ShowTrickCard(int seatNo, const Card& card, int left, int top) override;
    void ClearTrickCards() override;
    void ShowMeldPicture(int seatNo, const Card& card, int x, int y) override;
    void HideMeldPictures() override;
    void ShowTrumpCard(const Card& card) override;
    void ShowTrumpBack() override;
    void SetDeclarerLabel(std::string_view text) override;
    void SetContractLabel(std::string_view text) override;
    void UncheckDeclarationBoxes() override;
    bool SevenBoxChecked() const override;
    bool HundredBoxChecked() const override;
    void HraDisableAll() override;
    void HraEnableAll(int contractKind) override;
    void DisableHumanButtons() override;
    void HideTalonButton() override;
    void EnableNewGame(bool on) override;
    void EnableRulesMenu(bool on) override;
    void EnableLastGame(bool on) override;
    void SetBusyCursor(bool busy) override;
    void SetTrickTimer(bool on) override;
    void LogLine(std::string_view text) override;
    bool KeepsLog() const override { return true; }
    void ShowFinance(double m1, double m2, double m3) override;
    void ShowMessage(std::string_view text) override;

    // --- IHumanControls: "Trumf", "Talon" and the contract radio buttons ---
    void MoveButton(HumanButton b, int left, int top) override;
    void ShowButton(HumanButton b, bool visible) override;
    void EnableButton(HumanButton b, bool enabled) override;
    int CheckedContract() const override;

    // --- ISettingsWindow ---
    void SetWindowBounds(const WindowBounds& bounds) override;
    WindowBounds CurrentWindowBounds() const override;
    void ShowSeatName(int seatNo, std::string_view name) override;
    void ShowSeatMoney(int seatNo, std::string_view text) override;
    bool LoadCardBack(const std::string& path, std::string& error) override;
    void OpenHomePage(const std::string& address) override;

    // The contract group's two views: the suit game's, and betl's and durch's.
    void sedmaTrue();
    void sedmaFalse();

    // Menu commands.
    void Menu_NovaHraClick();
    void Mebu_quitClick();
    void Menu_LastGameClick();
    void Menu_AboutClick();
    void Menu_PoraditClick();

    // The controls, by the names the rest of the game knows them by.
    QWidget* Panel1;
    QLabel *Label1, *Label2, *Label3;  // seat names: bottom (the human), left, top
    QGroupBox* GroupBox1;              // " Průběh hry "
    QRadioButton *RadioButton5, *RadioButton3, *RadioButton1;  // "Hra", "Betl", "Durch"
    QCheckBox *CheckBox1, *CheckBox2;                          // "Sedma", "Sto"
    QLabel *Label10, *Label16;  // "Hraje :" and the declarer, the contract's name
    TCardImage* Image1;         // the trump card
    QGroupBox* GroupBox2;       // " Finance "
    QLabel *Label4, *Label5, *Label6;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QListWidget* ListBox1;  // the game log, newest line on top
    QPushButton *TrumpButton, *TalonButton;
    QTimer Timer1;  // the trick pause

    QAction *Menu_NovaHra, *Menu_Poradit, *Mebu_quit;
    QAction *Menu_LastGame, *Menu_PlayerRatings;
    QAction *Menu_optionHra, *Menu_optionMichani, *Menu_optionPlayer, *Menu_optionSouperi;
    QAction *manu_optionBanka, *menu_rubs;
    QAction* Menu_About;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTable();
    void BuildMenu();
    void myResize();
    void Timer1Timer();
    void CardPictureClicked(int picture);
    // "Poradit" is offered exactly while the human's card is awaited.
    void UpdateHintMenu();
    void RadioClicked(QRadioButton* button);
    QPixmap CardBack(QSize size) const;
    void Report(const QString& text);

    Setup setup_;
    std::unique_ptr<TWavSound> sound_;
    QImage cardBackImage_;
    GameSettings settings_;
    StatisticsFile statistics_;
    std::unique_ptr<IRandom> random_;
    GamePorts ports_;
    std::unique_ptr<HumanDialogs> humanDialogs_;
    std::unique_ptr<THra> game_;
    TPlayer* player_ = nullptr;
    std::unique_ptr<IdleDriver> idle_;
    Tvyhodnoceni* result_ = nullptr;
    std::map<int, TCardImage*> cards_;
    std::array<TCardImage*, 3> trick_{};
    std::vector<TCardImage*> melds_;
    std::unique_ptr<SettingsDialogs> dialogs_;
    bool trumpShowsBack_ = false;  // the trump card's place shows the card back
};
