#include "StrongPlayer.h"

#include "ScriptedPlayer.h"
#include "game/strong/StrongOpponent.h"

TTurnEnd TStrongPlayer::PlayTurn(TGame& game, int32_t seat) {
    if (seat != PlayerSeat) {
        return TStrongComputer().PlayTurn(game, seat);
    }
    const bool drawn = TakeFromDiscardPile(ViewOf(game, PlayerSeat))
                           ? game.PlayerDrawFromDiscardPile() || game.PlayerDrawFromStock()
                           : game.PlayerDrawFromStock() || game.PlayerDrawFromDiscardPile();
    if (!drawn) {
        return TTurnEnd::NothingToDraw;
    }
    TakeEveryExchange(game);
    bool mayLay = true;
    while (game.GameState == MayLayOut) {
        const TStrongMove move = NextMove(ViewOf(game, PlayerSeat), mayLay);
        if (move.Kind == TMoveKind::None) {
            break;
        }
        SelectHandCards(game, move.Cards);
        if (move.Kind == TMoveKind::Discard) {
            Refusals += game.PlayerDiscard() != TRefusal::None ? 1 : 0;
            break;
        }
        const int before = game.OwnCards.Count();
        Refusals +=
            game.PlayerLayOut(move.Kind == TMoveKind::LayOff ? move.Meld : -1) != TRefusal::None ? 1 : 0;
        // A drop that was refused leaves the hand as it was: only the discard remains.
        mayLay = game.OwnCards.Count() < before;
    }
    return TTurnEnd::Played;
}
