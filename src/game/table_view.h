// What the game asks of the table on the screen. The window implements it; the headless
// runner and the tests use NullTableView or a recording fake. Every call is a notification:
// the core never reads anything back from the screen except the table's size and the two
// declaration boxes of the contract group. Every operation is pure, so a table view that
// forgets one does not compile.
#pragma once

#include <string_view>

#include "deal/card.h"

class ITableView {
public:
    virtual ~ITableView() = default;

    // Table geometry in pixels.
    virtual int TableWidth() const = 0;
    virtual int TableHeight() const = 0;

    // Card pictures of the hands, by the handle the game gives each card object. A view that
    // shows no cards (nobody looks at it) answers false to ShowsCards: the game then spares
    // itself the calls about card pictures, trick cards, marriage pictures, the labels of the
    // contract group and the busy cursor, and asks for the table's size only once.
    virtual bool ShowsCards() const = 0;
    virtual void CreateCardPicture(int picture, int left, int top) = 0;
    virtual void ShowCardFace(int picture, const Card& card, int left, int top) = 0;
    virtual void ShowCardBack(int picture, int left, int top) = 0;
    virtual void MoveCardPicture(int picture, int left, int top) = 0;
    virtual void DestroyCardPicture(int picture) = 0;

    // The cards of the trick in progress, one per seat (1..3), and their removal.
    virtual void ShowTrickCard(int seatNo, const Card& card, int left, int top) = 0;
    virtual void ClearTrickCards() = 0;

    // Marriage pictures (40 x 65) of a seat, and hiding them all after the settlement.
    virtual void ShowMeldPicture(int seatNo, const Card& card, int x, int y) = 0;
    virtual void HideMeldPictures() = 0;

    // The contract group: the trump card picture (face, or the card back at a new deal),
    // the "Hraje :" label and the contract label.
    virtual void ShowTrumpCard(const Card& card) = 0;
    virtual void ShowTrumpBack() = 0;
    virtual void SetDeclarerLabel(std::string_view text) = 0;
    virtual void SetContractLabel(std::string_view text) = 0;
    virtual void UncheckDeclarationBoxes() = 0;
    virtual bool SevenBoxChecked() const = 0;
    virtual bool HundredBoxChecked() const = 0;
    virtual void HraDisableAll() = 0;
    virtual void HraEnableAll(int contractKind) = 0;
    // The human's "Trumf" and "Talon" buttons are disabled at every new deal.
    virtual void DisableHumanButtons() = 0;
    virtual void HideTalonButton() = 0;

    // Menu items that the deal switches: "Nová hra", "Nastavení" → "Hra", "Poslední hra".
    virtual void EnableNewGame(bool on) = 0;
    virtual void EnableRulesMenu(bool on) = 0;
    virtual void EnableLastGame(bool on) = 0;

    virtual void SetBusyCursor(bool busy) = 0;
    // The one-shot trick pause (2000 ms); when it fires the window calls TrickTimerFired.
    virtual void SetTrickTimer(bool on) = 0;

    // The game log: a new line goes on top. A view that keeps no log answers false to
    // KeepsLog, and the game then spares itself building the lines.
    virtual void LogLine(std::string_view text) = 0;
    virtual bool KeepsLog() const = 0;
    // The money panel, seats 1..3.
    virtual void ShowFinance(double m1, double m2, double m3) = 0;
    // A plain message box for the two states legal play cannot reach.
    virtual void ShowMessage(std::string_view text) = 0;
};

// A table nobody looks at: the default size, no log, every notification dropped.
class NullTableView : public ITableView {
public:
    int TableWidth() const override { return 641; }
    int TableHeight() const override { return 441; }
    bool ShowsCards() const override { return false; }
    void CreateCardPicture(int, int, int) override {}
    void ShowCardFace(int, const Card&, int, int) override {}
    void ShowCardBack(int, int, int) override {}
    void MoveCardPicture(int, int, int) override {}
    void DestroyCardPicture(int) override {}
    void ShowTrickCard(int, const Card&, int, int) override {}
    void ClearTrickCards() override {}
    void ShowMeldPicture(int, const Card&, int, int) override {}
    void HideMeldPictures() override {}
    void ShowTrumpCard(const Card&) override {}
    void ShowTrumpBack() override {}
    void SetDeclarerLabel(std::string_view) override {}
    void SetContractLabel(std::string_view) override {}
    void UncheckDeclarationBoxes() override {}
    bool SevenBoxChecked() const override { return false; }
    bool HundredBoxChecked() const override { return false; }
    void HraDisableAll() override {}
    void HraEnableAll(int) override {}
    void DisableHumanButtons() override {}
    void HideTalonButton() override {}
    void EnableNewGame(bool) override {}
    void EnableRulesMenu(bool) override {}
    void EnableLastGame(bool) override {}
    void SetBusyCursor(bool) override {}
    void SetTrickTimer(bool) override {}
    void LogLine(std::string_view) override {}
    bool KeepsLog() const override { return false; }
    void ShowFinance(double, double, double) override {}
    void ShowMessage(std::string_view) override {}
};
