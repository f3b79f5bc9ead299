// Judging a hand: the betl and durch scores, the hand strength, and the answer to an
// announced game with the take-over.
#include <array>

#include "game/thra.h"
#include "robot/trobot.h"

namespace {

// Both scores count weighted gaps around the held cards, so lower is better.
// A suit game is taken as betl below this: only a few low cards can be caught.
constexpr int16_t kBetlTakeOverScore = 12;
// A suit game is taken as durch below this: nearly every card is the top of its suit.
constexpr int16_t kDurchOverSuitGameScore = 8;
// An announced betl is taken as durch with a little less: the alternative is defending a betl.
constexpr int16_t kDurchOverBetlScore = 10;

}  // namespace

// Each held card costs the weighted ranks missing since the previous held card of its suit
// below it (a missing seven weighs 7, a missing king 1) and gives back 1.
namespace {

// The betl and durch scores of one suit by the ranks held of it (bit r - 7 for rank r): each
// card held adds the gap since the last card held below it (betl: counted from below, every
// rank r missing weighing 14 - r) or above it (durch: from above, weighing r - 7), and counts
// one off.
struct SuitScores {
    std::array<int16_t, 256> betl{}, durch{};
};

constexpr SuitScores MakeSuitScores() {
    SuitScores t;
    for (int bits = 0; bits < 256; ++bits) {
        int betl = 0, durch = 0, gap = 0;
        for (int r = kSeven; r <= kAce; ++r) {
            if (bits & (1 << (r - kSeven))) {
                betl += gap - 1;
                gap = 0;
            } else {
                gap += kAce - r;
            }
        }
        gap = 0;
        for (int r = kAce; r >= kSeven; --r) {
            if (bits & (1 << (r - kSeven))) {
                durch += gap - 1;
                gap = 0;
            } else {
                gap += r - kSeven;
            }
        }
        t.betl[bits] = int16_t(betl);
        t.durch[bits] = int16_t(durch);
    }
    return t;
}

constexpr SuitScores kSuitScores = MakeSuitScores();

uint32_t SuitOf(uint32_t cards, uint8_t suit) {
    return (cards >> (suit * 8)) & 0xFF;
}

// A per-suit table summed over the four suits of a set of cards.
int32_t SumOfSuits(const std::array<int16_t, 256>& bySuit, uint32_t cards) {
    return bySuit[cards & 0xFF] + bySuit[(cards >> 8) & 0xFF] + bySuit[(cards >> 16) & 0xFF] +
           bySuit[cards >> 24];
}

// The score of a hand without its slotMarks.
int16_t Score(const std::array<int16_t, 256>& bySuit, uint32_t held) {
    return int16_t(SumOfSuits(bySuit, held));
}

}  // namespace

// slotMarks of each card held: the ranks of its suit missing below it (betl) or above it
// (durch).
int16_t TRobot::MarkedScore(bool betl) {
    for (int i = 1; i <= cardCount && i <= 12; ++i) slotMarks[i] = 255;
    const uint32_t held = HeldCards();
    for (uint32_t cards = held; cards; cards &= cards - 1) {
        const int b = __builtin_ctz(cards), r = b % 8;
        const uint8_t suit = uint8_t(b / 8);
        const uint32_t ofSuit = SuitOf(held, suit);
        const int missing =
            betl ? r - CountCards(ofSuit & ((1u << r) - 1)) : 7 - r - CountCards(ofSuit >> (r + 1));
        slotMarks[FindCard(suit, uint8_t(r + kSeven))] = uint8_t(missing);
    }
    return Score(betl ? kSuitScores.betl : kSuitScores.durch, held);
}

int16_t TRobot::BetlScore() {
    return MarkedScore(true);
}

int16_t TRobot::DurchScore() {
    return MarkedScore(false);
}

