// The hint's frames on the table: the pile to draw from; the cards of a meld
// and the free table; a card and where on a meld it goes; the card to throw
// away and the pile.
#pragma once

#include <vector>

#include "game/Game.h"
#include "game/strong/Hint.h"
#include "render/TableMarks.h"

std::vector<TTableMark> MarksOfHint(const THint& hint, const TGame& game);
