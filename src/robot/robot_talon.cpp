// Naming trumps and laying the talon: the forehand's suit game, and the betl or durch talon
// of a take-over with the search for the first betl lead.
#include "game/thra.h"
#include "robot/trobot.h"

namespace {

// The hundred is declared with a hand strength above this: more than a trump marriage with
// its two trumps (40 + 2 x 5), so the marriages alone do not carry the declaration.
constexpr int32_t kHundredStrength = 50;

}  // namespace

void TRobot::ChooseTrump() {
    THra& g = *game;
    if (g.contractKind == Barva) {
        // The suit with most cards among the seven seen before the talon; the lower suit on a
        // tie. Its lowest card there is the trump card.
        int count[4] = {};
        for (int i = 1; i <= 7; ++i) ++count[hand[i].suit];
        uint8_t trump = 0;
        for (uint8_t s = 1; s < 4; ++s)
            if (count[s] > count[trump]) trump = s;
        int low = 0;
        for (int i = 1; i <= 7; ++i)
            if (hand[i].suit == trump && (low == 0 || hand[i].rank < hand[low].rank)) low = i;
        const uint8_t rank = hand[low].rank;
        g.trumpCard = Card{trump, rank, CardStrength(trump, rank, Barva, trump)};
    }
    LayTalon();
    g.TalonDone(*this);
}

void TRobot::LayTalon() {
    THra& g = *game;
    laidAway_ = 0;
    talonSlots_ = {0, 0};
    if (g.contractKind == Barva) {
        const bool seven = LaySuitTalon();
        CloseHand();
        if (seven) g.sevenDeclared = true;
        // The hundred is judged on the ten cards kept: the marriage test only sees held cards.
        // The strength comes from the doubling answer, which also writes its call ("Mlčím" or
        // a level's name) to the log before the game is announced; the game has always shown
        // that line, and a test pins it.
        AnswerFlek(0);
        if (g.handStrength > kHundredStrength) g.hundredDeclared = true;
        return;
    }
    for (int i = 1; i <= 12; ++i) SetCardState(i, discardCandidate);
    LayAway(TalonPick());
    LayAway(TalonPick());
    if (g.contractKind == Betl) SearchBetlLead();
    CloseHand();
}

// The suit-game talon keeps trumps, tens and aces, and prefers to lay away short side suits
// (making a void or a bare ace), then cards of long side suits, then any other card, and only
// as a last resort low trumps. Answers whether the seven is worth declaring: more than four
// trumps kept, among them the seven.
bool TRobot::LaySuitTalon() {
    const uint8_t trump = game->TrumpSuit();
    int count[4] = {};
    uint32_t twelve = 0;  // the cards of the twelve slots, whatever their state
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = hand[i];
        const bool keep = k.suit == trump || k.rank == kTen || k.rank == kAce;
        SetCardState(i, keep ? talonKept : discardCandidate);
        ++count[k.suit];
        twelve |= CardBit(k.suit, k.rank);
    }
    auto among = [twelve](uint8_t suit, uint8_t rank) {
        return (twelve & CardBit(suit, rank)) != 0;
    };
    // Every slot is kept, a candidate or laid away from here on: the cards of a suit still in
    // the hand are its count less those laid away.
    auto left = [&](uint8_t suit) {
        int n = count[suit];
        if (laidAway_ >= 1 && hand[talonSlots_[1]].suit == suit) --n;
        if (laidAway_ >= 2 && hand[talonSlots_[0]].suit == suit) --n;
        return n;
    };
    for (uint8_t s = 0; s < 4 && laidAway_ < 2; ++s) {
        if (s == trump) continue;
        if (count[s] == 2) {
            const bool marriage = among(s, kSvrsek) && among(s, kKral);
            if (!marriage && !among(s, kTen) && !among(s, kAce)) LayAwaySuit(s);
            if (among(s, kAce)) LayAwaySuit(s);  // the ace itself is kept
        } else if (count[s] == 1) {
            for (int i = 1; i <= 12; ++i)
                if (hand[i].suit == s && hand[i].rank != kTen && hand[i].rank != kAce) LayAway(i);
        }
    }
    for (int i = 1; i <= 12 && laidAway_ < 2; ++i) {
        const TKarta& k = hand[i];
        if (k.state != discardCandidate) continue;
        const bool marriageCard = (k.rank == kSvrsek || k.rank == kKral) &&
                                  among(k.suit, kSvrsek) && among(k.suit, kKral);
        if (left(k.suit) > 2 && !marriageCard) LayAway(i);
    }
    for (int i = 1; i <= 12 && laidAway_ < 2; ++i) LayAway(i);
    for (int i = 1; i <= 12 && laidAway_ < 2; ++i) {
        const TKarta& k = hand[i];
        if (k.suit != trump || k.rank == kSeven || k.rank == kTen || k.rank == kAce) continue;
        SetCardState(i, discardCandidate);
        LayAway(i);
    }
    return left(trump) > 4 && among(trump, kSeven);
}

// The first card laid away is the talon's second entry, the second card its first.
void TRobot::LayAway(int slot) {
    if (slot < 1 || slot > 12 || laidAway_ >= 2) return;
    if (hand[slot].state != discardCandidate) return;
    SetCardState(slot, discardSelected);
    talonSlots_[laidAway_ == 0 ? 1 : 0] = slot;
    ++laidAway_;
}

void TRobot::LayAwaySuit(uint8_t suit) {
    for (int i = 1; i <= 12; ++i)
        if (hand[i].suit == suit) LayAway(i);
}

int TRobot::HoldsAmongTwelve(uint8_t suit, uint8_t rank) const {
    for (int i = 1; i <= 12; ++i)
        if (hand[i].suit == suit && hand[i].rank == rank) return i;
    return 0;
}

// Walks the slots keeping a best mark; a card with a greater mark takes over only when its
// rank is higher (betl) or lower (durch) than the card chosen so far. A mark of 0 never wins.
int TRobot::TalonPick() const {
    const bool betl = game->contractKind == Betl;
    int chosen = 0;
    int best = 0;
    for (int i = 1; i <= 12; ++i) {
        const TKarta& k = hand[i];
        if (k.state != inHand && k.state != discardCandidate) continue;
        if (slotMarks[i] <= best) continue;
        if (chosen == 0 || (betl ? k.rank > hand[chosen].rank : k.rank < hand[chosen].rank)) {
            chosen = i;
            best = slotMarks[i];
        }
    }
    return chosen;
}

// The first betl lead: in talon-pick order, the first card that some card of its suit can
// still beat (an ace never can).
void TRobot::SearchBetlLead() {
    for (;;) {
        const int slot = TalonPick();
        if (slot == 0) return;
        SetCardState(slot, leadExamined);
        const TKarta& k = hand[slot];
        for (uint8_t r = uint8_t(k.rank + 1); r <= kAce; ++r) {
            if (!HoldsAmongTwelve(k.suit, r)) {
                betlLead = k.triple();
                return;
            }
        }
    }
}

// The two cards laid away go to the pile; the ten others close up into slots 1..10.
void TRobot::CloseHand() {
    game->LayAwayTalon(*this, talonSlots_[0], talonSlots_[1], game->contractKind);
}
