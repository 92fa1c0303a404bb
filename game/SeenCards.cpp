#include "game/SeenCards.h"

#include <cstring>
#include <utility>

namespace {

bool Counted(int32_t suit, int32_t rank) {
    return (suit == Joker && rank == JokerRank) ||
           (suit >= Karo && suit <= Kreuz && rank >= 2 && rank <= Ass);
}

// A joker's own rank, whatever it stood for last.
int32_t RankOf(const TCard& card) {
    return IsJoker(card) ? JokerRank : card.Rank;
}

void Up(uint8_t& count) {
    if (count < 255) {
        ++count;
    }
}

void Down(uint8_t& count) {
    if (count > 0) {
        --count;
    }
}

}  // namespace

void TSeenCards::Clear() {
    std::memset(Pile, 0, sizeof(Pile));
    std::memset(Known, 0, sizeof(Known));
    std::memset(Thrown, 0, sizeof(Thrown));
}

void TSeenCards::Discarded(TSide side, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (!Counted(card.Suit, rank)) {
        return;
    }
    const int s = static_cast<int>(side);
    Up(Pile[card.Suit][rank]);
    Up(Thrown[s][card.Suit][rank]);
    Down(Known[s][card.Suit][rank]);
}

void TSeenCards::TakenFromPile(TSide side, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (!Counted(card.Suit, rank)) {
        return;
    }
    Down(Pile[card.Suit][rank]);
    Up(Known[static_cast<int>(side)][card.Suit][rank]);
}

void TSeenCards::Shown(TSide side, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (Counted(card.Suit, rank)) {
        Down(Known[static_cast<int>(side)][card.Suit][rank]);
    }
}

void TSeenCards::BackToStock(const TCard& card) {
    const int32_t rank = RankOf(card);
    if (Counted(card.Suit, rank)) {
        Down(Pile[card.Suit][rank]);
    }
}

int32_t TSeenCards::InPile(int32_t suit, int32_t rank) const {
    return Counted(suit, rank) ? Pile[suit][rank] : 0;
}

int32_t TSeenCards::KnownIn(TSide side, int32_t suit, int32_t rank) const {
    return Counted(suit, rank) ? Known[static_cast<int>(side)][suit][rank] : 0;
}

int32_t TSeenCards::DiscardedBy(TSide side, int32_t suit, int32_t rank) const {
    return Counted(suit, rank) ? Thrown[static_cast<int>(side)][suit][rank] : 0;
}

TSeenCounts TSeenCards::Counts() const {
    TSeenCounts counts;
    std::memcpy(counts.Pile, Pile, sizeof(Pile));
    std::memcpy(counts.Known, Known, sizeof(Known));
    std::memcpy(counts.Thrown, Thrown, sizeof(Thrown));
    return counts;
}

void TSeenCards::SetCounts(const TSeenCounts& counts) {
    std::memcpy(Pile, counts.Pile, sizeof(Pile));
    std::memcpy(Known, counts.Known, sizeof(Known));
    std::memcpy(Thrown, counts.Thrown, sizeof(Thrown));
}
