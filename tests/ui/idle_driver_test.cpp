// The idle driver: a pass after each burst of events, passes in a row while the game has
// work, none at all while it waits, and none inside a call into the game.
#include "ui/idle_driver.h"

#include <QtTest>

#include "ui_fixture.h"

class IdleDriverTest : public QObject {
    Q_OBJECT
private slots:
    void passesFollowEventsAndStopWhenTheGameWaits() {
        int work = 5;
        IdleDriver driver([&] { work = std::max(0, work - 1); }, [&] { return work > 0; });
        driver.Arm();
        RunLoop(100);
        QCOMPARE(work, 0);  // five passes in a row without any event between them

        const long before = driver.passes();
        RunLoop(300);
        QVERIFY(driver.passes() - before <= 1);  // the loop's own quit timer
        QObject target;
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        RunLoop(50);
        QVERIFY(driver.passes() > before + 1);
    }

    void aHoldKeepsPassesBackUntilItEnds() {
        IdleDriver driver([] {}, [] { return false; });
        {
            IdleDriver::Hold hold(driver);
            driver.Arm();
            RunLoop(50);
            QCOMPARE(driver.passes(), 0L);
        }
        RunLoop(50);
        QVERIFY(driver.passes() >= 1);
    }
};

QTEST_MAIN(IdleDriverTest)
#include "idle_driver_test.moc"
