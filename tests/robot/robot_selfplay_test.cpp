// Whole deals between three computer players: every card legal, every card accounted for,
// money conserved and every deal brought to its end.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "deal/random.h"
#include "game/thra.h"
#include "game/trick_rules.h"
#include "robot/trobot.h"

namespace {

// About a second in a normal build, two under the sanitizers.
constexpr int kDeals = 30000;

struct Faults {
    int count = 0;
    std::string first;
    void Add(const std::string& what) {
        if (count++ == 0) first = what;
    }
};

// Checks every card it plays against the legal-play rule, and that a lead is counted once.
class CheckedRobot : public TRobot {
public:
    CheckedRobot(THra& g, int no, Faults& f) : TRobot(g, no), faults_(f) {}

    void PlayCard() override {
        bool legal[4][15] = {};
        for (int i = 1; i <= 10; ++i)
            if (hand[i].state == inHand)
                legal[hand[i].suit][hand[i].rank] = IsLegalPlay(*game, *this, hand[i].triple());
        const int held = cardCount;
        const int onTable = game->cardsOnTable;
        int led = 0;
        for (uint8_t n : game->ledCount) led += n;

        TRobot::PlayCard();

        int ledAfter = 0;
        for (uint8_t n : game->ledCount) ledAfter += n;
        if (!legal[playedCard.suit][playedCard.rank])
            faults_.Add("illegal " + CardCode(playedCard) + " by seat " + std::to_string(seatNo) +
                        " in deal " + std::to_string(game->gamesPlayed));
        if (cardCount != held - 1 || game->cardsOnTable != onTable + 1)
            faults_.Add("not exactly one card laid in deal " + std::to_string(game->gamesPlayed));
        if (ledAfter != led + (onTable == 0 ? 1 : 0))
            faults_.Add("lead miscounted in deal " + std::to_string(game->gamesPlayed));
        if (game->state != Playing) faults_.Add("state after a card is not Playing");
    }

private:
    Faults& faults_;
};

struct CountingView : NullTableView {
    int messages = 0;
    void ShowMessage(std::string_view) override { ++messages; }
};

// The 30 held cards and the talon are the 32 cards of the pack, each once.
bool AllCardsOnce(const THra& g) {
    bool have[4][15] = {};
    int n = 0;
    auto take = [&](const Card& c) {
        if (c.suit > 3 || c.rank < 7 || c.rank > 14 || have[c.suit][c.rank]) return false;
        have[c.suit][c.rank] = true;
        ++n;
        return true;
    };
    for (const THrac* s : g.seats) {
        if (s->cardCount != 10) return false;
        for (int i = 1; i <= 10; ++i)
            if (s->hand[i].state != inHand || !take(s->hand[i].triple())) return false;
        for (int i = 11; i <= 12; ++i)
            if (s->hand[i].state == inHand) return false;
    }
    return take(g.talon[0]) && take(g.talon[1]) && n == 32;
}

bool PileIsPack(const PackAndPile& cards) {
    if (cards.pileCount != 32) return false;
    bool have[4][15] = {};
    for (int i = 1; i <= 32; ++i) {
        const Card& c = cards.pile[i];
        if (c.suit > 3 || c.rank < 7 || c.rank > 14 || have[c.suit][c.rank]) return false;
        have[c.suit][c.rank] = true;
    }
    return true;
}

}  // namespace

TEST(RobotSelfPlay, ManySeededDealsStayLegalAndBalanced) {
    Faults faults;
    CountingView view;
    FixedRules rules;
    SeededRandom random(20240531);
    THra game(GamePorts{&view, nullptr, nullptr, nullptr, &rules, &random},
              [&faults](THra& g, int no) { return std::make_unique<CheckedRobot>(g, no, faults); });

    int kinds[3] = {}, played = 0, sevens = 0, hundreds = 0, doubled = 0, stuck = 0;
    int handsWrong = 0, pileWrong = 0, moneyWrong = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int deal = 0; deal < kDeals; ++deal) {
        rules.rules.bezfleku = deal % 8 == 0;
        rules.rules.michani = deal % 2 ? FullShuffleMode : CutOnly;
        double before = 0;
        for (const THrac* s : game.seats) before += s->money;

        game.NewGame();
        if (game.state == Playing) {
            ++played;
            if (!AllCardsOnce(game) && handsWrong++ == 0)
                faults.Add("hands and talon are not the pack in deal " + std::to_string(deal));
        }
        ++kinds[game.contractKind];
        sevens += game.sevenDeclared;
        hundreds += game.hundredDeclared;
        doubled += game.flekCount > 0;

        int steps = 0;
        while (game.state != Waiting && steps++ < 200) {
            if (game.state == TrickComplete) {
                game.TrickTimerFired();
            } else {
                bool done;
                game.IdleStep(done);
            }
        }
        if (game.state != Waiting || game.tricksPlayed != 10) ++stuck;
        if (!PileIsPack(game.cards)) ++pileWrong;
        double after = 0;
        for (const THrac* s : game.seats) after += s->money;
        if (std::fabs(after - before) > 1e-6) ++moneyWrong;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));

    EXPECT_EQ(faults.count, 0) << faults.first;
    EXPECT_EQ(stuck, 0);
    EXPECT_EQ(handsWrong, 0);
    EXPECT_EQ(pileWrong, 0);
    EXPECT_EQ(moneyWrong, 0);
    EXPECT_EQ(view.messages, 0);
    // The run reaches every kind of contract and declaration, and plays most deals out.
    EXPECT_GT(kinds[Betl], 0);
    EXPECT_GT(kinds[Durch], 0);
    EXPECT_GT(sevens, 0);
    EXPECT_GT(hundreds, 0);
    EXPECT_GT(doubled, 0);
    EXPECT_GT(played, kDeals / 2);
    std::printf(
        "%d deals in %.2f s: %d Barva, %d Betl, %d Durch; %d played, %d sevens, "
        "%d hundreds, %d doubled\n",
        kDeals, seconds, kinds[0], kinds[1], kinds[2], played, sevens, hundreds, doubled);
}
