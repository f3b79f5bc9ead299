// "V talonu byly tyto karty.": the two cards the human has just taken with a game.
#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

class TWhatTalon : public QDialog {
    Q_OBJECT
public:
    explicit TWhatTalon(QWidget* parent = nullptr);
    // Shows the two talon cards modally until "OK".
    void ShowCards(const QPixmap& first, const QPixmap& second);

    QLabel* Label1;
    QLabel* Image1;
    QLabel* Image2;
    QPushButton* OKBtn;

protected:
    void showEvent(QShowEvent* e) override;
};
