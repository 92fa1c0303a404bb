#include "game/SeenCards.h"

#include <cstring>

namespace {

bool Counted(int32_t suit, int32_t rank) {
    return (suit == Joker && rank == JokerRank) ||
           (suit >= Karo && suit <= Kreuz && rank >= 2 && rank <= Ass);
}

bool AtTable(int32_t seat) {
    return seat >= 0 && seat < MostSeats;
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
    std::memset(&Of, 0, sizeof(Of));
}

void TSeenCards::Discarded(int32_t seat, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (!Counted(card.Suit, rank)) {
        return;
    }
    Up(Of.Pile[card.Suit][rank]);
    if (AtTable(seat)) {
        Up(Of.Thrown[seat][card.Suit][rank]);
        Down(Of.Known[seat][card.Suit][rank]);
    }
}

void TSeenCards::TakenFromPile(int32_t seat, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (!Counted(card.Suit, rank)) {
        return;
    }
    Down(Of.Pile[card.Suit][rank]);
    if (AtTable(seat)) {
        Up(Of.Known[seat][card.Suit][rank]);
    }
}

void TSeenCards::Shown(int32_t seat, const TCard& card) {
    const int32_t rank = RankOf(card);
    if (Counted(card.Suit, rank) && AtTable(seat)) {
        Down(Of.Known[seat][card.Suit][rank]);
    }
}

void TSeenCards::BackToStock(const TCard& card) {
    const int32_t rank = RankOf(card);
    if (Counted(card.Suit, rank)) {
        Down(Of.Pile[card.Suit][rank]);
    }
}

int32_t TSeenCards::InPile(int32_t suit, int32_t rank) const {
    return Counted(suit, rank) ? Of.Pile[suit][rank] : 0;
}

int32_t TSeenCards::KnownIn(int32_t seat, int32_t suit, int32_t rank) const {
    return Counted(suit, rank) && AtTable(seat) ? Of.Known[seat][suit][rank] : 0;
}

int32_t TSeenCards::DiscardedBy(int32_t seat, int32_t suit, int32_t rank) const {
    return Counted(suit, rank) && AtTable(seat) ? Of.Thrown[seat][suit][rank] : 0;
}

TSeenCounts TSeenCards::Counts() const {
    return Of;
}

void TSeenCards::SetCounts(const TSeenCounts& counts) {
    Of = counts;
}
