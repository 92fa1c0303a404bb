#include "game/ComputerTurn.h"

#include "game/Game.h"
#include "game/classic/ClassicPlayer.h"
#include "game/strong/StrongOpponent.h"

void ZugDesGegners(TGame& game) {
    // Only once the player's turn ended with a discard.
    if (game.Over() || game.GameState != MustDraw) {
        return;
    }
    for (int32_t seat = game.NextSeat(PlayerSeat); seat != PlayerSeat && !game.Over();
         seat = game.NextSeat(seat)) {
        PlayComputerSeat(game, seat);
    }
}

void PlayComputerSeat(TGame& game, int32_t seat) {
    if (seat < 0 || seat >= game.SeatCount) {
        return;
    }
    // A computer's turn begins even in the player's seat, which a computer may play.
    game.BeginComputerTurn(seat);
    ComputerAt(game, seat).PlayTurn(game, seat);
}

TPlayer& ComputerAt(const TGame& game, int32_t seat) {
    static TClassicPlayer classic;
    static TStrongComputer strong;
    return game.Opponents[seat] == TOpponentKind::Strong ? static_cast<TPlayer&>(strong) : classic;
}

void ComputerDraw(TGame& game, int32_t seat, bool fromPile) {
    if (!fromPile && !game.RefillEmptyStock()) {
        fromPile = true;
    }
    if (game.DrawFor(seat, fromPile)) {
        JokerTauschenEvil(game, seat);
    }
}

void JokerTauschenEvil(TGame& game, int32_t seat) {
    if (game.Seats[seat].CameOut == 0) {
        return;
    }
    TCardArray& hand = game.Seats[seat].Hand;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TCardArray* cards = game.TableMelds.At(m).Cards;
        if (cards == nullptr) {
            continue;
        }
        for (int k = 0; k < cards->Count(); ++k) {
            if (!IsJoker(cards->At(k))) {
                continue;
            }
            for (int h = 0; h < hand.Count(); ++h) {
                if (FitsJoker(hand.At(h), cards->At(k))) {
                    game.SwapTableJoker(seat, m, k, h);
                    break;
                }
            }
        }
    }
}
