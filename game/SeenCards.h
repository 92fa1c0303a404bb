// What both sides have seen of the cards that passed the discard pile: which
// lie in it now, which each side took from it and has not shown since, and
// which each side threw away. Everything here happened in the open, so either
// side may plan with it; a new game forgets it.
#pragma once

#include <cstdint>

#include "game/Card.h"

enum class TSide : int32_t { Player = 0, Computer = 1 };

inline TSide OtherSide(TSide side) {
    return side == TSide::Player ? TSide::Computer : TSide::Player;
}

// Every count of TSeenCards as plain data, indexed by [side] [suit] [rank],
// jokers at [0][1]; the other slots stay 0.
struct TSeenCounts {
    uint8_t Pile[5][15];
    uint8_t Known[2][5][15];
    uint8_t Thrown[2][5][15];
};

class TSeenCards {
  public:
    TSeenCards() { Clear(); }

    void Clear();
    void Discarded(TSide side, const TCard& card);
    void TakenFromPile(TSide side, const TCard& card);
    // The card went from the side's hand onto the table.
    void Shown(TSide side, const TCard& card);
    // An old discard went back into the stock.
    void BackToStock(const TCard& card);

    // By suit 1..4 and rank 2..14; a joker is asked for as (0, 1).
    int32_t InPile(int32_t suit, int32_t rank) const;
    int32_t KnownIn(TSide side, int32_t suit, int32_t rank) const;
    int32_t DiscardedBy(TSide side, int32_t suit, int32_t rank) const;

    // For a game kept and taken up again.
    TSeenCounts Counts() const;
    void SetCounts(const TSeenCounts& counts);

  private:
    // Jokers in [0][1]; every copy is counted, so values stay below 7.
    uint8_t Pile[5][15];
    uint8_t Known[2][5][15];
    uint8_t Thrown[2][5][15];
};
