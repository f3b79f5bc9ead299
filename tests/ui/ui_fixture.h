// Shared by the window tests: a private current folder, a main window living in it, an event
// loop that blocks between events as the program's own does, and a stand-in for the human
// that plays whole deals through the window.
#pragma once

#include <QApplication>
#include <QCheckBox>
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

// Answers every modal dialog of the game as it opens, the way the human would: the decision
// dialogs with "Dobré", "OK" and "Mlčím" unless a test scripts other answers, and the result
// view with "Zrušit" unless a test asks for the next deal. It wakes only when one of them is
// shown, so a window waiting for the human stays idle.
class DialogAnswerer : public QObject {
public:
    DialogAnswerer(TMain& main, QDialog& result) : main_(main), result_(result) {
        HumanDialogs& d = main.dialogs();
        for (QDialog* dialog :
             {static_cast<QDialog*>(d.goodBad), static_cast<QDialog*>(d.whatTalon),
              static_cast<QDialog*>(d.dasFlek), &result})
            dialog->installEventFilter(this);
    }
    bool deal = false;          // the result view answered with "Rozdat"
    std::deque<bool> goodBad;   // answers in turn ("Špatné" for false), then "Dobré"
    std::deque<bool> flekGame;  // answers in turn (the game button for true), then "Mlčím"
    // When set, it answers every question by a toss instead, and ticks each box it may.
    std::function<bool()> toss;
    int results = 0, goodBadAsked = 0, talonsShown = 0, fleksAsked = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this, watched] { Answer(watched); });
        return false;
    }

private:
    template <class T>
    static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) return otherwise;
        const T a = answers.front();
        answers.pop_front();
        return a;
    }
    void Answer(QObject* dialog) {
        HumanDialogs& d = main_.dialogs();
        if (dialog == d.goodBad) {
            ++goodBadAsked;
            const bool good =
                (toss ? toss() : Next(goodBad, true)) || !d.goodBad->CancelBtn->isEnabled();
            QTest::mouseClick(good ? d.goodBad->OKBtn : d.goodBad->CancelBtn, Qt::LeftButton);
        } else if (dialog == d.whatTalon) {
            ++talonsShown;
            QTest::mouseClick(d.whatTalon->OKBtn, Qt::LeftButton);
        } else if (dialog == d.dasFlek) {
            ++fleksAsked;
            if (toss) {
                for (QCheckBox* box : {d.dasFlek->CheckBox1, d.dasFlek->CheckBox2,
                                       d.dasFlek->CheckBox3, d.dasFlek->CheckBox4})
                    if (toss()) QTest::mouseClick(box, Qt::LeftButton);
            }
            const bool flek = toss ? toss() : Next(flekGame, false);
            QTest::mouseClick(flek ? d.dasFlek->OKBtn : d.dasFlek->CancelBtn, Qt::LeftButton);
        } else if (dialog == &result_) {
            ++results;
            if (deal)
                result_.accept();
            else
                result_.reject();
        }
    }
    TMain& main_;
    QDialog& result_;
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
        answerer = std::make_unique<DialogAnswerer>(*main, *result);
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

// Plays the human's part at the table from a timer, with clicks on the card pictures and the
// buttons: names trumps with the card in `trumpSlot`, lays the first two cards the talon rule
// takes with the contract `contract` chosen, and plays the first card the rules take. The
// dialogs are the DialogAnswerer's; `deal` is its answer to the result view.
class HumanStandIn : public QObject {
public:
    HumanStandIn(TestWindow& w, bool deal) : w_(w) {
        w.main->show();  // a human clicks what he sees
        w.answerer->deal = deal;
        connect(&timer_, &QTimer::timeout, this, &HumanStandIn::Tick);
        timer_.start(5);
    }
    int trumpSlot = 1;
    int contract = Barva;  // chosen while laying the talon (when the radio button allows)
    int results() const { return w_.answerer->results; }

    void ClickCard(int slot) {
        const TKarta& k = w_.main->player().hand[slot];
        if (TCardImage* picture = w_.main->cardPicture(k.picture))
            QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 50));
    }

private:
    void Tick() {
        if (QApplication::activeModalWidget()) return;
        TMain& m = *w_.main;
        const TPlayer& p = m.player();
        if (m.TrumpButton->isVisible()) {
            if (!m.TrumpButton->isEnabled()) ClickCard(trumpSlot);
            QTest::mouseClick(m.TrumpButton, Qt::LeftButton);
            return;
        }
        if (m.TalonButton->isVisible()) {
            QRadioButton* radio[3] = {m.RadioButton5, m.RadioButton3, m.RadioButton1};
            if (radio[contract]->isEnabled() && !radio[contract]->isChecked())
                QTest::mouseClick(radio[contract], Qt::LeftButton, {}, QPoint(5, 8));
            for (int slot = 1; slot <= 12 && !m.TalonButton->isEnabled(); ++slot)
                if (p.hand[slot].state == discardCandidate) ClickCard(slot);
            QTest::mouseClick(m.TalonButton, Qt::LeftButton);
            return;
        }
        for (int slot = 1; slot <= 10 && w_.HumanAsked(); ++slot)
            if (p.hand[slot].state == inHand) ClickCard(slot);
    }
    TestWindow& w_;
    QTimer timer_;
};
