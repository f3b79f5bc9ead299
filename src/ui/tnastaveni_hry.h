// "Nastavení hry": the stakes and the rule switches. While the program runs its controls are
// the rules in force (the game reads them whenever a rule applies); OK copies them into the
// settings record, which is what gets saved. The close box stores nothing, but what was typed
// stays in the controls and so stays in force for the rest of the run.
#pragma once

#include <QDialog>

class GameSettings;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct RuleSet;

class TNastaveni_hry : public QDialog {
    Q_OBJECT

public:
    // Seeds the controls from the settings (they are loaded by then).
    explicit TNastaveni_hry(GameSettings& settings, QWidget* parent = nullptr);

    // The stakes and switches as the controls show them now.
    void ReadRules(RuleSet& rules) const;

    // Finance: base stake, betl, durch, silent seven, announced seven.
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit6, *Edit7;
    // Rules and counting: no doubling ends the game, doubling "útěk", multiply over a hundred,
    // hearts dearer.
    QCheckBox *CheckBox1, *CheckBox4, *CheckBox2, *CheckBox3;
    // The hundred (1..3) and the sorting of the ten (4, 5).
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4, *RadioButton5;
    QPushButton* OKBtn;

private:
    void FormCreate();
    void OKBtnClick();

    GameSettings& settings_;
};
