// A picture control on the table: a card of a hand, a card of the trick, a marriage picture or
// the trump card of the contract group. It draws its picture as it is, also while disabled, and
// reports clicks with the handle the game gave the card.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "deal/card.h"

class TCardImage : public QWidget {
    Q_OBJECT
public:
    explicit TCardImage(QWidget* parent, int handle = 0);
    int handle() const { return handle_; }
    // The face of a card; with `hint` the tooltip names it ("zelený král").
    void ShowCard(const Card& card, bool hint = true);
    void ShowPicture(const QPixmap& picture);
    void Clear();
    const QPixmap& picture() const { return picture_; }
    // True while a face is shown: what the tooltip and the tests read.
    bool showsFace() const { return face_; }

signals:
    void clicked(int handle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int handle_;
    QPixmap picture_;
    bool face_ = false;
};
