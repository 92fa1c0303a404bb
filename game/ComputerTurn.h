// What both computer strategies share: how a computer draws, and the turns of
// the computer seats by the opponents the game seats there.
#pragma once

#include <cstdint>

class TGame;
class TPlayer;

// The computer seats' turns, from the seat after the player's round to the
// player's again, each by its own opponent; they stop when a seat goes out.
// Nothing unless the player's turn ended with a discard and the game goes on.
void ZugDesGegners(TGame& game);

// One computer seat's whole turn, from its draw to its discard, by the
// opponent the game seats there.
void PlayComputerSeat(TGame& game, int32_t seat);

// The strategy of the opponent the game seats at computer seat `seat`.
// Neither strategy keeps anything between turns, so one of each serves
// every game.
TPlayer& ComputerAt(const TGame& game, int32_t seat);

// A computer's draw. From the stock: an empty stock is refilled first; if it
// stays empty the discard pile's top card is taken, and with no card anywhere
// nothing is drawn. Every table joker it can replace then comes back to it.
void ComputerDraw(TGame& game, int32_t seat, bool fromPile);

// Every table joker the seat holds the card for comes back to its hand; the
// natural card takes the joker's place.
void JokerTauschenEvil(TGame& game, int32_t seat);
