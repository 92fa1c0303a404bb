// The computer's meld search and laying off.
#include "game/Game.h"

void TGame::SelectOnly(int32_t) {}

bool TGame::MarkCard(int32_t, int32_t, int32_t) {
    return false;
}

int32_t TGame::MarkedPoints(bool) {
    return 0;
}

void TGame::LayOutMarked() {}
