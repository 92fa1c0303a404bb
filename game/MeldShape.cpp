#include "game/MeldShape.h"

bool IsRun(std::span<const TCard> cards) {
    for (const TCard& card : cards) {
        if (SuitInMeld(card) != SuitInMeld(cards.front())) {
            return false;
        }
    }
    return true;
}

bool ShowsOneRank(std::span<const TCard> cards) {
    for (const TCard& card : cards) {
        if (RankInMeld(card) != RankInMeld(cards.front())) {
            return false;
        }
    }
    return true;
}

bool LiesAsMeld(std::span<const TCard> cards) {
    if (cards.size() < static_cast<size_t>(SmallestMeld)) {
        return false;
    }
    int32_t shown[Ass + 1] = {};
    size_t ranks = 0;
    for (const TCard& card : cards) {
        if (IsJoker(card) && !IsNatural(card.AsSuit, card.AsRank)) {
            return false;
        }
        ranks += shown[RankInMeld(card)]++ == 0 ? 1 : 0;
    }
    if (!IsRun(cards)) {
        return cards.size() <= static_cast<size_t>(LargestSet) && ranks < cards.size();
    }
    if (ranks < static_cast<size_t>(LongestRun) && ranks != cards.size()) {
        return false;
    }
    int ends = 0;  // ranks shown whose neighbour below is not
    for (int32_t rank = 2; rank <= Ass; ++rank) {
        ends += shown[rank] > 0 && shown[RankBelow(rank)] == 0 ? 1 : 0;
    }
    return ends <= 1;
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
