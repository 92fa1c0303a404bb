// Matches between two strategies over the same deals: every deal is played
// twice, each strategy once moving first with the first hand dealt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Player.h"

// Extern: a program outside this one, through a TOutsidePlayer.
enum class TStrategy { Scripted, Classic, Strong, Extern };

// "skript", "klassisch", "stark", "extern".
const char* StrategyName(TStrategy strategy);
bool ParseStrategy(const std::string& name, TStrategy& strategy);
// "stark-klassisch"; false for anything else, for two scripted players, who
// cannot both sit in the player's chair, and for two outside players.
bool ParsePairing(const std::string& text, TStrategy& first, TStrategy& second);

struct TGameStart {
    int Deal = 0;  // from 1
    int Game = 0;  // from 1, over the whole match
    bool MovesFirst = false;
    TStrategy Opponent = TStrategy::Classic;
};

enum class TGameResult { Won, Lost, Unfinished, Forfeit };

// A player outside this program. It always sits in the player's seat and
// plays its turns (PlayTurn) through the player's own commands.
// ExternPlayer.h speaks to a program.
class TOutsidePlayer : public TPlayer {
  public:
    // A game has been dealt. False: it forfeits the game before it begins.
    virtual bool BeginGame(const TGame& game, const TGameStart& start) = 0;
    // What its last turn broke of the deck's rules, a fault of this program
    // rather than a forfeit; empty when nothing.
    virtual const std::string& BrokenRule() const = 0;
    // `points`: the game's minus points, the outside player's first (see PointsLine).
    virtual void EndGame(TGameResult result, const std::vector<int32_t>& points) = 0;
};

struct TMatchResult {
    int Games = 0;
    int FirstWins = 0;
    int SecondWins = 0;
    int Unfinished = 0;   // stopped at the turn limit, or nothing left to draw
    long Rounds = 0;      // a round is a turn of each side
    int Forfeits = 0;     // games the outside player lost by a bad answer; counted as lost
    std::string Failure;  // empty, or the broken invariant with deal, game and round
    // Minus points over all games as a list counts them; where nobody went
    // out every hand counts, and a forfeit's winner gets 0.
    long FirstPoints = 0;
    long SecondPoints = 0;
};

// `outside` plays the extern strategy; it must be given when one is paired.
// Every game is dealt under `rules`.
TMatchResult PlayMatch(TStrategy first, TStrategy second, int deals, uint64_t seed, int roundLimit = 500,
                       TOutsidePlayer* outside = nullptr, const TDealRules& rules = {});

// "match stark-klassisch: stark won W of N games (P %), klassisch won L, unfinished U"
std::string MatchLine(TStrategy first, TStrategy second, const TMatchResult& result);

// The Wilson score interval of a share of `wins` in `games` at 95 %, in per cent.
struct TShareInterval {
    double Low = 0;
    double High = 100;
};
TShareInterval WilsonInterval(int wins, int games);
// "95 % interval of stark's share (Wilson): 73.1 % to 76.8 %"
std::string IntervalLine(TStrategy first, const TMatchResult& result);
// "mean minus points per game: stark 8.4, klassisch 27.9": over all games
std::string PointsLine(TStrategy first, TStrategy second, const TMatchResult& result);
