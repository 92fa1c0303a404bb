#include "game/Game.h"

void TGame::Mischeln() {
    const uint32_t count = static_cast<uint32_t>(Stock.Count());
    // Two different indices are needed for an exchange.
    if (count < 2) {
        return;
    }
    for (int n = 0; n < 58000; ++n) {
        const uint32_t a = Rng.Below(count);
        uint32_t b = Rng.Below(count);
        while (b == a) {
            b = Rng.Below(count);
        }
        Stock.Exchange(static_cast<int32_t>(a), static_cast<int32_t>(b));
    }
}

namespace {

// Moves the oldest discards to the end of the stock until `keep` remain, then
// shuffles the whole stock if anything moved.
void ReturnOldDiscards(TGame& game, int keep) {
    bool moved = false;
    while (game.DiscardPile.Count() > keep && MoveCard(game.DiscardPile, 0, game.Stock)) {
        game.Seen.BackToStock(game.Stock.Last());
        moved = true;
    }
    if (moved) {
        game.Mischeln();
        game.Tell({TEventKind::PileRefilled, PlayerSeat, {}});
    }
}

}  // namespace

void TGame::StapelAuffrischen() {
    ReturnOldDiscards(*this, 10);
}

bool TGame::RefillEmptyStock() {
    if (Stock.Empty()) {
        ReturnOldDiscards(*this, 1);
    }
    return !Stock.Empty();
}

void TGame::SortHand(int32_t seat) {
    TCardArray& hand = Seats[seat].Hand;
    const int count = hand.Count();
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const TCard& a = hand.At(i);
            const TCard& b = hand.At(j);
            if (a.Suit < b.Suit || (a.Suit == b.Suit && a.Rank < b.Rank)) {
                hand.Exchange(i, j);
            }
        }
    }
}

void TGame::SortThisCards(TCardArray& cards) {
    SortByMeldOrder(cards);
}

void SortByMeldOrder(TCardArray& cards) {
    const int count = cards.Count();
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (cards.At(i).MeldOrder < cards.At(j).MeldOrder) {
                cards.Exchange(i, j);
            }
        }
    }
}
