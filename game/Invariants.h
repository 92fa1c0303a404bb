// A check of the deck's completeness, for tests, long automatic runs and
// games read back from a file.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "game/Card.h"

class TGame;

// Whether these piles hold the whole deck between them: each of its 110 cards
// once, by its id, and as that card. Empty when they do, else what is wrong.
std::string CheckDeck(const std::vector<std::span<const TCard>>& piles);

// Every one of the game's 110 cards is in exactly one place (a hand of a seat
// at the table, the stock, the pile or a meld), and every meld lies in a shape
// the rules leave. Empty when all is well, else what is wrong.
std::string CheckCards(const TGame& game);
