#include "ui/view_stychu.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "deal/tkarta.h"
#include "ui/card_image.h"

namespace {

constexpr int kRowStep = 105;
constexpr int kSmallWidth = 53, kSmallHeight = 85;
constexpr int kCardLeft[3] = {90, 130, 170};

}  // namespace

TViewStychu::TViewStychu(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Sled hry"));
    setFixedSize(420, 470);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setGeometry(8, 8, 264, 454);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setStyleSheet(QStringLiteral("QScrollArea { background: #0d6b24; }"));
    rows_ = new QWidget;
    rows_->setStyleSheet(QStringLiteral("background: #0d6b24; color: #ffffff;"));
    rows_->resize(244, 20);
    ScrollBox1->setWidget(rows_);

    auto* talon = new QGroupBox(QStringLiteral("Talon"), this);
    talon->setGeometry(284, 8, 128, 112);
    Image1 = new TCardImage(talon);
    Image1->setGeometry(8, 20, kSmallWidth, kSmallHeight);
    Image2 = new TCardImage(talon);
    Image2->setGeometry(66, 20, kSmallWidth, kSmallHeight);
    auto* trump = new QGroupBox(QStringLiteral("Trumf"), this);
    trump->setGeometry(284, 128, 128, 112);
    Image3 = new TCardImage(trump);
    Image3->setGeometry(37, 20, kSmallWidth, kSmallHeight);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(310, 430, 80, 28);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TViewStychu::AddTrickRow(std::string_view leaderName, const Card (&cards)[3]) {
    if (rowCount_ >= int(slots_.size())) return;  // a deal has ten tricks at most
    Row& row = slots_[rowCount_++];
    row.used = true;
    const int top = (rowCount_ - 1) * kRowStep + 10;
    row.label =
        new QLabel(QString::fromUtf8(leaderName.data(), qsizetype(leaderName.size())), rows_);
    row.label->setGeometry(10, top, 100, 20);
    row.label->show();
    // Created in playing order, so each card lies over the one before and over the name.
    for (int i = 0; i < 3; ++i) {
        auto* image = new TCardImage(rows_);
        image->setGeometry(kCardLeft[i], top, kCardWidth, kCardHeight);
        image->ShowCard(cards[i]);
        image->show();
        row.cards[i] = image;
    }
    rows_->resize(rows_->width(), top + kCardHeight + 10);
}

void TViewStychu::ClearTrickRows() {
    for (Row& row : slots_) {
        if (!row.used) continue;
        delete row.label;
        for (TCardImage* image : row.cards) delete image;
        row = Row{};
    }
    rowCount_ = 0;
    rows_->resize(rows_->width(), 20);
}

void TViewStychu::ShowTalonAndTrump(const Card (&talon)[2], const Card& trumpCard) {
    Image1->ShowCard(talon[0]);
    Image2->ShowCard(talon[1]);
    Image3->ShowCard(trumpCard);
}

QLabel* TViewStychu::rowLabel(int n) const {
    return n >= 1 && n <= 10 && slots_[n - 1].used ? slots_[n - 1].label : nullptr;
}

TCardImage* TViewStychu::rowCard(int n, int i) const {
    return n >= 1 && n <= 10 && slots_[n - 1].used ? slots_[n - 1].cards[i] : nullptr;
}
