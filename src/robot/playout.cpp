#include "robot/playout.h"

#include <bit>

#include "game/thra.h"
#include "robot/trobot.h"

Playout::Playout(const THra& game) : rules_(game.rules()) {
    GamePorts ports;
    ports.rules = &rules_;
    ports.random = &random_;
    sim_ = std::make_unique<THra>(ports, [](THra& g, int no) -> std::unique_ptr<THrac> {
        return std::make_unique<TRobot>(g, no);
    });
}

Playout::~Playout() = default;

void Playout::Load(const THra& g, const SampledDeal& deal) {
    THra& s = *sim_;
    auto same = [&s](const THrac* real) { return real ? s.Seat(real->seatNo) : nullptr; };
    s.contractKind = g.contractKind;
    s.trumpCard = g.trumpCard;
    s.flekCount = g.flekCount;
    s.sevenFlekCount = g.sevenFlekCount;
    s.sevenDeclared = g.sevenDeclared;
    s.hundredDeclared = g.hundredDeclared;
    s.sevenAgainst = g.sevenAgainst;
    s.hundredAgainst = g.hundredAgainst;
    s.tricksPlayed = g.tricksPlayed;
    s.cardsOnTable = g.cardsOnTable;
    s.lastCard = g.lastCard;
    s.declarerPlayed = g.declarerPlayed;
    s.forehand = same(g.forehand);
    s.declarer = same(g.declarer);
    s.onTurn = same(g.onTurn);
    s.trickLeader = same(g.trickLeader);
    s.trickWinner = same(g.trickWinner);
    s.ledCount = g.ledCount;
    s.fullDeal = g.fullDeal;
    s.humanMayPlay = false;
    s.talonPending = false;
    s.newGameRequested = false;
    s.moneyBase = 0;
    // The talon as the deal has it: the declarer's own, or a guess for the others.
    int t = 0;
    for (CardMask m = deal.talon; m && t < 2; m &= m - 1)
        s.talon[t++] = CardOfBit(std::countr_zero(m));
    s.cards.ClearPile();

    for (const THrac* real : g.seats) {
        THrac& seat = *s.Seat(real->seatNo);
        seat.money = 0;
        seat.points = real->points;
        seat.meldSum = real->meldSum;
        seat.firstMeld = real->firstMeld;
        seat.meldShown = real->meldShown;
        seat.playedCard = real->playedCard;
        seat.mayHoldSuit = real->mayHoldSuit;
        seat.seenCards = real->seenCards;
        static_cast<TRobot&>(seat).betlLead = Card{};
        seat.ClearHand();
        int slot = 0;
        const CardMask hand = deal.hands[real->seatNo - 1];
        CardMask placed = 0;
        if (real == g.onTurn) {
            // The seat to move keeps its slot order: the robots break ties by it.
            for (int i = 1; i <= 10; ++i) {
                const TKarta& k = real->hand[i];
                if (k.state != inHand || !(hand & CardFlag(k.triple()))) continue;
                s.CreateCard(seat, ++slot, k.triple(), 0, 0, false);
                placed |= CardFlag(k.triple());
            }
        }
        for (CardMask m = hand & ~placed; m; m &= m - 1) {
            const Card c = CardOfBit(std::countr_zero(m));
            const Card card{c.suit, c.rank,
                            CardStrength(c.suit, c.rank, g.contractKind, g.TrumpSuit())};
            s.CreateCard(seat, ++slot, card, 0, 0, false);
        }
        seat.cardCount = uint8_t(slot);
    }
    s.state = Playing;
}

double Playout::Run(const THra& g, const SampledDeal& deal, int seatNo, const Card& card) {
    Load(g, deal);
    THra& s = *sim_;
    THrac& seat = *s.Seat(seatNo);
    if (!s.PlayFromHand(seat, seat.FindCard(card.suit, card.rank))) return 0;
    bool done;
    for (int steps = 0; steps < 100 && !(s.state == Waiting && s.tricksPlayed == 10); ++steps) {
        if (s.state == TrickComplete) {
            s.TrickTimerFired();
        } else if (s.state == Playing) {
            s.IdleStep(done);
        } else {
            break;  // nothing to drive: the position was not one a deal reaches
        }
    }
    cardsPlayed_ += 30 - 3 * g.tricksPlayed - g.cardsOnTable;
    const THrac* declarer = s.declarer;
    double score = seat.money;
    if (s.contractKind == Barva) {
        // Points decide little money, but between equal settlements more is better.
        const int sidePoints = &seat == declarer
                                   ? declarer->points
                                   : declarer->next->points + declarer->next->next->points;
        score += sidePoints * 1e-4;
    }
    return score;
}
