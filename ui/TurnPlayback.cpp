#include "ui/TurnPlayback.h"

namespace {

std::vector<TCard> Copy(const TCardArray& cards) {
    std::vector<TCard> out;
    for (int i = 0; i < cards.Count(); ++i) {
        out.push_back(cards.At(i));
    }
    return out;
}

void Put(TCardArray& into, const std::vector<TCard>& cards) {
    for (const TCard& card : cards) {
        if (TCard* slot = into.Append()) {
            *slot = card;
        }
    }
}

}  // namespace

void TTurnPlayback::Capture(const TGame& game) {
    TTable table;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TCardArray* cards = game.TableMelds.At(m).Cards;
        table.Melds.push_back(cards != nullptr ? Copy(*cards) : std::vector<TCard>{});
    }
    table.Hand = Copy(game.OwnCards);
    // Only the top of the discard pile shows.
    if (!game.DiscardPile.Empty()) {
        table.Discards.push_back(game.DiscardPile.Last());
    }
    table.ComputerCards = game.OpponentCards.Count();
    table.GameState = game.GameState;
    table.Turn = game.OpponentTurn;
    Tables.push_back(std::move(table));
}

void TTurnPlayback::Fill(int index, TGame& scratch) const {
    // The scratch game has no screen: clearing it frees no face.
    scratch.ClearAll();
    const TTable& table = Tables.at(index);
    for (const std::vector<TCard>& cards : table.Melds) {
        if (TMeld* meld = scratch.TableMelds.Append()) {
            meld->Cards = new TCardArray(&scratch.CurMeldCard);
            Put(*meld->Cards, cards);
        }
    }
    Put(scratch.OwnCards, table.Hand);
    Put(scratch.DiscardPile, table.Discards);
    Put(scratch.OpponentCards, std::vector<TCard>(table.ComputerCards, TCard{}));
    scratch.GameState = table.GameState;
}
