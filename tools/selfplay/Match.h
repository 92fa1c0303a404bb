// Matches between two to four strategies over the same deals: every deal is
// played once per rotation of the table, so that each strategy moves first
// with the first hand dealt once, and takes every other place in turn order.
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
// "stark,klassisch,extern": two to four strategies in turn order, at most one
// skript and one extern, for the same reasons; false with the reason in `error`.
bool ParseTable(const std::string& text, std::vector<TStrategy>& table, std::string& error);
// Each strategy's name at the table, a name given again numbered: "klassisch 2".
std::vector<std::string> TableNames(const std::vector<TStrategy>& table);

struct TGameStart {
    int Deal = 0;  // from 1
    int Game = 0;  // from 1, over the whole match
    bool MovesFirst = false;
    TStrategy Opponent = TStrategy::Classic;  // in the seat after the outside player's
    // Every other seat's strategy in turn order from the seat after the outside
    // player's; empty where only Opponent is told.
    std::vector<TStrategy> Others = {};
    int Place = 1;  // the outside player's place in this game's turn order, 1 moving first
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

// A match at a table, by the strategies' places in the table's list.
struct TTableResult {
    int Games = 0;
    std::vector<int> Wins;
    int Unfinished = 0;  // stopped at the turn limit, or nothing left to draw
    long Rounds = 0;     // a round is a turn of each seat
    // Games the outside player lost by a bad answer: at a table of two won
    // by the other side, at a bigger one by nobody.
    int Forfeits = 0;
    std::string Failure;
    std::vector<long> Points;  // minus points, as TMatchResult counts them
    // [player][place in turn order, 0 moving first]: the games it played there.
    std::vector<std::vector<int>> TurnPlaces;
};

// `outside` plays the extern strategy; it must be given when one is seated.
// Every game is dealt under `rules`, to as many seats as the table has.
TTableResult PlayTable(const std::vector<TStrategy>& table, int deals, uint64_t seed, int roundLimit = 500,
                       TOutsidePlayer* outside = nullptr, TDealRules rules = {});
// The table of two, as its two sides.
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
std::string IntervalLine(const std::string& name, int wins, int games);
// "klassisch 2 won W of N games (P %)"
std::string WinsLine(const std::string& name, int wins, int games);
// "mean minus points per game: stark 8.4, klassisch 27.9": over all games
std::string PointsLine(TStrategy first, TStrategy second, const TMatchResult& result);
std::string PointsLine(const std::vector<std::string>& names, const std::vector<long>& points, int games);
