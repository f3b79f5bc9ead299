// The "Nastavení" dialogs and the player ratings, used the way a player uses them: values typed
// and clicked, OK, "Zrušit" or the close box, the settings saved and loaded again as at a
// restart, and deals settled under the rules the dialogs hold.
#include "ui/settings_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <map>

#include "game/thra.h"
#include "records/game_settings.h"
#include "records/ini_file.h"
#include "records/statistics.h"
#include "records/text_format.h"
#include "ui/card_image.h"
#include "ui/tdetail_hracu.h"
#include "ui/tfrm_banka.h"
#include "ui/tfrm_michani.h"
#include "ui/tfrm_rubs.h"
#include "ui/tfrmvyber.h"
#include "ui/tnastaveni_hry.h"
#include "ui/tstatistika.h"
#include "ui_fixture.h"

namespace {

Card C(int suit, int rank) {
    return Card{uint8_t(suit), uint8_t(rank), 0};
}

struct LogView : NullTableView {
    std::vector<std::string> log;
    void LogLine(std::string_view text) override { log.emplace_back(text); }
    bool KeepsLog() const override { return true; }
};

// The main window's side of the settings: name labels, money fields and the card back, which
// changes only when its picture loads.
struct TableWindow : ISettingsWindow {
    WindowBounds bounds;
    std::map<int, std::string> names, money;
    std::string cardBack;

    void SetWindowBounds(const WindowBounds& b) override { bounds = b; }
    WindowBounds CurrentWindowBounds() const override { return bounds; }
    void ShowSeatName(int seatNo, std::string_view name) override { names[seatNo] = name; }
    void ShowSeatMoney(int seatNo, std::string_view text) override { money[seatNo] = text; }
    bool LoadCardBack(const std::string& path, std::string& error) override {
        QPixmap picture;
        QString message;
        if (!LoadStoredPicture(path, picture, message)) {
            error = message.toStdString();
            return false;
        }
        cardBack = path;
        return true;
    }
    void OpenHomePage(const std::string&) override {}
};

// One run of the program: the settings loaded, the dialogs created from them and serving the
// game's rules, the statistics file open.
struct Run {
    LogView view;
    THra game{GamePorts{&view}};
    GameSettings settings;
    TableWindow window;
    StatisticsFile statistics;
    QWidget mainWindow;
    QStringList errors;
    std::unique_ptr<SettingsDialogs> dialogs;

    Run() {
        std::string error;
        const bool loaded =
            LoadSettings(kSettingsFileName, settings, game, window, TodayDayNumber(), error);
        if (!loaded) qWarning("load failed: %s", error.c_str());
        statistics.Open(kPlayingFileName);
        dialogs = std::make_unique<SettingsDialogs>(
            settings, game, window, &statistics, [this](const QString& e) { errors.append(e); },
            &mainWindow);
        game.SetPorts(GamePorts{.view = &view, .records = &statistics, .rules = dialogs.get()});
    }
    ~Run() {
        std::string error;
        if (!SaveSettings(kSettingsFileName, settings, game, window, error))
            qWarning("save failed: %s", error.c_str());
    }
    const RuleSet& rules() const { return game.rules(); }
};

IniFile SavedFile() {
    IniFile ini;
    std::string error;
    ini.Load(kSettingsFileName, error);
    return ini;
}

// Runs `act` once the next modal dialog's loop is running. A check failing inside `act`
// leaves it early; the dialog is then closed, so that the test fails instead of hanging.
void WhenShown(std::function<void()> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        act();
        if (dialog && dialog->isVisible()) dialog->close();
    });
}

// As typed by the user (key clicks of the test library know only ASCII).
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

