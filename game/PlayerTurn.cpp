// The player's turn: draw, select, lay out, lay off, discard, take back.
#include "game/Game.h"

bool TGame::PlayerDrawFromStock() {
    return false;
}

bool TGame::PlayerDrawFromDiscardPile() {
    return false;
}

bool TGame::ToggleHandCard(int32_t) {
    return false;
}

void TGame::ClearHandSelection() {}

void TGame::PlayerDiscard() {}

void TGame::PlayerLayOut(int32_t) {}

void TGame::TakeBackTurn() {}
