// A check of the deck's completeness, for tests, long automatic runs and
// games read back from a file.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "game/Card.h"

class TGame;

// Whether these piles hold the whole deck between them: 110 cards, 6 jokers
// and two of every natural card. Empty when they do, else what is wrong.
std::string CheckDeck(const std::vector<std::span<const TCard>>& piles);

// Every one of the game's 110 cards is in exactly one place, each with its
// own face, and every meld lies in a shape the rules leave. Empty when all is well, else what is wrong.
std::string CheckCards(const TGame& game);
