// The four suit symbols: heart, leaf, acorn and bell. Each is drawn in a box of height 1
// centred on the origin and then scaled; outlines are thick enough to survive a pip of
// 12 units shown at 64 x 105.
#include <QLinearGradient>
#include <QRadialGradient>

#include "art.h"

namespace art {
namespace {

constexpr double kOutline = 0.04;

QPainterPath HeartPath() {
    QPainterPath h;
    h.moveTo(0, 0.47);
    h.cubicTo(-0.1, 0.36, -0.48, 0.14, -0.48, -0.14);
    h.cubicTo(-0.48, -0.36, -0.33, -0.47, -0.2, -0.47);
    h.cubicTo(-0.09, -0.47, -0.02, -0.4, 0, -0.3);
    h.cubicTo(0.02, -0.4, 0.09, -0.47, 0.2, -0.47);
    h.cubicTo(0.33, -0.47, 0.48, -0.36, 0.48, -0.14);
    h.cubicTo(0.48, 0.14, 0.1, 0.36, 0, 0.47);
    h.closeSubpath();
    return h;
}

// A lime leaf: pointed at the top, a heart-shaped base, the stalk below.
QPainterPath LeafBlade() {
    QPainterPath l;
    l.moveTo(0, -0.49);
    l.cubicTo(0.1, -0.33, 0.48, -0.17, 0.46, 0.08);
    l.cubicTo(0.45, 0.26, 0.31, 0.33, 0.19, 0.3);
    l.cubicTo(0.1, 0.28, 0.04, 0.24, 0, 0.19);
    l.cubicTo(-0.04, 0.24, -0.1, 0.28, -0.19, 0.3);
    l.cubicTo(-0.31, 0.33, -0.45, 0.26, -0.46, 0.08);
    l.cubicTo(-0.48, -0.17, -0.1, -0.33, 0, -0.49);
    l.closeSubpath();
    return l;
}

QPainterPath LeafStalk() {
    QPainterPath s;
    s.moveTo(0, 0.12);
    s.quadTo(0.01, 0.36, 0.1, 0.49);
    return s;
}

QPainterPath AcornNut() {
    QPainterPath n;
    n.moveTo(-0.3, -0.06);
    n.cubicTo(-0.34, 0.2, -0.16, 0.42, 0, 0.49);
    n.cubicTo(0.16, 0.42, 0.34, 0.2, 0.3, -0.06);
    n.closeSubpath();
    return n;
}

QPainterPath AcornCap() {
    QPainterPath c;
    c.moveTo(-0.39, 0.03);
    c.cubicTo(-0.42, -0.2, -0.22, -0.34, 0, -0.34);
    c.cubicTo(0.22, -0.34, 0.42, -0.2, 0.39, 0.03);
    c.quadTo(0, 0.12, -0.39, 0.03);
    c.closeSubpath();
    return c;
}

QPainterPath AcornStalk() {
    QPainterPath s;
    s.moveTo(0, -0.3);
    s.quadTo(0.0, -0.42, 0.08, -0.49);
    return s;
}

const QPointF kBellCentre{0, 0.06};
constexpr double kBellRadius = 0.42;

QPainterPath BellBody() {
    QPainterPath b;
    b.addEllipse(kBellCentre, kBellRadius, kBellRadius);
    return b;
}

// The band round the bell's waist, bowed a little so the ball reads as round.
QPainterPath BellBand() {
    QPainterPath b;
    b.moveTo(-0.45, -0.04);
    b.quadTo(0, 0.1, 0.45, -0.04);
    b.lineTo(0.45, 0.09);
    b.quadTo(0, 0.24, -0.45, 0.09);
    b.closeSubpath();
    return b;
}

QPen Outline(const QColor& c, double width = kOutline) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Highlight(QPainter& p, QPointF at, double rx, double ry, double angle, int alpha) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void DrawHeart(QPainter& p) {
    QLinearGradient g(-0.3, -0.45, 0.3, 0.45);
    g.setColorAt(0, QColor(0xf2, 0x4b, 0x45));
    g.setColorAt(1, QColor(0xb0, 0x10, 0x14));
    p.setPen(Outline(QColor(0x6a, 0x00, 0x04)));
    p.setBrush(g);
    p.drawPath(HeartPath());
    Highlight(p, {-0.24, -0.24}, 0.13, 0.07, -50, 150);
}

void DrawLeaf(QPainter& p) {
    const QColor dark(0x12, 0x4a, 0x16);
    p.setPen(Outline(dark, 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawPath(LeafStalk());

    QLinearGradient g(-0.3, -0.45, 0.3, 0.3);
    g.setColorAt(0, QColor(0x5c, 0xbf, 0x4e));
    g.setColorAt(1, QColor(0x1d, 0x72, 0x22));
    p.setPen(Outline(dark));
    p.setBrush(g);
    p.drawPath(LeafBlade());

    // Veins: the midrib and three pairs of side veins.
    QPen vein(QColor(0xd4, 0xf4, 0xb8, 235), 0.05);
    vein.setCapStyle(Qt::RoundCap);
    p.setPen(vein);
    p.drawLine(QPointF(0, -0.38), QPointF(0, 0.17));
    vein.setWidthF(0.036);
    p.setPen(vein);
    for (double y : {-0.2, -0.05, 0.09}) {
        const double reach = 0.17 + (y + 0.2) * 0.35;
        p.drawLine(QPointF(0, y + 0.04), QPointF(-reach, y - 0.07));
        p.drawLine(QPointF(0, y + 0.04), QPointF(reach, y - 0.07));
    }
}

void DrawAcorn(QPainter& p) {
    const QColor dark(0x4a, 0x2a, 0x0c);
    p.setPen(Outline(dark, 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawPath(AcornStalk());

    QLinearGradient nut(-0.25, 0, 0.25, 0.4);
    nut.setColorAt(0, QColor(0xf0, 0xc0, 0x62));
    nut.setColorAt(1, QColor(0xb0, 0x6e, 0x1c));
    p.setPen(Outline(dark));
    p.setBrush(nut);
    p.drawPath(AcornNut());
    Highlight(p, {-0.13, 0.18}, 0.06, 0.12, 10, 130);

    QLinearGradient cap(0, -0.34, 0, 0.08);
    cap.setColorAt(0, QColor(0x8e, 0x5a, 0x2c));
    cap.setColorAt(1, QColor(0x5e, 0x36, 0x14));
    p.setBrush(cap);
    p.drawPath(AcornCap());

    // The cup's scales, as a light cross-hatch kept inside the cup.
    p.save();
    p.setClipPath(AcornCap());
    p.setPen(QPen(QColor(0xc0, 0x8c, 0x52, 200), 0.025));
    for (double d = -0.8; d <= 0.8; d += 0.11) {
        p.drawLine(QPointF(d - 0.5, -0.5), QPointF(d + 0.5, 0.5));
        p.drawLine(QPointF(d + 0.5, -0.5), QPointF(d - 0.5, 0.5));
    }
    p.restore();
    p.setPen(Outline(dark));
    p.setBrush(Qt::NoBrush);
    p.drawPath(AcornCap());
}

void DrawBell(QPainter& p) {
    const QColor dark(0x7a, 0x30, 0x00);
    // The ring it hangs by.
    p.setPen(Outline(dark, 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -0.41), 0.07, 0.07);

    QRadialGradient g(QPointF(-0.14, -0.1), 0.6);
    g.setColorAt(0, QColor(0xff, 0xf3, 0x8a));
    g.setColorAt(0.55, QColor(0xff, 0xb8, 0x1c));
    g.setColorAt(1, QColor(0xe0, 0x60, 0x00));
    p.setPen(Outline(dark));
    p.setBrush(g);
    p.drawPath(BellBody());

    p.save();
    p.setClipPath(BellBody());
    p.setPen(Outline(QColor(0x70, 0x00, 0x00), 0.025));
    p.setBrush(QColor(0xd3, 0x22, 0x22));
    p.drawPath(BellBand());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x80));
    for (double x : {-0.26, 0.0, 0.26}) p.drawEllipse(QPointF(x, 0.11 - x * x * 0.3), 0.035, 0.035);
    p.restore();

    // The sound slit under the band: a seam down to a straight slot with a round hole at each
    // end, as on a sleigh bell.
    const QColor slit(0x4a, 0x1c, 0x00);
    p.setPen(Outline(slit, 0.035));
    p.drawLine(QPointF(0, 0.2), QPointF(0, 0.34));
    p.setPen(Outline(slit, 0.06));
    p.drawLine(QPointF(-0.15, 0.34), QPointF(0.15, 0.34));
    p.setPen(Qt::NoPen);
    p.setBrush(slit);
    p.drawEllipse(QPointF(-0.17, 0.34), 0.05, 0.05);
    p.drawEllipse(QPointF(0.17, 0.34), 0.05, 0.05);

    Highlight(p, {-0.17, -0.15}, 0.12, 0.07, -40, 170);
    p.setPen(Outline(dark));
    p.setBrush(Qt::NoBrush);
    p.drawPath(BellBody());
}

}  // namespace

QString FaceName(int suit, int rank) {
    static const char* const kCodes[] = {"7", "8", "9", "10", "j", "q", "k", "a"};
    return QString("%1_%2").arg(suit).arg(kCodes[rank - kSeven]);
}

QColor SuitInk(int suit) {
    switch (suit) {
        case kHearts:
            return QColor(0xc4, 0x14, 0x18);
        case kLeaves:
            return QColor(0x1a, 0x72, 0x22);
        case kAcorns:
            return QColor(0x74, 0x40, 0x12);
        default:
            return QColor(0xd0, 0x4c, 0x00);
    }
}

QColor SuitTint(int suit) {
    switch (suit) {
        case kHearts:
            return QColor(0xfd, 0xe4, 0xe2);
        case kLeaves:
            return QColor(0xe2, 0xf4, 0xdc);
        case kAcorns:
            return QColor(0xf5, 0xe8, 0xd4);
        default:
            return QColor(0xff, 0xf1, 0xcc);
    }
}

QPainterPath SuitSilhouette(int suit) {
    QPainterPath s;
    switch (suit) {
        case kHearts:
            return HeartPath();
        case kLeaves:
            s = LeafBlade();
            break;
        case kAcorns:
            s = AcornNut().united(AcornCap());
            break;
        default:
            s = BellBody();
            break;
    }
    return s.simplified();
}

void DrawSuit(QPainter& p, int suit, QPointF centre, double height, bool upsideDown) {
    p.save();
    p.translate(centre);
    if (upsideDown) p.rotate(180);
    p.scale(height, height);
    switch (suit) {
        case kHearts:
            DrawHeart(p);
            break;
        case kLeaves:
            DrawLeaf(p);
            break;
        case kAcorns:
            DrawAcorn(p);
            break;
        default:
            DrawBell(p);
            break;
    }
    p.restore();
}

}  // namespace art
