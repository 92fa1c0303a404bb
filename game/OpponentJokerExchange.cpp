// The computer takes back table jokers it can replace.
#include "game/Game.h"

void TGame::JokerTauschenEvil() {}
