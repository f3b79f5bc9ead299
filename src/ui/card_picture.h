// The 32 card faces, shared by every face-up card on the table, the marriage pictures and the
// tricks viewer. Before any window opens the program only makes sure every face is there and
// is a picture; each is decoded when it is first needed, or all at once by LoadCardPictures.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Loads "cards/0_7.bmp" .. "cards/3_a.bmp" from `folder` (the current folder in the program)
// in the order suit 0 to 3, seven to ace. Stops at the first picture that cannot be read and
// answers false with `error` naming the file and the reason.
bool LoadCardPictures(const QString& folder, QString& error);
// The same check on the files' headers alone; the faces are then read from `folder` on demand.
bool CheckCardPictures(const QString& folder, QString& error);
void UnloadCardPictures();

// The face of a card by suit 0..3 and rank code: 7..14, and 15 for the ten and 16 for the
// ace as the suit game's strengths code them. A null image for anything else.
const QImage& CardPicture(int suit, int rankCode);

// A picture scaled smoothly once to `size` logical pixels for a screen of the given pixel
// ratio, so that it is never stretched while painting. A null picture stays null.
QPixmap ScaledPicture(const QImage& image, QSize size, qreal pixelRatio);
// ScaledPicture of a card face, kept for the rest of the run.
QPixmap CardPixmap(int suit, int rankCode, QSize size, qreal pixelRatio);
