// A check of the deck's completeness, for tests and long automatic runs.
#pragma once

#include <string>

class TGame;

// Every one of the 110 cards is in exactly one place, with 6 jokers and two of
// every natural card, each with its own face, and no meld is empty. Returns an
// empty string when all is well, else what is wrong.
std::string CheckCards(const TGame& game);
