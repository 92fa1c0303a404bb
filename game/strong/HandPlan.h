// The strong strategy's picture of a hand: the natural cards counted by kind,
// the jokers by number, and the best way to split them into melds, cards laid
// off onto the table and the rest, each of the rest valued by the chances it
// still has.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Card.h"

// A natural card's kind as a number 0..51: 13 per suit, the 2 first, the ace last.
constexpr int KindCount = NaturalKinds;
constexpr int KindOf(int32_t suit, int32_t rank) {
    return (suit - Karo) * RanksPerSuit + (rank - 2);
}
constexpr int32_t SuitOfKind(int kind) {
    return kind / RanksPerSuit + Karo;
}
constexpr int32_t RankOfKind(int kind) {
    return kind % RanksPerSuit + 2;
}
// The kind `step` ranks above (below, when negative) in the same suit, round the corner.
constexpr int NeighbourKind(int kind, int step) {
    return kind - kind % RanksPerSuit +
           ((kind % RanksPerSuit + step) % RanksPerSuit + RanksPerSuit) % RanksPerSuit;
}

struct THandCounts {
    uint8_t Of[KindCount] = {};
    int32_t Jokers = 0;

    void Add(const TCard& card);
    int32_t Cards() const;
};

// A meld the hand could lay: its natural kinds and how many jokers fill it.
struct TPlannedMeld {
    std::vector<int> Kinds;
    int32_t Jokers = 0;
    bool IsSet = false;
    bool ReachesMinimum = false;  // as the first meld of the side
};

// A place on the table where one more card fits: a run's end or a set's
// missing suit. A run's end moves on by Step after each card (+1 upwards,
// -1 downwards) while the run has Room; a set's place takes one card.
struct TTableEnd {
    int32_t Meld = -1;
    int32_t Kind = 0;
    int32_t Step = 0;
    int32_t Room = 1;
};

struct TPlanContext {
    uint8_t Live[KindCount] = {};  // copies that may still come into the hand
    std::vector<TTableEnd> Ends;
    int32_t JokerRoom = 0;  // table melds that would still take a joker
    bool CameOut = false;
    int32_t Minimum = 30;
};

struct THandPlan {
    int32_t Value = 0;
    std::vector<TPlannedMeld> Melds;
    // Cards laid off, each onto the end it names (an index into the context's Ends).
    std::vector<std::pair<int, int>> LayOffs;  // (kind, end)
    THandCounts Rest;                          // neither in a meld nor laid off; jokers only when
                                               // there is nowhere for them to go
    int32_t FreeJokers = 0;                    // jokers that join a meld or the table at the end
    bool CanComeOut = false;                   // out already, or a meld reaches the minimum
    // Each kind of the rest with what the plan loses without one copy of it:
    // the plan less that card is a split of the smaller hand worth Value - loss.
    std::vector<std::pair<int, int32_t>> RestLoss;
};

// What one card is worth to a plan once it has its place, in a meld or laid
// off: the measure of every other value.
constexpr int32_t PlacedValue = 100;

// The best split of the hand. Cards are laid off only where the side is out
// or one of its melds would bring it out.
THandPlan PlanHand(const THandCounts& hand, const TPlanContext& context);

// What the player's rules make of a run from a hand: natural cards of one suit
// at the ranks in `rankBits` (bit i: rank i + 2) and `jokers` jokers.
struct TRunVerdict {
    bool Fits = false;
    int32_t Points = 0;         // as laid
    int32_t ShiftedPoints = 0;  // after the first-meld check moved the top jokers down
};
TRunVerdict JudgeRun(uint32_t rankBits, int32_t jokers);
