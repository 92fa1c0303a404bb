// Test positions built from a dealt game, so that the deck stays whole:
// cards are taken from wherever they lie.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/Game.h"

using TCardList = std::vector<std::pair<int, int>>;

// Moves the first card (suit, rank) found in the stock, the computer's hand or
// the discard pile into `into`; for a joker the rank does not matter.
inline bool TakeCard(TGame& game, int suit, int rank, TCardArray& into) {
    for (TCardArray* from : {&game.Stock, &game.OpponentCards, &game.DiscardPile}) {
        for (int i = 0; i < from->Count(); ++i) {
            if (from->At(i).Suit == suit && (suit == Joker || from->At(i).Rank == rank)) {
                return MoveCard(*from, i, into);
            }
        }
    }
    return false;
}

// Replaces the player's hand by the given cards, in hand order.
inline void SetHand(TGame& game, const TCardList& cards) {
    while (!game.OwnCards.Empty()) {
        MoveCard(game.OwnCards, 0, game.Stock);
    }
    for (auto [suit, rank] : cards) {
        EXPECT_TRUE(TakeCard(game, suit, rank, game.OwnCards)) << suit << "/" << rank;
    }
    game.SortOwnCards();
}

// Lays a meld straight onto the table in the given order, as if laid in an
// earlier turn, with MeldOrder falling from the first card to the last.
inline TCardArray& PutMeld(TGame& game, const TCardList& cards) {
    TMeld* meld = game.TableMelds.Append();
    meld->Cards = new TCardArray(&game.CurMeldCard);
    for (auto [suit, rank] : cards) {
        EXPECT_TRUE(TakeCard(game, suit, rank, *meld->Cards)) << suit << "/" << rank;
    }
    for (int i = 0; i < meld->Cards->Count(); ++i) {
        meld->Cards->At(i).MeldOrder = meld->Cards->Count() - i;
    }
    return *meld->Cards;
}

// The hand as (suit, rank) pairs.
inline TCardList HandCards(const TGame& game) {
    TCardList out;
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        out.emplace_back(game.OwnCards.At(i).Suit, game.OwnCards.At(i).Rank);
    }
    return out;
}

// Index of the first hand card (suit, rank), or -1.
inline int HandIndex(const TGame& game, int suit, int rank) {
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        if (game.OwnCards.At(i).Suit == suit && game.OwnCards.At(i).Rank == rank) {
            return i;
        }
    }
    return -1;
}

inline int SelectedCount(const TGame& game) {
    int n = 0;
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        n += game.OwnCards.At(i).Selected;
    }
    return n;
}
