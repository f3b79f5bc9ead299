// The three figures: the spodek, a young halberdier holding his suit's symbol low; the
// svršek, a cavalier with a plumed hat holding it high; the král, crowned, in an ermine-trimmed
// robe with a sceptre, holding it before him like an orb. Each stands in a framed panel in the
// suit's colours, drawn in flat colours with a dark outline so it stays clear at 64 x 105.
#include <QLinearGradient>

#include "art.h"

namespace art {
namespace {

constexpr double kMid = kCardW / 2;
const QColor kInk(0x33, 0x22, 0x18);
const QColor kSkin(0xf4, 0xcc, 0xa4);
const QColor kGold(0xe8, 0xb8, 0x30);
const QColor kGoldDark(0x9a, 0x6c, 0x10);
const QColor kWhite(0xfb, 0xfb, 0xf6);

struct Palette {
    QColor coat;  // tunic or robe
    QColor trim;  // hat, cloak, sleeves' cuffs
    QColor hose;
};

Palette SuitPalette(int suit) {
    switch (suit) {
        case kHearts:
            return {QColor(0xc8, 0x24, 0x24), QColor(0xf0, 0xbe, 0x3c), QColor(0x2c, 0x4a, 0x98)};
        case kLeaves:
            return {QColor(0x2c, 0x80, 0x34), QColor(0xf0, 0xbe, 0x3c), QColor(0x8c, 0x2a, 0x2a)};
        case kAcorns:
            return {QColor(0xb4, 0x70, 0x2a), QColor(0x2c, 0x58, 0x9c), QColor(0x5a, 0x3a, 0x1a)};
        default:
            return {QColor(0xec, 0x8a, 0x12), QColor(0xc8, 0x24, 0x24), QColor(0x2e, 0x62, 0x3a)};
    }
}

QPen InkPen(double width = 0.4) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& c, double outline = 0.4) {
    p.setPen(outline > 0 ? InkPen(outline) : QPen(Qt::NoPen));
    p.setBrush(c);
    p.drawPath(path);
}

QPainterPath RectPath(const QRectF& r) {
    QPainterPath path;
    path.addRect(r);
    return path;
}

void FillEllipse(QPainter& p, QPointF c, double rx, double ry, const QColor& colour,
                 double outline = 0.4) {
    QPainterPath e;
    e.addEllipse(c, rx, ry);
    Fill(p, e, colour, outline);
}

// An arm as a sleeve through shoulder, elbow and hand, with the bare hand at its end.
void DrawArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand, const QColor& sleeve) {
    QPainterPath a;
    a.moveTo(shoulder);
    a.lineTo(elbow);
    a.lineTo(hand);
    QPen outer = InkPen(3.6);
    p.setPen(outer);
    p.setBrush(Qt::NoBrush);
    p.drawPath(a);
    QPen inner(sleeve, 2.8);
    inner.setCapStyle(Qt::RoundCap);
    inner.setJoinStyle(Qt::RoundJoin);
    p.setPen(inner);
    p.drawPath(a);
    FillEllipse(p, hand, 1.35, 1.35, kSkin, 0.35);
}

