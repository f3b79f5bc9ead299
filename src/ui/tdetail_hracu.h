// "Nastavení": the three players' names. It has no logic of its own; the main window's menu
// fills the fields before showing it and takes the names from them however it was closed.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TDetail_Hracu : public QDialog {
    Q_OBJECT

public:
    explicit TDetail_Hracu(QWidget* parent = nullptr);

    // Seat 1 (the human, "Tvé jméno"), seat 2 and seat 3.
    QLineEdit *Edit1, *Edit2, *Edit3;
    QPushButton* OKBtn;

    QLineEdit* NameField(int seatNo) const;
};
