// The player's meld rules as free functions over any candidate, so that cards
// from any hand are judged exactly as the player's drop is. The game's own
// methods of the same rules hand over to these.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Card.h"

enum class TDropVerdict { Fits, NoMeld, TooFewPoints };

// Appends a card as it comes from a hand: nothing placed, not from the table.
bool AppendHandCopy(const TCard& card, TCardArray& candidate);
// Appends the cards of a meld as they lie on the table, in their stored order.
bool AppendTableCopies(const TCardArray& lying, TCardArray& candidate);

// Whether the whole candidate (table cards first, then the hand's) is a set
// or a run. True: every card has its MeldOrder, every joker its AsRank and AsSuit.
bool FitsTogether(TCardArray& candidate);
int32_t CountUnplacedCards(const TCardArray& candidate);
// The way a run is built from its first card: towards the ace, then towards the 2.
enum class TRunDirection { Up, Down };
bool PlaceRunCardIn(TCardArray& candidate, int32_t rank, TRunDirection direction, int32_t suit,
                    int32_t order);
void PlaceSetJokerIn(TCardArray& candidate, int32_t rank, int32_t suit);
// Points of the cards from the hand, in a candidate sorted by MeldOrder.
int32_t PointsOf(const TCardArray& candidate);
// The first-meld check against the points a drop must reach (0 once the side
// has come out); may move leading jokers.
bool PassesFirstMeld(TCardArray& candidate, int32_t points, int32_t minimum);
// Moves the jokers at the front below the last card, then sorts again.
void ShiftJokersDown(TCardArray& candidate);
// Highest MeldOrder first, as a meld lies.
void SortByMeldOrder(TCardArray& cards);

// The whole check of a drop: these hand cards on meld `target` (null: free
// table space), validated, sorted, counted and held against `minimum`, the
// points the drop must reach (0 once the side has come out). The candidate,
// empty at the call, holds the meld as it would lie.
TDropVerdict JudgeDrop(const TCardArray* target, const std::vector<TCard>& handCards, int32_t minimum,
                       TCardArray& candidate);
