// The announcement and doubling phase with scripted seats: who is asked, in which order, how
// take-overs restart the asking, how the flek levels count, and the undoubled quick end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/thra.h"
#include "support/fakes.h"

namespace {

// A scripted seat that records when it is asked and can take the game over once.
class AskedSeat : public ScriptedSeat {
public:
    AskedSeat(THra& g, int no, std::vector<std::string>* journal)
        : ScriptedSeat(g, no), journal_(journal) {}
    int takeAs = -1;                   // the contract kind it takes the game as, or -1 to accept
    bool laysTalon = true;             // a taker lays the talon it took up straight back
    std::vector<uint8_t> flekAnswers;  // answers in turn; then 0

    bool AnswerGame() override {
        journal_->push_back("ask " + std::to_string(seatNo));
        if (takeAs < 0 || !game->TakeOver(*this, uint8_t(takeAs))) return true;
        journal_->push_back("take " + std::to_string(seatNo));
        takeAs = -1;
        if (laysTalon) game->LayAwayTalon(*this, 11, 12, game->contractKind);
        return false;
    }
    uint8_t AnswerFlek(uint8_t offer) override {
        offers.push_back(offer);
        journal_->push_back("flek? " + std::to_string(seatNo) + " level " +
                            std::to_string(game->flekCount + 1));
        if (game->flekCount >= 10) return 0;
        if (flekAnswers.empty()) return 0;
        const uint8_t a = flekAnswers.front();
        flekAnswers.erase(flekAnswers.begin());
        return a;
    }

private:
    std::vector<std::string>* journal_;
};

struct PhaseTable : RecordingPorts {
    std::vector<std::string> journal;
    std::unique_ptr<THra> game;

    PhaseTable() {
        game = std::make_unique<THra>(Ports(), [this](THra& g, int no) {
            return std::make_unique<AskedSeat>(g, no, &journal);
        });
        THra& g = *game;
        for (int n = 1; n <= 3; ++n) {
            GiveHand(*g.Seat(n), {C(0, 7), C(1, 8), C(2, 9), C(3, 10), C(0, 11), C(1, 12), C(2, 13),
                                  C(3, 14), C(0, 8), C(1, 9)});
            g.Seat(n)->money = 100;
        }
        g.Seat(1)->name = "Vojta";
        g.Seat(2)->name = "Radek";
        g.Seat(3)->name = "Pavel";
        g.contractKind = Barva;
        g.trumpCard = C(2, 9);
        g.talon[0] = C(2, 7);
        g.talon[1] = C(3, 7);
        g.forehand = g.declarer = g.onTurn = g.Seat(2);
        g.state = Waiting;
    }
    AskedSeat& seat(int n) { return static_cast<AskedSeat&>(*game->Seat(n)); }
};

}  // namespace

TEST(AnnouncePhase, AsksTheTwoSeatsAfterTheDeclarerThenTheDefendersForAFlek) {
    PhaseTable t;
    t.rules.rules.bezfleku = false;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.journal,
              (std::vector<std::string>{"ask 3", "ask 1", "flek? 3 level 1", "flek? 1 level 1"}));
    EXPECT_EQ(t.view.log, (std::vector<std::string>{"Radek: Barva", "Radek: Žaludy"}));
    EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"barva", "zaludy"}));
    EXPECT_EQ(t.view.declarerLabel, "Hraje :Radek");
    EXPECT_EQ(t.view.contractLabel, "Barva");
    EXPECT_EQ(t.game->flekCount, 0);
    EXPECT_EQ(t.game->state, Playing);  // BEZFLEKU off: the game is played out
    EXPECT_EQ(t.result.shown, 0);
}

TEST(AnnouncePhase, TakeOversRestartTheAskingAfterTheNewDeclarer) {
    // Seat 3 takes the suit game as betl; seat 1, asked again after seat 3, takes it as durch;
    // then seats 2 and 3 are asked about the durch.
    PhaseTable t;
    t.seat(3).takeAs = Betl;
    t.seat(1).takeAs = Durch;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.journal, (std::vector<std::string>{"ask 3", "take 3", "ask 1", "take 1", "ask 2",
                                                   "ask 3", "flek? 2 level 1", "flek? 3 level 1"}));
    EXPECT_EQ(t.game->declarer, t.game->Seat(1));
    EXPECT_EQ(t.game->contractKind, Durch);
    EXPECT_EQ(t.view.declarerLabel, "Hraje :Vojta");
    EXPECT_EQ(t.view.contractLabel, "Durch");
    // No trumps are announced in a durch; nothing is settled before play.
    EXPECT_EQ(t.view.log, std::vector<std::string>{"Radek: Barva"});
    EXPECT_EQ(t.game->state, Playing);
}

