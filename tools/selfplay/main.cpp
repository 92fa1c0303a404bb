// Plays whole games without a screen and prints how they went.
// Usage: brisko_selfplay [games] [seed] [klassisch|stark]
//        brisko_selfplay --match A-B | --table A,B[,C[,D]]  --deals D --seed S [--cards N]
//                        [--minimum 30|40] [--extern "COMMAND ARGS" [--timeout SECONDS]]
// The first form plays the scripted player against the computer (the classic one
// unless named); the second plays every deal once per rotation of the table
// between two to four strategies (skript, klassisch, stark, extern), each moving
// first once, with N cards dealt (12) and the first-meld minimum given (30).
// Extern is the program given, spoken to over the line protocol of
// docs/extern-protocol.md.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ExternPlayer.h"
#include "Match.h"
#include "SelfPlay.h"

namespace {

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

bool ParseCount(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == 0 && value >= 0;
}

bool ParseSeconds(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == 0 && value > 0 && value <= 3600;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: brisko_selfplay [games] [seed] [klassisch|stark]\n"
                 "       brisko_selfplay --match A-B [--deals D] [--seed S] [--cards N] [--minimum 30|40]\n"
                 "                       [--extern \"COMMAND ARGS\" [--timeout SECONDS]]\n"
                 "       brisko_selfplay --table A,B[,C[,D]] [the options of --match]\n"
                 "       (A, B, C, D: skript, klassisch, stark, extern; at most one skript and one\n"
                 "        extern; --extern exactly when extern plays)\n");
    return 2;
}

// The reason first, then how the tool is called.
int Usage(const std::string& reason) {
    std::fprintf(stderr, "brisko_selfplay: %s\n", reason.c_str());
    return Usage();
}

void PrintExtern(const TExternPlayer& player, int forfeits, int games) {
    std::printf("extern %s forfeited %d of %d games: %s\n",
                player.Name().empty() ? "(no name)" : player.Name().c_str(), forfeits, games,
                player.ForfeitSummary().c_str());
    const TExternPlayer::TAnswerTimes& times = player.AnswerTimes();
    std::fprintf(stderr, "extern answered %ld times, %.3f ms on average, %.1f ms at the slowest\n",
                 times.Count, times.Count > 0 ? 1000.0 * times.Total / static_cast<double>(times.Count) : 0.0,
                 1000.0 * times.Slowest);
}

