// The strong strategy in the player's chair: the same decisions as the
// computer's strong opponent, carried out through the player's own routines
// (draw, select, drop, discard), so that every meld passes the player's checks.
#pragma once

#include <vector>

#include "game/Game.h"

class TStrongPlayer {
  public:
    explicit TStrongPlayer(TGame& game) : Game(game) {}

    // One whole turn. False when there was nothing to draw.
    bool PlayTurn();

    // Commands the game refused; a sound player makes none.
    int Refusals = 0;

  private:
    void Select(const std::vector<int>& hand);

    TGame& Game;
};
