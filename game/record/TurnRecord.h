// What the computer did in its last turn, step by step, as plain data: the
// window tells it, marks it on the table and can play it out. Noting it
// changes nothing in the game.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Card.h"
#include "game/MeldShape.h"

enum class TStepKind { DrawFromStock, DrawFromDiscardPile, ExchangeJoker, LayOut, LayOff, Discard };

struct TTurnStep {
    TTurnStep() = default;
    explicit TTurnStep(TStepKind kind, const TCard& card = TCard{}, int32_t meld = -1,
                       TMeldEnd end = TMeldEnd::Bottom)
        : Kind(kind), Card(card), Meld(meld), End(end) {}

    TStepKind Kind = TStepKind::DrawFromStock;
    TCard Card{};              // taken from the discard pile, swapped in, laid off or discarded
    std::vector<TCard> Cards;  // a meld laid out, in the order it lies
    int32_t Meld = -1;         // the meld it concerns, by its place on the table
    TMeldEnd End = TMeldEnd::Bottom;
};

struct TTurnRecord {
    std::vector<TTurnStep> Steps;
    bool Won = false;  // the discard emptied the computer's hand
};

// One computer seat's turn, as it was played.
struct TSeatTurn {
    int32_t Seat = 1;
    TTurnRecord Turn;
};
