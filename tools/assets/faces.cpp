// Card faces: the blank card, the rank marks in two corners, the pip cards' layouts and the
// ace. The figures of spodek, svršek and král are in figures.cpp.
//
// The top-left corner matters most: in a hand and in the tricks viewer the cards overlap and
// only their left edge shows, so the rank mark and a small suit symbol sit within the first
// 12 units of the card.
#include <QFont>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "art.h"

namespace art {
namespace {

QString g_markFamily;

const QPointF kCentre{kCardW / 2, kCardH / 2};

// The rank as players read it in a corner: Czech letters for the figures and the ace.
QString RankMark(int rank) {
    switch (rank) {
        case kSpodek:
            return "S";
        case kSvrsek:
            return "V";
        case kKral:
            return "K";
        case kEso:
            return "A";
        default:
            return QString::number(rank);
    }
}

// The rank mark as an outline fitted into a box: its cap height fills `height` and, if it
// would be wider than `maxWidth` ("10"), it is narrowed rather than shrunk.
QPainterPath MarkPath(const QString& text, QPointF topCentre, double height, double maxWidth) {
    QFont f(g_markFamily);
    f.setPixelSize(100);
    f.setBold(true);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF box = path.boundingRect();
    const double sy = height / box.height();
    const double sx = std::min(sy, maxWidth / box.width());
    QTransform t;
    t.translate(topCentre.x(), topCentre.y());
    t.scale(sx, sy);
    t.translate(-box.center().x(), -box.top());
    return t.map(path);
}

void DrawIndex(QPainter& p, int suit, int rank) {
    p.setPen(Qt::NoPen);
    p.setBrush(SuitInk(suit));
    p.drawPath(MarkPath(RankMark(rank), {6.6, 2.6}, 8.4, 9.6));
    DrawSuit(p, suit, {6.6, 17.2}, 7.6);
}

void DrawCorners(QPainter& p, int suit, int rank) {
    DrawIndex(p, suit, rank);
    p.save();
    p.translate(kCentre);
    p.rotate(180);
    p.translate(-kCentre);
    DrawIndex(p, suit, rank);
    p.restore();
}

// Pip places for 7 to 10: two columns, and between them one or two pips more. The pips in
// the lower half are turned upside down, as on any card that can be read both ways.
std::vector<QPointF> PipPlaces(int rank) {
    const double left = 19.9, right = kCardW - 19.9, mid = kCardW / 2;
    const double top = 19.5, bottom = kCardH - 19.5, cy = kCardH / 2;
    const double step4 = (bottom - top) / 3;
    std::vector<QPointF> places;
    auto columns = [&](std::initializer_list<double> ys) {
        for (double y : ys) {
            places.emplace_back(left, y);
            places.emplace_back(right, y);
        }
    };
    switch (rank) {
        case kSeven:
            columns({top, cy, bottom});
            places.emplace_back(mid, (top + cy) / 2);
            break;
        case kEight:
            columns({top, cy, bottom});
            places.emplace_back(mid, (top + cy) / 2);
            places.emplace_back(mid, (cy + bottom) / 2);
            break;
        case kNine:
            columns({top, top + step4, bottom - step4, bottom});
            places.emplace_back(mid, cy);
            break;
        default:
            columns({top, top + step4, bottom - step4, bottom});
            places.emplace_back(mid, (top + top + step4) / 2);
            places.emplace_back(mid, (bottom + bottom - step4) / 2);
            break;
    }
    return places;
}

void DrawPips(QPainter& p, int suit, int rank) {
    for (QPointF at : PipPlaces(rank)) DrawSuit(p, suit, at, 12.6, at.y() > kCentre.y() + 0.1);
}

// A gold scroll on either side of a small suit symbol, above and below the ace's cartouche.
void DrawFlourish(QPainter& p, const QColor& gold, double y, bool below) {
    p.save();
    p.translate(kCentre.x(), y);
    if (below) p.rotate(180);
    QPen pen(gold, 0.75);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QPainterPath s;
        s.moveTo(side * 5.5, 3.2);
        s.cubicTo(side * 10, 5.2, side * 15, 3.0, side * 15.5, -0.6);
        s.cubicTo(side * 15.8, -3.0, side * 13.0, -3.6, side * 12.0, -1.8);
        s.cubicTo(side * 11.4, -0.6, side * 12.6, 0.4, side * 13.4, -0.4);
        p.drawPath(s);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(QPointF(side * 18.2, 1.2), 0.9, 0.9);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

// The ace: one large symbol in a gilt oval cartouche, with scrolls and small symbols above and
// below, so it stands apart from every other card at a glance.
void DrawAce(QPainter& p, int suit) {
    const QColor gold(0xb8, 0x8a, 0x22);
    const double rx = 21.5, ry = 30.5;

    QRadialGradient wash(kCentre, ry);
    wash.setColorAt(0, Qt::white);
    wash.setColorAt(0.6, Qt::white);
    wash.setColorAt(1, SuitTint(suit));
    p.setPen(QPen(gold, 1.1));
    p.setBrush(wash);
    p.drawEllipse(kCentre, rx, ry);
    p.setPen(QPen(gold, 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, rx - 1.8, ry - 1.8);

    // A string of beads round the oval.
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    const int beads = 28;
    for (int i = 0; i < beads; ++i) {
        const double a = 2 * M_PI * i / beads;
        p.drawEllipse(
            QPointF(kCentre.x() + (rx + 1.9) * std::cos(a), kCentre.y() + (ry + 1.9) * std::sin(a)),
            0.55, 0.55);
    }

    DrawFlourish(p, gold, kCentre.y() - ry - 6.5, false);
    DrawFlourish(p, gold, kCentre.y() + ry + 6.5, true);
    DrawSuit(p, suit, {kCentre.x(), kCentre.y() - ry - 7.2}, 7.5);
    DrawSuit(p, suit, {kCentre.x(), kCentre.y() + ry + 7.2}, 7.5, true);

    // The big symbol with a soft shadow under it.
    const double h = 36;
    p.save();
    p.translate(kCentre + QPointF(0.9, 1.2));
    p.scale(h, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(SuitSilhouette(suit));
    p.restore();
    DrawSuit(p, suit, kCentre, h);
}

}  // namespace

void SetMarkFont(const QString& family) {
    g_markFamily = family;
}

void DrawCardBlank(QPainter& p) {
    p.fillRect(QRectF(0, 0, kCardW, kCardH), kTableGreen);
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x3a), 0.7));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.35, 0.35, kCardW - 0.7, kCardH - 0.7), 3.6, 3.6);
}

void DrawFace(QPainter& p, int suit, int rank) {
    DrawCardBlank(p);
    if (rank <= kTen) {
        DrawPips(p, suit, rank);
    } else if (rank == kEso) {
        DrawAce(p, suit);
    } else {
        DrawFigure(p, suit, rank);
    }
    DrawCorners(p, suit, rank);
}

}  // namespace art
