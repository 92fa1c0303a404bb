#include "game/Player.h"

#include "game/Game.h"

TTurnEnd PlaySeatTurn(TGame& game, int32_t seat, TPlayer& player) {
    if (seat != PlayerSeat) {
        game.BeginComputerTurn(seat);
    } else {
        game.Seats[seat].OutAtTurnStart = game.Seats[seat].CameOut;
    }
    return player.PlayTurn(game, seat);
}
