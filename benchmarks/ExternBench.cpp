// What the open seat adds to a turn beside the outside program's own thinking:
// the two messages of a turn written and a play's answer read, on a position
// from a played game, and one such line sent to a program and read back
// through the pipes. Goal: well under a millisecond a turn.
#include <benchmark/benchmark.h>

#include "ExternProgram.h"
#include "ExternProtocol.h"
#include "ScriptedPlayer.h"
#include "game/ComputerTurn.h"
#include "game/Game.h"

namespace {

// A game some turns in, with melds on the table.
void PlaySomeTurns(TGame& game) {
    TScriptedPlayer player(9);
    game.NeuesSpiel();
    for (int turn = 0; turn < 8 && game.TableMelds.Count() < 3; ++turn) {
        player.PlayTurn(game, PlayerSeat);
        ZugDesGegners(game);
    }
}

const char* const Answer =
    R"({"exchanges": ["He9"], "melds": [["Kr2", "Kr3", "Kr4"]], "layoffs": [{"meld": 0, "cards": ["*"]}],)"
    R"( "discard": "Ka6"})";

void BM_ExternTurnMessages(benchmark::State& state) {
    TGame game(nullptr, 31);
    PlaySomeTurns(game);
    const TCard drawn = game.OwnCards.At(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SeatMessage(game, 5, nullptr));
        benchmark::DoNotOptimize(SeatMessage(game, 5, &drawn));
        TPlay play;
        std::string error;
        benchmark::DoNotOptimize(ReadPlay(Answer, play, error));
    }
}
BENCHMARK(BM_ExternTurnMessages);

// `cat` answers at once: what is left is the pipes' and the scheduler's share.
void BM_ExternRoundTrip(benchmark::State& state) {
    TGame game(nullptr, 31);
    PlaySomeTurns(game);
    const std::string message = SeatMessage(game, 5, nullptr);
    TExternProgram program("cat");
    std::string error;
    if (!program.Start(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::string line;
    for (auto _ : state) {
        if (program.Send(message, 5.0) != TExternProgram::TIo::Done ||
            program.ReadLine(line, 5.0) != TExternProgram::TIo::Done) {
            state.SkipWithError("cat did not answer");
            break;
        }
    }
    state.SetLabel(std::to_string(message.size()) + " bytes a line");
}
BENCHMARK(BM_ExternRoundTrip)->UseRealTime();

}  // namespace
