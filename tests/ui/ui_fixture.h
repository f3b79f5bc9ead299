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
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "table/tplayer.h"
#include "ui/TDasFlekFrm.h"
#include "ui/TGoodBadFrm.h"
#include "ui/TWhatTalon.h"
#include "ui/card_image.h"
#include "ui/human_dialogs.h"
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

// Answers the human's decision dialogs as they are shown: "Dobré", "OK" and "Mlčím", or the
// scripted answers first, or a toss for every answer. Woken only by a dialog, it leaves a
// window that waits for the human idle.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(HumanDialogs& d) : d_(d) {
        for (QObject* dialog : std::initializer_list<QObject*>{d.goodBad, d.whatTalon, d.dasFlek})
            dialog->installEventFilter(this);
    }
    std::deque<bool> goodBad, flekGame;  // false: "Špatné"; true: the game button
    std::function<bool()> toss;

protected:
    bool eventFilter(QObject* dialog, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this, dialog] { Answer(dialog); });
        return false;
    }

private:
    bool Next(std::deque<bool>& answers, bool otherwise) {
        if (toss) return toss();
        if (answers.empty()) return otherwise;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void Answer(QObject* dialog) {
        QPushButton* button = d_.whatTalon->OKBtn;
        if (dialog == d_.goodBad)
            button = Next(goodBad, true) ? d_.goodBad->OKBtn : d_.goodBad->CancelBtn;
        if (dialog == d_.dasFlek)
            button = Next(flekGame, false) ? d_.dasFlek->OKBtn : d_.dasFlek->CancelBtn;
        // A disabled "Špatné" takes no click: the human then presses "Dobré".
        if (!button->isEnabled()) button = d_.goodBad->OKBtn;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    HumanDialogs& d_;
};

// A main window in a private folder with the given settings file, a fixed seed, no sound
// output, and its messages collected instead of shown.
struct TestWindow {
    TempFolder folder;
    QStringList reports;
    std::unique_ptr<TMain> main;
    std::unique_ptr<TViewStychu> tricks;
    std::unique_ptr<Tvyhodnoceni> result;
    std::unique_ptr<DialogAnswerer> answerer;

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
        answerer = std::make_unique<DialogAnswerer>(main->dialogs());
    }
    ~TestWindow() {
        answerer.reset();
        result.reset();
        tricks.reset();
        main.reset();
    }
    THra& game() { return main->game(); }
    bool HumanAsked() { return game().state == Waiting && game().humanMayPlay; }
};

// Plays the human's part from a timer, as clicks on what he sees: the card in `trumpSlot` and
// "Trumf" as forehand; the `contract` and the first two cards the talon rule takes, then
// "Talon"; the first card the rules take; and the result view answered with "Rozdat" or
// "Zrušit".
class HumanStandIn : public QObject {
public:
    HumanStandIn(TestWindow& w, bool deal) : w_(w), deal_(deal) {
        w.main->show();
        connect(&timer_, &QTimer::timeout, this, &HumanStandIn::Tick);
        timer_.start(5);
    }
    int results = 0;
    // The deal's seats as the result view showed: "Rozdat" may deal the next before a test looks.
    const THrac* forehand = nullptr;
    const THrac* declarer = nullptr;
    int trumpSlot = 1;
    int contract = Barva;

private:
    void Tick() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (modal == w_.result.get()) {
                ++results;
                forehand = w_.game().forehand;
                declarer = w_.game().declarer;
                (deal_ ? w_.result->OKBtn : w_.result->CancelBtn)->click();
            }
            return;
        }
        TMain& m = *w_.main;
        if (m.TrumpButton->isVisible()) {
            ClickCard(trumpSlot);
            QTest::mouseClick(m.TrumpButton, Qt::LeftButton);
        } else if (m.TalonButton->isVisible()) {
            QRadioButton* radio[3] = {m.RadioButton5, m.RadioButton3, m.RadioButton1};
            if (!radio[contract]->isChecked()) QTest::mouseClick(radio[contract], Qt::LeftButton);
            for (int slot = 1; slot <= 12 && !m.TalonButton->isEnabled(); ++slot)
                if (m.player().hand[slot].state == discardCandidate) ClickCard(slot);
            QTest::mouseClick(m.TalonButton, Qt::LeftButton);
        }
        for (int slot = 1; slot <= 10 && w_.HumanAsked(); ++slot)
            if (m.player().hand[slot].state == inHand) ClickCard(slot);
    }
    void ClickCard(int slot) {
        if (TCardImage* card = w_.main->cardPicture(w_.main->player().hand[slot].picture))
            QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 50));
    }
    TestWindow& w_;
    bool deal_;
    QTimer timer_;
};
