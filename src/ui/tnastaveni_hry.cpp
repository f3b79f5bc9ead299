#include "ui/tnastaveni_hry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/game_settings.h"
#include "records/text_format.h"

namespace {

QLineEdit* AddStake(QGridLayout* grid, int row, const QString& label, const QString& unit) {
    auto* edit = new QLineEdit;
    edit->setFixedWidth(80);
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
    return edit;
}

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

TNastaveni_hry::TNastaveni_hry(GameSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("Nastavení hry"));

    auto* finance = new QGroupBox(QStringLiteral("Finance"));
    auto* grid = new QGridLayout(finance);
    Edit1 = AddStake(grid, 0, QStringLiteral("Základ hry"), QStringLiteral("Kč"));
    Edit2 = AddStake(grid, 1, QStringLiteral("Betl"), QStringLiteral("x"));
    Edit3 = AddStake(grid, 2, QStringLiteral("Durch"), QStringLiteral("x"));
    Edit6 = AddStake(grid, 3, QStringLiteral("Tichá sedma"), QStringLiteral("x"));
    Edit7 = AddStake(grid, 4, QStringLiteral("Hlášená sedma"), QStringLiteral("x"));

    auto* counting = new QGroupBox(QStringLiteral("Počítání"));
    auto* countingBox = new QVBoxLayout(counting);
    CheckBox2 = new QCheckBox(QStringLiteral("násobit sázky na sto"));
    CheckBox3 = new QCheckBox(QStringLiteral("herce dražší"));
    countingBox->addWidget(CheckBox2);
    countingBox->addWidget(CheckBox3);

    auto* rules = new QGroupBox(QStringLiteral("Pravidla"));
    auto* rulesBox = new QVBoxLayout(rules);
    CheckBox1 = new QCheckBox(QStringLiteral("bez fleku konec hry"));
    CheckBox4 = new QCheckBox(QStringLiteral("flekování útěku"));
    CheckBox4->setEnabled(false);  // kept in the file, never played
    rulesBox->addWidget(CheckBox1);
    rulesBox->addWidget(CheckBox4);

    auto* hundred = new QGroupBox(QStringLiteral("Hlášená stovka"));
    auto* hundredBox = new QVBoxLayout(hundred);
    RadioButton1 = new QRadioButton(QStringLiteral("počítat pouze první hlášku"));
    RadioButton2 = new QRadioButton(QStringLiteral("počítat všechny hlášky"));
    RadioButton3 =
        new QRadioButton(QStringLiteral("stovku uhrát s první hláškou a zbytek připočítat"));
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3}) hundredBox->addWidget(b);

    auto* sorting = new QGroupBox(QStringLiteral("Třídění"));
    auto* sortingBox = new QVBoxLayout(sorting);
    RadioButton4 = new QRadioButton(QStringLiteral("ve hře desítku před eso"));
    RadioButton5 = new QRadioButton(QStringLiteral("desítku vždy na svém místě"));
    sortingBox->addWidget(RadioButton4);
    sortingBox->addWidget(RadioButton5);

    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TNastaveni_hry::OKBtnClick);

    auto* left = new QVBoxLayout;
    left->addWidget(finance);
    left->addWidget(counting);
    left->addWidget(rules);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(hundred);
    right->addWidget(sorting);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(right);

    FormCreate();
}

void TNastaveni_hry::FormCreate() {
    const RuleSet& r = settings_.rules;
    Edit1->setText(QString::fromStdString(r.zakladHry));
    Edit2->setText(QString::fromStdString(r.betl));
    Edit3->setText(QString::fromStdString(r.durch));
    Edit6->setText(QString::fromStdString(r.tichaSedma));
    Edit7->setText(QString::fromStdString(r.hlasenaSedma));
    CheckBox2->setChecked(r.nasobit);
    CheckBox3->setChecked(r.herce);
    CheckBox1->setChecked(r.bezfleku);
    CheckBox4->setChecked(r.utek);
    // An unknown value of the file leaves the last way of counting checked.
    switch (r.stovka) {
        case StovkaFirstOnly:
            RadioButton1->setChecked(true);
            break;
        case StovkaAll:
            RadioButton2->setChecked(true);
            break;
        default:
            RadioButton3->setChecked(true);
            break;
    }
    (r.trideni ? RadioButton4 : RadioButton5)->setChecked(true);
}

void TNastaveni_hry::ReadRules(RuleSet& r) const {
    // The stakes as typed: the settlement reads them when it needs them.
    r.zakladHry = Text(Edit1);
    r.betl = Text(Edit2);
    r.durch = Text(Edit3);
    r.tichaSedma = Text(Edit6);
    r.hlasenaSedma = Text(Edit7);
    r.nasobit = CheckBox2->isChecked();
    r.herce = CheckBox3->isChecked();
    r.bezfleku = CheckBox1->isChecked();
    r.utek = CheckBox4->isChecked();
    if (RadioButton1->isChecked()) r.stovka = StovkaFirstOnly;
    if (RadioButton2->isChecked()) r.stovka = StovkaAll;
    if (RadioButton3->isChecked()) r.stovka = StovkaFirstRestAdded;
    r.trideni = RadioButton4->isChecked();
}

void TNastaveni_hry::OKBtnClick() {
    RuleSet& r = settings_.rules;
    ReadRules(r);
    // The record keeps at most ten characters of a stake; nothing checks it is a number.
    for (std::string* stake : {&r.zakladHry, &r.betl, &r.durch, &r.tichaSedma, &r.hlasenaSedma})
        *stake = Utf8Left(*stake, 10);
    accept();
}
