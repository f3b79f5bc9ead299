#include "ui/tfrm_michani.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "records/game_settings.h"

namespace {

constexpr int kFewestCuts = 2;
constexpr int kMostCuts = 32;

}  // namespace

Tfrm_michani::Tfrm_michani(GameSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Způsob míchání a rozdávání karet"));

    auto* shuffle = new QGroupBox(QStringLiteral("Míchání"));
    auto* shuffleBox = new QVBoxLayout(shuffle);
    RadioButton1 = new QRadioButton(QStringLiteral("vždy úplně promíchat"));
    RadioButton2 = new QRadioButton(QStringLiteral("nemíchat vůbec"));
    RadioButton3 = new QRadioButton(QStringLiteral("nechat pouze sejmout"));
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3}) shuffleBox->addWidget(b);
    SpinEdit1 = new QSpinBox;
    SpinEdit1->setRange(kFewestCuts, kMostCuts);
    auto* cuts = new QHBoxLayout;
    cuts->addSpacing(20);
    cuts->addWidget(SpinEdit1);
    cuts->addWidget(new QLabel(QStringLiteral("krát sejmout")));
    cuts->addStretch();
    shuffleBox->addLayout(cuts);

    auto* deal = new QGroupBox(QStringLiteral("Rozdávání"));
    auto* dealBox = new QVBoxLayout(deal);
    RadioButton4 = new QRadioButton(QStringLiteral("náhodně sejmout (včetně hry do plných)"));
    RadioButton5 = new QRadioButton(QStringLiteral("vždy do plných"));
    dealBox->addWidget(RadioButton4);
    dealBox->addWidget(RadioButton5);

    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Zrušit"));
    connect(OKBtn, &QPushButton::clicked, this, &Tfrm_michani::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The number of cuts means something only when the pack is only cut.
    connect(RadioButton3, &QRadioButton::toggled, SpinEdit1, &QSpinBox::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* top = new QVBoxLayout(this);
    top->addWidget(shuffle);
    top->addWidget(deal);
    top->addLayout(buttons);

    // As designed: no shuffling, always "do plných".
    RadioButton2->setChecked(true);
    SpinEdit1->setEnabled(false);
    RadioButton5->setChecked(true);
    FormCreate();
}

void Tfrm_michani::FormCreate() {
    const RuleSet& r = settings_.rules;
    if (r.michani == 1) RadioButton1->setChecked(true);
    if (r.michani == 2) RadioButton2->setChecked(true);
    if (r.michani == 3) RadioButton3->setChecked(true);
    if (r.rozdani == 1) RadioButton4->setChecked(true);
    if (r.rozdani == 2) RadioButton5->setChecked(true);
    SpinEdit1->setValue(std::clamp<int>(r.pocetSejmuti, kFewestCuts, kMostCuts));
}

void Tfrm_michani::ReadRules(RuleSet& r) const {
    r.michani = RadioButton1->isChecked() ? 1 : RadioButton2->isChecked() ? 2 : 3;
    r.rozdani = RadioButton5->isChecked() ? 2 : 1;
    r.pocetSejmuti = static_cast<uint8_t>(SpinEdit1->value());
}

void Tfrm_michani::OKBtnClick() {
    SpinEdit1->interpretText();  // a number still being typed counts
    ReadRules(settings_.rules);
    accept();
}
