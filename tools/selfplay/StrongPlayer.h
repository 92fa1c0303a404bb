// The strong strategy at any seat. In the player's seat it carries out the
// computer's strong decisions through the player's own commands (draw, select,
// drop, discard), so that every meld passes the player's checks; in another
// seat it is the computer's strong opponent.
#pragma once

#include <vector>

#include "game/Game.h"
#include "game/Player.h"

class TStrongPlayer final : public TPlayer {
  public:
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override;

    // Commands the game refused; a sound player makes none.
    int Refusals = 0;
};
