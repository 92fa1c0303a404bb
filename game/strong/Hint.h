// The player's hint: what the strong strategy would do in the player's place,
// from what the player can see. Asking changes nothing in the game.
#pragma once

#include <cstdint>
#include <vector>

#include "game/record/TurnRecord.h"

class TGame;

enum class THintKind {
    None,                 // nothing to advise
    DrawFromStock,        // before the draw
    DrawFromDiscardPile,  //
    LayOut,               // these hand cards as a new meld
    LayOff,               // this hand card onto a meld
    Discard,              // this hand card onto the discard pile
    TakeBack,             // the hand is empty: a card must come back to be thrown away
};

struct THint {
    THintKind Kind = THintKind::None;
    std::vector<int> HandCards;  // positions in the player's hand
    int32_t Meld = -1;           // a lay-off's meld
    TMeldEnd End = TMeldEnd::Bottom;
    TCard Card{};             // the discard pile's top to take, the card to lay off or to throw away
    std::vector<TCard> Laid;  // a new meld, as it would lie
    bool KeepsMelds = false;  // a discard while melds stay in the hand on purpose
    bool Wins = false;        // the discard of the last card
};

THint HintFor(const TGame& game);
