// The changes of the deal that seats ask for: taking a game over, laying a talon and starting
// the announcements (playing a card is in trick.cpp, beside the play itself). The seats only
// decide; these calls check the request against the state of the deal and carry it out, so the
// human, the computer players and the tests' scripted seats change the deal in one way.
#include "game/thra.h"

bool THra::TakeOver(THrac& taker, uint8_t kind) {
    if (kind <= contractKind || kind > Durch || &taker == declarer) return false;
    if (contractKind == Barva && sevenDeclared && hundredDeclared) return false;
    cards.ClearPile();  // the talon the last declarer laid there will be laid again
    contractKind = kind;
    declarer = onTurn = &taker;
    taker.cardCount = 12;
    int left, top, dx, dy;
    HandPlace(taker.seatNo, left, top, dx, dy);
    for (int i = 0; i < 2; ++i) {
        // The talon still carries the strengths of the contract it was laid in.
        const Card& t = talon[i];
        const Card card{t.suit, t.rank, CardStrength(t.suit, t.rank, kind, TrumpSuit())};
        CreateCard(taker, 11 + i, card, left + (10 + i) * dx, top + (10 + i) * dy, taker.IsHuman());
    }
    StrengthPassAll();
    talonPending = true;
    ShowContractLabel(kind);
    return true;
}

bool THra::LayAwayTalon(THrac& d, int first, int second, uint8_t kind) {
    auto holds = [&d](int slot) {
        return slot >= 1 && slot <= 12 && d.hand[slot].rank != 0 && d.hand[slot].state != played;
    };
    if (&d != declarer || first == second || !holds(first) || !holds(second) ||
        kind < contractKind || kind > Durch)
        return false;
    int held = 0;
    for (int i = 1; i <= 12; ++i) held += holds(i);
    if (held != 12) return false;  // ten cards must stay
    talon[0] = d.hand[first].triple();
    talon[1] = d.hand[second].triple();
    // The kept cards move down in place: a card never moves to a slot after its own. They need
    // places only on a table somebody sees. The place and the flags are read once into values
    // of their own: the cards' own bytes might alias them for the compiler.
    const bool shown = cardsShown_, backs = shown && !d.IsHuman();
    int x = 0, y = 0, dx = 0, dy = 0;
    if (shown) HandPlace(d.seatNo, x, y, dx, dy);
    int left = x, top = y;
    int to = 0;
    for (int i = 1; i <= 12; ++i) {
        TKarta& k = d.hand[size_t(i)];
        if (i == first || i == second) {
            cards.AddToPile(k.triple());
            if (k.picture && shown) view_->DestroyCardPicture(k.picture);
            continue;
        }
        TKarta& kept = d.hand[size_t(++to)];
        if (to != i) kept = k;
        kept.state = inHand;
        if (!shown) continue;
        kept.left = left;
        kept.top = top;
        left += dx;
        top += dy;
        if (kept.picture && backs) view_->ShowCardBack(kept.picture, kept.left, kept.top);
    }
    // All twelve slots held a card: the ten kept are in slots 1..10.
    static constexpr TKarta kEmpty{};
    d.hand[11] = kEmpty;
    d.hand[12] = kEmpty;
    d.cardCount = 10;
    d.CountHeldHand();
    talonPending = false;
    if (kind != contractKind) {
        contractKind = kind;
        StrengthPassAll();
    }
    if (d.IsHuman()) ShowHandFaceUp(d);
    observer_->TalonLaid(d);
    return true;
}

bool THra::TalonDone(THrac& d) {
    if (&d != declarer || d.cardCount != 10 || talonPending) return false;
    StrengthPassAll();
    ShowSeatOneHand();
    state = Waiting;
    AnnouncePhase(&d);
    // A human declarer leads the first trick, or plays at once after "Stosedm".
    if (declarer->IsHuman() && onTurn == declarer && !talonPending && tricksPlayed < 10)
        humanMayPlay = true;
    return true;
}
