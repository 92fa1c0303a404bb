// One whole headless game of the scripted player against the computer, from the
// deal to the last discard. Also a regression check: it stops on a broken deck.
#include <benchmark/benchmark.h>

#include "SelfPlay.h"

namespace {

void BM_WholeGame(benchmark::State& state) {
    uint64_t seed = 1;
    long turns = 0;
    for (auto _ : state) {
        const TSelfPlayResult result = PlayGames(1, seed++);
        if (!result.Failure.empty()) {
            state.SkipWithError(result.Failure.c_str());
            break;
        }
        turns += result.Turns;
    }
    state.counters["turns"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond);

}  // namespace
