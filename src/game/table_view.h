// What the game asks of the table on the screen. The window implements it; the headless
// runner and the tests use NullTableView or a recording fake. Every call is a notification:
// the core never reads anything back from the screen except the table's size and the two
// declaration boxes of the contract group.
#pragma once

#include <string_view>

#include "deal/card.h"

class ITableView {
public:
    virtual ~ITableView() = default;

    // Table geometry in pixels; the contract group's left edge spaces the cards of a hand.
    virtual int TableWidth() const { return 641; }
    virtual int TableHeight() const { return 441; }
    int ContractGroupLeft() const { return TableWidth() - 275; }

    // Card pictures of the hands, by the handle the game gives each card object.
    virtual void CreateCardPicture(int /*picture*/, int /*left*/, int /*top*/) {}
    virtual void ShowCardFace(int /*picture*/, const Card& /*card*/, int /*left*/, int /*top*/) {}
    virtual void ShowCardBack(int /*picture*/, int /*left*/, int /*top*/) {}
    virtual void MoveCardPicture(int /*picture*/, int /*left*/, int /*top*/) {}
    virtual void DestroyCardPicture(int /*picture*/) {}

    // The cards of the trick in progress, one per seat (1..3), and their removal.
    virtual void ShowTrickCard(int /*seatNo*/, const Card& /*card*/, int /*left*/, int /*top*/) {}
    virtual void ClearTrickCards() {}

    // Marriage pictures (40 x 65) of a seat, and hiding them all after the settlement.
    virtual void ShowMeldPicture(int /*seatNo*/, const Card& /*card*/, int /*x*/, int /*y*/) {}
    virtual void HideMeldPictures() {}

    // The contract group: the trump card picture (face, or the card back at a new deal),
    // the "Hraje :" label and the contract label.
    virtual void ShowTrumpCard(const Card& /*card*/) {}
    virtual void ShowTrumpBack() {}
    virtual void SetDeclarerLabel(std::string_view /*text*/) {}
    virtual void SetContractLabel(std::string_view /*text*/) {}
    virtual void UncheckDeclarationBoxes() {}
    virtual bool SevenBoxChecked() const { return false; }
    virtual bool HundredBoxChecked() const { return false; }
    virtual void HraDisableAll() {}
    virtual void HraEnableAll(int /*contractKind*/) {}
    // The human's "Trumf" and "Talon" buttons are disabled at every new deal.
    virtual void DisableHumanButtons() {}
    virtual void HideTalonButton() {}

    // Menu items that the deal switches: "Nová hra", "Nastavení" → "Hra", "Poslední hra".
    virtual void EnableNewGame(bool /*on*/) {}
    virtual void EnableRulesMenu(bool /*on*/) {}
    virtual void EnableLastGame(bool /*on*/) {}

    virtual void SetBusyCursor(bool /*busy*/) {}
    // The one-shot trick pause (2000 ms); when it fires the window calls TrickTimerFired.
    virtual void SetTrickTimer(bool /*on*/) {}

    // The game log: a new line goes on top. A view that keeps no log answers false to
    // KeepsLog, and the game then spares itself building the lines.
    virtual void LogLine(std::string_view /*text*/) {}
    virtual bool KeepsLog() const { return true; }
    // The money panel, seats 1..3.
    virtual void ShowFinance(double /*m1*/, double /*m2*/, double /*m3*/) {}
    // A plain message box for the two states legal play cannot reach.
    virtual void ShowMessage(std::string_view /*text*/) {}
};

class NullTableView : public ITableView {
public:
    bool KeepsLog() const override { return false; }
};
