// The player's exchange of a hand card for the table joker that stands for it.
#include "game/Game.h"

void TGame::JokerTauschen() {
    Screen->Repaint();
}
