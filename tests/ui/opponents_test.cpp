// "Soupeři": the stronger opponents chosen with OK, not with "Zrušit", seated from the next
// deal with their money, and still chosen after a restart.
#include <QtTest>

#include "robot/tstrongrobot.h"
#include "ui/settings_dialogs.h"
#include "ui/tfrm_souperi.h"
#include "ui_fixture.h"

class OpponentsTest : public QObject {
    Q_OBJECT

private slots:
    void strongerOpponentsSitDownAtTheNextDealAndSurviveARestart() {
        QByteArray saved;
        const auto strong = [](TestWindow& w) {
            return dynamic_cast<TStrongRobot*>(w.game().Seat(2)) &&
                   dynamic_cast<TStrongRobot*>(w.game().Seat(3));
        };
        {
            TestWindow w("[GAME]\nBEZFLEKU=0\n");  // no result view before the first card
            Tfrm_souperi& d = *w.main->settingsDialogs().souperi;
            for (QPushButton* button : {d.CancelBtn, d.OKBtn}) {
                QTimer::singleShot(0, [&] { d.RadioButton2->click(), button->click(); });
                w.main->Menu_optionSouperi->trigger();
                QCOMPARE(w.main->settings().opponents == Opponents::Silnejsi, button == d.OKBtn);
            }
            w.game().Seat(2)->money = 987.5;
            QVERIFY(!strong(w));
            w.main->Menu_NovaHraClick();
            QVERIFY(strong(w));
            QCOMPARE(w.game().Seat(2)->money, 987.5);
            w.main->close();
            QFile file(w.folder.path(QStringLiteral("Kvelta.ini")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            saved = file.readAll();
        }
        TestWindow restarted(saved);
        QCOMPARE(restarted.main->settings().opponents, Opponents::Silnejsi);
        restarted.main->Menu_NovaHraClick();
        QVERIFY(strong(restarted));
        restarted.main->close();
    }
};

QTEST_MAIN(OpponentsTest)
#include "opponents_test.moc"
