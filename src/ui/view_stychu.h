// "Sled hry": the tricks of the current or last game, one row per trick (the leader's name and
// the three cards overlapping, in playing order), with the talon and the trump card.
#pragma once

#include <QDialog>
#include <array>
#include <string_view>

#include "deal/card.h"

class QLabel;
class QPushButton;
class QScrollArea;
class TCardImage;

class TViewStychu : public QDialog {
    Q_OBJECT
public:
    explicit TViewStychu(QWidget* parent = nullptr);

    void AddTrickRow(std::string_view leaderName, const Card (&cards)[3]);
    void ClearTrickRows();
    void ShowTalonAndTrump(const Card (&talon)[2], const Card& trumpCard);

    int rowCount() const { return rowCount_; }
    // The controls of row n (1..10), for the tests; null when the row is unused.
    QLabel* rowLabel(int n) const;
    TCardImage* rowCard(int n, int i) const;

    QScrollArea* ScrollBox1;
    TCardImage *Image1, *Image2, *Image3;  // the talon's two cards and the trump card
    QPushButton* OKBtn;

private:
    struct Row {
        bool used = false;
        QLabel* label = nullptr;
        std::array<TCardImage*, 3> cards{};
    };
    QWidget* rows_;  // the scroll box's contents
    std::array<Row, 10> slots_{};
    int rowCount_ = 0;
};
