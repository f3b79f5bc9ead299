#include "ui/tfrm_souperi.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A radio button with a line under it that says what the choice means.
QRadioButton* Choice(QVBoxLayout* box, const QString& caption, const QString& meaning) {
    auto* radio = new QRadioButton(caption);
    auto* note = new QLabel(meaning);
    note->setIndent(22);
    note->setEnabled(false);  // drawn in the quieter colour
    box->addWidget(radio);
    box->addWidget(note);
    return radio;
}

}  // namespace

Tfrm_souperi::Tfrm_souperi(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Soupeři"));

    auto* group = new QGroupBox(QStringLiteral("Počítačoví hráči"));
    auto* box = new QVBoxLayout(group);
    RadioButton1 =
        Choice(box, QStringLiteral("Klasický"), QStringLiteral("hraje podle pevných pravidel"));
    RadioButton2 = Choice(box, QStringLiteral("Silnější"),
                          QStringLiteral("propočítává, jak mohou být rozdány neviděné karty"));

    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Zrušit"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    // A deal in progress is finished by the players who started it.
    top->addWidget(new QLabel(QStringLiteral("Změna platí od příští hry.")));
    top->addLayout(buttons);

    StartWith(Opponents::Klasicky);
}

void Tfrm_souperi::StartWith(Opponents opponents) {
    (opponents == Opponents::Silnejsi ? RadioButton2 : RadioButton1)->setChecked(true);
}

Opponents Tfrm_souperi::Chosen() const {
    return RadioButton2->isChecked() ? Opponents::Silnejsi : Opponents::Klasicky;
}