void DrawPanel(QPainter& p, int suit) {
    const QRectF r(13.4, 5.2, kCardW - 26.8, kCardH - 10.4);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, SuitTint(suit));
    g.setColorAt(0.5, Qt::white);
    g.setColorAt(1, SuitTint(suit));
    p.setPen(QPen(SuitInk(suit), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(r, 2.2, 2.2);
    p.setPen(QPen(SuitInk(suit), 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.1, 1.1, -1.1, -1.1), 1.4, 1.4);
    // The ground the figure stands on.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(kMid, 91.6), 10, 1.7);
}

void DrawLegs(QPainter& p, const Palette& c) {
    for (double x : {kMid - 3.6, kMid + 3.6}) {
        Fill(p, RectPath({x - 1.9, 67, 3.8, 23}), c.hose);
        FillEllipse(p, {x + (x < kMid ? -0.8 : 0.8), 90.6}, 3.0, 1.5, QColor(0x3a, 0x26, 0x16));
    }
}

QPainterPath Tunic(double hemY, double hemHalf) {
    QPainterPath t;
    t.moveTo(kMid - 8.6, 38.2);
    t.quadTo(kMid, 36.4, kMid + 8.6, 38.2);
    t.lineTo(kMid + 6.4, 54);
    t.lineTo(kMid + hemHalf, hemY);
    t.quadTo(kMid, hemY + 2.2, kMid - hemHalf, hemY);
    t.lineTo(kMid - 6.4, 54);
    t.closeSubpath();
    return t;
}

void DrawBelt(QPainter& p) {
    Fill(p, RectPath({kMid - 6.7, 52.6, 13.4, 2.6}), QColor(0x4a, 0x2c, 0x14), 0.3);
    Fill(p, RectPath({kMid - 1.3, 52.3, 2.6, 3.2}), kGold, 0.3);
}

// Head and face; `age` 0 young and clean-shaven, 1 moustached, 2 grey and bearded.
void DrawHead(QPainter& p, int age) {
    const QColor hair = age == 0   ? QColor(0x8a, 0x52, 0x22)
                        : age == 1 ? QColor(0x3c, 0x26, 0x16)
                                   : QColor(0xd8, 0xd4, 0xcc);
    // Neck and ruff.
    Fill(p, RectPath({kMid - 1.6, 32, 3.2, 5.4}), kSkin, 0.35);
    FillEllipse(p, {kMid, 37.6}, 5.2, 1.6, kWhite, 0.35);
    // Hair behind the face, then the face.
    FillEllipse(p, {kMid, 27.4}, 5.5, 6.0, hair, 0.4);
    FillEllipse(p, {kMid, 28.6}, 4.3, 4.9, kSkin, 0.4);

    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(kMid - 1.7, 27.8), 0.5, 0.55);
    p.drawEllipse(QPointF(kMid + 1.7, 27.8), 0.5, 0.55);
    p.setBrush(QColor(0xe8, 0x80, 0x70, 120));
    p.drawEllipse(QPointF(kMid - 2.6, 30.0), 0.9, 0.6);
    p.drawEllipse(QPointF(kMid + 2.6, 30.0), 0.9, 0.6);
    QPen line = InkPen(0.3);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(kMid - 2.5, 26.5), QPointF(kMid - 1.0, 26.3));  // brows
    p.drawLine(QPointF(kMid + 2.5, 26.5), QPointF(kMid + 1.0, 26.3));
    QPainterPath nose;
    nose.moveTo(kMid, 28.0);
    nose.quadTo(kMid + 0.7, 29.6, kMid - 0.2, 29.9);
    p.drawPath(nose);

    if (age == 2) {
        QPainterPath beard;
        beard.moveTo(kMid - 4.2, 29.4);
        beard.quadTo(kMid - 4.0, 35.5, kMid, 36.6);
        beard.quadTo(kMid + 4.0, 35.5, kMid + 4.2, 29.4);
        beard.quadTo(kMid, 32.6, kMid - 4.2, 29.4);
        Fill(p, beard, hair, 0.35);
    } else {
        QPainterPath mouth;
        mouth.moveTo(kMid - 1.2, 31.4);
        mouth.quadTo(kMid, 32.1, kMid + 1.2, 31.4);
        p.setPen(QPen(QColor(0xa0, 0x30, 0x30), 0.4));
        p.drawPath(mouth);
    }
    if (age >= 1) {
        QPainterPath m;
        m.moveTo(kMid, 30.6);
        m.cubicTo(kMid - 1.2, 30.0, kMid - 2.6, 30.4, kMid - 3.3, 31.6);
        m.cubicTo(kMid - 2.2, 31.2, kMid - 1.2, 31.5, kMid, 31.2);
        m.cubicTo(kMid + 1.2, 31.5, kMid + 2.2, 31.2, kMid + 3.3, 31.6);
        m.cubicTo(kMid + 2.6, 30.4, kMid + 1.2, 30.0, kMid, 30.6);
        Fill(p, m, age == 2 ? hair.darker(115) : hair, 0.25);
    }
}

// --- spodek ---------------------------------------------------------------------------------

void DrawHalberd(QPainter& p, double x) {
    p.setPen(InkPen(1.3));
    p.drawLine(QPointF(x, 13), QPointF(x, 90));
    p.setPen(QPen(QColor(0x9a, 0x66, 0x30), 0.7));
    p.drawLine(QPointF(x, 13), QPointF(x, 90));
    QPainterPath blade;  // axe blade and spike
    blade.moveTo(x, 9.0);
    blade.lineTo(x + 0.9, 14);
    blade.quadTo(x + 4.2, 14.2, x + 4.6, 17.2);
    blade.quadTo(x + 3.0, 19.8, x + 0.6, 20.2);
    blade.lineTo(x - 0.6, 20.2);
    blade.lineTo(x - 2.6, 18.4);
    blade.lineTo(x - 0.8, 16.6);
    blade.lineTo(x - 0.9, 14);
    blade.closeSubpath();
    Fill(p, blade, QColor(0xd4, 0xd8, 0xdc), 0.35);
}

