// A deal played out to its end away from the table.
//
// The playout holds a game of its own, with silent ports and three TRobot seats. A position of
// the real game is copied in with the hidden cards as a sampled deal has them; one card is
// played for the seat to move and the robots finish the deal. The score is the money the seat's
// side takes in the settlement, with the side's card points as a small tie-break.
#pragma once

#include <memory>

#include "deal/random.h"
#include "game/rules.h"
#include "robot/deal_sampler.h"

class THra;
class THrac;

class Playout {
public:
    // Takes the rules and stakes of `game`.
    explicit Playout(const THra& game);
    ~Playout();
    Playout(const Playout&) = delete;
    Playout& operator=(const Playout&) = delete;

    // Sets the position of `game` up with the hands of `deal`, the seat `seatNo` plays `card`
    // and the deal is played to its end. The score for seatNo's side; 0 if the card is refused.
    double Run(const THra& game, const SampledDeal& deal, int seatNo, const Card& card);
    // Cards played in all runs so far (the work done).
    long long cardsPlayed() const { return cardsPlayed_; }

private:
    void Load(const THra& game, const SampledDeal& deal);

    FixedRules rules_;
    SeededRandom random_{0};  // the playout never shuffles; the game wants a source anyway
    std::unique_ptr<THra> sim_;
    long long cardsPlayed_ = 0;
};
