// The computer's turn: draw, meld, discard.
#include "game/Game.h"

void TGame::ZugDesGegners() {}

void TGame::DrawFromStock() {}

void TGame::DrawFromDiscardPile() {}

void TGame::DiscardOpponentCard(int32_t) {}
