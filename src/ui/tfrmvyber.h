// "Výběr hráče": the names found in the statistics file, in the order they first played; a
// double-click or "Statistika" shows the selected player's totals.
#pragma once

#include <QDialog>

#include "records/statistics.h"

class QListWidget;
class QPushButton;
class TStatistika;

class TFrmVyber : public QDialog {
    Q_OBJECT

public:
    TFrmVyber(TStatistika& statistika, QWidget* parent = nullptr);

    // Replaces the list; the first name is selected.
    void SetPlayers(PlayingTotals players);
    const PlayingTotals& Players() const { return players_; }

    // Shows the selected player's totals; does nothing while the list is empty.
    void ListBox1DblClick();

    QListWidget* ListBox1;
    QPushButton *OKBtn, *StatistikaBtn;

private:
    TStatistika& statistika_;
    PlayingTotals players_;
};
