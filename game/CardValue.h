// What a card is worth when it is laid.
#pragma once

#include <cstdint>

#include "game/Card.h"

// The value of a natural rank: 2..10 as numbered, the court cards 10, the ace
// 11, or 1 where it is the low end of a run (each side decides that by its own
// rule). Anything else (a joker's own rank) is worth nothing.
constexpr int32_t CardValue(int32_t rank, bool lowAce = false) {
    if (rank >= 2 && rank <= 10) {
        return rank;
    }
    if (rank >= Bube && rank <= Koenig) {
        return 10;
    }
    if (rank == Ass) {
        return lowAce ? 1 : 11;
    }
    return 0;
}

// The value of a card lying in the player's meld: a joker counts as the card it
// stands for, and an ace that lies last while the meld's natural cards show at
// least two ranks is the low end of a run.
inline int32_t MeldCardValue(const TCard& card, bool isLast, int32_t naturalRanks) {
    return CardValue(RankInMeld(card), isLast && naturalRanks >= 2);
}
