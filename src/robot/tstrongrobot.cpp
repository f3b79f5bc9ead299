#include "robot/tstrongrobot.h"

#include "deal/random.h"
#include "game/thra.h"
#include "game/trick_rules.h"
#include "robot/deal_sampler.h"
#include "robot/playout.h"

namespace {

// Deals sampled per decision: every legal card is played out in each of them.
constexpr int kSamples = 48;

// The legal card whose playouts end best on average for the seat's side; `classic` (TRobot's
// choice) wherever nothing does better, and when there is nothing to choose.
Card SearchCard(const THra& g, const THrac& seat, const Card& classic) {
    const PlayRule rule(g, seat);
    std::array<Card, 10> legal{};
    int n = 0, classicEntry = 0;
    for (int i = 1; i <= 10; ++i) {
        const TKarta& k = seat.hand[i];
        if (k.state != inHand || !rule.Allows(k.triple())) continue;
        if (SameCard(k.triple(), classic)) classicEntry = n;
        legal[size_t(n++)] = k.triple();
    }
    if (n <= 1) return n == 1 ? legal[0] : classic;

    const DealSampler sampler(g, seat);
    SeededRandom random(sampler.PositionHash());
    Playout playout(g);
    std::array<double, 10> total{};
    int samples = 0;
    SampledDeal deal;
    for (; samples < kSamples && sampler.Sample(random, deal); ++samples)
        for (int c = 0; c < n; ++c)
            total[size_t(c)] += playout.Run(g, deal, seat.seatNo, legal[size_t(c)]);
    if (samples == 0) return classic;
    int best = classicEntry;
    for (int c = 0; c < n; ++c)
        if (total[size_t(c)] > total[size_t(best)] + 1e-9) best = c;
    return legal[size_t(best)];
}

// TRobot's choice for any seat, human or not: a stand-in robot that holds what the seat knows
// (its hand, the cards it saw, its place at the table) and answers without playing.
Card ClassicCard(const THra& game, const THrac& seat) {
    TRobot standIn(const_cast<THra&>(game), seat.seatNo);
    standIn.hand = seat.hand;
    standIn.RecountHand();
    standIn.seenCards = seat.seenCards;
    standIn.playedCard = seat.playedCard;
    standIn.cardCount = seat.cardCount;
    standIn.next = seat.next;
    standIn.mayHoldSuit = seat.mayHoldSuit;
    return standIn.ChooseCard();
}

}  // namespace

TStrongRobot::TStrongRobot(THra& g, int no) : TRobot(g, no) {}

void TStrongRobot::PlayCard() {
    const Card choice = SearchCard(*game, *this, ChooseCard());
    if (choice.rank && game->PlayFromHand(*this, FindCard(choice.suit, choice.rank))) return;
    for (int slot = 1; slot <= 10; ++slot)
        if (game->PlayFromHand(*this, slot)) return;
}

int StrongCardChoice(const THra& game, const THrac& seat) {
    if (!game.CardDueFrom(seat)) return 0;
    const Card choice = SearchCard(game, seat, ClassicCard(game, seat));
    return choice.rank ? seat.FindCard(choice.suit, choice.rank) : 0;
}
