// "Banka": adds money to the three players, or squares them all at 1000. The dialog works on
// pending balances, which reach the players only when OK closes it.
#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

class Tfrm_banka : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_banka(QWidget* parent = nullptr);

    // Seats 1..3 at indices 0..2.
    std::array<double, 3> pending{};

    QLineEdit* Edit1;  // the amount to add; it keeps its text from one opening to the next
    QPushButton *Button1, *OKBtn, *CancelBtn;

private:
    void Button1Click();
    void OKBtnClick();
};
