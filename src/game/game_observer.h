// Moments of a deal that a watcher outside the table may want: the headless runner checks
// every rule at these points and writes its event stream from them. The window needs none.
#pragma once

#include "deal/card.h"

class THrac;
struct TKarta;

class IGameObserver {
public:
    virtual ~IGameObserver() = default;
    // The 32 cards have been dealt; the forehand is about to name trumps.
    virtual void Dealt() {}
    // A seat has laid its two cards to the talon (the game's talon holds them).
    virtual void TalonLaid(const THrac& /*seat*/) {}
    // A seat is about to play this card of its hand; nothing of the play has happened yet.
    virtual void CardPlaying(const THrac& /*seat*/, const TKarta& /*card*/) {}
    // A trick has been decided, before its points are counted or the game is settled.
    virtual void TrickEvaluated(const THrac& /*leader*/, const Card (&/*cards*/)[3],
                                const THrac& /*winner*/) {}
    // A settlement routine has finished: the deal's money has moved.
    virtual void Settled() {}
};
