// Whole deals played through the real window as the human: clicks on the card pictures, the
// "Trumf" and "Talon" buttons and the contract radio buttons, the dialogs answered as they
// open, to the result view. And clicks at random, which must never leave a deal stuck.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QtTest>
#include <random>

#include "ui_fixture.h"

namespace {

// Every game played out; START_PLAYER 3 makes the human the first forehand, 1 the computer
// on his left.
QByteArray Settings(int startPlayer) {
    return "[GAME]\nBEZFLEKU=0\nSTART_PLAYER=" + QByteArray::number(startPlayer) + "\n";
}

bool Logged(TestWindow& w, const QString& call) {
    const QString line = QString::fromStdString(w.game().Seat(1)->name) + ": " + call;
    return !w.main->ListBox1->findItems(line, Qt::MatchExactly).isEmpty();
}

}  // namespace

class HumanTest : public QObject {
    Q_OBJECT
private slots:
    // The human as forehand naming trumps blind; answering a computer forehand and doubling;
    // taking its game as durch. Each deal is played out to the result view.
    void wholeDeals_data() {
        QTest::addColumn<int>("startPlayer");
        QTest::addColumn<bool>("take");
        QTest::addColumn<bool>("flek");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("forehand") << 3 << false << false << QStringList{"Barva"};
        QTest::newRow("doubling") << 1 << false << true << QStringList{"Dobré", "flek"};
        QTest::newRow("take-over") << 1 << true << false << QStringList{"Dej to sem", "Durch"};
    }
    void wholeDeals() {
        QFETCH(int, startPlayer);
        QFETCH(bool, take);
        QFETCH(bool, flek);
        QFETCH(QStringList, calls);
        TestWindow w(Settings(startPlayer));
        HumanStandIn human(w, true);
        human.trumpSlot = 10;  // dealt face down
        human.contract = take ? Durch : Barva;
        w.answerer->goodBad = {!take};
        w.answerer->flekGame = {flek};
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results == 1; }, 30000));
        for (const QString& call : calls) QVERIFY2(Logged(w, call), qPrintable(call));
        QCOMPARE(human.forehand == w.game().Seat(1), startPlayer == 3);
        if (take) QCOMPARE(human.declarer, w.game().Seat(1));
        QVERIFY(RunUntil([&] { return w.game().gamesPlayed == 2; }));  // "Rozdat"
    }

    // Random clicks on the human's and the others' cards, the buttons, the radio buttons and
    // boxes, and F2, with every answer tossed: each deal reaches its result, and F2 then deals.
    void randomClicksNeverLeaveADealStuck() {
        TestWindow w(Settings(3), "17");
        TMain& m = *w.main;
        m.show();
        std::mt19937 rng(2024);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        w.answerer->toss = [&] { return pick(2) == 0; };
        int results = 0;
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (modal == w.result.get()) ++results, w.result->CancelBtn->click();
                return;
            }
            QWidget* controls[] = {m.TrumpButton,  m.TalonButton, m.RadioButton5, m.RadioButton3,
                                   m.RadioButton1, m.CheckBox1,   m.CheckBox2};
            const int what = pick(20);
            if (what < 7) {
                QTest::mouseClick(controls[what], Qt::LeftButton);
            } else if (what == 7 && !m.Menu_NovaHra->isEnabled()) {
                QApplication::setActiveWindow(&m);
                QTest::keyClick(&m, Qt::Key_F2);
            } else if (what > 7) {
                const THrac& seat = *w.game().Seat(what < 17 ? 1 : 2 + pick(2));
                if (TCardImage* card = m.cardPicture(seat.hand[1 + pick(12)].picture))
                    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 50));
            }
        });
        clicker.start(2);
        m.Menu_NovaHraClick();
        for (int deal = 1; deal <= 6; ++deal) {
            QVERIFY2(RunUntil([&] { return results == deal; }, 60000), "a deal got stuck");
            QVERIFY(RunUntil([&] { return !QApplication::activeModalWidget(); }));
            QVERIFY(m.Menu_NovaHra->isEnabled());
            QApplication::setActiveWindow(&m);  // the closed result view had the focus
            QTest::keyClick(&m, Qt::Key_F2);
            QCOMPARE(w.game().gamesPlayed, deal + 1);
        }
    }
};

QTEST_MAIN(HumanTest)
#include "human_test.moc"
