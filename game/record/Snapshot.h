// A whole game as plain data, so that it can be kept when the program ends
// and taken up again: every card of every pile in its order with all its
// fields, the turn state, what each side has seen of the discards, the random
// generator and the computer's last turn, whose cards are named by their ids.
// A game restored from a snapshot plays on exactly as the one it was taken from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Card.h"
#include "game/Game.h"
#include "game/SeenCards.h"
#include "game/record/TurnRecord.h"

struct TGameSnapshot {
    // The settings in force: the hands were dealt with CardsDealt cards each.
    int32_t CardsDealt = 12;
    int32_t FirstMeldMinimum = 30;
    // The seats at the table: the player's, the computer's, and at a larger
    // table the computers of seats 2 and 3 in More*.
    int32_t Seats = FewestSeats;

    std::vector<TCard> Hand;
    std::vector<TCard> Computer;
    std::vector<TCard> Stock;
    std::vector<TCard> DiscardPile;
    std::vector<std::vector<TCard>> Melds;

    int32_t GameState = MustDraw;
    uint8_t ComeOutAtTurnStart = 0;
    uint8_t PlayerCameOut = 0;
    uint8_t OpponentCameOut = 0;
    int32_t PlayerDraws = 0;
    TOpponentKind Opponent = TOpponentKind::Classic;
    TOpponentKind ChosenOpponent = TOpponentKind::Classic;
    TSeenCounts Seen{};
    uint64_t RandomState = 1;
    TTurnRecord OpponentTurn;  // the cards of its steps as they were, by their ids

    // Seats 2 and 3, where they are at the table.
    static constexpr int32_t MoreSeats = MostSeats - FewestSeats;
    std::vector<TCard> MoreHands[MoreSeats];
    uint8_t MoreCameOut[MoreSeats] = {};
    TOpponentKind MoreOpponents[MoreSeats] = {};
};

// Limits of what a kept game may hold, beyond what the rules make of it. The
// count of the player's turns stops growing at its limit.
inline constexpr int32_t MaxPlayerDraws = 1000000;

TGameSnapshot TakeSnapshot(const TGame& game);

// Empty when the snapshot is a position that could occur in a game dealt with
// its settings; else, in English, the first thing that could not.
std::string CheckSnapshot(const TGameSnapshot& snapshot);

// Replaces the whole game with a checked snapshot; the status line follows
// the turn state. The game settings are left as they are. False when memory
// ran out on the way; the game is then incomplete and must be dealt or
// restored anew.
bool RestoreSnapshot(TGame& game, const TGameSnapshot& snapshot);
