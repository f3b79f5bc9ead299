// "Co na to říkáš ?": another seat has announced a game; "Dobré" accepts it, "Špatné" takes it.
// It closes only through its two buttons: no close box, and Escape does nothing.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct GoodBadQuestion;

class TGoodBadFrm : public QDialog {
    Q_OBJECT
public:
    explicit TGoodBadFrm(QWidget* parent = nullptr);
    // Fills in the question, shows it modally; true for "Dobré".
    bool Ask(const GoodBadQuestion& q);
    void reject() override {}

    QLabel* napis;
    QLabel* druhhry;
    QLabel* Label1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* e) override;
};
