// "Navýšení hodnoty hry": the doubling question. The game button doubles the game; "Mlčím" and
// the close box do not. The four boxes are answered whichever way the dialog is closed.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
struct FlekQuestion;
struct FlekAnswer;

class TDasFlekFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDasFlekFrm(QWidget* parent = nullptr);
    // Every box enabled, then all unticked.
    void Reset();
    FlekAnswer Ask(const FlekQuestion& q);

    QLabel* Napis;
    QLabel* Label2;
    QCheckBox* CheckBox2;  // "Flek na :" "Sedmu"
    QCheckBox* CheckBox1;  // "Flek na :" "Stovku"
    QLabel* Label1;
    QCheckBox* CheckBox3;  // "Proti :" "Sedmu"
    QCheckBox* CheckBox4;  // "Proti :" "Stovku"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* e) override;
};
