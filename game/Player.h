// Whoever decides a seat's moves: a computer strategy, the scripted player, a
// program outside, or the person at the window. Each plays through the
// game's own commands.
#pragma once

#include <cstdint>

class TGame;

enum class TTurnEnd {
    Played,         // from the draw to the discard, or out
    NothingToDraw,  // neither the stock nor the pile held a card
    Forfeit,        // the seat gave the game up by a move the rules refuse
    Waiting,        // the seat's moves come later, one command at a time
};

class TPlayer {
  public:
    virtual ~TPlayer() = default;
    // The seat's turn, once the table has begun it.
    virtual TTurnEnd PlayTurn(TGame& game, int32_t seat) = 0;
};

// The seat's turn by `player`. A computer seat's turn begins here; the
// player's seat's turn began with the discard before it, and what the others
// did stays on record for it.
TTurnEnd PlaySeatTurn(TGame& game, int32_t seat, TPlayer& player);
