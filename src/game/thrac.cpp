#include "game/thrac.h"

#include <utility>

#include "game/thra.h"

THrac::THrac(THra& g, int no) : game(&g), selfLink(this), seatNo(no) {}

int THrac::FindCard(uint8_t suit, uint8_t rank) const {
    for (int i = 1; i <= 10; ++i)
        if (hand[i].state == inHand && hand[i].suit == suit && hand[i].rank == rank) return i;
    return 0;
}

THrac::HandIndex THrac::IndexHand() const {
    HandIndex index{};
    for (int i = 10; i >= 1; --i)  // the first slot holding a card wins, as in FindCard
        if (hand[i].state == inHand && hand[i].suit < 4 && hand[i].rank < 15)
            index.slot[hand[i].suit][hand[i].rank] = uint8_t(i);
    return index;
}

int THrac::CountSuit(uint8_t suit) const {
    int n = 0;
    for (int i = 1; i <= 10; ++i)
        if (hand[i].state == inHand && hand[i].suit == suit) ++n;
    return n;
}

int THrac::FindBeater(const Card& card) const {
    for (int i = 1; i <= 10; ++i)
        if (hand[i].state == inHand && hand[i].suit == card.suit &&
            hand[i].strength > card.strength)
            return i;
    return 0;
}

int THrac::CountSeen(uint8_t suit) const {
    int n = 0;
    for (int r = 7; r <= 14; ++r)
        if (seen[suit][r]) ++n;
    return n;
}

int THrac::FindPlayedSlot() const {
    for (int i = 10; i >= 1; --i)
        if (hand[i].suit == playedCard.suit && hand[i].rank == playedCard.rank) return i;
    return 0;
}

void THrac::SortHand(bool tenBeforeAce) {
    const int n = cardCount;
    for (int pass = 1; pass < n; ++pass) {
        for (int a = 1; a < n; ++a) {
            TKarta& x = hand[a];
            TKarta& y = hand[a + 1];
            const int kx = tenBeforeAce ? x.strength : x.rank;
            const int ky = tenBeforeAce ? y.strength : y.rank;
            if (x.suit < y.suit || (x.suit == y.suit && kx > ky)) {
                const Card t = x.triple();
                x.SetTriple(y.triple());
                y.SetTriple(t);
            }
        }
    }
}

void THrac::StrengthPass() {
    for (int i = 1; i <= cardCount && i <= 12; ++i)
        hand[i].strength =
            CardStrength(hand[i].suit, hand[i].rank, game->contractKind, game->TrumpSuit());
}

void THrac::PutRemainingOnPile() {
    for (int i = 1; i <= 10; ++i) {
        TKarta& k = hand[i];
        if (k.state != inHand) continue;
        game->cards.AddToPile(k.triple());
        if (k.picture) game->view().DestroyCardPicture(k.picture);
        k.picture = 0;
        k.state = played;
    }
}

void THrac::AnnounceMeld(const Card& k) {
    if (game->contractKind != Barva) return;
    const bool marriage = (k.rank == kKral && FindCard(k.suit, kSvrsek)) ||
                          (k.rank == kSvrsek && FindCard(k.suit, kKral));
    if (!marriage) return;
    game->PlaySound("wavs\\karta.wav", true);
    ++meldShown;
    game->view().ShowMeldPicture(seatNo, k, meldX, meldY);
    meldX = int16_t(meldX + meldDX);
    meldY = int16_t(meldY + meldDY);
    const uint8_t v = k.suit == game->TrumpSuit() ? 40 : 20;
    points = uint8_t(points + v);
    meldSum = uint8_t(meldSum + v);
    if (this == game->declarer) {
        if (firstMeld == 0) firstMeld = v;
    } else {
        THrac* partner = next == game->declarer ? next->next : next;
        if (firstMeld == 0 && partner->firstMeld == 0) firstMeld = v;
    }
}

void THrac::ResetMeldPlace() {
    const int w = game->view().TableWidth();
    const int h = game->view().TableHeight();
    switch (seatNo) {
        case 1:
            meldX = int16_t(w - 320), meldY = int16_t(h - 200), meldDX = -10, meldDY = 0;
            break;
        case 2:
            meldX = 100, meldY = 130, meldDX = 0, meldDY = 10;
            break;
        default:
            meldX = int16_t(w - 320), meldY = 130, meldDX = -10, meldDY = 0;
            break;
    }
    meldShown = 0;
}

void THrac::ClearSeen() {
    for (auto& row : seen)
        for (bool& b : row) b = false;
}
