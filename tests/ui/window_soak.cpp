// The window over time: a scripted human plays many deals through the real main window, its
// card pictures, decision dialogs, result view and tricks viewer, with the trick pause cut to a
// millisecond. The human clicks what a player sees, from a seeded generator: mostly moves the
// rules take, now and then a click the game refuses (another seat's card, a card that may not
// be played, a disabled button, F2 during a deal), and every dialog answer tossed.
//
//   window_soak [DEALS] [SEED]      (run where cards/ and images/ are; 1000 deals unless told)
//
// It prints the resident memory after deal 100 and at the end and how long the game log takes
// to take a line and to scroll, and fails when memory grew more than 5 MB between the two,
// when a deal got stuck, or when the game showed one of its plain messages.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <random>

#include "table/tplayer.h"
#include "ui/TDasFlekFrm.h"
#include "ui/TGoodBadFrm.h"
#include "ui/TWhatTalon.h"
#include "ui/card_image.h"
#include "ui/card_picture.h"
#include "ui/human_dialogs.h"
#include "ui/tmain.h"
#include "ui/view_stychu.h"
#include "ui/vyhodnoceni.h"

namespace {

constexpr int kFirstMeasure = 100;
constexpr double kAllowedGrowthMb = 5.0;
constexpr qint64 kStuckMs = 30000;

double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// How long the log takes, in milliseconds: a new line on top shown at once, the worst of
// `lines`; and a scroll to its oldest line and back, each painted.
struct LogTimes {
    int lines = 0;
    double appendMean = 0, appendWorst = 0, scroll = 0;
};

LogTimes TimeLog(TMain& m) {
    QListWidget& log = *m.ListBox1;
    LogTimes t;
    constexpr int kSamples = 50;
    QElapsedTimer clock;
    for (int i = 0; i < kSamples; ++i) {
        clock.start();
        m.LogLine("Zkouška odezvy: řádek " + std::to_string(i));
        log.repaint();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        t.appendMean += ms / kSamples;
        t.appendWorst = std::max(t.appendWorst, ms);
    }
    clock.start();
    log.scrollToBottom();
    log.repaint();
    log.scrollToTop();
    log.repaint();
    t.scroll = double(clock.nsecsElapsed()) / 1e6;
    t.lines = log.count();
    return t;
}

void PrintLog(const char* when, const LogTimes& t) {
    std::printf(
        "%s: game log of %d lines: a line on top in %.3f ms (worst %.3f ms), "
        "scroll to the end and back %.3f ms\n",
        when, t.lines, t.appendMean, t.appendWorst, t.scroll);
}

class ScriptedHuman : public QObject {
public:
    ScriptedHuman(TMain& m, Tvyhodnoceni& result, TViewStychu& tricks, int deals, uint32_t seed)
        : m_(m), result_(result), tricks_(tricks), deals_(deals), rng_(seed) {}

    void Start() {
        sinceDeal_.start();
        Next();
        m_.Menu_NovaHraClick();
    }

