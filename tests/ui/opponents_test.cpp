// "Soupeři" as a player uses it: the stronger opponents chosen with OK (not with "Zrušit"),
// seated from the next deal with the same names and money, and still chosen after a restart.
#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "robot/tstrongrobot.h"
#include "ui/settings_dialogs.h"
#include "ui/tfrm_souperi.h"
#include "ui_fixture.h"

class OpponentsTest : public QObject {
    Q_OBJECT

    static bool Strong(TestWindow& w) {
        return dynamic_cast<TStrongRobot*>(w.game().Seat(2)) &&
               dynamic_cast<TStrongRobot*>(w.game().Seat(3));
    }
    // Clicks `choice` and `button` in the dialog once it is shown.
    static void Choose(TestWindow& w, QRadioButton* choice, QPushButton* button) {
        QTimer::singleShot(0, [=] { choice->click(), button->click(); });
        w.main->Menu_optionSouperi->trigger();
    }

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void strongerOpponentsSitDownAtTheNextDealAndSurviveARestart() {
        const QByteArray everyGamePlayed = "[GAME]\nBEZFLEKU=0\n";  // no result view at once
        QByteArray saved;
        {
            TestWindow w(everyGamePlayed);
            Tfrm_souperi& d = *w.main->settingsDialogs().souperi;
            Choose(w, d.RadioButton2, d.CancelBtn);
            QCOMPARE(w.main->settings().opponents, Opponents::Klasicky);
            Choose(w, d.RadioButton2, d.OKBtn);
            QCOMPARE(w.main->settings().opponents, Opponents::Silnejsi);
            QVERIFY(!Strong(w));
            w.game().Seat(2)->money = 987.5;
            w.main->Menu_NovaHraClick();
            QVERIFY(Strong(w));
            QCOMPARE(w.game().Seat(2)->money, 987.5);
            QCOMPARE(w.main->Label5->text(), QString::fromStdString(w.game().Seat(2)->name));
            w.main->close();
            QFile file(w.folder.path(QStringLiteral("Kvelta.ini")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            saved = file.readAll();
        }
        TestWindow restarted(saved);
        QCOMPARE(restarted.main->settings().opponents, Opponents::Silnejsi);
        QCOMPARE(restarted.game().Seat(2)->money, 987.5);
        restarted.main->Menu_NovaHraClick();
        QVERIFY(Strong(restarted));
        restarted.main->close();
    }
};

QTEST_MAIN(OpponentsTest)
#include "opponents_test.moc"
