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

void TGame::StapelAuffrischen() {
    bool moved = false;
    while (DiscardPile.Count() > 10 && MoveCard(DiscardPile, 0, Stock)) {
        moved = true;
    }
    if (moved) {
        Mischeln();
    }
}

bool TGame::RefillEmptyStock() {
    if (!Stock.Empty()) {
        return true;
    }
    bool moved = false;
    while (DiscardPile.Count() > 1 && MoveCard(DiscardPile, 0, Stock)) {
        moved = true;
    }
    if (moved) {
        Mischeln();
    }
    return !Stock.Empty();
}

void TGame::SortOwnCards() {
    const int count = OwnCards.Count();
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            const TCard& a = OwnCards.At(i);
            const TCard& b = OwnCards.At(j);
            if (a.Suit < b.Suit || (a.Suit == b.Suit && a.Rank < b.Rank)) {
                OwnCards.Exchange(i, j);
            }
        }
    }
}

void TGame::SortThisCards(TCardArray& cards) {
    const int count = cards.Count();
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (cards.At(i).MeldOrder < cards.At(j).MeldOrder) {
                cards.Exchange(i, j);
            }
        }
    }
}
