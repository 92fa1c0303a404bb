// Any bytes as a kept game: refused, or a game that could occur, restored
// with all 110 cards. A crash, a hang, a leak or undefined behaviour is a find.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "game/Invariants.h"
#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TKeptGameParse parse = ParseKeptGame(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!parse.Problem.empty()) {
        return 0;
    }
    TGame game;
    if (!RestoreSnapshot(game, parse.Kept.Game) || !CheckCards(game).empty() ||
        !CheckSnapshot(TakeSnapshot(game)).empty()) {
        std::abort();
    }
    return 0;
}
