// Drawing of the game's card faces, card backs and icon.
//
// Everything is drawn in card units: a card is 64 x 105 units, the size the game shows it at.
// The files are rendered at kScale pixels per unit, so a card stays sharp on a dense screen and
// smooth when scaled down. Lines are sized for the card as shown, not for the big file.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace art {

constexpr double kCardW = 64;
constexpr double kCardH = 105;
constexpr int kScale = 3;

// Suits in the game's order and ranks as the game numbers them.
enum Suit { kHearts = 0, kLeaves = 1, kAcorns = 2, kBells = 3 };
enum Rank { kSeven = 7, kEight, kNine, kTen, kSpodek, kSvrsek, kKral, kEso };

// What a picture file is called: "0_7" .. "3_a".
QString FaceName(int suit, int rank);

// The colour of a suit's rank marks, and a pale wash of it for backgrounds.
QColor SuitInk(int suit);
QColor SuitTint(int suit);

// A suit symbol: the outline alone (in a box of height 1 centred on the origin), or the whole
// coloured symbol drawn `height` units tall around `centre`.
QPainterPath SuitSilhouette(int suit);
void DrawSuit(QPainter& p, int suit, QPointF centre, double height, bool upsideDown = false);

// Fills the picture with the table's green and lays the white card with its rounded border
// on it. The corners outside the border stay green, so the card sits on the table cleanly.
inline const QColor kTableGreen{0, 128, 0};
void DrawCardBlank(QPainter& p);

// The rank marks are drawn with this font family (set once the font is loaded).
void SetMarkFont(const QString& family);

void DrawFace(QPainter& p, int suit, int rank);
void DrawFigure(QPainter& p, int suit, int rank);  // spodek, svršek or král in the field

// Card backs; the first is the game's default.
struct BackStyle {
    const char* file;  // "cportal.bmp"
    void (*draw)(QPainter&);
};
int BackCount();
BackStyle Back(int i);

// The application icon, a fan of two cards, drawn into a square of `size` units.
void DrawIcon(QPainter& p, double size);

}  // namespace art