void DrawSpodek(QPainter& p, int suit, const Palette& c) {
    DrawHalberd(p, 19.6);
    DrawLegs(p, c);
    Fill(p, Tunic(69, 9.8), c.coat);
    // A band of the trim colour down the front.
    Fill(p, RectPath({kMid - 1.2, 38, 2.4, 31.5}), c.trim, 0.3);
    DrawBelt(p);
    DrawHead(p, 0);
    // A flat cap with a feather.
    QPainterPath feather;
    feather.moveTo(kMid + 3.2, 23.0);
    feather.cubicTo(kMid + 6.0, 21.0, kMid + 7.6, 17.6, kMid + 7.0, 14.6);
    feather.cubicTo(kMid + 5.6, 17.4, kMid + 4.4, 20.0, kMid + 2.2, 22.2);
    feather.closeSubpath();
    Fill(p, feather, kWhite, 0.35);
    FillEllipse(p, {kMid, 22.9}, 6.2, 2.5, c.trim, 0.4);
    FillEllipse(p, {kMid - 0.6, 21.8}, 4.4, 1.6, c.trim.lighter(115), 0);

    // Left hand on the halberd, right arm down holding the symbol below the hip.
    DrawArm(p, {kMid - 7.4, 40}, {kMid - 10.4, 47}, {19.6, 51}, c.coat);
    DrawSuit(p, suit, {kMid + 10.6, 69.5}, 10.5);
    DrawArm(p, {kMid + 7.4, 40}, {kMid + 9.8, 52}, {kMid + 10.4, 63.0}, c.coat);
}

// --- svršek ---------------------------------------------------------------------------------

void DrawSvrsek(QPainter& p, int suit, const Palette& c) {
    // A cloak hanging behind him.
    QPainterPath cloak;
    cloak.moveTo(kMid - 8.8, 38);
    cloak.lineTo(kMid - 12.4, 82);
    cloak.quadTo(kMid, 85, kMid + 12.4, 82);
    cloak.lineTo(kMid + 8.8, 38);
    cloak.closeSubpath();
    Fill(p, cloak, c.trim);
    DrawLegs(p, c);
    Fill(p, Tunic(68, 9.2), c.coat);
    // Two stripes of the cloak's colour down the doublet.
    for (double x : {kMid - 3.6, kMid + 3.6}) {
        Fill(p, RectPath({x - 0.8, 39, 1.6, 13.4}), c.trim, 0.25);
    }
    DrawBelt(p);
    // Sword at the left hip.
    QPainterPath scabbard;
    scabbard.moveTo(kMid - 6.0, 55);
    scabbard.lineTo(kMid - 13.6, 80);
    p.setPen(InkPen(2.0));
    p.drawPath(scabbard);
    p.setPen(QPen(QColor(0x5a, 0x2e, 0x16), 1.2));
    p.drawPath(scabbard);
    p.setPen(InkPen(0.35));
    p.setBrush(kGold);
    p.drawRect(QRectF(kMid - 7.6, 53.8, 3.4, 1.2));

    DrawHead(p, 1);
    // Broad hat with a plume sweeping back.
    QPainterPath plume;
    plume.moveTo(kMid - 2.0, 19.6);
    plume.cubicTo(kMid - 6.0, 14.0, kMid - 11.4, 14.6, kMid - 13.2, 19.2);
    plume.cubicTo(kMid - 10.6, 17.6, kMid - 7.2, 18.4, kMid - 5.4, 21.6);
    plume.closeSubpath();
    Fill(p, plume, kWhite, 0.35);
    QPainterPath crown;
    crown.moveTo(kMid - 4.6, 23);
    crown.quadTo(kMid - 4.8, 17.2, kMid, 17.0);
    crown.quadTo(kMid + 4.8, 17.2, kMid + 4.6, 23);
    crown.closeSubpath();
    Fill(p, crown, c.coat.darker(125));
    FillEllipse(p, {kMid, 23.2}, 8.2, 1.9, c.coat.darker(125));
    Fill(p, RectPath({kMid - 4.6, 21.0, 9.2, 1.4}), kGold, 0.25);

    // Right arm raised high with the symbol, left hand on the sword's hilt.
    DrawArm(p, {kMid + 7.4, 40}, {kMid + 12.0, 33.0}, {kMid + 11.6, 23.6}, c.coat);
    DrawSuit(p, suit, {kMid + 11.2, 15.6}, 10.5);
    DrawArm(p, {kMid - 7.4, 40}, {kMid - 9.6, 48}, {kMid - 7.2, 53.6}, c.coat);
}

// --- král -----------------------------------------------------------------------------------

