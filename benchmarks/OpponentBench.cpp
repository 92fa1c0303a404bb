// One whole computer turn (draw, joker exchange, meld search, laying off,
// discard), on positions sampled from played games. Goal: at most 50 us for
// the classic rules, well under a millisecond for the strong strategy.
//
// Turns that end the game deal anew and turns that refill an empty stock both
// shuffle (58000 exchanges); they are left out: that cost belongs to the
// shuffle, not to the computer's play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <random>
#include <utility>
#include <vector>

#include "game/ComputerTurn.h"
#include "game/Game.h"

namespace {

struct TPosition {
    int32_t Seats = FewestSeats;
    std::vector<TCard> Hands[MostSeats];
    uint8_t CameOut[MostSeats] = {};
    std::vector<TCard> Stock, Discards;
    std::vector<std::vector<TCard>> Melds;
    TSeenCards Seen;
};

TPosition Take(const TGame& game) {
    TPosition p;
    p.Seats = game.SeatCount;
    for (int32_t seat = 0; seat < MostSeats; ++seat) {
        p.Hands[seat] = game.Seats[seat].Hand.Records();
        p.CameOut[seat] = game.Seats[seat].CameOut;
    }
    p.Stock = game.Stock.Records();
    p.Discards = game.DiscardPile.Records();
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        p.Melds.push_back(game.TableMelds.At(m).Cards->Records());
    }
    p.Seen = game.Seen;
    return p;
}

// The faces are null (no screen composes them), so records may be copied freely.
void Restore(TGame& game, const TPosition& p) {
    game.ClearAll();
    game.SeatCount = p.Seats;
    for (int32_t seat = 0; seat < MostSeats; ++seat) {
        game.Seats[seat].Hand.AppendRecords(p.Hands[seat]);
        game.Seats[seat].CameOut = p.CameOut[seat];
    }
    game.Stock.AppendRecords(p.Stock);
    game.DiscardPile.AppendRecords(p.Discards);
    for (const std::vector<TCard>& cards : p.Melds) {
        TMeld* meld = game.TableMelds.Append();
        meld->Cards = new TCardArray();
        meld->Cards->AppendRecords(cards);
    }
    game.Seen = p.Seen;
    game.Winner = -1;
}

// The player's turn: a card from the stock, and a card thrown away at random.
void RandomPlayerTurn(TGame& game, std::mt19937& player) {
    MoveCard(game.Stock, 0, game.OwnCards);
    game.StapelAuffrischen();
    MoveCard(game.OwnCards, static_cast<int>(player() % game.OwnCards.Count()), game.DiscardPile);
    game.SetStatus(MustDraw);
}

// Computer turns against a player who draws and discards at random.
std::vector<TPosition> SamplePositions(bool onlyOut, TOpponentKind opponent = TOpponentKind::Classic,
                                       int32_t cards = TDealRules{}.Cards) {
    TGame game(nullptr, 77);
    game.ChosenOpponent = opponent;
    game.NextDeal.Cards = cards;
    std::mt19937 player(5);
    std::vector<TPosition> positions;
    for (int deal = 0; deal < 40; ++deal) {
        game.NeuesSpiel();
        for (int turn = 0; turn < 200; ++turn) {
            RandomPlayerTurn(game, player);
            const bool refill = game.Stock.Empty();
            TPosition before = Take(game);
            ZugDesGegners(game);
            const bool ended = game.Over();
            if (!refill && !ended && (!onlyOut || before.CameOut[ComputerSeat] != 0)) {
                positions.push_back(std::move(before));
            }
            if (ended || game.Stock.Empty()) {
                break;
            }
        }
    }
    return positions;
}

double TimeTurn(TGame& game, const TPosition& position) {
    Restore(game, position);
    const auto start = std::chrono::steady_clock::now();
    ZugDesGegners(game);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void TimeTurns(benchmark::State& state, TOpponentKind opponent) {
    // The second argument, where given, is the number of cards dealt to each side.
    const int32_t cards = state.range(1) > 0 ? static_cast<int32_t>(state.range(1)) : TDealRules{}.Cards;
    const std::vector<TPosition> positions = SamplePositions(state.range(0) != 0, opponent, cards);
    TGame game(nullptr, 3);
    game.Opponent = opponent;
    size_t next = 0;
    for (auto _ : state) {
        state.SetIterationTime(TimeTurn(game, positions[next++ % positions.size()]));
    }
    // The slowest position, each timed at its best of several runs so that
    // a preempted run does not count.
    double worst = 0;
    for (const TPosition& position : positions) {
        double best = 1;
        for (int run = 0; run < 20; ++run) {
            best = std::min(best, TimeTurn(game, position));
        }
        worst = std::max(worst, best);
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["worst_us"] = worst * 1e6;
}

// One strong seat's turn at a table of four, all three computers strong, on
// positions before each of their turns; the argument is the cards dealt.
void StrongSeatAtFour(benchmark::State& state) {
    TGame game(nullptr, 78);
    game.NextDeal.Seats = MostSeats;
    game.NextDeal.Cards = static_cast<int32_t>(state.range(0));
    std::fill(std::begin(game.ChosenOpponents), std::end(game.ChosenOpponents), TOpponentKind::Strong);
    std::mt19937 player(6);
    std::vector<std::pair<int32_t, TPosition>> positions;
    for (int deal = 0; deal < 30; ++deal) {
        game.NeuesSpiel();
        for (int round = 0; round < 200 && !game.Over() && !game.Stock.Empty(); ++round) {
            RandomPlayerTurn(game, player);
            for (int32_t seat = ComputerSeat; seat < MostSeats && !game.Over(); ++seat) {
                const bool refill = game.Stock.Empty();
                TPosition before = Take(game);
                PlayComputerSeat(game, seat);
                if (!refill && !game.Over()) {
                    positions.push_back({seat, std::move(before)});
                }
            }
        }
    }
    auto time = [&game](const std::pair<int32_t, TPosition>& position) {
        Restore(game, position.second);
        const auto start = std::chrono::steady_clock::now();
        PlayComputerSeat(game, position.first);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    size_t next = 0;
    for (auto _ : state) {
        state.SetIterationTime(time(positions[next++ % positions.size()]));
    }
    double worst = 0;
    for (const auto& position : positions) {
        double best = 1;
        for (int run = 0; run < 20; ++run) {
            best = std::min(best, time(position));
        }
        worst = std::max(worst, best);
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["worst_us"] = worst * 1e6;
}

void OpponentTurn(benchmark::State& state) {
    TimeTurns(state, TOpponentKind::Classic);
}

void StrongOpponentTurn(benchmark::State& state) {
    TimeTurns(state, TOpponentKind::Strong);
}

}  // namespace

// First argument 0: every sampled turn; 1: only turns after the computer came
// out (joker exchange and laying off at work).
BENCHMARK(OpponentTurn)->Args({0, 0})->Args({1, 0})->UseManualTime()->Unit(benchmark::kMicrosecond);
// Also with 16 cards dealt: the largest hands the strong strategy has to weigh.
BENCHMARK(StrongOpponentTurn)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 16})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
// Goal: mean at most 1 ms, the slowest position at most 5 ms.
BENCHMARK(StrongSeatAtFour)->Arg(12)->Arg(16)->UseManualTime()->Unit(benchmark::kMicrosecond);
