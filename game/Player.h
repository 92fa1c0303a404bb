// Whoever decides a seat's moves: a computer strategy, the scripted player, a
// program outside, or the person at the window. Each plays through the
// game's own commands.
#pragma once

#include <cstdint>

class TGame;

class TPlayer {
  public:
    virtual ~TPlayer() = default;
    // The seat's whole turn, from the draw to the discard; false when there
    // was nothing to draw.
    virtual bool PlayTurn(TGame& game, int32_t seat) = 0;
};
