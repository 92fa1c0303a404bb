// The card and meld records and the names of suits and ranks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "container/TRecordArray.h"
#include "game/Deck.h"

enum : int32_t { Joker = 0, Karo = 1, Herz = 2, Blatt = 3, Kreuz = 4 };
enum : int32_t { Bube = 11, Dame = 12, Koenig = 13, Ass = 14, JokerRank = 1 };

// The rules' record of one card. Where it is drawn, and how, is the screen's.
struct TCard {
    int32_t Suit;          // 0 joker, 1 Karo, 2 Herz, 3 Blatt, 4 Kreuz
    int32_t Rank;          // 2..14, the ace is 14; a joker carries 1
    int32_t Id;            // which of the deck's cards it is, for its life in a game: CardWithId
    uint8_t FromTable;     // in a meld candidate: already lay in the target meld
    uint8_t FixedOnTable;  // a table joker keeps what it stands for
    uint8_t TakeBack;      // laid from the hand this turn
    uint8_t Selected;
    int32_t MeldOrder;  // sort key inside a meld, highest first
    int32_t AsRank;     // what a joker in a meld stands for
    int32_t AsSuit;
};

static_assert(std::is_trivially_copyable_v<TCard>);
static_assert(offsetof(TCard, Suit) < offsetof(TCard, Rank) && offsetof(TCard, Rank) < offsetof(TCard, Id) &&
              offsetof(TCard, Id) < offsetof(TCard, FromTable) &&
              offsetof(TCard, FromTable) < offsetof(TCard, FixedOnTable) &&
              offsetof(TCard, FixedOnTable) < offsetof(TCard, TakeBack) &&
              offsetof(TCard, TakeBack) < offsetof(TCard, Selected) &&
              offsetof(TCard, Selected) < offsetof(TCard, MeldOrder) &&
              offsetof(TCard, MeldOrder) < offsetof(TCard, AsRank) &&
              offsetof(TCard, AsRank) < offsetof(TCard, AsSuit));

// Left, top, right, bottom; right and bottom exclusive.
struct TRect {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;

    bool Contains(int32_t x, int32_t y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    bool operator==(const TRect&) const = default;
};

using TCardArray = TRecordArray<TCard>;

struct TMeld {
    TCardArray* Cards;  // owned by the meld, highest MeldOrder first
};

static_assert(std::is_trivially_copyable_v<TMeld>);

using TMeldArray = TRecordArray<TMeld>;

// Indexed by Rank 2..14 and Suit 1..4; the other slots are empty.

inline bool IsJoker(const TCard& card) {
    return card.Suit == Joker;
}

// What a card counts as in a meld: a joker the card it stands for.
inline int32_t RankInMeld(const TCard& card) {
    return IsJoker(card) ? card.AsRank : card.Rank;
}
inline int32_t SuitInMeld(const TCard& card) {
    return IsJoker(card) ? card.AsSuit : card.Suit;
}

// One of the 104 cards of the two decks, not a joker and nothing out of range.
constexpr bool IsNatural(int32_t suit, int32_t rank) {
    return suit >= Karo && suit <= Kreuz && rank >= 2 && rank <= Ass;
}
inline bool IsNaturalCard(const TCard& card) {
    return IsNatural(card.Suit, card.Rank);
}

// A natural card may take a table joker's place when it is the very card the
// joker stands for. Both sides exchange by this.
inline bool FitsJoker(const TCard& card, const TCard& joker) {
    return IsNaturalCard(card) && card.Suit == joker.AsSuit && card.Rank == joker.AsRank;
}

// The card of the deck with this id (0 .. DeckSize - 1), every other field 0:
// the jokers first, then each pack suit by suit, the ace before the 2. A deal
// makes the cards in this order before it shuffles.
constexpr TCard CardWithId(int32_t id) {
    TCard card{};
    card.Id = id;
    if (id < JokerCount) {
        card.Suit = Joker;
        card.Rank = JokerRank;
        return card;
    }
    const int32_t inPack = (id - JokerCount) % NaturalKinds;
    card.Suit = Karo + inPack / RanksPerSuit;
    const int32_t place = inPack % RanksPerSuit;
    card.Rank = place == 0 ? Ass : place + 1;
    return card;
}

// Whether `id` is the deck's id of a card of this suit and rank.
constexpr bool IdNames(int32_t id, int32_t suit, int32_t rank) {
    return id >= 0 && id < DeckSize && CardWithId(id).Suit == suit && CardWithId(id).Rank == rank;
}

// The circular rank order: after the ace comes the 2.
inline int32_t RankAbove(int32_t rank) {
    return rank + 1 > Ass ? rank + 1 - RanksPerSuit : rank + 1;
}
inline int32_t RankBelow(int32_t rank) {
    return rank - 1 < 2 ? rank - 1 + RanksPerSuit : rank - 1;
}
