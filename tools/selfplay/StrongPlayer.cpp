#include "StrongPlayer.h"

#include "game/strong/StrongOpponent.h"

void TStrongPlayer::Select(const std::vector<int>& hand) {
    Game.ClearHandSelection();
    for (int i : hand) {
        Game.ToggleHandCard(i);
    }
}

bool TStrongPlayer::PlayTurn() {
    const bool drawn = TakeFromDiscardPile(ViewOf(Game, TSide::Player))
                           ? Game.PlayerDrawFromDiscardPile() || Game.PlayerDrawFromStock()
                           : Game.PlayerDrawFromStock() || Game.PlayerDrawFromDiscardPile();
    if (!drawn) {
        return false;
    }
    bool mayLay = true;
    while (Game.GameState == MayLayOut) {
        const TStrongMove move = NextMove(ViewOf(Game, TSide::Player), mayLay);
        if (move.Kind == TMoveKind::None) {
            break;
        }
        Select(move.Cards);
        if (move.Kind == TMoveKind::Discard) {
            Game.PlayerDiscard();
            break;
        }
        const int before = Game.OwnCards.Count();
        Game.PlayerLayOut(move.Kind == TMoveKind::LayOff ? move.Meld : -1);
        // A drop that was refused leaves the hand as it was: only the discard remains.
        mayLay = Game.OwnCards.Count() < before;
    }
    return true;
}
