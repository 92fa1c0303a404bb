#include "game/strong/Hint.h"

#include "game/Game.h"
#include "game/MeldRules.h"
#include "game/MeldShape.h"
#include "game/Texts.h"
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
        const TSeatView view = ViewOf(game, TSide::Player);
        if (TakeFromDiscardPile(view)) {
            hint.Kind = THintKind::DrawFromDiscardPile;
            hint.Sentence =
                Filled(GameText("Hint", "Tipp: Nehmen Sie %1 vom Ablagestapel."), {CardWords(view.Top)});
        } else {
            hint.Kind = THintKind::DrawFromStock;
            hint.Sentence = GameText("Hint", "Tipp: Ziehen Sie eine Karte vom Stapel.");
        }
        return hint;
    }
    if (game.GameState != MayLayOut) {
        return hint;
    }
    if (game.OwnCards.Empty()) {
        hint.Kind = THintKind::TakeBack;
        hint.Sentence = GameText(
            "Hint", "Tipp: Nehmen Sie ausgelegte Karten zurück, damit Ihnen eine Karte zum Abwerfen bleibt.");
        return hint;
    }
    const TStrongMove move = NextMove(ViewOf(game, TSide::Player));
    hint.HandCards = move.Cards;
    switch (move.Kind) {
        case TMoveKind::None:
            break;
        case TMoveKind::LayOut:
            hint.Kind = THintKind::LayOut;
            hint.Sentence = Filled(GameText("Hint", "Tipp: Legen Sie %1 aus."),
                                   {MeldWords(AsLaid(game, move.Cards, -1, nullptr))});
            break;
        case TMoveKind::LayOff:
            hint.Kind = THintKind::LayOff;
            hint.Meld = move.Meld;
            AsLaid(game, move.Cards, move.Meld, &hint.End);
            hint.Sentence = Filled(GameText("Hint", "Tipp: Legen Sie %1 an die markierte Kombination an."),
                                   {CardWords(game.OwnCards.At(move.Cards.front()))});
            break;
        case TMoveKind::Discard: {
            hint.Kind = THintKind::Discard;
            const std::string card = CardWords(game.OwnCards.At(move.Cards.front()));
            if (game.OwnCards.Count() == 1) {
                hint.Sentence =
                    Filled(GameText("Hint", "Tipp: Werfen Sie %1 ab – damit haben Sie gewonnen."), {card});
            } else if (move.KeepsMelds) {
                hint.Sentence = Filled(
                    GameText("Hint",
                             "Tipp: Behalten Sie Ihre Kombinationen noch auf der Hand und werfen Sie %1 ab."),
                    {card});
            } else {
                hint.Sentence = Filled(GameText("Hint", "Tipp: Werfen Sie %1 ab."), {card});
            }
            break;
        }
    }
    return hint;
}
