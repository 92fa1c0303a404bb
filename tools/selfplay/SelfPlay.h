// Whole games of the scripted player against the computer, without a screen.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/Game.h"

struct TSelfPlayResult {
    int Games = 0;
    int PlayerWins = 0;
    int ComputerWins = 0;
    int Unfinished = 0;  // stopped at the turn limit
    long Turns = 0;
    std::string Failure;  // empty, or the broken invariant with seed, game and turn
    // A hash of every card's place and fields after every turn: equal for equal
    // games, so it tells at once whether a change altered any decision.
    uint64_t Signature = 0;
};

// The game in play is stopped and taken up again. The seat holds it; the
// interruption may put another game object there, which play goes on with.
using TInterruption = std::function<void(std::optional<TGame>& seat, TGameListener& listener)>;

struct TSelfPlayOptions {
    TOpponentKind Opponent = TOpponentKind::Classic;
    // Called after every turn, after the player's draw and after each of its
    // melds and lay-offs, unless the game has just ended.
    TInterruption Interrupt;
};

// Plays the given number of games from one seed; stops at the first broken
// invariant. At each place where play may be interrupted the game, taken as a
// snapshot, must be a position that could occur.
TSelfPlayResult PlayGames(int games, uint64_t seed, int turnLimit = 500,
                          const TSelfPlayOptions& options = {});
