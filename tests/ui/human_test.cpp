// Whole deals played through the real window as the human: clicks on the card pictures, the
// "Trumf" and "Talon" buttons and the contract radio buttons, the decision dialogs answered as
// they open, to the result view. And clicks at random, which must never leave a deal stuck.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QtTest>
#include <random>

#include "ui_fixture.h"

namespace {

// Every game is played out (no quick end of an undoubled game); START_PLAYER 3 makes the
// human the forehand of the first deal, 1 the computer on his left.
QByteArray Settings(int startPlayer) {
    return "[GAME]\nBEZFLEKU=0\nSTART_PLAYER=" + QByteArray::number(startPlayer) + "\n";
}

bool Logged(TestWindow& w, const QString& line) {
    return !w.main->ListBox1->findItems(line, Qt::MatchExactly).isEmpty();
}

QString Call(TestWindow& w, int seatNo, const char* text) {
    return QString::fromStdString(w.game().Seat(seatNo)->name) + ": " + QString::fromUtf8(text);
}

}  // namespace

class HumanTest : public QObject {
    Q_OBJECT
private slots:
    void humanForehandNamesTrumpsBlindAndPlaysTheDealOut() {
        TestWindow w(Settings(3));
        HumanStandIn human(w, false);
        human.trumpSlot = 10;  // one of the five cards still face down
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results() == 1; }, 30000));
        THra& g = w.game();
        QCOMPARE(g.forehand, g.Seat(1));
        QVERIFY(Logged(w, Call(w, 1, "Barva")));
        QCOMPARE(g.tricksPlayed, uint8_t(10));
        QCOMPARE(w.answerer->goodBadAsked, 0);
        QVERIFY(!w.main->TrumpButton->isVisible() && !w.main->TalonButton->isVisible());
        QVERIFY(w.main->Menu_NovaHra->isEnabled());
    }

    void computerForehandAsksTheHumanAndThePlayGoesToTheResult() {
        TestWindow w(Settings(1));
        HumanStandIn human(w, true);  // "Rozdat": the next deal follows
        w.answerer->flekGame = {true};
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results() == 1; }, 30000));
        THra& g = w.game();
        QCOMPARE(g.forehand, g.Seat(2));
        QCOMPARE(w.answerer->goodBadAsked, 1);
        QVERIFY(Logged(w, Call(w, 1, "Dobré")));
        QVERIFY(w.answerer->fleksAsked >= 1);
        QVERIFY(Logged(w, Call(w, 1, "flek")));
        QVERIFY(RunUntil([&] { return g.gamesPlayed == 2; }));
    }

    void humanTakesTheGameAndLaysHisTalonAsDurch() {
        TestWindow w(Settings(1));
        HumanStandIn human(w, false);
        human.contract = Durch;
        w.answerer->goodBad = {false};  // "Špatné"
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results() == 1; }, 30000));
        THra& g = w.game();
        QCOMPARE(w.answerer->talonsShown, 1);
        QVERIFY(Logged(w, Call(w, 1, "Dej to sem")));
        QVERIFY(Logged(w, Call(w, 1, "Durch")));
        QCOMPARE(g.declarer, g.Seat(1));
        QCOMPARE(g.contractKind, uint8_t(Durch));
    }

    // Clicks anywhere on the table, on the buttons, the radio buttons and boxes, and F2, with
    // every dialog answered by a toss: each deal still reaches its result, and F2 then deals
    // the next.
    void randomClicksNeverLeaveADealStuck() {
        TestWindow w(Settings(3), "17");
        w.main->show();
        QApplication::setActiveWindow(w.main.get());  // F2 reaches an active window only
        QVERIFY(QTest::qWaitForWindowActive(w.main.get()));
        std::mt19937 rng(2024);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        w.answerer->toss = [&] { return pick(2) == 0; };
        TMain& m = *w.main;
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget()) return;
            QWidget* controls[] = {m.TrumpButton,  m.TalonButton, m.RadioButton5, m.RadioButton3,
                                   m.RadioButton1, m.CheckBox1,   m.CheckBox2};
            const int what = pick(20);
            if (what < 7) {
                QTest::mouseClick(controls[what], Qt::LeftButton);
            } else if (what == 7) {
                // F2 during the deal, while "Nová hra" is off; after it the test presses it.
                QApplication::setActiveWindow(&m);
                if (!m.Menu_NovaHra->isEnabled()) QTest::keyClick(&m, Qt::Key_F2);
            } else {
                const THrac& seat = *w.game().Seat(what < 17 ? 1 : 2 + pick(2));
                if (TCardImage* card = m.cardPicture(seat.hand[1 + pick(12)].picture))
                    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 50));
            }
        });
        clicker.start(2);
        m.Menu_NovaHraClick();
        for (int deal = 1; deal <= 6; ++deal) {
            QVERIFY2(RunUntil([&] { return w.answerer->results >= deal; }, 60000),
                     qPrintable(QStringLiteral("deal %1 stuck").arg(deal)));
            clicker.stop();
            QVERIFY(RunUntil([&] { return !QApplication::activeModalWidget(); }));
            QVERIFY(m.Menu_NovaHra->isEnabled());
            const int dealt = w.game().gamesPlayed;
            QApplication::setActiveWindow(&m);  // the closed result view had the focus
            QTest::keyClick(&m, Qt::Key_F2);
            QVERIFY(RunUntil([&] { return w.game().gamesPlayed == dealt + 1; }));
            clicker.start(2);
        }
    }
};

QTEST_MAIN(HumanTest)
#include "human_test.moc"