void DrawErmine(QPainter& p, const QRectF& r) {
    Fill(p, RectPath(r), kWhite, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    int i = 0;
    for (double y = r.top() + 1.4; y < r.bottom() - 0.4; y += 2.6, ++i) {
        for (double x = r.left() + (i % 2 ? 1.8 : 0.9); x < r.right() - 0.4; x += 2.4) {
            p.drawEllipse(QPointF(x, y), 0.35, 0.55);
        }
    }
}

void DrawKral(QPainter& p, int suit, const Palette& c) {
    // Sceptre in the left hand, behind the arm.
    p.setPen(InkPen(1.6));
    p.drawLine(QPointF(19.8, 24), QPointF(19.8, 70));
    p.setPen(QPen(kGold, 1.0));
    p.drawLine(QPointF(19.8, 24), QPointF(19.8, 70));
    FillEllipse(p, {19.8, 21.6}, 1.9, 1.9, kGold, 0.35);
    p.setPen(InkPen(0.5));
    p.drawLine(QPointF(19.8, 17.2), QPointF(19.8, 19.8));
    p.drawLine(QPointF(18.6, 18.4), QPointF(21.0, 18.4));

    // A long robe over the shoulders down to the feet, trimmed with ermine.
    FillEllipse(p, {kMid - 3.2, 90.4}, 2.8, 1.4, QColor(0x3a, 0x26, 0x16));
    FillEllipse(p, {kMid + 3.2, 90.4}, 2.8, 1.4, QColor(0x3a, 0x26, 0x16));
    QPainterPath robe;
    robe.moveTo(kMid - 8.8, 38.2);
    robe.quadTo(kMid, 36.4, kMid + 8.8, 38.2);
    robe.lineTo(kMid + 12.0, 88.4);
    robe.quadTo(kMid, 90.4, kMid - 12.0, 88.4);
    robe.closeSubpath();
    Fill(p, robe, c.coat);
    // The gown beneath shows in a panel down the front.
    QPainterPath gown;
    gown.moveTo(kMid - 2.4, 40);
    gown.lineTo(kMid + 2.4, 40);
    gown.lineTo(kMid + 4.6, 88.9);
    gown.quadTo(kMid, 89.6, kMid - 4.6, 88.9);
    gown.closeSubpath();
    Fill(p, gown, c.trim);
    p.save();
    p.setClipPath(robe);
    DrawErmine(p, QRectF(kMid - 13, 84.4, 26, 5));
    p.restore();
    DrawErmine(p, QRectF(kMid - 8.6, 37.2, 17.2, 4.0));

    DrawHead(p, 2);
    // The crown: a gold band with five points and jewels.
    QPainterPath crown;
    crown.moveTo(kMid - 5.2, 23.8);
    crown.lineTo(kMid - 5.8, 17.4);
    crown.lineTo(kMid - 3.2, 20.4);
    crown.lineTo(kMid - 1.7, 16.2);
    crown.lineTo(kMid, 19.6);
    crown.lineTo(kMid + 1.7, 16.2);
    crown.lineTo(kMid + 3.2, 20.4);
    crown.lineTo(kMid + 5.8, 17.4);
    crown.lineTo(kMid + 5.2, 23.8);
    crown.closeSubpath();
    QLinearGradient g(0, 16, 0, 24);
    g.setColorAt(0, QColor(0xff, 0xe0, 0x70));
    g.setColorAt(1, kGold);
    p.setPen(InkPen(0.4));
    p.setBrush(g);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    for (double dx : {-5.8, -1.7, 1.7, 5.8}) {
        p.setBrush(kGold.lighter(120));
        p.drawEllipse(QPointF(kMid + dx, 17.2), 0.6, 0.6);
    }
    Fill(p, RectPath({kMid - 5.3, 21.8, 10.6, 2.0}), kGoldDark.lighter(140), 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x10, 0x20));
    p.drawEllipse(QPointF(kMid, 22.8), 0.8, 0.8);
    p.setBrush(QColor(0x20, 0x50, 0xc0));
    p.drawEllipse(QPointF(kMid - 3.4, 22.8), 0.6, 0.6);
    p.drawEllipse(QPointF(kMid + 3.4, 22.8), 0.6, 0.6);

    // Left hand on the sceptre, right hand holding the symbol before his chest.
    DrawArm(p, {kMid - 7.6, 40}, {kMid - 10.6, 47}, {19.8, 51.5}, c.coat);
    DrawArm(p, {kMid + 7.6, 40}, {kMid + 10.8, 50}, {kMid + 7.0, 55.0}, c.coat);
    DrawSuit(p, suit, {kMid + 8.4, 48.6}, 10.0);
}

}  // namespace

void DrawFigure(QPainter& p, int suit, int rank) {
    const Palette c = SuitPalette(suit);
    DrawPanel(p, suit);
    switch (rank) {
        case kSpodek:
            DrawSpodek(p, suit, c);
            break;
        case kSvrsek:
            DrawSvrsek(p, suit, c);
            break;
        default:
            DrawKral(p, suit, c);
            break;
    }
}

}  // namespace art
