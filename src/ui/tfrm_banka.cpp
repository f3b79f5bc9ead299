#include "ui/tfrm_banka.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/text_format.h"

Tfrm_banka::Tfrm_banka(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Banka"));
    Edit1 = new QLineEdit;
    Button1 = new QPushButton(QStringLiteral("Srovnat na 1000"));
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Zrušit"));
    connect(Button1, &QPushButton::clicked, this, &Tfrm_banka::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &Tfrm_banka::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* amount = new QHBoxLayout;
    amount->addWidget(new QLabel(QStringLiteral("Jakou sumu mám přidat")));
    amount->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* top = new QVBoxLayout(this);
    top->addLayout(amount);
    top->addLayout(buttons);
}

void Tfrm_banka::Button1Click() {
    pending.fill(1000);
}

void Tfrm_banka::OKBtnClick() {
    // Read leniently: an empty field adds nothing, a negative amount takes money away.
    const double amount = ParseDecimalText(Edit1->text().toStdString());
    for (double& m : pending) m += amount;
    accept();
}
