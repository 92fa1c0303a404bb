// Plays whole games of a scripted player against the computer and prints how they went.
// Usage: brisko_selfplay [games] [seed]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SelfPlay.h"

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const uint64_t seed =
        argc > 2 ? std::strtoull(argv[2], nullptr, 10)
                 : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto start = std::chrono::steady_clock::now();
    const TSelfPlayResult result = PlayGames(games, seed);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("seed %llu: %d games in %.2f s (%.0f games/s)\n", static_cast<unsigned long long>(seed),
                result.Games, seconds, result.Games / (seconds > 0 ? seconds : 1));
    if (result.Games > 0) {
        std::printf(
            "scripted player won %.1f %%, computer won %.1f %%, unfinished %.1f %%; %.1f turns per game\n",
            100.0 * result.PlayerWins / result.Games, 100.0 * result.ComputerWins / result.Games,
            100.0 * result.Unfinished / result.Games, static_cast<double>(result.Turns) / result.Games);
    }
    std::printf("signature %016llx\n", static_cast<unsigned long long>(result.Signature));
    if (!result.Failure.empty()) {
        std::printf("BROKEN: %s\n", result.Failure.c_str());
        return 1;
    }
    return 0;
}
