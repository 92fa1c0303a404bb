// The seats at the table and the order of turns: seat 0 is the player's, the
// computers sit after it, and the turn goes round from each seat to the next.
#pragma once

#include <cstdint>

inline constexpr int32_t PlayerSeat = 0;
// The first computer, the only one at a table of two.
inline constexpr int32_t ComputerSeat = 1;
// A table seats two to four.
inline constexpr int32_t FewestSeats = 2;
inline constexpr int32_t MostSeats = 4;

// The seat whose turn follows `seat`'s at a table of `seats`.
constexpr int32_t NextSeat(int32_t seat, int32_t seats) {
    return (seat + 1) % seats;
}
