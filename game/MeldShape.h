// The shape of a meld as it lies: whether it is a run, where a card from the
// hand joined it, which suits a set shows. Every side reads melds through these,
// whoever laid them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "game/Card.h"

// Where a card laid off joined its meld.
enum class TMeldEnd { Bottom, Top, Set };

// Every card shows one suit: a run (a set shows different suits).
bool IsRun(std::span<const TCard> cards);
// Every card shows one rank.
bool ShowsOneRank(std::span<const TCard> cards);
// The shapes melds keep on the table, whoever laid them and whatever was laid
// off or exchanged since. A meld whose cards all show one suit is a run: its
// ranks follow each other round the corner, each once unless it holds all
// thirteen. Any other is a set of at most four cards, two of which show one
// rank: the drop rules let a set take in table jokers that still name other
// cards, and exchanges may put those very cards in their place. A joker on
// the table always stands for a card.
bool LiesAsMeld(std::span<const TCard> cards);
// Whether a card of the meld shows this suit; a set takes no second card of it.
bool ShowsSuit(std::span<const TCard> cards, int32_t suit);

// The first card from the hand (FromTable 0) in a meld that took it: its place
// and the end it joined. Place -1 when every card lay there before.
struct TJoin {
    int Place = -1;
    TMeldEnd End = TMeldEnd::Bottom;
};
TJoin JoinOf(std::span<const TCard> lying);

// The cards at these places of a hand, in the order given.
std::vector<TCard> CardsAt(std::span<const TCard> hand, const std::vector<int>& positions);