// One line per player, then the first one's share and everyone's minus points.
int RunTable(const std::vector<TStrategy>& table, int deals, uint64_t seed, const TDealRules& rules,
             TExternPlayer* outside) {
    const auto start = std::chrono::steady_clock::now();
    const TTableResult result = PlayTable(table, deals, seed, 500, outside, rules);
    if (outside != nullptr) {
        outside->Finish();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::vector<std::string> names = TableNames(table);
    for (size_t place = 0; place < table.size(); ++place) {
        std::printf("%s\n", WinsLine(names[place], result.Wins[place], result.Games).c_str());
    }
    std::printf("unfinished %d of %d games\n", result.Unfinished, result.Games);
    if (outside != nullptr) {
        PrintExtern(*outside, result.Forfeits, result.Games);
    }
    std::printf("%s\n", IntervalLine(names[0], result.Wins[0], result.Games).c_str());
    std::printf("%s\n", PointsLine(names, result.Points, result.Games).c_str());
    std::fprintf(stderr, "seed %llu: %.2f s; %zu seats, %.1f rounds per game\n",
                 static_cast<unsigned long long>(seed), seconds, table.size(),
                 result.Games > 0 ? static_cast<double>(result.Rounds) / result.Games : 0.0);
    if (!result.Failure.empty()) {
        std::printf("BROKEN: %s\n", result.Failure.c_str());
        return 1;
    }
    return 0;
}

int RunMatch(int argc, char** argv) {
    TStrategy first{};
    TStrategy second{};
    bool paired = false;
    std::vector<TStrategy> table;
    long long deals = 1000;
    long long seed = -1;
    const char* command = nullptr;
    double timeout = 5.0;
    TDealRules rules;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--match") == 0 && hasValue) {
            paired = ParsePairing(argv[++i], first, second);
            if (!paired || !table.empty()) {
                return Usage(paired ? "--match or --table, not both"
                                    : std::string("not a pairing: ") + argv[i]);
            }
        } else if (std::strcmp(argv[i], "--table") == 0 && hasValue) {
            std::string error;
            if (!ParseTable(argv[++i], table, error)) {
                return Usage(std::string("--table ") + argv[i] + ": " + error);
            }
            if (paired) {
                return Usage("--match or --table, not both");
            }
        } else if (std::strcmp(argv[i], "--deals") == 0 && hasValue) {
            if (!ParseCount(argv[++i], deals) || deals > 1000000) {
                return Usage();
            }
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            if (!ParseCount(argv[++i], seed)) {
                return Usage();
            }
        } else if (std::strcmp(argv[i], "--cards") == 0 && hasValue) {
            long long cards = 0;
            if (!ParseCount(argv[++i], cards) || cards < 10 || cards > 16) {
                return Usage();
            }
            rules.Cards = static_cast<int32_t>(cards);
        } else if (std::strcmp(argv[i], "--minimum") == 0 && hasValue) {
            long long minimum = 0;
            if (!ParseCount(argv[++i], minimum) || (minimum != 30 && minimum != 40)) {
                return Usage();
            }
            rules.MeldMinimum = static_cast<int32_t>(minimum);
        } else if (std::strcmp(argv[i], "--extern") == 0 && hasValue) {
            command = argv[++i];
        } else if (std::strcmp(argv[i], "--timeout") == 0 && hasValue) {
            if (!ParseSeconds(argv[++i], timeout)) {
                return Usage();
            }
        } else {
            return Usage();
        }
    }
    if (!paired && table.empty()) {
        return Usage();
    }
    const bool outside = paired ? first == TStrategy::Extern || second == TStrategy::Extern
                                : std::find(table.begin(), table.end(), TStrategy::Extern) != table.end();
    if (outside != (command != nullptr)) {
        return Usage(outside ? "extern plays: --extern names its program"
                             : "--extern without extern playing");
    }
    const uint64_t matchSeed = seed >= 0 ? static_cast<uint64_t>(seed) : ClockSeed();
    TExternPlayer player(command != nullptr ? command : "", timeout, stderr);
    if (!paired) {
        return RunTable(table, static_cast<int>(deals), matchSeed, rules, outside ? &player : nullptr);
    }
    const auto start = std::chrono::steady_clock::now();
    const TMatchResult result =
        PlayMatch(first, second, static_cast<int>(deals), matchSeed, 500, outside ? &player : nullptr, rules);
    player.Finish();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s\n", MatchLine(first, second, result).c_str());
    if (outside) {
        PrintExtern(player, result.Forfeits, result.Games);
    }
    std::printf("%s\n", IntervalLine(first, result).c_str());
    std::printf("%s\n", PointsLine(first, second, result).c_str());
    const int finished = result.FirstWins + result.SecondWins;
    std::fprintf(stderr, "seed %llu: %.2f s; %s won %.1f %% of finished games; %.1f rounds per game\n",
                 static_cast<unsigned long long>(matchSeed), seconds, StrategyName(first),
                 finished > 0 ? 100.0 * result.FirstWins / finished : 0.0,
                 result.Games > 0 ? static_cast<double>(result.Rounds) / result.Games : 0.0);
    if (!result.Failure.empty()) {
        std::printf("BROKEN: %s\n", result.Failure.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strncmp(argv[1], "--", 2) == 0) {
        return RunMatch(argc, argv);
    }
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : ClockSeed();
    TSelfPlayOptions options;
    TStrategy opponent = TStrategy::Classic;
    if (argc > 3 && (!ParseStrategy(argv[3], opponent) || opponent == TStrategy::Scripted)) {
        return Usage();
    }
    options.Opponent = opponent == TStrategy::Strong ? TOpponentKind::Strong : TOpponentKind::Classic;
    const auto start = std::chrono::steady_clock::now();
    const TSelfPlayResult result = PlayGames(games, seed, 500, options);
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
