// The deck the game is played with: two packs of 52 cards and six jokers.
// Every count of the deck and of the shapes its cards can lie in stands here.
#pragma once

#include <cstdint>

inline constexpr int32_t SuitCount = 4;
inline constexpr int32_t RanksPerSuit = 13;
inline constexpr int32_t CopiesOfEachCard = 2;  // of every natural card
inline constexpr int32_t JokerCount = 6;
inline constexpr int32_t NaturalKinds = SuitCount * RanksPerSuit;
inline constexpr int32_t DeckSize = NaturalKinds * CopiesOfEachCard + JokerCount;

// A run holds every rank at most once, a set every suit.
inline constexpr int32_t LongestRun = RanksPerSuit;
inline constexpr int32_t LargestSet = SuitCount;
// Every meld holds at least this many cards.
inline constexpr int32_t SmallestMeld = 3;
