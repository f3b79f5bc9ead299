// Card backs: a white-edged card with a patterned field inside a thin frame.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art.h"

namespace art {
namespace {

const QRectF kField(3.4, 3.4, kCardW - 6.8, kCardH - 6.8);
const QPointF kCentre{kCardW / 2, kCardH / 2};

void FillField(QPainter& p, const QColor& base) {
    DrawCardBlank(p);
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawRoundedRect(kField, 1.8, 1.8);
}

void ClipToField(QPainter& p) {
    QPainterPath clip;
    clip.addRoundedRect(kField, 1.8, 1.8);
    p.setClipPath(clip);
}

void Frame(QPainter& p, const QColor& c, double inset, double width) {
    p.setPen(QPen(c, width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kField.adjusted(inset, inset, -inset, -inset), 1.4, 1.4);
}

// Blue: a gilt lattice on navy, and an oval medallion with the four suits.
void DrawBlue(QPainter& p) {
    FillField(p, QColor(0x1c, 0x36, 0x7c));
    p.save();
    ClipToField(p);
    const double k = 0.62, step = 5.2;  // x = t ± k·y
    const QPen line(QColor(0x52, 0x78, 0xc8), 0.4);
    p.setPen(line);
    for (double t = -80; t <= 120; t += step) {
        p.drawLine(QPointF(t, 0), QPointF(t + k * kCardH, kCardH));
        p.drawLine(QPointF(t, 0), QPointF(t - k * kCardH, kCardH));
    }
    // A gold bead where the lines cross.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe6, 0xc4, 0x5c));
    for (double t = -80; t <= 120; t += step) {
        for (double u = t; u <= 200; u += step) {
            const QPointF at((t + u) / 2, (u - t) / (2 * k));
            if (kField.contains(at)) p.drawEllipse(at, 0.45, 0.45);
        }
    }
    p.restore();
    Frame(p, QColor(0xe6, 0xc4, 0x5c), 2.2, 0.6);
    Frame(p, QColor(0xe6, 0xc4, 0x5c), 3.3, 0.3);

    QRadialGradient g(kCentre, 24);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xf4, 0xec, 0xd2));
    p.setPen(QPen(QColor(0xc8, 0x9c, 0x2c), 1.0));
    p.setBrush(g);
    p.drawEllipse(kCentre, 17, 23.5);
    p.setPen(QPen(QColor(0x1c, 0x36, 0x7c), 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 15.4, 21.9);
    DrawSuit(p, kHearts, kCentre + QPointF(0, -11.5), 10);
    DrawSuit(p, kLeaves, kCentre + QPointF(8.2, 0), 10);
    DrawSuit(p, kAcorns, kCentre + QPointF(0, 11.5), 10);
    DrawSuit(p, kBells, kCentre + QPointF(-8.2, 0), 10);
    // A small gold star in the middle.
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI / 4 * i - M_PI / 2, r = i % 2 ? 1.0 : 2.6;
        const QPointF pt = kCentre + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0x9c, 0x2c));
    p.drawPath(star);
}

// Red: rows of small four-petalled flowers on crimson, in a double white frame.
void DrawRed(QPainter& p) {
    FillField(p, QColor(0xa2, 0x16, 0x22));
    p.save();
    ClipToField(p);
    const double dx = 6.4, dy = 6.4;
    int row = 0;
    for (double y = kCentre.y() - 8 * dy; y <= kCardH + dy; y += dy, ++row) {
        for (double x = kCentre.x() - 6 * dx + (row % 2 ? dx / 2 : 0); x <= kCardW + dx; x += dx) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xd8, 0x5a, 0x62));
            for (int i = 0; i < 4; ++i) {
                const double a = M_PI / 2 * i;
                p.drawEllipse(QPointF(x + 1.25 * std::cos(a), y + 1.25 * std::sin(a)), 1.05, 1.05);
            }
            p.setBrush(QColor(0xf6, 0xdc, 0x9c));
            p.drawEllipse(QPointF(x, y), 0.75, 0.75);
        }
    }
    p.restore();
    Frame(p, Qt::white, 2.2, 0.7);
    Frame(p, Qt::white, 3.4, 0.3);
}

// Violet: an engraved rosette of looping curves over fine waves.
void DrawViolet(QPainter& p) {
    FillField(p, QColor(0x3a, 0x1e, 0x5e));
    p.save();
    ClipToField(p);
    p.setPen(QPen(QColor(0x5c, 0x3a, 0x86), 0.35));
    p.setBrush(Qt::NoBrush);
    for (double y0 = 0; y0 <= kCardH + 2; y0 += 2.6) {
        QPainterPath wave;
        for (int i = 0; i <= 128; ++i) {
            const double x = kCardW * i / 128.0;
            const double y = y0 + 0.9 * std::sin(x / kCardW * 6 * M_PI) *
                                      std::cos((y0 - kCentre.y()) / kCardH * M_PI);
            i == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
        }
        p.drawPath(wave);
    }
    // Rosette: bands of wavy rings, each ring traced several times with its phase turned a
    // little, which weaves the engraved look of a banknote.
    const QColor lilac(0xc8, 0xb0, 0xe8), gold(0xe8, 0xd0, 0x88);
    struct Ring {
        double radius, swing;
        int waves, strands;
        QColor colour;
    };
    const Ring rings[] = {
        {21.5, 2.6, 18, 6, lilac}, {14.0, 3.2, 12, 6, gold}, {6.2, 2.6, 8, 5, lilac}};
    p.setBrush(Qt::NoBrush);
    for (const Ring& ring : rings) {
        p.setPen(QPen(ring.colour, 0.28));
        for (int s = 0; s < ring.strands; ++s) {
            const double phase = 2 * M_PI * s / (ring.strands * ring.waves);
            QPainterPath path;
            const int n = 900;
            for (int i = 0; i <= n; ++i) {
                const double t = 2 * M_PI * i / n;
                const double r = ring.radius + ring.swing * std::cos(ring.waves * (t + phase));
                const QPointF pt =
                    kCentre + QPointF(0.95 * r * std::cos(t), 1.35 * r * std::sin(t));
                i == 0 ? path.moveTo(pt) : path.lineTo(pt);
            }
            path.closeSubpath();
            p.drawPath(path);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(kCentre, 1.6, 2.2);
    p.restore();
    Frame(p, gold, 2.2, 0.6);
    Frame(p, lilac, 3.3, 0.3);
}

const BackStyle kBacks[] = {
    {"cportal.bmp", DrawBlue},
    {"cervena.bmp", DrawRed},
    {"fialova.bmp", DrawViolet},
};

}  // namespace

int BackCount() {
    return int(std::size(kBacks));
}
BackStyle Back(int i) {
    return kBacks[i];
}

}  // namespace art
