// Answering a doubling offer.
#include <algorithm>

#include "game/thra.h"
#include "robot/trobot.h"

namespace {

// Doubles the game when the hand strength exceeds the threshold of the level reached.
constexpr int32_t kFlekThreshold[6] = {30, 50, 60, 70, 80, 90};

}  // namespace

uint8_t TRobot::AnswerFlek(uint8_t offer) {
    THra& g = *game;
    if (g.flekCount >= kMaxFlek) return 0;
    const int32_t strength = HandStrength();
    uint8_t answer = 0;
    if (strength > kFlekThreshold[std::min<int>(g.flekCount, 5)]) answer |= FlekGame;
    // Only a defender doubles the seven, and only holding the seven of trumps itself.
    if (Holds(g.TrumpSuit(), kSeven) && (offer & FlekSeven) && g.declarer != this) {
        answer |= FlekSeven;
        g.LogCall(*this, "Flek na sedmu");
        g.SayCall(*this, "Flek_na_sedmu");
    }
    if (answer & FlekGame) {
        g.LogCall(*this, FlekName(g.flekCount + 1));
        g.SayCall(*this, FlekCallWord(g.flekCount + 1));
    } else {
        g.LogCall(*this, "Mlčím");
        g.SayCall(*this, "Mlcim");
    }
    g.handStrength = strength;
    return answer;
}