TEST(AnnouncePhase, ATakerStillChoosingItsTalonEndsThePhaseUntilTheTalonIsLaid) {
    // The way the human takes a game: the talon is laid later, through clicks.
    PhaseTable t;
    THra& g = *t.game;
    t.seat(3).takeAs = Betl;
    t.seat(3).laysTalon = false;
    g.AnnouncePhase(g.Seat(2));
    EXPECT_EQ(t.journal, (std::vector<std::string>{"ask 3", "take 3"}));
    EXPECT_EQ(g.state, Waiting);
    EXPECT_TRUE(g.talonPending);
    EXPECT_FALSE(g.TalonDone(t.seat(3)));  // twelve cards, no talon yet

    // Laying the talon (as a durch, chosen while laying it) and finishing it runs the phase
    // again from the start, with the taker as declarer.
    t.journal.clear();
    ASSERT_TRUE(g.LayAwayTalon(t.seat(3), 1, 11, Durch));
    ASSERT_TRUE(g.TalonDone(t.seat(3)));
    EXPECT_EQ(t.journal,
              (std::vector<std::string>{"ask 1", "ask 2", "flek? 1 level 1", "flek? 2 level 1"}));
    EXPECT_EQ(t.view.log, (std::vector<std::string>{"Radek: Barva", "Pavel: Durch"}));
    EXPECT_EQ(g.contractKind, Durch);
    EXPECT_EQ(g.state, Playing);
}

TEST(AnnouncePhase, StosedmDeclaredAtTheTableSkipsAskingAndDoubling) {
    PhaseTable t;
    t.view.sevenBox = t.view.hundredBox = true;
    t.game->sevenDeclared = t.game->hundredDeclared = true;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_TRUE(t.journal.empty());
    EXPECT_EQ(t.view.log, std::vector<std::string>{"Radek: Barva"});
}

TEST(AnnouncePhase, BothDefendersDoublingInOneExchangeCountOnce) {
    PhaseTable t;
    t.seat(3).flekAnswers = {FlekGame};
    t.seat(1).flekAnswers = {FlekGame};
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.game->flekCount, 1);
    EXPECT_EQ(t.journal.back(), "flek? 2 level 2");  // the declarer is asked for level 2
    EXPECT_EQ(t.game->state, Playing);
}

TEST(AnnouncePhase, FiveFullExchangesStopAtChotAndNobodyIsOfferedAnEleventhLevel) {
    PhaseTable t;
    t.seat(3).flekAnswers = std::vector<uint8_t>(10, FlekGame);
    t.seat(2).flekAnswers = std::vector<uint8_t>(10, FlekGame);
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.game->flekCount, 10);
    EXPECT_EQ(FlekName(t.game->flekCount), "choť");
    for (const std::string& line : t.journal) EXPECT_EQ(line.find("level 11"), std::string::npos);
    // Defenders were asked at levels 1, 3, 5, 7, 9; the declarer at 2, 4, 6, 8, 10.
    EXPECT_EQ(std::count(t.journal.begin(), t.journal.end(), "flek? 2 level 10"), 1);
    EXPECT_EQ(t.seat(2).offers.size(), 5u);
}

TEST(AnnouncePhase, TheSevenIsOfferedWhenDeclaredAndItsDoublingsCounted) {
    PhaseTable t;
    t.rules.rules.bezfleku = false;
    t.game->sevenDeclared = true;
    t.game->hundredDeclared = true;
    t.seat(3).flekAnswers = {FlekGame | FlekSeven};
    t.seat(2).flekAnswers = {FlekGame | FlekSeven};
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.view.log,
              (std::vector<std::string>{"Radek: Barva", "Radek: Žaludy", "Radek: Hlásím sedmu"}));
    EXPECT_EQ(t.seat(3).offers.front(), FlekGame | FlekSeven | FlekHundred);
    // The declarer is offered what the defenders answered; the next defenders' offer drops
    // the hundred.
    EXPECT_EQ(t.seat(2).offers.front(), FlekGame | FlekSeven);
    EXPECT_EQ(t.seat(3).offers[1], FlekGame | FlekSeven);
    EXPECT_EQ(t.game->flekCount, 2);
    EXPECT_EQ(t.game->sevenFlekCount, 2);
}

