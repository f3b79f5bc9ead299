// Kvelta's start: the card pictures, the credits splash, the main window and the windows it
// shows later, then the message loop. The data folders are read from the current folder.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "base/text_format.h"
#include "ui/about_box.h"
#include "ui/card_picture.h"
#include "ui/quit_signals.h"
#include "ui/tmain.h"
#include "ui/view_stychu.h"
#include "ui/vyhodnoceni.h"
#include "ui/wav_sound.h"

namespace {

QString FaceError(const QString& error) {
    return QStringLiteral("Nelze načíst obrázek karty %1").arg(error);
}

// Runs `work` once, as soon as the window has painted itself for the first time.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> work_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvelta"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral("icons/kvelta-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    const QString point = QLocale().decimalPoint();
    SetDecimalSeparator(point.size() == 1 && point[0].unicode() < 128 ? char(point[0].unicode())
                                                                      : '.');

    // Every face is needed for play: without one there is no game. Before the windows only
    // their headers are read; the pictures follow once the main window is up.
    QString error;
    if (!CheckCardPictures(QDir::currentPath(), error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Kvelta"), FaceError(error));
        return 1;
    }

    auto* splash = new TAboutBox(TAboutBox::Splash);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    splash->repaint();
    splash->Timer1.start();

    TMain main(TMain::DefaultSetup());
    splash->SetCallback([splash] { splash->CloseNow(); });

    TViewStychu tricks(&main);
    Tvyhodnoceni result(tricks, &main);
    main.SetResultView(&result);

    // What the window need not wait for: the faces (a face that is broken past its header
    // still stops the program; a deal started sooner reads the faces it needs itself) and
    // the sound output.
    new AfterFirstPaint(&main, [&main] {
        QString error;
        if (!LoadCardPictures(QDir::currentPath(), error)) {
            QMessageBox::critical(&main, QStringLiteral("Kvelta"), FaceError(error));
            QCoreApplication::exit(1);
            return;
        }
        main.sound().Prepare();
    });
    main.show();
    CloseOnQuitSignals(&main);
    splash->raise();
    return app.exec();
}
