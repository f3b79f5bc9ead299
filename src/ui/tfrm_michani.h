// "Způsob míchání a rozdávání karet": how the pack is shuffled and dealt. Like the rules
// dialog, its controls are the options in force and OK copies them into the settings record;
// "Zrušit" stores nothing but leaves the controls as the user set them.
#pragma once

#include <QDialog>

class GameSettings;
class QPushButton;
class QRadioButton;
class QSpinBox;
struct RuleSet;

class Tfrm_michani : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_michani(GameSettings& settings, QWidget* parent = nullptr);

    // The shuffling and dealing options as the controls show them now.
    void ReadRules(RuleSet& rules) const;

    // Shuffling: always thoroughly, not at all, cut only (with the number of cuts).
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
    QSpinBox* SpinEdit1;
    // Dealing: a random cut (now and then "do plných"), always "do plných".
    QRadioButton *RadioButton4, *RadioButton5;
    QPushButton *OKBtn, *CancelBtn;

private:
    void FormCreate();
    void OKBtnClick();

    GameSettings& settings_;
};
