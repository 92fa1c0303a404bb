// What a card is worth when it is laid.
#pragma once

#include <cstdint>

#include "game/Card.h"

// The value of a natural rank: 2..10 as numbered, the court cards 10, the ace 11.
// Anything else (a joker's own rank) is worth nothing.
constexpr int32_t CardValue(int32_t rank) {
    if (rank >= 2 && rank <= 10) {
        return rank;
    }
    if (rank >= Bube && rank <= Koenig) {
        return 10;
    }
    return rank == Ass ? 11 : 0;
}

// The value of a card lying in a meld: a joker counts as the card it stands
// for, and an ace that lies last while the meld's natural cards show at least
// two ranks is the low end of a run and counts 1.
inline int32_t MeldCardValue(const TCard& card, bool isLast, int32_t naturalRanks) {
    const int32_t rank = IsJoker(card) ? card.AsRank : card.Rank;
    if (rank == Ass && isLast && naturalRanks >= 2) {
        return 1;
    }
    return CardValue(rank);
}
