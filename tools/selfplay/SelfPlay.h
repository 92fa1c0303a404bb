// Whole games of the scripted player against the computer, without a screen.
#pragma once

#include <cstdint>
#include <string>

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

// Plays the given number of games from one seed; stops at the first broken invariant.
TSelfPlayResult PlayGames(int games, uint64_t seed, int turnLimit = 500);
