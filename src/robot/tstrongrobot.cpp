#include "robot/tstrongrobot.h"

#include <algorithm>

#include "game/thra.h"

namespace {

// Whether the deal now waits for a card from this seat: the same conditions under which the
// controller would take one from it.
bool SeatToPlay(const THra& g, const THrac& seat) {
    if (g.onTurn != &seat || g.talonPending || g.cardsOnTable >= 3 || g.tricksPlayed >= 10)
        return false;
    if (g.state != Playing && g.state != Waiting) return false;
    if (g.cardsOnTable > 0) {
        int before = 0;
        for (const THrac* p = g.trickLeader; p != &seat; p = p->next) ++before;
        if (before < g.cardsOnTable) return false;
    }
    return true;
}

// TRobot's choice for any seat, human or not: a stand-in robot that holds what the seat knows
// (its hand, the cards it saw, its place at the table) and answers without playing.
int ClassicSlot(const THra& game, const THrac& seat) {
    TRobot standIn(const_cast<THra&>(game), seat.seatNo);
    standIn.hand = seat.hand;
    std::copy(&seat.seen[0][0], &seat.seen[0][0] + 4 * 15, &standIn.seen[0][0]);
    standIn.playedCard = seat.playedCard;
    standIn.cardCount = seat.cardCount;
    standIn.next = seat.next;
    standIn.mayHoldSuit = seat.mayHoldSuit;
    const Card choice = standIn.ChooseCard();
    return choice.rank ? seat.FindCard(choice.suit, choice.rank) : 0;
}

}  // namespace

TStrongRobot::TStrongRobot(THra& g, int no) : TRobot(g, no) {}

void TStrongRobot::PlayCard() {
    const Card choice = ChooseCard();
    if (choice.rank && game->PlayFromHand(*this, FindCard(choice.suit, choice.rank))) return;
    for (int slot = 1; slot <= 10; ++slot)
        if (game->PlayFromHand(*this, slot)) return;
}

int StrongCardChoice(const THra& game, const THrac& seat) {
    if (!SeatToPlay(game, seat)) return 0;
    return ClassicSlot(game, seat);
}
