#include "ui/TDasFlekFrm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "table/decision_dialogs.h"
#include "ui/dialog_style.h"

TDasFlekFrm::TDasFlekFrm(QWidget* parent) : QDialog(parent) {
    setObjectName("TDasFlekFrm");
    setWindowTitle(QStringLiteral("Navýšení hodnoty hry"));
    FixDialog(this, 478, 141);

    Napis = new QLabel(QStringLiteral("Napis"), this);
    Napis->setObjectName("Napis");
    Napis->setFont(BoldPixels(17));
    Napis->setGeometry(24, 24, 330, 24);
    Label2 = new QLabel(QStringLiteral("Flek na :"), this);
    Label2->setGeometry(24, 72, 76, 20);
    Label1 = new QLabel(QStringLiteral("Proti :"), this);
    Label1->setGeometry(208, 72, 60, 20);
    auto box = [this](const char* name, const char* text, int left, int top) {
        auto* b = new QCheckBox(QString::fromUtf8(text), this);
        b->setObjectName(name);
        b->setGeometry(left, top, 100, 20);
        return b;
    };
    CheckBox2 = box("CheckBox2", "Sedmu", 102, 72);
    CheckBox1 = box("CheckBox1", "Stovku", 102, 96);
    CheckBox3 = box("CheckBox3", "Sedmu", 270, 72);
    CheckBox4 = box("CheckBox4", "Stovku", 270, 96);

    OKBtn = new QPushButton(QStringLiteral("Ok"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(369, 58, 95, 33);
    CancelBtn = new QPushButton(QStringLiteral("Mlčím"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(369, 97, 95, 33);
    CancelBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDasFlekFrm::Reset() {
    for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) b->setEnabled(true);
    for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) b->setChecked(false);
}

FlekAnswer TDasFlekFrm::Ask(const FlekQuestion& q) {
    Reset();
    Napis->setText(QString::fromStdString(q.question));
    OKBtn->setText(QString::fromStdString(q.gameButton));
    CheckBox2->setEnabled(q.enabled.sevenFlek);
    CheckBox1->setEnabled(q.enabled.hundredFlek);
    CheckBox3->setEnabled(q.enabled.sevenAgainst);
    CheckBox4->setEnabled(q.enabled.hundredAgainst);
    CancelBtn->setFocus();
    FlekAnswer a;
    a.game = exec() == QDialog::Accepted;  // the close box and Escape reject: "Mlčím"
    a.ticked.sevenFlek = CheckBox2->isChecked();
    a.ticked.hundredFlek = CheckBox1->isChecked();
    a.ticked.sevenAgainst = CheckBox3->isChecked();
    a.ticked.hundredAgainst = CheckBox4->isChecked();
    return a;
}

void TDasFlekFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentreOnScreen(this);
}
