#include "Match.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <memory>
#include <utility>

#include "ScriptedPlayer.h"
#include "StrongPlayer.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "game/Scoring.h"
#include "game/classic/ClassicPlayer.h"

namespace {

// Each strategy's minus points from a game as the chairs hold it, `own` the
// strategy in the player's chair: seat 0 of the game is the player's chair.
void PointsByStrategy(const TFinishedGame& game, int own, int32_t (&points)[2]) {
    const std::vector<int32_t> bySeat = MinusPoints(game, DefaultJokerPoints);
    points[own] = bySeat[0];
    points[1 - own] = bySeat[1];
}

// The two strategies of a match are numbered 0 (named first) and 1.
class TMatchScreen final : public TGameListener {
  public:
    void Happened(const TGame& game, const TGameEvent& event) override {
        if (event.Kind == TEventKind::GameWon) {
            const bool playerWon = event.Seat == PlayerSeat;
            Winner = InSeat[event.Seat];
            // The hands are counted in the chairs they are in.
            PointsByStrategy(FinishedGameAtTable(game, playerWon ? 0 : 1, OutBefore[Winner]),
                             InSeat[PlayerSeat], Points);
        }
    }

    int InSeat[2] = {0, 1};  // the strategy in each seat
    int Winner = -1;
    bool OutBefore[2] = {};  // by strategy: had come out when its latest turn began
    int32_t Points[2] = {};  // by strategy, once the game is won
};

uint64_t DealSeed(uint64_t seed, int deal) {
    // splitmix64: neighbouring deals get unrelated seeds.
    uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(deal + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class TMatchGame {
  public:
    TMatchGame(TStrategy first, TStrategy second, TOutsidePlayer* outside, const TDealRules& rules)
        : Game(&Screen), Outside(outside) {
        Game.NextDeal = rules;
        // Which strategy sits in which seat, as the matches have always seated
        // them: an outside player always has the player's seat, the scripted
        // one the player's where it can, the strong strategy the computer's
        // where it can. Any strategy plays either seat.
        const TStrategy strategies[2] = {first, second};
        int player = 0;
        if (second == TStrategy::Extern ||
            (first != TStrategy::Extern &&
             (second == TStrategy::Scripted || (first != TStrategy::Scripted && first != TStrategy::Classic &&
                                                second == TStrategy::Classic)))) {
            player = 1;
        }
        Screen.InSeat[PlayerSeat] = player;
        Screen.InSeat[ComputerSeat] = 1 - player;
        for (int32_t seat : {PlayerSeat, ComputerSeat}) {
            Strategies[seat] = strategies[Screen.InSeat[seat]];
        }
    }

    struct TGameOutcome {
        int Winner = -1;  // -1: unfinished
        bool Forfeit = false;
        int32_t Points[2] = {};  // minus points by strategy
    };

    // Plays one game of the deal; `starter` moves first with the first hand dealt.
    // `failure` names a broken rule.
    TGameOutcome Play(uint64_t dealSeed, const TGameStart& start, int starter, int roundLimit, long& rounds,
                      std::string& failure) {
        const int playerChair = Screen.InSeat[PlayerSeat];
        Screen.Winner = -1;
        Game.Rng.Seed(dealSeed);
        // The chair that starts is dealt the first hand, which lies sorted as a player's does.
        const int32_t firstSeat = starter == playerChair ? PlayerSeat : ComputerSeat;
        Game.NextDeal.FirstSeat = firstSeat;
        Game.NeuesSpiel();
        Game.SortHand(firstSeat);
        TScriptedPlayer scripted(dealSeed ^ 0x5DEECE66Dull);
        TStrongPlayer strong;
        TPlayer* players[2] = {};
        for (int32_t seat : {PlayerSeat, ComputerSeat}) {
            players[seat] = PlayerFor(Strategies[seat], scripted, strong);
        }
        TGameOutcome outcome;
        if (Outside != nullptr) {
            TGameStart told = start;
            told.MovesFirst = starter == playerChair;
            told.Opponent = Strategies[ComputerSeat];
            outcome.Forfeit = !Outside->BeginGame(Game, told);
        }
        // A round is the player's seat's turn and the computer's; a game the
        // computer's seat starts opens with its turn alone.
        TTurnEnd end = TTurnEnd::Played;
        auto goesOn = [&] { return end == TTurnEnd::Played && Screen.Winner < 0 && failure.empty(); };
        auto turn = [&](int32_t seat) {
            Screen.OutBefore[Screen.InSeat[seat]] = Game.Seats[seat].CameOut != 0;
            // As at the window, the player's seat's turn begins where the
            // other's ends, and what the other did stays on record for it.
            if (seat != PlayerSeat) {
                Game.BeginComputerTurn(seat);
            }
            end = players[seat]->PlayTurn(Game, seat);
            if (players[seat] == Outside) {
                failure = Outside->BrokenRule();
            }
            if (end == TTurnEnd::Forfeit) {
                outcome.Forfeit = true;
                failure = CheckCards(Game);
            } else if (goesOn()) {
                failure = TurnFault(scripted.Refusals + strong.Refusals);
            }
        };
        if (!outcome.Forfeit && firstSeat == ComputerSeat) {
            turn(ComputerSeat);
        }
        for (int round = 0; round < roundLimit && goesOn() && !outcome.Forfeit; ++round) {
            turn(PlayerSeat);
            if (goesOn()) {
                turn(ComputerSeat);
            }
            ++rounds;
            if (!failure.empty()) {
                failure = "round " + std::to_string(round + 1) + ": " + failure;
                return outcome;
            }
        }
        if (!failure.empty()) {
            failure = "the opening turn: " + failure;
            return outcome;
        }
        outcome.Winner = outcome.Forfeit ? 1 - playerChair : Screen.Winner;
        if (Screen.Winner >= 0) {
            std::copy(std::begin(Screen.Points), std::end(Screen.Points), outcome.Points);
        } else {
            // Nobody went out: every hand counts as it lies, but the other
            // side's where the player's seat forfeits.
            PointsByStrategy(FinishedGameAtTable(Game, outcome.Forfeit ? 1 : -1, true), playerChair,
                             outcome.Points);
        }
        if (Outside != nullptr) {
            // The outside player's own points first.
            Outside->EndGame(outcome.Forfeit                 ? TGameResult::Forfeit
                             : outcome.Winner == playerChair ? TGameResult::Won
                             : outcome.Winner >= 0           ? TGameResult::Lost
                                                             : TGameResult::Unfinished,
                             {outcome.Points[playerChair], outcome.Points[1 - playerChair]});
        }
        return outcome;
    }

  private:
    TPlayer* PlayerFor(TStrategy strategy, TScriptedPlayer& scripted, TStrongPlayer& strong) {
        switch (strategy) {
            case TStrategy::Scripted:
                return &scripted;
            case TStrategy::Strong:
                return &strong;
            case TStrategy::Classic:
                return &Classic;
            case TStrategy::Extern:
                return Outside;
        }
        return &Classic;
    }

    // What a sound turn cannot leave behind; empty when nothing.
    std::string TurnFault(int refusals) const {
        std::string broken = CheckCards(Game);
        if (Game.GameState != MustDraw) {
            broken += "game state " + std::to_string(Game.GameState) + "; ";
        }
        if (refusals != 0) {
            broken += "a drop was refused; ";
        }
        return broken;
    }

    TMatchScreen Screen;
    TGame Game;
    TClassicPlayer Classic;
    TOutsidePlayer* Outside = nullptr;
    TStrategy Strategies[2] = {};  // by seat
};

}  // namespace

const char* StrategyName(TStrategy strategy) {
    switch (strategy) {
        case TStrategy::Scripted:
            return "skript";
        case TStrategy::Classic:
            return "klassisch";
        case TStrategy::Strong:
            return "stark";
        case TStrategy::Extern:
            return "extern";
    }
    return "";
}

bool ParseStrategy(const std::string& name, TStrategy& strategy) {
    for (TStrategy s : {TStrategy::Scripted, TStrategy::Classic, TStrategy::Strong, TStrategy::Extern}) {
        if (name == StrategyName(s)) {
            strategy = s;
            return true;
        }
    }
    return false;
}

bool ParsePairing(const std::string& text, TStrategy& first, TStrategy& second) {
    const size_t dash = text.find('-');
    return dash != std::string::npos && ParseStrategy(text.substr(0, dash), first) &&
           ParseStrategy(text.substr(dash + 1), second) &&
           !(first == second && (first == TStrategy::Scripted || first == TStrategy::Extern));
}

TMatchResult PlayMatch(TStrategy first, TStrategy second, int deals, uint64_t seed, int roundLimit,
                       TOutsidePlayer* outside, const TDealRules& rules) {
    TMatchResult result;
    auto match = std::make_unique<TMatchGame>(first, second, outside, rules);
    for (int deal = 0; deal < deals && result.Failure.empty(); ++deal) {
        const uint64_t dealSeed = DealSeed(seed, deal);
        for (int starter = 0; starter < 2 && result.Failure.empty(); ++starter) {
            std::string failure;
            const TGameStart start{deal + 1, result.Games + 1};
            const auto outcome = match->Play(dealSeed, start, starter, roundLimit, result.Rounds, failure);
            ++result.Games;
            result.Forfeits += outcome.Forfeit ? 1 : 0;
            result.FirstPoints += outcome.Points[0];
            result.SecondPoints += outcome.Points[1];
            if (!failure.empty()) {
                result.Failure = "seed " + std::to_string(seed) + ", deal " + std::to_string(deal + 1) +
                                 ", game " + std::to_string(starter + 1) + ", " + failure;
            } else if (outcome.Winner == 0) {
                ++result.FirstWins;
            } else if (outcome.Winner == 1) {
                ++result.SecondWins;
            } else {
                ++result.Unfinished;
            }
        }
    }
    return result;
}

std::string MatchLine(TStrategy first, TStrategy second, const TMatchResult& result) {
    const double share = result.Games > 0 ? 100.0 * result.FirstWins / result.Games : 0.0;
    char line[256];
    std::snprintf(line, sizeof(line),
                  "match %s-%s: %s won %d of %d games (%.1f %%), %s won %d, unfinished %d",
                  StrategyName(first), StrategyName(second), StrategyName(first), result.FirstWins,
                  result.Games, share, StrategyName(second), result.SecondWins, result.Unfinished);
    return line;
}

TShareInterval WilsonInterval(int wins, int games) {
    if (games <= 0) {
        return {};
    }
    constexpr double z = 1.959963984540054;  // two-sided 95 %
    const double n = games;
    const double p = wins / n;
    const double spread = z * z / n;
    const double centre = (p + spread / 2) / (1 + spread);
    const double half = z / (1 + spread) * std::sqrt(p * (1 - p) / n + spread / (4 * n));
    return {100.0 * std::max(0.0, centre - half), 100.0 * std::min(1.0, centre + half)};
}

std::string IntervalLine(TStrategy first, const TMatchResult& result) {
    const TShareInterval interval = WilsonInterval(result.FirstWins, result.Games);
    char line[128];
    std::snprintf(line, sizeof(line), "95 %% interval of %s's share (Wilson): %.1f %% to %.1f %%",
                  StrategyName(first), interval.Low, interval.High);
    return line;
}

std::string PointsLine(TStrategy first, TStrategy second, const TMatchResult& result) {
    const double games = result.Games > 0 ? result.Games : 1;
    char line[128];
    std::snprintf(line, sizeof(line), "mean minus points per game: %s %.1f, %s %.1f", StrategyName(first),
                  static_cast<double>(result.FirstPoints) / games, StrategyName(second),
                  static_cast<double>(result.SecondPoints) / games);
    return line;
}
