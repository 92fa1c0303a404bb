// The minus points of a list at a game's end: each seat that did not go out
// counts the cards left in its hand against it. A held joker counts a fixed
// value here, unlike in a meld, where it counts as the card it stands for.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Card.h"

class TGame;

// What a held joker costs: 20 as most tables count, 25 at some.
inline constexpr int32_t DefaultJokerPoints = 20;
inline constexpr int32_t HighJokerPoints = 25;

// A card left in the hand: a joker `jokerPoints`, an ace 11, king, queen,
// jack and ten 10, every other card its number.
int32_t HandCardPoints(const TCard& card, int32_t jokerPoints);
int32_t HandPoints(const std::vector<TCard>& hand, int32_t jokerPoints);

// A finished game as a list counts it: every seat's hand, seat 0 the player's
// and the computers' after it in turn order, who went out, and whether that
// seat laid all its cards in its last turn without having come out before
// (Hand-Rommé).
struct TFinishedGame {
    std::vector<std::vector<TCard>> Hands;
    int32_t Winner = 0;
    bool HandRomme = false;
};

// Each seat's minus points: the winner's 0, every other seat's hand counted,
// and all of them doubled after a Hand-Rommé.
std::vector<int32_t> MinusPoints(const TFinishedGame& game, int32_t jokerPoints);

// A game at its end, every seat's hand as the game holds it now: `winner`
// the seat that went out, -1 when nobody did and every hand counts;
// `winnerOutBefore` whether it had come out before its last turn.
TFinishedGame FinishedGameAtTable(const TGame& game, int32_t winner, bool winnerOutBefore);
// The game `winner` has just won with its discard, a Hand-Rommé when it came
// out only in that turn.
TFinishedGame WonGame(const TGame& game, int32_t winner);
