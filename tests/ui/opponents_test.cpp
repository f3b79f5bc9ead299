// "Soupeři" and "Poradit" used as a player uses them: the stronger opponents chosen, kept over
// a restart and seated from the next deal; the hint offered only while a card of the human's
// is awaited, raising one card until he plays.
#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "robot/tstrongrobot.h"
#include "ui/settings_dialogs.h"
#include "ui/tfrm_souperi.h"
#include "ui_fixture.h"

namespace {

// Every game is played out: none ends in a result view before a card is played.
const QByteArray kPlayEveryGame = "[GAME]\nBEZFLEKU=0\n";

void WhenShown(std::function<void()> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        act();
        if (dialog && dialog->isVisible()) dialog->close();
    });
}

bool StrongOpponents(THra& g) {
    return dynamic_cast<TStrongRobot*>(g.Seat(2)) && dynamic_cast<TStrongRobot*>(g.Seat(3));
}

}  // namespace

class OpponentsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void strongerOpponentsSitDownAtTheNextDealAndSurviveARestart() {
        QByteArray saved;
        {
            TestWindow w(kPlayEveryGame);
            Tfrm_souperi& d = *w.main->settingsDialogs().souperi;
            WhenShown([&] {
                QVERIFY(d.RadioButton1->isChecked());
                d.RadioButton2->click();
                d.CancelBtn->click();
            });
            w.main->Menu_optionSouperi->trigger();
            QCOMPARE(w.main->settings().opponents, Opponents::Klasicky);
            WhenShown([&] {
                QVERIFY(d.RadioButton1->isChecked());  // what "Zrušit" left is not kept
                d.RadioButton2->click();
                d.OKBtn->click();
            });
            w.main->Menu_optionSouperi->trigger();
            QCOMPARE(w.main->settings().opponents, Opponents::Silnejsi);
            QVERIFY(!StrongOpponents(w.game()));  // not before the next deal

            w.game().Seat(2)->money = 987.5;
            const std::string name3 = w.game().Seat(3)->name;
            w.main->Menu_NovaHraClick();
            QVERIFY(StrongOpponents(w.game()));
            QCOMPARE(w.game().Seat(2)->money, 987.5);
            QCOMPARE(w.game().Seat(3)->name, name3);
            QCOMPARE(w.main->Label5->text(), QString::fromStdString(w.game().Seat(2)->name));
            w.main->close();
            QFile file(w.folder.path(QStringLiteral("Kvelta.ini")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            saved = file.readAll();
        }
        QVERIFY(saved.contains("SOUPERI=1"));
        TestWindow restarted(saved);
        QCOMPARE(restarted.main->settings().opponents, Opponents::Silnejsi);
        QCOMPARE(restarted.game().Seat(2)->money, 987.5);
        restarted.main->Menu_NovaHraClick();
        QVERIFY(StrongOpponents(restarted.game()));
        restarted.main->close();
    }

    void theHintIsOfferedOnlyWhileTheHumansCardIsAwaited() {
        TestWindow w(kPlayEveryGame);
        TMain& m = *w.main;
        HumanStandIn human(w, true);
        int offered = 0, withheld = 0, wrong = 0, raised = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            const bool on = m.Menu_Poradit->isEnabled();
            wrong += on != m.game().AwaitsCardFrom(m.player());
            ++(on ? offered : withheld);
        });
        watch.start(1);
        human.beforeCard = [&] {
            QCOMPARE(m.player().hintedSlot(), 0);  // the last click put the last hint back
            QVERIFY(m.Menu_Poradit->isEnabled());
            m.Menu_Poradit->trigger();
            const int slot = m.player().hintedSlot();
            QVERIFY(slot >= 1 && slot <= 10);
            const TKarta& k = m.player().hand[slot];
            QCOMPARE(m.cardPicture(k.picture)->y(), k.top - 20);
            ++raised;
        };
        m.Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return human.results >= 2; }, 60000));
        QCOMPARE(wrong, 0);
        QVERIFY(offered > 0 && withheld > 0);
        QVERIFY(raised >= 10);
        m.close();
    }

    // A click on the green table, not on a card, puts the raised card back too.
    void aClickOnTheTablePutsTheHintBack() {
        TestWindow w(kPlayEveryGame);
        TMain& m = *w.main;
        m.show();
        HumanStandIn human(w, true);
        bool done = false;
        human.beforeCard = [&] {
            if (done) return;
            done = true;
            m.Menu_Poradit->trigger();
            const int slot = m.player().hintedSlot();
            QVERIFY(slot != 0);
            const TKarta& k = m.player().hand[slot];
            QTest::mouseClick(m.Panel1, Qt::LeftButton, {}, QPoint(m.Panel1->width() / 2, 200));
            QCOMPARE(m.player().hintedSlot(), 0);
            QCOMPARE(m.cardPicture(k.picture)->y(), k.top);
            QVERIFY(m.Menu_Poradit->isEnabled());  // still his turn
        };
        m.Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return done; }, 60000));
        m.close();
    }
};

QTEST_MAIN(OpponentsTest)
#include "opponents_test.moc"
