#include "StrongPlayer.h"

#include "ScriptedPlayer.h"
#include "game/strong/StrongOpponent.h"

void TStrongPlayer::Select(const std::vector<int>& hand) {
    Game.ClearHandSelection();
    for (int i : hand) {
        Game.ToggleHandCard(i);
    }
}

bool TStrongPlayer::PlayTurn() {
    const bool drawn = TakeFromDiscardPile(ViewOf(Game, PlayerSeat))
                           ? Game.PlayerDrawFromDiscardPile() || Game.PlayerDrawFromStock()
                           : Game.PlayerDrawFromStock() || Game.PlayerDrawFromDiscardPile();
    if (!drawn) {
        return false;
    }
    TakeEveryExchange(Game);
    bool mayLay = true;
    while (Game.GameState == MayLayOut) {
        const TStrongMove move = NextMove(ViewOf(Game, PlayerSeat), mayLay);
        if (move.Kind == TMoveKind::None) {
            break;
        }
        Select(move.Cards);
        if (move.Kind == TMoveKind::Discard) {
            Refusals += Game.PlayerDiscard() != TRefusal::None ? 1 : 0;
            break;
        }
        const int before = Game.OwnCards.Count();
        Refusals +=
            Game.PlayerLayOut(move.Kind == TMoveKind::LayOff ? move.Meld : -1) != TRefusal::None ? 1 : 0;
        // A drop that was refused leaves the hand as it was: only the discard remains.
        mayLay = Game.OwnCards.Count() < before;
    }
    return true;
}
