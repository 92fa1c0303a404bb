// The strong strategy. It decides only from what one seat at the table sees:
// its own hand, the melds on the table, the discard pile's top card and what
// it remembers of the discards. It keeps
// its melds in the hand until it comes out or goes out, takes the top card when
// it helps more than a card from the stock would, lays off what fits, and
// throws away the card it needs least, and least of all one the seat after it
// is known to collect around: only that seat can take it.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Card.h"
#include "game/Player.h"
#include "game/strong/HandPlan.h"

class TGame;

struct TSeatView {
    std::vector<TCard> Hand;  // in the order of the hand
    bool CameOut = false;
    const TMeldArray* Table = nullptr;
    bool HasTop = false;
    TCard Top{};
    // Remembered from the discards: the cards lying in the pile, the cards
    // the other seats took from it and have not shown since, and of the next
    // seat, which alone may take this seat's discard, what it took and threw.
    uint8_t InPile[KindCount] = {};
    uint8_t OtherHolds[KindCount] = {};
    uint8_t NextHolds[KindCount] = {};
    uint8_t NextThrew[KindCount] = {};
    int32_t Minimum = 30;
};

// The strong strategy at any seat.
class TStrongComputer final : public TPlayer {
  public:
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override;
};

// What `seat` sees of the game, and nothing more.
TSeatView ViewOf(const TGame& game, int32_t seat);

// Before the draw: the discard pile's top card rather than the stock's.
bool TakeFromDiscardPile(const TSeatView& view);

enum class TMoveKind { None, LayOut, LayOff, Discard };

struct TStrongMove {
    TMoveKind Kind = TMoveKind::None;
    std::vector<int> Cards;   // positions in the hand, rising
    int32_t Meld = -1;        // a lay-off's meld
    bool KeepsMelds = false;  // a discard while melds stay in the hand on purpose
};

// After the draw: the next thing to do, one at a time, ending with the
// discard (None only for an empty hand). Every meld and lay-off it names has
// passed the player's rules. With `mayLay` false only the discard is chosen.
TStrongMove NextMove(const TSeatView& view, bool mayLay = true);

// How the hand looks to the strategy: its plan and the context it was made in.
TPlanContext PlanContextOf(const TSeatView& view);
THandCounts CountsOf(const std::vector<TCard>& cards);
