// The tests' one way of writing cards, in the game's own names: "He7" is Herz 7,
// "KrD" Kreuz Dame, "Ka10", "BlB" Blatt Bube, "HeK" Herz König, "BlA" Blatt Ass;
// "*" is a joker and "*He7" a joker standing for Herz 7. Positions are built
// from such texts: hands, piles and melds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Card.h"

class TGame;

// A card outside any game; every other field 0.
TCard MakeCard(int32_t suit, int32_t rank);
// Appends a card made from nothing, beside the deck: its id, beyond the
// deck's, is its own.
TCard* AddLooseCard(TCardArray& into, int32_t suit, int32_t rank);
// One card of the notation; a joker carries what it stands for, when written.
TCard ParseCard(const std::string& text);
std::vector<TCard> ParseCards(const std::string& text);

// A card in the notation; a joker with what it stands for, if anything.
std::string CardName(const TCard& card);
std::string ShowCards(const TCardArray& cards);
// As a player holds them: the marks a joker keeps from a meld are not shown.
std::string ShowHand(const TCardArray& cards);

// Where the cards of a position come from.
enum class TFrom {
    Deck,     // moved from the stock, the computer's hand or the discard pile of a dealt game
    Nowhere,  // made anew, each with its own face
};
// The marks natural cards carry.
enum class TMarks {
    None,
    Own,  // their own rank and suit, as the computer's search leaves them
};

// Appends the cards to `into`; a card the deck does not hold fails the test.
void PutCards(TGame& game, TCardArray& into, const std::string& cards, TFrom from,
              TMarks marks = TMarks::None);
// Lays a meld on the table in the order given, as if laid in an earlier turn:
// the first card is its top end, MeldOrder falling from it.
TCardArray& PutMeld(TGame& game, const std::string& cards, TFrom from, TMarks marks = TMarks::None);
// Replaces the player's hand by cards from the deck, sorted as the game sorts it.
void SetHand(TGame& game, const std::string& cards);

// The steps of the computer's turn in one line, e.g. "stock; lay out KrA KrK KrD as 0;
// lay off He9 on 1 top; discard Bl9".
struct TTurnRecord;
std::string ShowTurn(const TTurnRecord& record);

// Index of the first hand card of the notation, or -1.
int HandIndex(const TGame& game, const std::string& card);
int SelectedCount(const TGame& game);
