#include "game/MeldShape.h"

bool IsRun(std::span<const TCard> cards) {
    for (const TCard& card : cards) {
        if (SuitInMeld(card) != SuitInMeld(cards.front())) {
            return false;
        }
    }
    return true;
}

bool ShowsSuit(std::span<const TCard> cards, int32_t suit) {
    for (const TCard& card : cards) {
        if (SuitInMeld(card) == suit) {
            return true;
        }
    }
    return false;
}

TJoin JoinOf(std::span<const TCard> lying) {
    for (size_t i = 0; i < lying.size(); ++i) {
        if (lying[i].FromTable == 0) {
            const TMeldEnd end = !IsRun(lying) ? TMeldEnd::Set : i == 0 ? TMeldEnd::Top : TMeldEnd::Bottom;
            return {static_cast<int>(i), end};
        }
    }
    return {};
}

std::vector<TCard> CardsAt(std::span<const TCard> hand, const std::vector<int>& positions) {
    std::vector<TCard> cards;
    for (int p : positions) {
        cards.push_back(hand[static_cast<size_t>(p)]);
    }
    return cards;
}
