// A simple automatic player. In the player's seat it plays through the
// player's own commands (draw, select, drop, discard); in another seat
// through that seat's moves, deciding alike.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game/Game.h"
#include "game/Player.h"
#include "game/Random.h"

// Every joker exchange the game offers after the player's draw, taken.
void TakeEveryExchange(TGame& game);
// Exactly the given hand cards of the player's seat selected.
void SelectHandCards(TGame& game, const std::vector<int>& hand);

// Hand indices of sets and runs worth trying, the largest first.
std::vector<std::vector<int>> MeldIdeas(const TCardArray& hand);

class TScriptedPlayer final : public TPlayer {
  public:
    explicit TScriptedPlayer(uint64_t seed) : Rng(seed) {}

    // One whole turn: draw, lay out what it finds, lay off, discard.
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override;

    // Called after the draw and after each meld laid or card laid off: where
    // a player may stop in the middle of a turn.
    std::function<void()> Paused;
    // Commands the game refused; a sound player makes none.
    int Refusals = 0;

  private:
    bool Draw();
    bool LayOutOne();
    bool LayOffOne();
    void Discard();
    bool Fits(const std::vector<int>& hand, int32_t targetMeld);
    // The cards onto meld `targetMeld` (-1: a new meld).
    void Drop(std::vector<int> hand, int32_t targetMeld);
    void Count(TRefusal refusal);
    bool InPlayersSeat() const { return Seat == PlayerSeat; }
    const TCardArray& Hand() const { return Game->Seats[Seat].Hand; }

    TRandom Rng;
    TGame* Game = nullptr;  // during a turn
    int32_t Seat = PlayerSeat;
};
