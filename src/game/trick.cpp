// Playing a card, laying it on the table and deciding the trick.
#include "game/thra.h"

void THra::PlayStep(THrac& s, TKarta& k) {
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
    s.AnnounceMeld(k.triple());
    LayCardOnTable(s, k.triple());
    k.state = played;
    --s.cardCount;
    state = Playing;
}

void THra::LayCardOnTable(THrac& s, const Card& k) {
    for (THrac* seat : seats) seat->MarkSeen(k);
    lastCard = k;
    ++cardsOnTable;
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

THrac* THra::EvaluateTrick() {
    moneyBase = seats[0]->money;
    ++tricksPlayed;
    THrac* L = trickLeader;
    THrac* M = L->next;
    THrac* N = M->next;
    const Card played[3] = {L->playedCard, M->playedCard, N->playedCard};
    result_->AddTrickRow(L->name, played);

    if (contractKind == Barva) {
        const int l = L->playedCard.strength, m = M->playedCard.strength,
                  n = N->playedCard.strength;
        THrac* winner;
        if (l > m && l > n) {
            winner = L;
        } else if (m > l && m > n) {
            winner = M;
        } else if (n > l && n > m) {
            winner = N;
        } else {
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
        SettleSuitGame(winner);
        return winner;
    }

    // Betl and durch: the highest card of the led suit takes the trick.
    const uint8_t ledSuit = L->playedCard.suit;
    const bool byRank = contractKind == Betl;
    auto value = [byRank](const Card& c) { return byRank ? c.rank : c.strength; };
    THrac* w = L;
    if (M->playedCard.suit == ledSuit && value(M->playedCard) > value(w->playedCard)) w = M;
    if (N->playedCard.suit == ledSuit && value(N->playedCard) > value(w->playedCard)) w = N;
    observer_->TrickEvaluated(*L, played, *w);
    const bool lost = contractKind == Betl ? w == declarer : w != declarer;
    if (lost && tricksPlayed < 10) EndEarly();
    if (tricksPlayed < 10) return w;
    SettleBetlDurch(w);
    return w;
}
