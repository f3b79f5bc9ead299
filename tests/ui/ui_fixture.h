// Shared by the window tests: a private current folder, a main window living in it, an event
// loop that blocks between events as the program's own does, and a stand-in for the human
// that plays whole deals through the window.
#pragma once

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "table/tplayer.h"
#include "ui/tmain.h"
#include "ui/view_stychu.h"
#include "ui/vyhodnoceni.h"

// The program reads cards/, images/ and wavs/ from the current folder: each test gets its own.
class TempFolder {
public:
    TempFolder() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempFolder() { QDir::setCurrent(old_); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const {
        QDir(dir_.path()).mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    void Picture(const QString& name, QColor color = Qt::white) const {
        QDir(dir_.path()).mkpath(QFileInfo(path(name)).path());
        QImage image(24, 40, QImage::Format_RGB32);
        image.fill(color);
        image.save(path(name), "BMP");
    }

private:
    QTemporaryDir dir_;
    QString old_;
};

// Runs the event loop for `ms`, sleeping between events like the program's loop.
inline void RunLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline bool RunUntil(const std::function<bool()>& done, int ms = 5000) {
    for (int waited = 0; !done() && waited < ms; waited += 10) RunLoop(10);
    return done();
}

// A main window in a private folder with the given settings file, a fixed seed, no sound
// output, and its messages collected instead of shown.
struct TestWindow {
    TempFolder folder;
    QStringList reports;
    std::unique_ptr<TMain> main;
    std::unique_ptr<TViewStychu> tricks;
    std::unique_ptr<Tvyhodnoceni> result;

    explicit TestWindow(const QByteArray& ini = {}, const char* seed = "5") {
        folder.Picture(QStringLiteral("images/cportal.bmp"), Qt::blue);
        if (!ini.isEmpty()) folder.Write(QStringLiteral("Kvelta.ini"), ini);
        qputenv("KVELTA_SEED", seed);
        TMain::Setup setup;
        setup.settingsFile = folder.path(QStringLiteral("Kvelta.ini"));
        setup.statisticsFile = folder.path(QStringLiteral("Playing.dta"));
        setup.report = [this](const QString& text) { reports << text; };
        setup.audioOutput = false;
        main = std::make_unique<TMain>(setup);
        main->Timer1.setInterval(1);  // no two-second trick pauses in tests
        tricks = std::make_unique<TViewStychu>(main.get());
        result = std::make_unique<Tvyhodnoceni>(*tricks, main.get());
        main->SetResultView(result.get());
    }
    ~TestWindow() {
        result.reset();
        tricks.reset();
        main.reset();
    }
    THra& game() { return main->game(); }
    bool HumanAsked() { return game().state == Waiting && game().humanMayPlay; }
};

// Plays the human's part from a timer, as clicks would: the first card the rules take, and
// the result view answered with "Rozdat" or "Zrušit".
class HumanStandIn : public QObject {
public:
    HumanStandIn(TestWindow& w, bool deal) : w_(w), deal_(deal) {
        connect(&timer_, &QTimer::timeout, this, &HumanStandIn::Tick);
        timer_.start(5);
    }
    int results = 0;

private:
    void Tick() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (modal == w_.result.get()) {
                ++results;
                (deal_ ? w_.result->OKBtn : w_.result->CancelBtn)->click();
            }
            return;
        }
        for (int slot = 1; slot <= 10 && w_.HumanAsked(); ++slot)
            w_.main->GameCall([&] { w_.main->player().CardClick(slot); });
    }
    TestWindow& w_;
    bool deal_;
    QTimer timer_;
};
