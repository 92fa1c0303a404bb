// Matches between two strategies over the same deals: every deal is played
// twice, each strategy once moving first with the first hand dealt.
#pragma once

#include <cstdint>
#include <string>

enum class TStrategy { Scripted, Classic, Strong };

// "skript", "klassisch", "stark".
const char* StrategyName(TStrategy strategy);
bool ParseStrategy(const std::string& name, TStrategy& strategy);
// "stark-klassisch"; false for anything else, or for two scripted players,
// who cannot both sit in the player's chair.
bool ParsePairing(const std::string& text, TStrategy& first, TStrategy& second);

struct TMatchResult {
    int Games = 0;
    int FirstWins = 0;
    int SecondWins = 0;
    int Unfinished = 0;   // stopped at the turn limit, or nothing left to draw
    long Rounds = 0;      // a round is a turn of each side
    std::string Failure;  // empty, or the broken invariant with deal, game and round
};

TMatchResult PlayMatch(TStrategy first, TStrategy second, int deals, uint64_t seed, int roundLimit = 500);

// "match stark-klassisch: stark won W of N games (P %), klassisch won L, unfinished U"
std::string MatchLine(TStrategy first, TStrategy second, const TMatchResult& result);
