// "Statistika hráče": one player's games won, lost and in all, by contract.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct TStatPlayer;

class TStatistika : public QDialog {
    Q_OBJECT

public:
    explicit TStatistika(QWidget* parent = nullptr);

    // Puts the player's twelve totals into the grid.
    void ShowPlayer(const TStatPlayer& player);

    // Rows: all games (10..12), suit games (13..15), betls (16..18), durchs (19..21); columns:
    // won, lost, in all.
    QLabel *Label10, *Label11, *Label12, *Label13, *Label14, *Label15;
    QLabel *Label16, *Label17, *Label18, *Label19, *Label20, *Label21;
    QPushButton* OKBtn;
};
