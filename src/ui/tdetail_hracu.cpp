#include "ui/tdetail_hracu.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_style.h"

TDetail_Hracu::TDetail_Hracu(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Nastavení"));
    auto* names = new QGroupBox(QStringLiteral("Jména hráčů"));
    auto* form = new QFormLayout(names);
    Edit1 = new QLineEdit;
    Edit2 = new QLineEdit;
    Edit3 = new QLineEdit;
    form->addRow(QStringLiteral("Tvé jméno"), Edit1);
    form->addRow(QStringLiteral("Hráč č. 1"), Edit2);
    form->addRow(QStringLiteral("Hráč č. 2"), Edit3);

    auto* top = new QVBoxLayout(this);
    top->addWidget(names);
    OKBtn = AddOkRow(this, top, QStringLiteral("Ok"));
}

QLineEdit* TDetail_Hracu::NameField(int seatNo) const {
    return seatNo == 1 ? Edit1 : seatNo == 2 ? Edit2 : Edit3;
}
