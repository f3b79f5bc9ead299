#include "ui/about_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("O programu"));
    if (mode == Splash)
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet(
        QStringLiteral("TAboutBox { background: #0b4a1c; border: 3px solid #d8b640; }"
                       "QLabel { color: #f4e7a1; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    auto* title = new QLabel(QStringLiteral("Kvelta"), this);
    QFont big = title->font();
    big.setPixelSize(40);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* text = new QLabel(QStringLiteral("Karetní hra pro tři hráče\ns německými kartami\n\n"
                                           "verze %1\n\n© Kvelta developers")
                                .arg(QStringLiteral(KVELTA_VERSION)),
                            this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    if (mode == Credits) {
        OKButton = new QPushButton(QStringLiteral("Zavřít"), this);
        connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
        layout->addWidget(OKButton, 0, Qt::AlignCenter);
    }
    setFixedSize(sizeHint().expandedTo(QSize(320, 240)));

    Timer1.setSingleShot(true);
    Timer1.setInterval(5000);
    connect(&Timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);
}

void TAboutBox::Timer1Timer() {
    Timer1.stop();
    if (callback_) callback_();
}

void TAboutBox::CloseNow() {
    closing_ = true;
    close();
}

void TAboutBox::closeEvent(QCloseEvent* event) {
    if (mode_ == Splash && !closing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // Escape would close a dialog; the splash waits for its timer.
    if (mode_ == Splash) return event->ignore();
    QDialog::keyPressEvent(event);
}
