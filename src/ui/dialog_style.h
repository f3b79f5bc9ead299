// What the dialogs share: for the three decision dialogs a fixed size, bold text of a given
// pixel size and a place in the middle of the screen; for the others a closing button row.
#pragma once

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QPushButton>
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

// The dialog's default button, alone at the right under `content`; it accepts the dialog.
inline QPushButton* AddOkRow(QDialog* d, QBoxLayout* top, const QString& caption) {
    auto* ok = new QPushButton(caption);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    top->addLayout(buttons);
    return ok;
}
