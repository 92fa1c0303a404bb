// What both computer strategies share: how a computer draws, and the turn of
// the computer's seat by the opponent the game is played against.
#pragma once

#include <cstdint>

class TGame;

// The computer seat's turn; nothing unless the player's turn ended with a
// discard and the game goes on.
void ZugDesGegners(TGame& game);

// A computer's draw. From the stock: an empty stock is refilled first; if it
// stays empty the discard pile's top card is taken, and with no card anywhere
// nothing is drawn. Every table joker it can replace then comes back to it.
void ComputerDraw(TGame& game, int32_t seat, bool fromPile);

// Every table joker the seat holds the card for comes back to its hand; the
// natural card takes the joker's place.
void JokerTauschenEvil(TGame& game, int32_t seat);
