// Playing a card, laying it on the table and deciding the trick. A seat's card comes in
// through PlayFromHand, checked, and the play step carries it out; both are here so that the
// step is compiled into the check.
#include <cassert>

#include "game/thra.h"
#include "game/trick_rules.h"

bool THra::AwaitsCardFrom(const THrac& s) const {
    return CardDueFrom(s) && (!s.IsHuman() || humanMayPlay);
}

bool THra::CardDueFrom(const THrac& s) const {
    if (&s != onTurn) return false;
    if ((state != Playing && state != Waiting) || talonPending || cardsOnTable >= 3 ||
        tricksPlayed >= 10)
        return false;
    if (cardsOnTable > 0) {
        // A seat's card lies on the table until the trick is collected: one card a trick.
        const THrac* p = trickLeader;
        for (int i = 0; i < cardsOnTable; ++i, p = p->next)
            if (p == &s) return false;
    }
    return true;
}

bool THra::PlayFromHand(THrac& s, int slot) {
    if (slot < 1 || slot > 10 || !AwaitsCardFrom(s)) return false;
    TKarta& k = s.hand[slot];
    // The card's bit serves the rule, the cards seen and the hand's cache alike.
    const uint32_t bit = CardBit(k.suit, k.rank);
    if (k.state != inHand || !PlayRule(*this, s).AllowsBit(bit)) return false;
    if (s.IsHuman()) humanMayPlay = false;
    Play(s, k, slot, bit);
    // The lead holds the trick, and a later card takes it only by beating the card holding it
    // (on a tie the earlier card keeps it): TrickWinner's answer, kept card by card.
    if (cardsOnTable == 1) {
        trickWinner = &s;
    } else {
        const uint8_t led = trickLeader->playedCard.suit;
        if (TrickValue(s.playedCard, led) > TrickValue(trickWinner->playedCard, led))
            trickWinner = &s;
    }
    assert(trickWinner == TrickWinner(cardsOnTable) && "a trick set up by hand: use PlayStep");
    if (&s == declarer) declarerPlayed = true;
    return true;
}

void THra::PlayStep(THrac& s, TKarta& k) {
    Play(s, k, s.SlotOf(k), CardBit(k.suit, k.rank));
    // A position set up by hand may not have kept the trick's holder: it is found afresh.
    trickWinner = TrickWinner(cardsOnTable);
}

inline void THra::Play(THrac& s, TKarta& k, int slot, uint32_t bit) {
    observer_->CardPlaying(s, k);
    if (cardsOnTable == 0) {
        trickLeader = &s;
        ++ledCount[k.suit];
    }
    const uint8_t ledSuit = trickLeader->playedCard.suit;
    const bool follows = cardsOnTable == 0 || k.suit == ledSuit;
    if (!follows) {
        if (k.suit != TrumpSuit()) k.strength = 0;  // a discard can never win
        s.mayHoldSuit[ledSuit] = false;
        if (contractKind == Barva && k.suit != TrumpSuit()) s.mayHoldSuit[TrumpSuit()] = false;
    }
    const Card card = k.triple();
    s.playedCard = card;
    // Only a král or svršek whose partner is still held can show a marriage: the check is
    // made here so that most such cards need no call.
    if ((card.rank == kKral || card.rank == kSvrsek) && contractKind == Barva &&
        (s.HeldCards() & CardBit(card.suit, uint8_t(kKral + kSvrsek - card.rank))))
        s.AnnounceMeld(card);
    LayCardOnTable(s, card, bit);
    const bool fromHand = slot >= 1 && slot <= 10;
    s.playedSlot = uint8_t(fromHand ? slot : 0);
    if (fromHand && k.state == inHand)
        s.LeaveHand(slot, bit);
    else if (slot >= 0)
        s.SetCardState(slot, played);
    else
        k.state = played;  // a card a test laid from outside the hand
    --s.cardCount;
    state = Playing;
}

inline void THra::LayCardOnTable(THrac& s, const Card& k, uint32_t bit) {
    for (THrac* seat : seats) seat->seenCards |= bit;
    lastCard = k;
    ++cardsOnTable;
    if (!cardsShown_) return;
    const int cx = (view_->TableWidth() - 257) / 2;
    const int cy = view_->TableHeight() / 2 - 53;
    static constexpr int kOffset[3][2] = {{15, 30}, {-15, 0}, {30, -30}};
    view_->ShowTrickCard(s.seatNo, k, cx + kOffset[s.seatNo - 1][0], cy + kOffset[s.seatNo - 1][1]);
}

void THra::EndEarly() {
    view_->EnableNewGame(true);
    view_->EnableRulesMenu(true);
    state = Waiting;
    tricksPlayed = 10;
    for (THrac* s : seats) {
        if (s->IsHuman()) continue;
        for (int i = 1; i <= 10; ++i) {
            const TKarta& k = s->hand[i];
            if (k.state == inHand && k.picture)
                view_->ShowCardFace(k.picture, k.triple(), k.left, k.top);
        }
    }
}

THrac* THra::TrickWinner(int cards, bool* single) const {
    THrac* best = trickLeader;
    bool alone = true;
    const uint8_t led = trickLeader->playedCard.suit;
    THrac* s = trickLeader;
    // At most two cards follow the lead: the loop is laid out whole.
#pragma GCC unroll 2
    for (int i = 1; i < cards; ++i) {
        s = s->next;
        const int v = TrickValue(s->playedCard, led), b = TrickValue(best->playedCard, led);
        if (v > b) {
            best = s;
            alone = true;
        } else if (v == b) {
            alone = false;
        }
    }
    if (single) *single = alone;
    return best;
}

THrac* THra::EvaluateTrick() {
    ++tricksPlayed;
    THrac* L = trickLeader;
    THrac* M = L->next;
    THrac* N = M->next;
    const Card played[3] = {L->playedCard, M->playedCard, N->playedCard};
    result_->AddTrickRow(L->name, played);
    bool single;
    THrac* winner = TrickWinner(3, &single);

    if (contractKind == Barva) {
        if (!single) {
            view_->ShowMessage(kNoWinnerMessage);
            winner = L;
        }
        observer_->TrickEvaluated(*L, played, *winner);
        for (THrac* s : seats)
            if (CardPoints(s->playedCard.rank)) winner->points = uint8_t(winner->points + 10);
        if (tricksPlayed < 10) return winner;
        view_->EnableLastGame(true);
        view_->EnableNewGame(true);
        view_->EnableRulesMenu(true);
        winner->points = uint8_t(winner->points + 10);  // the last trick
        moneyBase = seats[0]->money;                    // nothing moves money before the settlement
        SettleSuitGame(winner);
        return winner;
    }

    observer_->TrickEvaluated(*L, played, *winner);
    const bool lost = contractKind == Betl ? winner == declarer : winner != declarer;
    if (lost && tricksPlayed < 10) EndEarly();
    if (tricksPlayed < 10) return winner;
    moneyBase = seats[0]->money;
    SettleBetlDurch(winner);
    return winner;
}
