// Which cards may lie together on the table, and what they are worth.
#include "game/Game.h"

bool TGame::passenzusammen(TCardArray&) {
    return false;
}

int32_t TGame::CountUnplaced(TCardArray&) {
    return 0;
}

bool TGame::PlaceRunCard(TCardArray&, int32_t, int32_t, int32_t, int32_t) {
    return false;
}

void TGame::PlaceSetJoker(TCardArray&, int32_t, int32_t) {}

int32_t TGame::MeldPoints(TCardArray&) {
    return 0;
}

bool TGame::FirstMeldCheck(TCardArray&, int32_t) {
    return false;
}

void TGame::ShiftLeadingJokers(TCardArray&) {}