TEST(AnnouncePhase, ALoneDoublingOfTheSevenChangesNoCounterAndEndsTheExchange) {
    PhaseTable t;
    t.rules.rules.bezfleku = false;
    t.game->sevenDeclared = true;
    t.seat(3).flekAnswers = {FlekSeven};
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.game->flekCount, 0);
    EXPECT_EQ(t.game->sevenFlekCount, 0);
    EXPECT_TRUE(t.seat(2).offers.empty());
}

TEST(UnflekedGameEnd, AnUndoubledSuitGameWithADeclaredSevenIsSettledAtOnce) {
    PhaseTable t;
    t.game->sevenDeclared = true;
    t.game->gamesPlayed = 7;
    t.result.answerDeal = true;
    // A window closed while the result is shown saves the balances: the game is in them.
    double declarerMoneyShown = 0;
    t.result.onShow = [&] { declarerMoneyShown = t.game->Seat(2)->money; };
    t.game->AnnouncePhase(t.game->Seat(2));
    THra& g = *t.game;
    EXPECT_DOUBLE_EQ(declarerMoneyShown, 101.0);
    EXPECT_EQ(g.state, Waiting);
    EXPECT_EQ(g.tricksPlayed, 10);
    EXPECT_TRUE(g.newGameRequested);
    EXPECT_EQ(t.result.lines, (std::vector<std::string>{
                                  "Nefleknutá hra                 0.10",
                                  "Hlášená sedma                  0.40",
                              }));
    // Newest on top in the window: "Nefleknutá hra" above "Hlášená sedma".
    ASSERT_GE(t.view.log.size(), 2u);
    EXPECT_EQ(t.view.log[t.view.log.size() - 2], "Hlášená sedma");
    EXPECT_EQ(t.view.log.back(), "Nefleknutá hra");
    EXPECT_DOUBLE_EQ(g.Seat(2)->money, 101.0);
    EXPECT_DOUBLE_EQ(g.Seat(3)->money, 99.5);
    EXPECT_DOUBLE_EQ(g.Seat(1)->money, 99.5);
    EXPECT_EQ(t.sound.played.back(), "wavs\\hura.wav (no wait)");
    ASSERT_EQ(t.records.records.size(), 3u);
    EXPECT_EQ(t.records.records[0].name, "Radek");
    EXPECT_EQ(t.records.records[0].result, ResultWon);
    EXPECT_EQ(t.records.records[1].name, "Pavel");
    EXPECT_EQ(t.records.records[1].result, ResultLost);
    EXPECT_EQ(t.records.records[2].name, "Vojta");
    EXPECT_EQ(t.records.records[2].deal, 7);
    // Every card still held went to the pile for the next deal.
    EXPECT_EQ(g.cards.pileCount, 30);
}

TEST(UnflekedGameEnd, HeartsPayDoubleWithHerceAndTheSevenAlways) {
    PhaseTable t;
    t.game->trumpCard = C(0, 8);
    t.game->sevenDeclared = true;
    t.rules.rules.zakladHry = "1";
    t.rules.rules.herce = false;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.result.lines[0], "Nefleknutá hra                 1.00");
    EXPECT_EQ(t.result.lines[1], "Hlášená sedma                  8.00");
    EXPECT_DOUBLE_EQ(t.game->Seat(2)->money, 118.0);
}

TEST(UnflekedGameEnd, WithoutASevenTheDeclarerWinsTheBaseAndTheLoserSoundPlays) {
    PhaseTable t;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.result.lines, std::vector<std::string>{"Nefleknutá hra                 0.10"});
    EXPECT_EQ(t.sound.played.back(), "wavs\\smula.wav (no wait)");
    EXPECT_DOUBLE_EQ(t.game->Seat(2)->money, 100.2);
}

TEST(UnflekedGameEnd, AHundredDeclaredAtTheTablePreventsTheQuickEnd) {
    PhaseTable t;
    t.view.hundredBox = true;
    t.game->hundredDeclared = true;
    t.game->AnnouncePhase(t.game->Seat(2));
    EXPECT_EQ(t.game->state, Playing);
    EXPECT_EQ(t.result.shown, 0);
}
