// Judging a hand: the betl and durch scores, the hand strength, and the answer to an
// announced game with the take-over.
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
int16_t TRobot::BetlScore() {
    for (int i = 1; i <= cardCount && i <= 12; ++i) slotMarks[i] = 255;
    const HandIndex held = IndexHand();
    int16_t score = 0;
    for (uint8_t s = 0; s < 4; ++s) {
        int16_t gap = 0, below = 0, count = 0;
        for (uint8_t r = kSeven; r <= kAce; ++r) {
            if (const int slot = held.slot[s][r]) {
                slotMarks[slot] = uint8_t(below);
                score = int16_t(score + gap);
                ++count;
                gap = 0;
            } else {
                gap = int16_t(gap + (kAce - r));
                ++below;
            }
        }
        score = int16_t(score - count);
    }
    return score;
}

// The mirror image: missing ranks above a held card, a missing ace weighing 7.
int16_t TRobot::DurchScore() {
    for (int i = 1; i <= cardCount && i <= 12; ++i) slotMarks[i] = 255;
    const HandIndex held = IndexHand();
    int16_t score = 0;
    for (uint8_t s = 0; s < 4; ++s) {
        int16_t gap = 0, above = 0, count = 0;
        for (uint8_t r = kAce; r >= kSeven; --r) {
            if (const int slot = held.slot[s][r]) {
                slotMarks[slot] = uint8_t(above);
                score = int16_t(score + gap);
                ++count;
                gap = 0;
            } else {
                gap = int16_t(gap + (r - kSeven));
                ++above;
            }
        }
        score = int16_t(score - count);
    }
    return score;
}

int32_t TRobot::HandStrength() const {
    if (game->contractKind != Barva) return 0;
    const uint8_t trump = game->TrumpSuit();
    const HandIndex held = IndexHand();
    int32_t v = 0;
    for (uint8_t s = 0; s < 4; ++s) {
        const bool svrsek = held.slot[s][kSvrsek] != 0, kral = held.slot[s][kKral] != 0;
        if (svrsek && kral) v += s == trump ? 40 : 20;
        if (!svrsek && !kral) v -= s == trump ? 20 : 5;
    }
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
        const int16_t b = BetlScore();
        const int16_t d = DurchScore();
        if (b < d) {
            evaluation = BetlScore();
            if (evaluation < kBetlTakeOverScore && TakeOver(Betl)) return false;
        }
    }
    evaluation = DurchScore();
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
