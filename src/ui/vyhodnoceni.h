// "Vyhodnocení hry": the result lines the settlement writes, shown at the end of every game
// with "Rozdat" (the next deal), "Zrušit" and "Štychy" (the tricks viewer). "Poslední hra"
// shows the same lines again with only "Zrušit" live. It is the game's result view; the trick
// rows go to the tricks viewer it is given.
#pragma once

#include <QDialog>

#include "game/result_view.h"

class QListWidget;
class QPushButton;
class TViewStychu;

class Tvyhodnoceni : public QDialog, public IResultView {
    Q_OBJECT
public:
    Tvyhodnoceni(TViewStychu& tricks, QWidget* parent = nullptr);

    // IResultView
    void ClearResultLines() override;
    void AddResultLine(std::string_view text) override;
    bool KeepsLines() const override { return true; }
    bool ShowResult(const Card (&talon)[2], const Card& trumpCard) override;
    void AddTrickRow(std::string_view leaderName, const Card (&cards)[3]) override;
    void ClearTrickRows() override;

    // "Poslední hra": the last game's lines, modally, without "Rozdat" and "Štychy".
    void ShowLastGame();

    QListWidget* ListBox1;
    QPushButton* OKBtn;      // "Rozdat"
    QPushButton* CancelBtn;  // "Zrušit"
    QPushButton* HelpBtn;    // "Štychy"

private:
    void HelpBtnClick();
    void EnableDealButtons(bool on);

    TViewStychu& tricks_;
};
