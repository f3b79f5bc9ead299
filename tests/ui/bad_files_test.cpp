// Files that are not what they should be: each is named in a message, and the game goes on
// wherever it can.
#include <QtTest>

#include "ui/card_picture.h"
#include "ui_fixture.h"

class BadFilesTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyCardsFolderNamesTheFirstFace() {
        TempFolder folder;
        QDir().mkpath(folder.path("cards"));
        QString error;
        QVERIFY(!LoadCardPictures(folder.path(""), error));
        QVERIFY2(error.contains("0_7.bmp"), qPrintable(error));
    }

    // A face drawn at another size is shown stretched to the card, not refused.
    void aFaceOfTheWrongSizeIsStretched() {
        TempFolder folder;
        for (int suit = 0; suit < 4; ++suit)
            for (const char* rank : {"7", "8", "9", "10", "j", "q", "k", "a"})
                folder.Picture(QStringLiteral("cards/%1_%2.bmp").arg(suit).arg(rank));
        QString error;
        QVERIFY2(LoadCardPictures(folder.path(""), error), qPrintable(error));
        QCOMPARE(CardPicture(2, 9).size(), QSize(24, 40));
        QCOMPARE(CardPixmap(2, 9, QSize(64, 105), 1).size(), QSize(64, 105));
        UnloadCardPictures();
    }

    // Before the windows only the headers are read: a missing face or one that is no picture
    // is named at once; the others are decoded when first drawn.
    void theStartCheckNamesABadFaceAndDecodesTheRestLater() {
        TempFolder folder;
        for (int suit = 0; suit < 4; ++suit)
            for (const char* rank : {"7", "8", "9", "10", "j", "q", "k", "a"})
                folder.Picture(QStringLiteral("cards/%1_%2.bmp").arg(suit).arg(rank));
        QString error;
        QVERIFY2(CheckCardPictures(folder.path(""), error), qPrintable(error));
        QCOMPARE(CardPicture(3, 16).size(), QSize(24, 40));  // the ace, read on demand
        QCOMPARE(CardPixmap(1, 12, QSize(64, 105), 1).size(), QSize(64, 105));

        folder.Write("cards/1_k.bmp", "BM but no picture after all");
        QVERIFY(!CheckCardPictures(folder.path(""), error));
        QVERIFY2(error.startsWith("cards/1_k.bmp"), qPrintable(error));
        QFile::remove(folder.path("cards/1_k.bmp"));
        QVERIFY(!CheckCardPictures(folder.path(""), error));
        QVERIFY2(error.startsWith("cards/1_k.bmp"), qPrintable(error));
        QVERIFY(CardPicture(0, 7).isNull());  // a failed check leaves nothing to read from
    }

    void aCardBackThatIsNoPictureIsNamedAndTheOldOneStays() {
        TestWindow w;
        w.folder.Write("images/junk.bmp", "this is no picture");
        std::string error;
        QVERIFY(!w.main->LoadCardBack("images\\junk.bmp", error));
        QVERIFY2(QString::fromStdString(error).contains("junk.bmp"), error.c_str());
        QVERIFY(w.main->LoadCardBack("images\\cportal.bmp", error));
    }

    // Settings that cannot be saved are said once, at the close, naming the file.
    void settingsThatCannotBeSavedAreReportedOnceAtTheClose() {
        TestWindow w;
        w.result.reset();
        w.tricks.reset();
        w.main.reset();
        w.reports.clear();
        TMain::Setup setup;
        setup.settingsFile = w.folder.path("no such folder/Kvelta.ini");
        setup.statisticsFile = w.folder.path("Playing.dta");
        setup.report = [&w](const QString& text) { w.reports << text; };
        setup.audioOutput = false;
        w.main = std::make_unique<TMain>(setup);
        QVERIFY(w.reports.isEmpty());
        w.main->close();
        QCOMPARE(w.reports.size(), 1);
        QVERIFY(w.reports[0].contains("Nastavení nelze uložit"));
        QVERIFY2(w.reports[0].contains("Kvelta.ini"), qPrintable(w.reports[0]));
    }
};

QTEST_MAIN(BadFilesTest)
#include "bad_files_test.moc"