    int finished = 0;
    bool stuck = false;
    double rssFirst = 0, rssLast = 0;
    LogTimes logFirst, logLast;

private:
    int Pick(int n) { return int(rng_() % uint32_t(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // A click may open a dialog whose loop runs inside it: the next step is posted first, so
    // it comes from that loop.
    void Next() {
        if (!done_) QMetaObject::invokeMethod(this, &ScriptedHuman::Tick, Qt::QueuedConnection);
    }

    void Tick() {
        Next();
        if (sinceDeal_.elapsed() > kStuckMs) {
            stuck = true;
            return Finish();
        }
        if (QWidget* modal = QApplication::activeModalWidget()) return AnswerModal(modal);
        if (!m_.Menu_NovaHra->isEnabled() || Chance(90)) {
            if (Chance(15))
                RefusedClick();
            else
                Move();
        } else if (Chance(10) && m_.Menu_LastGame->isEnabled()) {
            m_.Menu_LastGame->trigger();  // "Poslední hra" between deals
        } else {
            QApplication::setActiveWindow(&m_);
            QTest::keyClick(&m_, Qt::Key_F2);
        }
    }

    void AnswerModal(QWidget* modal) {
        const HumanDialogs& d = m_.dialogs();
        if (modal == &tricks_) return tricks_.OKBtn->click();
        if (modal == d.whatTalon) return Click(d.whatTalon->OKBtn);
        if (modal == d.goodBad) {
            QPushButton* b = Chance(70) ? d.goodBad->OKBtn : d.goodBad->CancelBtn;
            return Click(b->isEnabled() ? b : d.goodBad->OKBtn);
        }
        if (modal == d.dasFlek) {
            for (QCheckBox* box : {d.dasFlek->CheckBox1, d.dasFlek->CheckBox2, d.dasFlek->CheckBox3,
                                   d.dasFlek->CheckBox4})
                if (box->isEnabled() && Chance(10)) Click(box);
            return Click(Chance(30) ? d.dasFlek->OKBtn : d.dasFlek->CancelBtn);
        }
        if (modal != &result_) return;  // a message box would be a fault: the run reports it
        // The result view after a settlement offers "Rozdat"; "Poslední hra" does not.
        if (!result_.OKBtn->isEnabled()) return result_.CancelBtn->click();
        if (m_.game().gamesPlayed != counted_) {
            counted_ = m_.game().gamesPlayed;
            DealFinished();
            if (finished >= deals_) return;
            if (Chance(10)) return Click(result_.HelpBtn);  // "Štychy"
        }
        Click(Chance(85) ? result_.OKBtn : result_.CancelBtn);
    }

    void DealFinished() {
        ++finished;
        sinceDeal_.start();
        if (finished % 100 == 0 || finished == deals_)
            std::printf("deal %d: resident %.1f MB\n", finished, ResidentMb());
        if (finished == kFirstMeasure) {
            rssFirst = ResidentMb();
            logFirst = TimeLog(m_);
        }
        if (finished == deals_) {
            rssLast = ResidentMb();
            logLast = TimeLog(m_);
            Finish();
        }
        std::fflush(stdout);
    }

    void Finish() {
        done_ = true;
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

    // What the rules take: a trump card and "Trumf"; a contract, the declarations, two cards
    // and "Talon"; a card of the hand (one the rules refuse is simply tried again later).
    void Move() {
        TPlayer& p = m_.player();
        if (m_.TrumpButton->isVisible()) {
            ClickSlot(1 + Pick(12));
            if (m_.TrumpButton->isEnabled()) Click(m_.TrumpButton);
        } else if (m_.TalonButton->isVisible()) {
            QRadioButton* radio[3] = {m_.RadioButton5, m_.RadioButton3, m_.RadioButton1};
            QRadioButton* chosen = radio[Chance(80) ? 0 : 1 + Pick(2)];
            if (chosen->isEnabled() && !chosen->isChecked()) Click(chosen);
            for (QCheckBox* box : {m_.CheckBox1, m_.CheckBox2})
                if (box->isEnabled() && Chance(10)) Click(box);
            for (int tries = 0; tries < 40 && !m_.TalonButton->isEnabled(); ++tries) {
                const int slot = 1 + Pick(12);
                if (p.hand[slot].state == discardCandidate) ClickSlot(slot);
            }
            if (m_.TalonButton->isEnabled()) Click(m_.TalonButton);
        } else if (m_.game().state == Waiting && m_.game().humanMayPlay) {
            ClickSlot(1 + Pick(10));
        }
    }

    // What a curious player tries and the game ignores.
    void RefusedClick() {
        QWidget* controls[] = {m_.TrumpButton,  m_.TalonButton, m_.RadioButton5, m_.RadioButton3,
                               m_.RadioButton1, m_.CheckBox1,   m_.CheckBox2};
        switch (Pick(4)) {
            case 0:
                Click(controls[Pick(7)]);
                break;
            case 1:
                if (!m_.Menu_NovaHra->isEnabled()) {
                    QApplication::setActiveWindow(&m_);
                    QTest::keyClick(&m_, Qt::Key_F2);
                }
                break;
            default: {
                const THrac& seat = *m_.game().Seat(1 + Pick(3));
                if (TCardImage* card = m_.cardPicture(seat.hand[1 + Pick(12)].picture))
                    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 50));
            }
        }
    }

    void ClickSlot(int slot) {
        if (TCardImage* card = m_.cardPicture(m_.player().hand[slot].picture))
            QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 50));
    }
    static void Click(QWidget* w) {
        if (w->isVisible()) QTest::mouseClick(w, Qt::LeftButton);
    }

    TMain& m_;
    Tvyhodnoceni& result_;
    TViewStychu& tricks_;
    int deals_;
    std::mt19937 rng_;
    bool done_ = false;
    QElapsedTimer sinceDeal_;
    int counted_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const uint32_t seed = argc > 2 ? uint32_t(std::strtoul(argv[2], nullptr, 10)) : 1;

    QString error;
    if (!LoadCardPictures(QDir::currentPath(), error)) {
        std::fprintf(stderr, "window_soak: %s\n", qPrintable(error));
        return 2;
    }
    // The player's files go to a scratch folder; every game is played out.
    QTemporaryDir scratch;
    QFile ini(scratch.filePath(QStringLiteral("Kvelta.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[GAME]\nBEZFLEKU=0\n") < 0) return 2;
    ini.close();
    qputenv("KVELTA_SEED", QByteArray::number(seed));

    QStringList messages;
    TMain::Setup setup;
    setup.settingsFile = ini.fileName();
    setup.statisticsFile = scratch.filePath(QStringLiteral("Playing.dta"));
    setup.report = [&](const QString& text) { messages << text; };
    setup.audioOutput = false;
    TMain main(setup);
    main.Timer1.setInterval(1);  // the trick pause of a soak, not of a player
    TViewStychu tricks(&main);
    Tvyhodnoceni result(tricks, &main);
    main.SetResultView(&result);
    main.show();

    ScriptedHuman human(main, result, tricks, deals, seed);
    QElapsedTimer clock;
    clock.start();
    human.Start();
    app.exec();
    std::printf("%d deals in %.1f s\n", human.finished, double(clock.elapsed()) / 1000);

    bool ok = true;
    if (human.stuck) {
        std::printf("FAIL: deal %d got stuck\n", human.finished + 1);
        ok = false;
    }
    for (const QString& text : messages) {
        std::printf("FAIL: the game said: %s\n", qPrintable(text));
        ok = false;
    }
    if (human.finished >= kFirstMeasure && deals > kFirstMeasure) {
        PrintLog("after deal 100", human.logFirst);
        PrintLog("at the end", human.logLast);
        const double growth = human.rssLast - human.rssFirst;
        std::printf("resident: %.1f MB after deal %d, %.1f MB after deal %d (%+.1f MB)\n",
                    human.rssFirst, kFirstMeasure, human.rssLast, human.finished, growth);
        if (growth > kAllowedGrowthMb) {
            std::printf("FAIL: resident memory grew by more than %.0f MB\n", kAllowedGrowthMb);
            ok = false;
        }
    } else if (!human.stuck) {
        std::printf("resident: %.1f MB after deal %d\n", human.rssLast, human.finished);
    }
    return ok ? 0 : 1;
}
