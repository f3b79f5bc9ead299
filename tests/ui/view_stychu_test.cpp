// The tricks viewer, the result view and the card pictures they show.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "deal/tkarta.h"
#include "ui/card_image.h"
#include "ui/card_picture.h"
#include "ui_fixture.h"

namespace {

// Answers the modal dialog from a timer once it is shown, noting which buttons were live.
void AnswerModal(Tvyhodnoceni& view, QPushButton* button, QString* live) {
    QTimer::singleShot(0, &view, [&view, button, live] {
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &view; }));
        for (QPushButton* b : {view.OKBtn, view.CancelBtn, view.HelpBtn})
            *live += b->isEnabled() ? '1' : '0';
        button->click();
    });
}

}  // namespace

class ViewStychuTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAreTenDeepAndOverlap() {
        TViewStychu view;
        const Card cards[3] = {{1, 7, 7}, {1, 13, 13}, {3, 8, 0}};
        for (int n = 1; n <= 11; ++n) view.AddTrickRow("Radek", cards);
        QCOMPARE(view.rowCount(), 10);  // a deal has no eleventh trick
        QCOMPARE(view.rowLabel(1)->geometry(), QRect(10, 10, 100, 20));
        QCOMPARE(view.rowLabel(10)->geometry(), QRect(10, 955, 100, 20));
        QCOMPARE(view.rowLabel(10)->text(), QStringLiteral("Radek"));
        const QObjectList& stack = view.rowLabel(1)->parent()->children();
        for (int i = 0; i < 3; ++i) {
            TCardImage* card = view.rowCard(10, i);
            QCOMPARE(card->geometry(), QRect(90 + 40 * i, 955, kCardWidth, kCardHeight));
            // Later cards lie over earlier ones and over the name.
            const QObject* below =
                i == 0 ? static_cast<QObject*>(view.rowLabel(10)) : view.rowCard(10, i - 1);
            QVERIFY(stack.indexOf(card) > stack.indexOf(below));
        }

        QPointer<QLabel> old = view.rowLabel(1);
        view.ClearTrickRows();
        QCOMPARE(view.rowCount(), 0);
        QVERIFY(old.isNull());
        view.AddTrickRow("Pavel", cards);
        QCOMPARE(view.rowLabel(1)->y(), 10);
        QCOMPARE(view.rowLabel(1)->text(), QStringLiteral("Pavel"));
    }

    void resultButtonsLiveOnlyAtTheEndOfAGame() {
        TViewStychu tricks;
        Tvyhodnoceni view(tricks);
        const Card talon[2] = {{0, 8, 8}, {2, 9, 9}};
        QString live;
        AnswerModal(view, view.CancelBtn, &live);
        QVERIFY(!view.ShowResult(talon, Card{1, 7, 27}));  // "Zrušit" asks for no deal
        QCOMPARE(live, QStringLiteral("111"));
        QVERIFY(!view.OKBtn->isEnabled() && !view.HelpBtn->isEnabled());

        live.clear();
        AnswerModal(view, view.OKBtn, &live);
        QVERIFY(view.ShowResult(talon, Card{1, 7, 27}));

        live.clear();
        AnswerModal(view, view.CancelBtn, &live);
        view.ShowLastGame();
        QCOMPARE(live, QStringLiteral("010"));  // "Poslední hra": only "Zrušit"
    }

    void facesLoadByNameAndTakeTheSuitGameCodes() {
        TempFolder folder;
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 7; rank <= 14; ++rank)
                folder.Picture(QString::fromStdString(CardPictureFile(suit, rank)),
                               QColor(suit * 60, rank * 15, 0));
        QString error;
        QVERIFY2(LoadCardPictures(folder.path(""), error), qPrintable(error));
        QCOMPARE(CardPicture(1, 15), CardPicture(1, 10));
        QCOMPARE(CardPicture(2, 16), CardPicture(2, 14));
        QVERIFY(CardPicture(2, 16) != CardPicture(2, 13));
        QVERIFY(CardPicture(0, 17).isNull() && CardPicture(4, 7).isNull());

        // The viewer's talon and trump pictures show the game's cards.
        TViewStychu tricks;
        const Card talon[2] = {{0, 8, 8}, {2, 9, 9}};
        tricks.ShowTalonAndTrump(talon, Card{1, 14, 36});
        QCOMPARE(tricks.Image3->picture().toImage().pixelColor(20, 20),
                 CardPicture(1, 14).pixelColor(10, 10));

        QFile::remove(folder.path("cards/2_q.bmp"));
        QVERIFY(!LoadCardPictures(folder.path(""), error));
        QVERIFY2(error.startsWith(QStringLiteral("cards/2_q.bmp")), qPrintable(error));
        UnloadCardPictures();
    }
};

QTEST_MAIN(ViewStychuTest)
#include "view_stychu_test.moc"
