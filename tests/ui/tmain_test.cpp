// The main window: the game log, the contract group, resizing, the money panel, and deals
// driven through the window by F2, the idle driver, the trick timer and the result view.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>
#include <ctime>

#include "base/text_format.h"
#include "ui/card_image.h"
#include "ui_fixture.h"

namespace {
const QByteArray kPlayEveryGame = "[GAME]\nBEZFLEKU=0\n";
}

class TMainTest : public QObject {
    Q_OBJECT
private slots:
    void logCallPrefix_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::newRow("five characters") << "Karel"
                                         << "Karel: Dobré";
        QTest::newRow("ten characters") << "Maximilián"
                                        << "Maximilián:Dobré";
    }
    void logCallPrefix() {
        QFETCH(QString, name);
        QFETCH(QString, line);
        TestWindow w;
        w.game().Seat(2)->name = name.toStdString();
        w.game().LogCall(*w.game().Seat(2), "Mlčím");
        w.game().LogCall(*w.game().Seat(2), "Dobré");
        QListWidget& log = *w.main->ListBox1;
        QCOMPARE(log.item(0)->text(), line);  // the newest line on top
        QVERIFY(log.item(1)->text().endsWith(QStringLiteral("Mlčím")));
        QCOMPARE(log.count(), 5);  // the three start-up lines stay below
        QCOMPARE(log.item(2)->text(), QString(53, QLatin1Char('-')));
        QCOMPARE(log.item(3)->text().trimmed(), QStringLiteral("Kvelta"));
    }

    // The marks above capitals are part of the suits' names: "Červené" must not show as "Cervené",
    // not even on the newest line, on top.
    void logKeepsTheMarksAboveCapitals() {
        auto topRow = [](const QString& line) {
            TestWindow w;
            w.main->show();
            w.main->LogLine(line.toStdString());
            QListWidget& log = *w.main->ListBox1;
            return log.viewport()->grab(log.visualItemRect(log.item(0))).toImage();
        };
        QVERIFY(topRow(QStringLiteral("Červené")) != topRow(QStringLiteral("Cervené")));
        QVERIFY(topRow(QStringLiteral("Žaludy")) != topRow(QStringLiteral("Zaludy")));
        QCOMPARE(topRow(QStringLiteral("Kule")), topRow(QStringLiteral("Kule")));
    }

    void contractGroup_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("enabled");  // Hra, Betl, Durch, Sedma, Sto
        QTest::addColumn<QString>("label");
        QTest::newRow("suit game") << int(Barva) << "11111"
                                   << "Barva";
        QTest::newRow("betl") << int(Betl) << "01100"
                              << "Betl";
        QTest::newRow("durch") << int(Durch) << "00100"
                               << "Durch";
    }
    void contractGroup() {
        QFETCH(int, kind);
        QFETCH(QString, enabled);
        QFETCH(QString, label);
        TestWindow w;
        TMain& m = *w.main;
        m.HraDisableAll();
        m.HraEnableAll(kind);
        const QWidget* controls[] = {m.RadioButton5, m.RadioButton3, m.RadioButton1, m.CheckBox1,
                                     m.CheckBox2};
        QString now;
        for (const QWidget* c : controls) now += c->isEnabled() ? '1' : '0';
        QCOMPARE(now, enabled);
        QRadioButton* checked[] = {m.RadioButton5, m.RadioButton3, m.RadioButton1};
        QVERIFY(checked[kind]->isChecked());
        QCOMPARE(m.Label16->text(), label);
        m.HraDisableAll();
        for (const QWidget* c : controls) QVERIFY(!c->isEnabled());
    }

    void resizeSpringsBackBetweenDealsOnly() {
        TestWindow w;
        TMain& m = *w.main;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.resize(600, 450);
        QVERIFY(RunUntil([&] { return m.size() == QSize(651, 500); }, 2000));
        RunLoop(50);
        QCOMPARE(m.GroupBox1->x(), m.Panel1->width() - 275);
        QCOMPARE(m.GroupBox2->pos(), QPoint(m.Panel1->width() - 275, 160));
        QCOMPARE(m.ListBox1->geometry(),
                 QRect(m.Panel1->width() - 220, 288, 193, m.Panel1->height() - 288 - 30));
        QCOMPARE(m.Label1->y(), m.Panel1->height() - 33);

        m.EnableRulesMenu(false);  // what every deal does until its end
        const QPoint column = m.GroupBox1->pos();
        m.resize(900, 700);
        QVERIFY(RunUntil([&] { return m.Panel1->width() == 900; }, 2000));
        QCOMPARE(m.GroupBox1->pos(), column);
        m.resize(620, 490);
        RunLoop(100);
        QCOMPARE(m.size(), QSize(620, 490));
    }

    void financeUsesTheDecimalSeparator() {
        TestWindow w;
        SetDecimalSeparator(',');
        w.main->ShowFinance(-12.5, 0, 1000);
        SetDecimalSeparator('.');
        QCOMPARE(w.main->Edit1->text(), QStringLiteral("  -12,50"));
        QCOMPARE(w.main->Edit3->text(), QStringLiteral(" 1000,00"));
    }

    // F2 deals: the human's hand face up, the others' backs; the tricks viewer of the last
    // game is emptied; and while the game waits for the human's card nothing runs.
    void newDealWaitsForTheHumanWithoutWork() {
        TestWindow w(kPlayEveryGame);
        const Card trick[3] = {{0, 7, 7}, {0, 8, 8}, {0, 9, 9}};
        w.result->AddTrickRow("Radek", trick);
        w.main->Menu_NovaHraClick();
        QCOMPARE(w.tricks->rowCount(), 0);
        QVERIFY(!w.main->Menu_NovaHra->isEnabled());
        QVERIFY(RunUntil([&] { return w.HumanAsked(); }));
        for (int seat = 1; seat <= 3; ++seat) {
            const THrac& s = *w.game().Seat(seat);
            for (int slot = 1; slot <= 10; ++slot) {
                if (s.hand[slot].state != inHand) continue;
                const TCardImage* picture = w.main->cardPicture(s.hand[slot].picture);
                QVERIFY(picture && picture->isVisible() == w.main->isVisible());
                QCOMPARE(picture->showsFace(), seat == 1);
            }
        }

        const long passes = w.main->idleDriver().passes();
        const std::clock_t cpu = std::clock();
        RunLoop(1000);
        QVERIFY2(w.main->idleDriver().passes() - passes <= 1, "idle passes while waiting");
        QVERIFY2(std::clock() - cpu < CLOCKS_PER_SEC / 20, "processor time while waiting");
    }

    void theSameSeedDealsTheSameCards() {
        QCOMPARE(SeedFromText("42"), std::optional<uint64_t>(42));
        for (const char* text : {"", "4x", "-1", " 7", "99999999999999999999"})
            QVERIFY2(!SeedFromText(text), text);
        auto humanHand = [] {
            TestWindow w(kPlayEveryGame, "42");
            w.main->Menu_NovaHraClick();
            std::string hand;
            for (const TKarta& k : w.game().Seat(1)->hand) hand += CardCode(k.triple()) + " ";
            return hand;
        };
        QCOMPARE(humanHand(), humanHand());
    }

    void cancelLeavesTheNextDealToTheMenu() {
        TestWindow w(kPlayEveryGame);
        HumanStandIn human(w, false);
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results == 1; }, 20000));
        RunLoop(100);
        QCOMPARE(w.game().gamesPlayed, 1);
        QCOMPARE(w.game().state, uint8_t(Waiting));
        QVERIFY(w.main->Menu_NovaHra->isEnabled());
        QVERIFY(w.result->ListBox1->count() > 0);
        QCOMPARE(w.tricks->rowCount(), int(w.game().tricksPlayed));
        QVERIFY(w.tricks->rowCount() > 0);
    }

    void dealAsksForTheNextDeal() {
        TestWindow w;
        HumanStandIn human(w, true);
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results == 2; }, 40000));
        QVERIFY(w.game().gamesPlayed >= 2);
    }
};

QTEST_MAIN(TMainTest)
#include "tmain_test.moc"
