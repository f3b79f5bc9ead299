// "Soupeři": who plays the two computer seats. OK keeps the choice in the settings record and
// the seats change from the next deal on; "Zrušit" keeps what was chosen before.
#pragma once

#include <QDialog>

#include "records/game_settings.h"

class QPushButton;
class QRadioButton;

class Tfrm_souperi : public QDialog {
    Q_OBJECT

public:
    explicit Tfrm_souperi(QWidget* parent = nullptr);

    // The controls show `opponents` when the dialog opens.
    void StartWith(Opponents opponents);
    Opponents Chosen() const;

    QRadioButton *RadioButton1, *RadioButton2;  // "Klasický", "Silnější"
    QPushButton *OKBtn, *CancelBtn;
};
