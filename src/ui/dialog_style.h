// What the three decision dialogs share: a fixed size, bold text of a given pixel size, and a
// place in the middle of the screen.
#pragma once

#include <QDialog>
#include <QFont>
#include <QScreen>
#include <QWidget>

inline QFont BoldPixels(int px) {
    QFont f;
    f.setPixelSize(px);
    f.setBold(true);
    return f;
}

inline void FixDialog(QDialog* d, int width, int height) {
    d->setFont(BoldPixels(14));
    d->setFixedSize(width, height);
}

inline void CentreOnScreen(QWidget* w) {
    if (QScreen* s = w->screen()) w->move(s->availableGeometry().center() - w->rect().center());
}