namespace {

// The hand strength of one suit by the ranks held of it (bit r - 7 for rank r): the marriage
// part (a pair held, or neither of its cards) alone, and with the aces, tens and trumps; each
// for a side suit and what being trumps adds to that.
struct StrengthParts {
    std::array<int16_t, 256> meld{}, meldAsTrump{}, whole{}, wholeAsTrump{};
};

constexpr StrengthParts MakeStrengthParts() {
    StrengthParts t;
    constexpr int kSvrsekBit = 1 << (kSvrsek - kSeven), kKralBit = 1 << (kKral - kSeven);
    constexpr int kTenBit = 1 << (kTen - kSeven), kAceBit = 1 << (kAce - kSeven);
    for (int bits = 0; bits < 256; ++bits) {
        const bool svrsek = bits & kSvrsekBit, kral = bits & kKralBit;
        int count = 0;
        for (int b = bits; b; b &= b - 1) ++count;
        const int meld = svrsek && kral ? 20 : !svrsek && !kral ? -5 : 0;
        const int meldTrump = svrsek && kral ? 40 : !svrsek && !kral ? -20 : 0;
        const int cards = (bits & kAceBit ? 10 : 0) + (bits & kTenBit ? 8 : 0);
        t.meld[bits] = int16_t(meld);
        t.meldAsTrump[bits] = int16_t(meldTrump - meld);
        t.whole[bits] = int16_t(meld + cards);
        t.wholeAsTrump[bits] = int16_t(meldTrump - meld + 5 * count);
    }
    return t;
}

constexpr StrengthParts kStrengthParts = MakeStrengthParts();

}  // namespace

// The doubling answers ask it again and again of the same hand: it is read from the tables.
int32_t TRobot::HandStrength() const {
    if (game->contractKind != Barva) return 0;
    const uint8_t trump = game->TrumpSuit();
    const uint32_t held = HeldCards();
    const uint32_t trumps = trump < 4 ? SuitOf(held, trump) : 0;
    const bool trumpSuit = trump < 4;
    const StrengthParts& t = kStrengthParts;
    // Every card of slots 1..10 counts, held or not; when all ten are held, the set of cards
    // held says the same.
    if (CountCards(held) == 10)
        return SumOfSuits(t.whole, held) + (trumpSuit ? t.wholeAsTrump[trumps] : 0);
    int32_t v = SumOfSuits(t.meld, held) + (trumpSuit ? t.meldAsTrump[trumps] : 0);
    for (int i = 1; i <= 10; ++i) {
        const TKarta& k = hand[i];
        if (k.rank == kAce) v += 10;
        if (k.rank == kTen) v += 8;
        if (k.rank != 0 && k.suit == trump) v += 5;
    }
    return v;
}

bool TRobot::AnswerGame() {
    THra& g = *game;
    evaluation = 255;
    if (g.sevenDeclared && g.hundredDeclared) return true;
    if (g.contractKind == Barva) {
        // Only the scores are compared here: the slotMarks that the talon lays away by come
        // from the scoring below, or from the take-over's own.
        const int16_t b = Score(kSuitScores.betl, HeldCards());
        const int16_t d = Score(kSuitScores.durch, HeldCards());
        if (b < d) {
            evaluation = b;
            if (evaluation < kBetlTakeOverScore && TakeOver(Betl)) return false;
        }
    }
    evaluation = Score(kSuitScores.durch, HeldCards());
    if (((evaluation < kDurchOverSuitGameScore && g.contractKind == Barva) ||
         (evaluation < kDurchOverBetlScore && g.contractKind == Betl)) &&
        TakeOver(Durch))
        return false;
    g.LogCall(*this, "Dobré");
    g.SayCall(*this, "dobre");
    return true;
}

bool TRobot::TakeOver(uint8_t kind) {
    THra& g = *game;
    if (!g.TakeOver(*this, kind)) return false;
    evaluation = kind == Betl ? BetlScore() : DurchScore();  // fresh slotMarks for the talon
    LayTalon();
    g.LogCall(*this, kind == Betl ? "Betl" : "Durch");
    // "barva" has no sound: a computer takes a betl silently, its log line alone names it,
    // while a durch is voiced. The game has always done so, and a test pins it.
    g.SayCall(*this, kind == Betl ? "barva" : "durch");
    return true;
}
