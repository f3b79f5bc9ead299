#include "ui/TWhatTalon.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/dialog_style.h"

TWhatTalon::TWhatTalon(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TWhatTalon");
    setWindowTitle(QStringLiteral("Talon"));
    FixDialog(this, 353, 192);

    Label1 = new QLabel(QStringLiteral("V talonu byly tyto karty."), this);
    Label1->setObjectName("Label1");
    Label1->setFont(BoldPixels(15));  // the whole line between the edge and "OK"
    Label1->setGeometry(16, 16, 224, 24);
    for (QLabel** image : {&Image1, &Image2}) {
        *image = new QLabel(this);
        (*image)->setScaledContents(true);
    }
    Image1->setObjectName("Image1");
    Image1->setGeometry(38, 56, 65, 105);
    Image2->setObjectName("Image2");
    Image2->setGeometry(134, 56, 65, 105);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(243, 6, 95, 33);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TWhatTalon::ShowCards(const QPixmap& first, const QPixmap& second) {
    Image1->setPixmap(first);
    Image2->setPixmap(second);
    OKBtn->setFocus();
    exec();
}

void TWhatTalon::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentreOnScreen(this);
}
