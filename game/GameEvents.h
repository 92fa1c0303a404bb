// What a game tells as it changes, as data: whoever shows the game turns it
// into pictures and words. Nothing here waits for an answer.
#pragma once

#include <cstdint>

#include "game/Seats.h"
#include "game/record/TurnRecord.h"

class TGame;

enum class TEventKind {
    TurnPassed,     // the player's discard passed the turn on to Seat, the next
    TurnBegins,     // Seat's turn begins
    Step,           // Seat made Step (drew, exchanged, laid out or off, discarded)
    TakenBack,      // the player's cards laid out this turn went back to the hand
    PileRefilled,   // the discard pile, but for its top card, became the stock
    StatusChanged,  // the game's GameState changed
    GameWon,        // Seat discarded its last card; every hand lies as it ended
};

struct TGameEvent {
    TEventKind Kind = TEventKind::Step;
    int32_t Seat = PlayerSeat;
    TTurnStep Step{};
};

class TGameListener {
  public:
    virtual ~TGameListener() = default;
    // Told at once, while the game is as the event left it.
    virtual void Happened(const TGame& game, const TGameEvent& event) = 0;
};

// An exchange the player may make: the hand card `Hand` for the joker at
// `Place` of meld `Meld`, which stands for the card of `Suit` and `Rank`.
struct TJokerOffer {
    int32_t Meld;
    int32_t Place;
    int32_t Hand;
    int32_t Suit;
    int32_t Rank;
};

// Why the game refused a command; the state is as it was.
enum class TRefusal {
    None,            // done
    NotNow,          // not this seat's turn, or not at this stage of it
    NothingChosen,   // no card selected
    OnlyOneDiscard,  // more than one card selected to discard
    NoMeld,          // the cards do not form a meld, or too few of them
    TooFewPoints,    // a first meld below the game's minimum
    NoMemory,        // the table could not grow
};
