// Writes kept games of played positions into a folder, as seeds for the fuzzer:
//   brisko_kept_game_seeds <folder>
#include <QFile>
#include <QString>
#include <cstdio>

#include "SelfPlay.h"
#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisko_kept_game_seeds <folder>\n");
        return 2;
    }
    int written = 0;
    for (const TOpponentKind opponent : {TOpponentKind::Classic, TOpponentKind::Strong}) {
        TSelfPlayOptions options;
        options.Opponent = opponent;
        int pause = 0;
        options.Interrupt = [&](std::optional<TGame>& seat, TGameListener&) {
            // Every seventh place play may stop at: early, late, mid-turn.
            if (pause++ % 7 != 0) {
                return;
            }
            QFile file(QString("%1/seed-%2.json").arg(argv[1]).arg(written++));
            if (file.open(QIODevice::WriteOnly)) {
                file.write(KeptGameText({TakeSnapshot(*seat), 0}));
            }
        };
        PlayGames(3, 11, 500, options);
    }
    std::printf("%d seeds\n", written);
    return 0;
}