// A suit game in hearts that seat 1 won 70 : 20, nobody doubled, no seven in the last trick.
void SettleHeartsGame(THra& g) {
    g.contractKind = Barva;
    g.trumpCard = C(0, 12);
    g.declarer = g.Seat(1);
    const int points[3] = {70, 10, 10};
    for (int s = 1; s <= 3; ++s) {
        g.Seat(s)->points = uint8_t(points[s - 1]);
        g.Seat(s)->meldSum = g.Seat(s)->firstMeld = 0;
        g.Seat(s)->playedCard = C(s, 9);
    }
    g.flekCount = g.sevenFlekCount = 0;
    g.sevenDeclared = g.hundredDeclared = g.sevenAgainst = g.hundredAgainst = false;
    g.moneyBase = g.Seat(1)->money;
    g.SettleSuitGame(g.Seat(1));
}

}  // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> folder_;

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        folder_->Picture("images/cportal.bmp", Qt::darkBlue);
    }
    void cleanup() {
        folder_.reset();
        SetDecimalSeparator('.');
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void stakesTypedWithACommaSurviveARestart() {
        SetDecimalSeparator(',');
        {
            Run run;
            WhenShown([&] {
                Type(run.dialogs->nastaveniHry->Edit1, "0,5");
                Type(run.dialogs->nastaveniHry->Edit2, "123456789012");
                run.dialogs->nastaveniHry->OKBtn->click();
            });
            run.dialogs->Menu_optionHraClick();
            QCOMPARE(run.settings.rules.zakladHry, "0,5");
            QCOMPARE(run.settings.rules.betl, "1234567890");
        }
        QCOMPARE(SavedFile().ReadDecimal("GAME", "ZAKLAD_HRY", 0), 0.5);
        QCOMPARE(SavedFile().ReadText("GAME", "BETL", ""), "1234567890");
        Run restarted;
        QCOMPARE(restarted.dialogs->nastaveniHry->Edit1->text(), "0,5");
        QCOMPARE(ParseDecimalText(restarted.rules().zakladHry), 0.5);
    }

    // HERCE switched off and the dialog left by its close box: the next settlement no longer
    // doubles hearts, but nothing is stored for the next start.
    void aSwitchChangedInTheDialogRulesTheNextSettlement() {
        Run run;
        SettleHeartsGame(run.game);
        QCOMPARE(run.game.Seat(1)->money, 1000.4);  // 0.1 doubled for hearts, twice
        WhenShown([&] {
            run.dialogs->nastaveniHry->CheckBox3->click();
            run.dialogs->nastaveniHry->close();
        });
        run.dialogs->Menu_optionHraClick();
        QVERIFY(!run.rules().herce);
        QVERIFY(run.settings.rules.herce);
        SettleHeartsGame(run.game);
        QCOMPARE(run.game.Seat(1)->money, 1000.6);
    }

    void shufflingChoicesAndTheSpinBox() {
        {
            Run run;
            Tfrm_michani& d = *run.dialogs->michani;
            QVERIFY(d.RadioButton3->isChecked() && d.SpinEdit1->isEnabled());  // the defaults
            WhenShown([&] {
                d.RadioButton2->click();
                QVERIFY(!d.SpinEdit1->isEnabled());
                d.RadioButton3->click();
                QVERIFY(d.SpinEdit1->isEnabled());
                d.SpinEdit1->setValue(7);
                d.RadioButton5->click();
                d.OKBtn->click();
            });
            run.dialogs->Menu_optionMichaniClick();
            // "Zrušit" stores nothing, yet the choice is in force for this run.
            WhenShown([&] {
                d.RadioButton1->click();
                d.CancelBtn->click();
            });
            run.dialogs->Menu_optionMichaniClick();
            QCOMPARE(run.rules().michani, 1);
            QCOMPARE(run.settings.rules.michani, 3);
        }
        Run restarted;
        Tfrm_michani& d = *restarted.dialogs->michani;
        QVERIFY(d.RadioButton3->isChecked() && d.RadioButton5->isChecked());
        QVERIFY(d.SpinEdit1->isEnabled());
        QCOMPARE(restarted.rules().pocetSejmuti, 7);
    }

    void theBankSquaresAddsAndCancels() {
        Run run;
        Tfrm_banka& bank = *run.dialogs->banka;
        run.game.Seat(2)->money = 512.5;
        run.game.Seat(3)->money = -20;
        WhenShown([&] {
            bank.Button1->click();
            bank.OKBtn->click();
        });
        run.dialogs->manu_optionBankaClick();
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(run.game.Seat(n)->money, 1000.0);
            QCOMPARE(run.window.money[n], " 1000.00");
        }

        run.game.Seat(3)->money = 7;
        WhenShown([&] {
            Type(bank.Edit1, "50");
            bank.OKBtn->click();
        });
        run.dialogs->manu_optionBankaClick();
        QCOMPARE(run.game.Seat(1)->money, 1050.0);
        QCOMPARE(run.window.money[3], "   57.00");
        // The amount is still there at the next opening; "Zrušit" discards the squaring.
        WhenShown([&] {
            QCOMPARE(bank.Edit1->text(), "50");
            bank.Button1->click();
            bank.CancelBtn->click();
        });
        run.dialogs->manu_optionBankaClick();
        QCOMPARE(run.game.Seat(3)->money, 57.0);
    }

    void aLongNameIsShownWholeButKeptAsTenCharacters() {
        {
            Run run;
            WhenShown([&] {
                QCOMPARE(run.dialogs->detailHracu->Edit2->text(), "Radek");
                Type(run.dialogs->detailHracu->Edit1, "Bartolomějíček");
                run.dialogs->detailHracu->close();  // the close box takes the names too
            });
            run.dialogs->Menu_optionPlayerClick();
            QCOMPARE(run.window.names[1], "Bartolomějíček");
            QCOMPARE(run.game.Seat(1)->name, "Bartoloměj");
            run.game.LogCall(*run.game.Seat(1), "Dobré");
            QCOMPARE(run.view.log.back(), "Bartoloměj:Dobré");
        }
        QCOMPARE(SavedFile().ReadText("USER", "PLAYER_NAME_1", ""), "Bartoloměj");
    }

    void aCardBackChosenTakesEffectOnlyWithOk() {
        folder_->Picture("images/zelena.bmp", Qt::darkGreen);
        folder_->Write("images/vadny.bmp", "not a picture");
        {
            Run run;
            Tfrm_rubs& d = *run.dialogs->rubs;
            QCOMPARE(run.errors.size(), 1);  // the broken picture, left out of the list
            QCOMPARE(int(d.Thumbnails().size()), 2);
            TRubs* green = d.Thumbnails()[1];
            QCOMPARE(green->path(), "images\\zelena.bmp");
            QCOMPARE(green->pos(), QPoint(10, 110));

            WhenShown([&] {
                QTest::mouseClick(green, Qt::LeftButton);
                QCOMPARE(d.ChosenPath(), green->path());
                d.CancelBtn->click();
            });
            run.dialogs->menu_rubsClick();
            QCOMPARE(run.window.cardBack, "images\\cportal.bmp");
            QCOMPARE(run.settings.cardBack, "images\\cportal.bmp");

            WhenShown([&] {
                QCOMPARE(d.ChosenPath(), "images\\cportal.bmp");
                QTest::mouseClick(green, Qt::LeftButton);
                d.OKBtn->click();
            });
            run.dialogs->menu_rubsClick();
            QCOMPARE(run.window.cardBack, "images\\zelena.bmp");
        }
        QCOMPARE(SavedFile().ReadText("GAME", "RUB", ""), "images\\zelena.bmp");
    }

    // In the window: the computer players' cards and the trump card's place turn over to the
    // new back at once.
    void aNewCardBackTurnsTheBacksOnTheTable() {
        TestWindow w("[GAME]\nSTART_PLAYER=3\n");  // the human deals first and names trumps
        w.main->Menu_NovaHraClick();
        QVERIFY(RunUntil([&] { return w.game().state == Waiting; }));
        const TCardImage* back = w.main->cardPicture(w.game().Seat(2)->hand[1].picture);
        QVERIFY(back && !back->showsFace());
        const auto colour = [](const TCardImage* image) {
            const QImage picture = image->picture().toImage();
            return picture.pixelColor(picture.width() / 2, picture.height() / 2);
        };
        QCOMPARE(colour(back), QColor(Qt::blue));
        QCOMPARE(colour(w.main->Image1), QColor(Qt::blue));

        w.folder.Picture("images/zelena.bmp", Qt::green);
        std::string error;
        QVERIFY(w.main->LoadCardBack("images\\zelena.bmp", error));
        QCOMPARE(colour(back), QColor(Qt::green));
        QCOMPARE(colour(w.main->Image1), QColor(Qt::green));
    }

    // A betl lost by seat 2, a game at a zero stake, then seat 1 renamed and one more game.
    void ratingsTotalEachNameFromTheFile() {
        Run run;
        THra& g = run.game;
        g.contractKind = Betl;
        g.declarer = g.Seat(2);
        g.moneyBase = g.Seat(1)->money;
        g.SettleBetlDurch(g.Seat(2));  // the declarer took a trick
        run.dialogs->nastaveniHry->Edit1->setText("0");
        SettleHeartsGame(g);
        WhenShown([&] {
            Type(run.dialogs->detailHracu->Edit1, "Vojtěch");
            run.dialogs->detailHracu->OKBtn->click();
        });
        run.dialogs->Menu_optionPlayerClick();
        run.dialogs->nastaveniHry->Edit1->setText("1");
        SettleHeartsGame(g);

        TFrmVyber& vyber = *run.dialogs->vyber;
        TStatistika& stat = *run.dialogs->statistika;
        QStringList names;
        std::map<QString, QStringList> grids;
        WhenShown([&] {
            for (int row = 0; row < vyber.ListBox1->count(); ++row) {
                names << vyber.ListBox1->item(row)->text();
                vyber.ListBox1->setCurrentRow(row);
                WhenShown([&] {
                    QStringList& cells = grids[names.back()];
                    for (QLabel* l :
                         {stat.Label10, stat.Label11, stat.Label12, stat.Label13, stat.Label14,
                          stat.Label15, stat.Label16, stat.Label17, stat.Label18})
                        cells << l->text();
                    stat.OKBtn->click();
                });
                vyber.StatistikaBtn->click();
            }
            vyber.OKBtn->click();
        });
        run.dialogs->ShowPlayerRatings();

        QCOMPARE(names, QStringList({"Radek", "Pavel", "Vojta", "Vojtěch"}));
        // won, lost, all: in all games, suit games, betls
        QCOMPARE(grids["Radek"].join(' '), "0 2 3 0 1 2 0 1 1");
        QCOMPARE(grids["Pavel"].join(' '), "1 1 3 0 1 2 1 0 1");
        QCOMPARE(grids["Vojta"].join(' '), "1 0 2 0 0 1 1 0 1");
        QCOMPARE(grids["Vojtěch"].join(' '), "1 0 1 1 0 1 0 0 0");
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
