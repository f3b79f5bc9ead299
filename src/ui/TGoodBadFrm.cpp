#include "ui/TGoodBadFrm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "table/decision_dialogs.h"
#include "ui/dialog_style.h"

TGoodBadFrm::TGoodBadFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TGoodBadFrm");
    setWindowTitle(QStringLiteral("Co na to říkáš ?"));
    FixDialog(this, 390, 149);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(grey);

    auto* Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 374, 92);

    napis = new QLabel(QStringLiteral("napis"), this);
    napis->setObjectName("napis");
    napis->setGeometry(24, 16, 340, 20);
    druhhry = new QLabel(QStringLiteral("druhhry"), this);
    druhhry->setObjectName("druhhry");
    druhhry->setFont(BoldPixels(17));
    druhhry->setGeometry(160, 32, 210, 24);
    Label1 = new QLabel(QStringLiteral("Co na to říkáš ?"), this);
    Label1->setObjectName("Label1");
    Label1->setFont(BoldPixels(30));
    Label1->setStyleSheet("color: red;");
    Label1->setGeometry(82, 56, 290, 38);

    OKBtn = new QPushButton(QStringLiteral("Dobré"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(92, 110, 95, 33);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Špatné"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(204, 110, 95, 33);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

bool TGoodBadFrm::Ask(const GoodBadQuestion& q) {
    napis->setText(QString::fromStdString(q.firstLine));
    druhhry->setText(QString::fromStdString(q.secondLine));
    druhhry->setStyleSheet(q.red ? "color: red;" : "color: black;");
    CancelBtn->setEnabled(q.badEnabled);
    OKBtn->setFocus();
    return exec() == QDialog::Accepted;
}

void TGoodBadFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentreOnScreen(this);
}
