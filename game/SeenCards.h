// What every seat has seen of the cards that passed the discard pile: which
// lie in it now, which each seat took from it and has not shown since, and
// which each seat threw away. Everything here happened in the open, so any
// seat may plan with it; a new game forgets it.
#pragma once

#include <cstdint>

#include "game/Card.h"
#include "game/Seats.h"

// Every count of TSeenCards as plain data, indexed by [seat] [suit] [rank],
// jokers at [0][1]; the other slots stay 0, as do those of seats not at the table.
struct TSeenCounts {
    uint8_t Pile[5][15];
    uint8_t Known[MostSeats][5][15];
    uint8_t Thrown[MostSeats][5][15];
};

class TSeenCards {
  public:
    TSeenCards() { Clear(); }

    void Clear();
    // A seat outside 0 .. MostSeats - 1 is not noted; the pile still is.
    void Discarded(int32_t seat, const TCard& card);
    void TakenFromPile(int32_t seat, const TCard& card);
    // The card went from the seat's hand onto the table.
    void Shown(int32_t seat, const TCard& card);
    // An old discard went back into the stock.
    void BackToStock(const TCard& card);

    // By suit 1..4 and rank 2..14; a joker is asked for as (0, 1).
    int32_t InPile(int32_t suit, int32_t rank) const;
    int32_t KnownIn(int32_t seat, int32_t suit, int32_t rank) const;
    int32_t DiscardedBy(int32_t seat, int32_t suit, int32_t rank) const;

    // For a game kept and taken up again.
    TSeenCounts Counts() const;
    void SetCounts(const TSeenCounts& counts);

  private:
    // Jokers in [0][1]; every copy is counted, so values stay below 7.
    TSeenCounts Of;
};
