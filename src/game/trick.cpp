// Playing a card, laying it on the table and deciding the trick. A seat's card comes in
// through PlayFromHand, checked, and the play step carries it out; both are here so that the
// step is compiled into the check.
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
    if (k.state != inHand || !IsLegalPlay(*this, s, k.triple())) return false;
    if (s.IsHuman()) humanMayPlay = false;
    Play(s, k, slot);
    if (&s == declarer) declarerPlayed = true;
    return true;
}

void THra::PlayStep(THrac& s, TKarta& k) {
    Play(s, k, s.SlotOf(k));
}

inline void THra::Play(THrac& s, TKarta& k, int slot) {
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
    s.playedCard = k.triple();
    if (k.rank == kKral || k.rank == kSvrsek) s.AnnounceMeld(k.triple());
    LayCardOnTable(s, k.triple());
    trickWinner = cardsOnTable == 1 ? &s : TrickWinner(cardsOnTable);  // a lead holds the trick
    s.playedSlot = uint8_t(slot >= 1 && slot <= 10 ? slot : 0);
    if (slot >= 0)
        s.SetCardState(slot, played);
    else
        k.state = played;  // a card a test laid from outside the hand
    --s.cardCount;
    state = Playing;
}

inline void THra::LayCardOnTable(THrac& s, const Card& k) {
    const uint32_t bit = CardBit(k.suit, k.rank);
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
    // In betl and durch a card of another suit never takes the trick, whatever it is.
    auto value = [this, led](const Card& c) -> int {
        if (contractKind == Barva) return c.strength;
        return c.suit == led ? c.rank : 0;
    };
    THrac* s = trickLeader;
    // At most two cards follow the lead: the loop is laid out whole.
#pragma GCC unroll 2
    for (int i = 1; i < cards; ++i) {
        s = s->next;
        const int v = value(s->playedCard), b = value(best->playedCard);
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
