#include "game/strong/Hint.h"

#include "game/Game.h"
#include "game/MeldRules.h"
#include "game/MeldShape.h"
#include "game/strong/StrongOpponent.h"

namespace {

// The cards as they would lie once laid, and where the hand's card joins a meld.
std::vector<TCard> AsLaid(const TGame& game, const std::vector<int>& positions, int32_t meld, TMeldEnd* end) {
    TCursor<TCard> cursor;
    TCardArray candidate(&cursor);
    const TCardArray* target = meld >= 0 ? game.TableMelds.At(meld).Cards : nullptr;
    JudgeDrop(target, CardsAt(game.OwnCards.View(), positions), game.DropMinimum(game.PlayerCameOut != 0),
              candidate);
    const TJoin join = JoinOf(candidate.View());
    if (end != nullptr && join.Place >= 0) {
        *end = join.End;
    }
    return candidate.Records();
}

}  // namespace

THint HintFor(const TGame& game) {
    THint hint;
    if (game.GameState == MustDraw) {
        const TSeatView view = ViewOf(game, PlayerSeat);
        if (TakeFromDiscardPile(view)) {
            hint.Kind = THintKind::DrawFromDiscardPile;
            hint.Card = view.Top;
        } else {
            hint.Kind = THintKind::DrawFromStock;
        }
        return hint;
    }
    if (game.GameState != MayLayOut) {
        return hint;
    }
    if (game.OwnCards.Empty()) {
        hint.Kind = THintKind::TakeBack;
        return hint;
    }
    const TStrongMove move = NextMove(ViewOf(game, PlayerSeat));
    hint.HandCards = move.Cards;
    switch (move.Kind) {
        case TMoveKind::None:
            break;
        case TMoveKind::LayOut:
            hint.Kind = THintKind::LayOut;
            hint.Laid = AsLaid(game, move.Cards, -1, nullptr);
            break;
        case TMoveKind::LayOff:
            hint.Kind = THintKind::LayOff;
            hint.Meld = move.Meld;
            AsLaid(game, move.Cards, move.Meld, &hint.End);
            hint.Card = game.OwnCards.At(move.Cards.front());
            break;
        case TMoveKind::Discard:
            hint.Kind = THintKind::Discard;
            hint.Card = game.OwnCards.At(move.Cards.front());
            hint.Wins = game.OwnCards.Count() == 1;
            hint.KeepsMelds = move.KeepsMelds;
            break;
    }
    return hint;
}
