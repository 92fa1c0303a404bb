// Keeping the game in play and reading it back, on a position late in a game
// with melds, memory and a computer's turn: what the event loop pays for each
// save, what the keeper's thread pays with the flush to the disk, and reading,
// checking and restoring the file when the player continues.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "SelfPlay.h"
#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"
#include "settings/SafeFile.h"

namespace {

// The position of a whole game with the most melds on the table.
const TGameSnapshot& LatePosition() {
    static const TGameSnapshot late = [] {
        TGameSnapshot most;
        TSelfPlayOptions options;
        options.Interrupt = [&](std::optional<TGame>& seat, TGameListener&) {
            if (seat->TableMelds.Count() > static_cast<int>(most.Melds.size())) {
                most = TakeSnapshot(*seat);
            }
        };
        PlayGames(3, 7, 500, options);
        return most;
    }();
    return late;
}

// On the event loop: the snapshot, its check and its text.
void BM_KeepGame(benchmark::State& state) {
    TGame game;
    RestoreSnapshot(game, LatePosition());
    for (auto _ : state) {
        const TKeptGame kept{TakeSnapshot(game), 0};
        if (!CheckSnapshot(kept.Game).empty()) {
            state.SkipWithError("the position must be kept");
            break;
        }
        benchmark::DoNotOptimize(KeptGameText(kept));
    }
}
BENCHMARK(BM_KeepGame)->Unit(benchmark::kMicrosecond);

// On the keeper's thread: the file written whole, flushed to the disk and
// renamed into place. On a real disk, not a tmpfs.
void BM_SaveKeptGame(benchmark::State& state) {
    QTemporaryDir dir(QDir::homePath() + "/.cache/brisko-bench-XXXXXX");
    const QString path = dir.path() + "/kept-game.json";
    const QByteArray text = KeptGameText({LatePosition(), 0});
    for (auto _ : state) {
        if (!ReplaceFile(path, text, KeptGamePermissions)) {
            state.SkipWithError("the save must succeed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_SaveKeptGame)->Unit(benchmark::kMillisecond);

// When the player continues: read, checked, restored.
void BM_ReadKeptGame(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/kept-game.json";
    ReplaceFile(path, KeptGameText({LatePosition(), 0}), KeptGamePermissions);
    TGame game;
    for (auto _ : state) {
        const TKeptGameReading reading = ReadKeptGame(path);
        if (reading.Result != TKeptGameRead::Read || !RestoreSnapshot(game, reading.Kept.Game)) {
            state.SkipWithError("the kept game must be read");
            break;
        }
    }
}
BENCHMARK(BM_ReadKeptGame)->Unit(benchmark::kMicrosecond);

}  // namespace
