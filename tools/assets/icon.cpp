// The application icon: two aces fanned out, the leaf behind the heart. Drawn in a square of
// 64 units; at small sizes the borders thicken to stay one pixel wide and the corner marks,
// which would only blur, are left out.
#include <algorithm>

#include "art.h"

namespace art {
namespace {

void DrawIconCard(QPainter& p, int suit, double angle, double pixelsPerUnit) {
    const QRectF card(17.5, 7, 29, 46);
    const QPointF pivot(32, 62);
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.translate(-pivot);

    const double border = std::max(1.3, 1.0 / pixelsPerUnit);
    // A soft shadow to the lower right makes the two cards separate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(card.translated(1.2, 1.4), 4, 4);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), border));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 4, 4);

    const bool small = pixelsPerUnit < 0.6;
    DrawSuit(p, suit, card.center() + QPointF(0, small ? 0 : 2), small ? 24 : 21);
    if (!small) {
        DrawSuit(p, suit, card.topLeft() + QPointF(5, 6), 6.5);
    }
    p.restore();
}

}  // namespace

void DrawIcon(QPainter& p, double size) {
    const double perUnit = size / 64.0;
    p.save();
    p.scale(perUnit, perUnit);
    DrawIconCard(p, kLeaves, -15, perUnit);
    DrawIconCard(p, kHearts, 13, perUnit);
    p.restore();
}

}  // namespace art
