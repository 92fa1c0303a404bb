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

// The strategies of a table are numbered by their places in its list.
class TMatchScreen final : public TGameListener {
  public:
    void Happened(const TGame& game, const TGameEvent& event) override {
        if (event.Kind == TEventKind::GameWon) {
            Winner = InSeat[event.Seat];
            // The hands are counted in the seats they are in.
            const std::vector<int32_t> bySeat = MinusPoints(WonGame(game, event.Seat), DefaultJokerPoints);
            for (size_t seat = 0; seat < bySeat.size(); ++seat) {
                Points[InSeat[seat]] = bySeat[seat];
            }
        }
    }

    int InSeat[MostSeats] = {};  // the strategy in each seat
    int Winner = -1;
    int32_t Points[MostSeats] = {};  // by strategy, once the game is won
};

// Who may sit in the player's seat, which plays through the player's own
// commands: an outside player must, the scripted one where it can, the strong
// strategy where nobody else can. Any other strategy plays any seat.
int PlayersSeatClaim(TStrategy strategy) {
    switch (strategy) {
        case TStrategy::Extern:
            return 3;
        case TStrategy::Scripted:
            return 2;
        case TStrategy::Classic:
            return 1;
        case TStrategy::Strong:
            break;
    }
    return 0;
}

uint64_t DealSeed(uint64_t seed, int deal) {
    // splitmix64: neighbouring deals get unrelated seeds.
    uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(deal + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class TMatchGame {
  public:
    TMatchGame(const std::vector<TStrategy>& table, TOutsidePlayer* outside, const TDealRules& rules)
        : Game(&Screen), Outside(outside), Seats(static_cast<int32_t>(table.size())) {
        Game.NextDeal = rules;
        Game.NextDeal.Seats = Seats;
        // The table sits in the order listed, turn by turn round it, and the
        // list's strongest claim to the player's seat (the first of equals) has it.
        int player = 0;
        for (int place = 1; place < Seats; ++place) {
            player = PlayersSeatClaim(table[place]) > PlayersSeatClaim(table[player]) ? place : player;
        }
        for (int32_t seat = 0; seat < Seats; ++seat) {
            Screen.InSeat[seat] = (player + seat) % Seats;
            Strategies[seat] = table[Screen.InSeat[seat]];
        }
    }

    struct TGameOutcome {
        int Winner = -1;  // -1: unfinished, or forfeited at a table of more than two
        bool Forfeit = false;
        int32_t Points[MostSeats] = {};  // minus points by strategy
    };

    // Where the strategy at `place` sits.
    int32_t SeatOf(int place) const { return (place - Screen.InSeat[PlayerSeat] + Seats) % Seats; }

    // Plays one game of the deal; `starter` moves first with the first hand dealt.
    // `failure` names a broken rule.
    TGameOutcome Play(uint64_t dealSeed, const TGameStart& start, int starter, int roundLimit, long& rounds,
                      std::string& failure) {
        Screen.Winner = -1;
        Game.Rng.Seed(dealSeed);
        // The seat that starts is dealt the first hand, which lies sorted as a player's does.
        const int32_t firstSeat = SeatOf(starter);
        Game.NextDeal.FirstSeat = firstSeat;
        Game.NeuesSpiel();
        Game.SortHand(firstSeat);
        TScriptedPlayer scripted(dealSeed ^ 0x5DEECE66Dull);
        TStrongPlayer strong;
        TPlayer* players[MostSeats] = {};
        for (int32_t seat = 0; seat < Seats; ++seat) {
            players[seat] = PlayerFor(Strategies[seat], scripted, strong);
        }
        TGameOutcome outcome;
        if (Outside != nullptr) {
            TGameStart told = start;
            told.MovesFirst = firstSeat == PlayerSeat;
            told.Place = (Seats - firstSeat) % Seats + 1;
            told.Opponent = Strategies[ComputerSeat];
            told.Others.assign(Strategies + ComputerSeat, Strategies + Seats);
            outcome.Forfeit = !Outside->BeginGame(Game, told);
        }
        // A round is a turn of every seat from the player's on; a game that
        // another seat starts opens with the turns up to the player's.
        TTurnEnd end = TTurnEnd::Played;
        auto goesOn = [&] { return end == TTurnEnd::Played && Screen.Winner < 0 && failure.empty(); };
        auto turn = [&](int32_t seat) {
            end = PlaySeatTurn(Game, seat, *players[seat]);
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
        for (int32_t seat = firstSeat; seat != PlayerSeat && !outcome.Forfeit && goesOn();
             seat = Game.NextSeat(seat)) {
            turn(seat);
        }
        for (int round = 0; round < roundLimit && goesOn() && !outcome.Forfeit; ++round) {
            turn(PlayerSeat);
            for (int32_t seat = ComputerSeat; seat < Seats && goesOn(); ++seat) {
                turn(seat);
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
        const int outsider = Screen.InSeat[PlayerSeat];
        // A forfeit at a table of two is the other side's win.
        outcome.Winner = !outcome.Forfeit ? Screen.Winner : Seats == 2 ? 1 - outsider : -1;
        if (Screen.Winner >= 0) {
            std::copy(std::begin(Screen.Points), std::end(Screen.Points), outcome.Points);
        } else {
            // Nobody went out: every hand counts as it lies, but only the
            // player's seat's where it forfeits.
            const std::vector<int32_t> bySeat =
                MinusPoints(FinishedGameAtTable(Game, -1, true), DefaultJokerPoints);
            for (int32_t seat = 0; seat < Seats; ++seat) {
                outcome.Points[Screen.InSeat[seat]] =
                    outcome.Forfeit && seat != PlayerSeat ? 0 : bySeat[seat];
            }
        }
        if (Outside != nullptr) {
            // The outside player's own points first, then the others' in turn order.
            std::vector<int32_t> told;
            for (int32_t seat = 0; seat < Seats; ++seat) {
                told.push_back(outcome.Points[Screen.InSeat[seat]]);
            }
            Outside->EndGame(outcome.Forfeit              ? TGameResult::Forfeit
                             : outcome.Winner == outsider ? TGameResult::Won
                             : outcome.Winner >= 0        ? TGameResult::Lost
                                                          : TGameResult::Unfinished,
                             told);
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
    int32_t Seats = FewestSeats;
    TStrategy Strategies[MostSeats] = {};  // by seat
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

bool ParseTable(const std::string& text, std::vector<TStrategy>& table, std::string& error) {
    table.clear();
    error.clear();
    for (size_t from = 0; error.empty() && from <= text.size();) {
        const size_t comma = std::min(text.find(',', from), text.size());
        const std::string name = text.substr(from, comma - from);
        TStrategy strategy{};
        if (!ParseStrategy(name, strategy)) {
            error.append("\"").append(name).append("\" is none of skript, klassisch, stark, extern");
        } else if ((strategy == TStrategy::Scripted || strategy == TStrategy::Extern) &&
                   std::find(table.begin(), table.end(), strategy) != table.end()) {
            // Both would want the player's seat.
            error = std::string("at most one ") + StrategyName(strategy);
        }
        table.push_back(strategy);
        from = comma + 1;
    }
    if (error.empty() && (table.size() < FewestSeats || table.size() > MostSeats)) {
        error = "a table seats " + std::to_string(FewestSeats) + " to " + std::to_string(MostSeats);
    }
    return error.empty();
}

std::vector<std::string> TableNames(const std::vector<TStrategy>& table) {
    std::vector<std::string> names;
    for (size_t place = 0; place < table.size(); ++place) {
        std::string name = StrategyName(table[place]);
        const auto same = std::count(table.begin(), table.begin() + static_cast<long>(place), table[place]);
        if (same > 0) {
            name.append(" ").append(std::to_string(same + 1));
        }
        names.push_back(name);
    }
    return names;
}

TTableResult PlayTable(const std::vector<TStrategy>& table, int deals, uint64_t seed, int roundLimit,
                       TOutsidePlayer* outside, TDealRules rules) {
    const int seats = static_cast<int>(table.size());
    TTableResult result;
    result.Wins.assign(table.size(), 0);
    result.Points.assign(table.size(), 0);
    result.TurnPlaces.assign(table.size(), std::vector<int>(table.size(), 0));
    auto match = std::make_unique<TMatchGame>(table, outside, rules);
    for (int deal = 0; deal < deals && result.Failure.empty(); ++deal) {
        const uint64_t dealSeed = DealSeed(seed, deal);
        for (int starter = 0; starter < seats && result.Failure.empty(); ++starter) {
            std::string failure;
            TGameStart start;
            start.Deal = deal + 1;
            start.Game = result.Games + 1;
            const auto outcome = match->Play(dealSeed, start, starter, roundLimit, result.Rounds, failure);
            ++result.Games;
            result.Forfeits += outcome.Forfeit ? 1 : 0;
            for (int place = 0; place < seats; ++place) {
                result.Points[place] += outcome.Points[place];
                ++result.TurnPlaces[place][(place - starter + seats) % seats];
            }
            if (!failure.empty()) {
                result.Failure = "seed " + std::to_string(seed) + ", deal " + std::to_string(deal + 1) +
                                 ", game " + std::to_string(starter + 1) + ", " + failure;
            } else if (outcome.Winner >= 0) {
                ++result.Wins[outcome.Winner];
            } else if (!outcome.Forfeit) {
                ++result.Unfinished;
            }
        }
    }
    return result;
}

TMatchResult PlayMatch(TStrategy first, TStrategy second, int deals, uint64_t seed, int roundLimit,
                       TOutsidePlayer* outside, const TDealRules& rules) {
    const TTableResult table = PlayTable({first, second}, deals, seed, roundLimit, outside, rules);
    return {table.Games,    table.Wins[0], table.Wins[1],   table.Unfinished, table.Rounds,
            table.Forfeits, table.Failure, table.Points[0], table.Points[1]};
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
    return IntervalLine(StrategyName(first), result.FirstWins, result.Games);
}

std::string IntervalLine(const std::string& name, int wins, int games) {
    const TShareInterval interval = WilsonInterval(wins, games);
    char line[160];
    std::snprintf(line, sizeof(line), "95 %% interval of %s's share (Wilson): %.1f %% to %.1f %%",
                  name.c_str(), interval.Low, interval.High);
    return line;
}

std::string WinsLine(const std::string& name, int wins, int games) {
    char line[160];
    std::snprintf(line, sizeof(line), "%s won %d of %d games (%.1f %%)", name.c_str(), wins, games,
                  games > 0 ? 100.0 * wins / games : 0.0);
    return line;
}

std::string PointsLine(TStrategy first, TStrategy second, const TMatchResult& result) {
    return PointsLine({StrategyName(first), StrategyName(second)}, {result.FirstPoints, result.SecondPoints},
                      result.Games);
}

std::string PointsLine(const std::vector<std::string>& names, const std::vector<long>& points, int games) {
    std::string line = "mean minus points per game:";
    for (size_t place = 0; place < names.size() && place < points.size(); ++place) {
        char mean[32];
        std::snprintf(mean, sizeof(mean), " %.1f",
                      static_cast<double>(points[place]) / (games > 0 ? games : 1));
        line += (place > 0 ? ", " : " ") + names[place] + mean;
    }
    return line;
}
