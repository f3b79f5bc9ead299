#include "ui/card_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/card_picture.h"

TCardImage::TCardImage(QWidget* parent, int handle) : QWidget(parent), handle_(handle) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TCardImage::ShowCard(const Card& card, bool hint) {
    picture_ = CardPixmap(card.suit, card.rank, size(), devicePixelRatioF());
    face_ = true;
    if (hint) setToolTip(QString::fromStdString(CardHint(card.suit, card.rank)));
    update();
}

void TCardImage::ShowPicture(const QPixmap& picture) {
    picture_ = picture;
    face_ = false;
    setToolTip(QString());
    update();
}

void TCardImage::Clear() {
    ShowPicture(QPixmap());
}

void TCardImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

void TCardImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked(handle_);
    QWidget::mousePressEvent(event);
}
