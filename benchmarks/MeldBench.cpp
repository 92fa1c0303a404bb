// Validation of the longest candidates the player can drop: a whole suit with
// gaps that jokers fill, given in an order that makes the passes work.
#include <benchmark/benchmark.h>

#include "game/Game.h"

namespace {

void BM_ValidateLongRun(benchmark::State& state) {
    TGame game;
    // Herz 2..A without 6 and 10, two jokers for them; the hand order puts the
    // low cards last so that the start card is found late.
    const int32_t ranks[] = {Ass, Koenig, Dame, Bube, 9, 8, 7, 5, 4, 3, 2};
    auto add = [&game](int32_t suit, int32_t rank) {
        TCard* card = game.OwnCards.Append();
        card->Suit = suit;
        card->Rank = rank;
        card->Selected = 1;
    };
    for (int32_t rank : ranks) {
        add(Herz, rank);
    }
    add(Joker, JokerRank);
    add(Joker, JokerRank);
    TCardArray candidate;
    for (auto _ : state) {
        candidate.Clear();
        const bool valid = game.passenzusammen(candidate);
        benchmark::DoNotOptimize(valid);
        if (!valid) {
            state.SkipWithError("the long run must be valid");
            break;
        }
    }
}
BENCHMARK(BM_ValidateLongRun);

}  // namespace
