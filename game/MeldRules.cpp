// Which cards may lie together on the table, and what they are worth.
//
// While a candidate is validated, Selected means "has its place in the meld"
// and TakeBack on a joker means "placed above the highest natural card on the
// way up, with no natural card placed since" (an open top that the downward
// pass may still move to the low end). The caller overwrites both when it
// stores the meld.
#include "game/CardValue.h"
#include "game/Game.h"

namespace {

// Counted once over the whole candidate, table cards included.
struct TCounters {
    int32_t Total = 0;
    int32_t SuitCount[Kreuz + 1] = {};  // jokers under 0
    int32_t DifferentSuits = 0;         // a joker counts as a suit of its own
    int32_t RankCount[Ass + 1] = {};    // natural cards only
    int32_t DifferentRanks = 0;
    int32_t SetRank = Ass;  // rank of the last natural card
    bool Malformed = false;
};

TCounters Count(const TCardArray& candidate) {
    TCounters counters;
    counters.Total = candidate.Count();
    for (int i = 0; i < candidate.Count(); ++i) {
        const TCard& card = candidate.At(i);
        if (card.Suit < Joker || card.Suit > Kreuz ||
            (!IsJoker(card) && (card.Rank < 2 || card.Rank > Ass))) {
            counters.Malformed = true;
            continue;
        }
        if (counters.SuitCount[card.Suit]++ == 0) {
            ++counters.DifferentSuits;
        }
        if (!IsJoker(card)) {
            if (counters.RankCount[card.Rank]++ == 0) {
                ++counters.DifferentRanks;
            }
            counters.SetRank = card.Rank;
        }
    }
    return counters;
}

void AssignJoker(TCard& joker, int32_t rank, TRunDirection direction, int32_t suit, int32_t order) {
    joker.Selected = 1;
    joker.TakeBack = direction == TRunDirection::Up ? 1 : 0;
    joker.AsRank = rank;
    joker.AsSuit = suit;
    joker.MeldOrder = order;
}

// The first joker that may take the place (rank, suit): one that lay on the
// table only at the very card it already stands for, one from the hand at any
// place. -1 when there is none.
int FindJoker(const TCardArray& candidate, bool fromTable, int32_t rank, int32_t suit) {
    for (int i = 0; i < candidate.Count(); ++i) {
        const TCard& card = candidate.At(i);
        if (!IsJoker(card) || card.Selected != 0 || (card.FixedOnTable != 0) != fromTable) {
            continue;
        }
        if (!fromTable || (card.AsRank == rank && card.AsSuit == suit)) {
            return i;
        }
    }
    return -1;
}

bool IsOpenTop(const TCard& card) {
    return IsJoker(card) && card.FixedOnTable == 0 && card.Selected != 0 && card.TakeBack != 0;
}

// The open-top joker of the hand that lies at the very top of the run, or -1.
// Only that one may move to the low end: taking one from below it would leave
// a hole in the run under the jokers above.
int TopOpenJoker(const TCardArray& candidate) {
    int top = -1;
    int32_t highest = 0;
    for (int i = 0; i < candidate.Count(); ++i) {
        const TCard& card = candidate.At(i);
        if (card.Selected != 0 && (top == -1 || card.MeldOrder > highest)) {
            top = i;
            highest = card.MeldOrder;
        }
    }
    return top != -1 && IsOpenTop(candidate.At(top)) ? top : -1;
}

}  // namespace

bool TGame::passenzusammen(TCardArray& candidate) {
    for (int i = 0; i < OwnCards.Count(); ++i) {
        const TCard card = OwnCards.At(i);
        if (card.Selected != 0 && !AppendHandCopy(card, candidate)) {
            return false;
        }
    }
    return FitsTogether(candidate);
}

bool AppendHandCopy(const TCard& card, TCardArray& candidate) {
    TCard* copy = candidate.Append();
    if (copy == nullptr) {
        return false;
    }
    *copy = card;
    copy->Selected = 0;
    copy->FromTable = 0;
    copy->FixedOnTable = 0;
    return true;
}

bool AppendTableCopies(const TCardArray& lying, TCardArray& candidate) {
    for (int i = 0; i < lying.Count(); ++i) {
        TCard* copy = candidate.Append();
        if (copy == nullptr) {
            return false;
        }
        *copy = lying.At(i);
        copy->Selected = 0;
        copy->FromTable = 1;
        copy->FixedOnTable = 1;
    }
    return true;
}

bool FitsTogether(TCardArray& candidate) {
    const TCounters counters = Count(candidate);
    if (counters.Malformed || counters.Total < SmallestMeld) {
        return false;
    }

    if (counters.DifferentRanks == 1 && counters.Total <= LargestSet) {
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            if (counters.SuitCount[suit] > 1) {
                return false;
            }
        }
        for (int32_t suit = Kreuz; suit >= Karo; --suit) {
            if (counters.SuitCount[suit] == 0) {
                PlaceSetJokerIn(candidate, counters.SetRank, suit);
            }
        }
        // Natural cards keep whatever AsSuit they carry (normally 0), so the
        // jokers come first in a stored set.
        for (int i = 0; i < candidate.Count(); ++i) {
            TCard& card = candidate.At(i);
            card.MeldOrder = card.AsSuit;
        }
        return true;
    }

    const int32_t naturalSuits = counters.DifferentSuits - (counters.SuitCount[Joker] > 0 ? 1 : 0);
    if (naturalSuits != 1 || counters.Total > LongestRun) {
        return false;
    }

    // The start card: the first natural card of the lowest rank as stored, so
    // an ace starts only a run whose natural cards are all aces.
    int start = -1;
    for (int i = 0; i < candidate.Count(); ++i) {
        const TCard& card = candidate.At(i);
        if (!IsJoker(card) && (start == -1 || card.Rank < candidate.At(start).Rank)) {
            start = i;
        }
    }
    TCard& startCard = candidate.At(start);
    startCard.Selected = 1;
    startCard.MeldOrder = 0;
    const int32_t suit = startCard.Suit;
    const int32_t startRank = startCard.Rank;

    bool placing = true;
    int32_t order = 0;
    int32_t rank = startRank;
    while (CountUnplacedCards(candidate) > 0 && placing) {
        ++order;
        rank = RankAbove(rank);
        placing = PlaceRunCardIn(candidate, rank, TRunDirection::Up, suit, order);
    }
    if (CountUnplacedCards(candidate) > 0) {
        placing = true;
        order = 0;
        rank = startRank;
        while (CountUnplacedCards(candidate) > 0 && placing) {
            --order;
            rank = RankBelow(rank);
            placing = PlaceRunCardIn(candidate, rank, TRunDirection::Down, suit, order);
        }
    }
    return CountUnplacedCards(candidate) == 0;
}

int32_t TGame::CountUnplaced(TCardArray& candidate) {
    return CountUnplacedCards(candidate);
}

int32_t CountUnplacedCards(const TCardArray& candidate) {
    int32_t unplaced = 0;
    for (int i = 0; i < candidate.Count(); ++i) {
        unplaced += candidate.At(i).Selected == 0 ? 1 : 0;
    }
    return unplaced;
}

bool PlaceRunCardIn(TCardArray& candidate, int32_t rank, TRunDirection direction, int32_t suit,
                    int32_t order) {
    const int count = candidate.Count();
    for (int i = 0; i < count; ++i) {
        TCard& card = candidate.At(i);
        if (!IsJoker(card) && card.Selected == 0 && card.Rank == rank) {
            card.Selected = 1;
            card.MeldOrder = order;
            // A natural card closes the open top below it.
            for (int j = 0; j < count; ++j) {
                candidate.At(j).TakeBack = 0;
            }
            return true;
        }
    }
    // A joker from the table keeps the card it stands for.
    for (const bool fromTable : {true, false}) {
        const int joker = FindJoker(candidate, fromTable, rank, suit);
        if (joker != -1) {
            AssignJoker(candidate.At(joker), rank, direction, suit, order);
            return true;
        }
    }
    if (direction == TRunDirection::Down) {
        const int top = TopOpenJoker(candidate);
        if (top != -1) {
            AssignJoker(candidate.At(top), rank, direction, suit, order);
            return true;
        }
    }
    return false;
}

void PlaceSetJokerIn(TCardArray& candidate, int32_t rank, int32_t suit) {
    // A joker from the table keeps what it stands for.
    const int fixed = FindJoker(candidate, true, rank, suit);
    if (fixed != -1) {
        candidate.At(fixed).Selected = 1;
        return;
    }
    const int free = FindJoker(candidate, false, rank, suit);
    if (free != -1) {
        TCard& joker = candidate.At(free);
        joker.Selected = 1;
        joker.AsRank = rank;
        joker.AsSuit = suit;
    }
}

int32_t TGame::MeldPoints(TCardArray& candidate) {
    return PointsOf(candidate);
}

int32_t PointsOf(const TCardArray& candidate) {
    bool seen[Ass + 1] = {};
    int32_t naturalRanks = 0;
    for (int i = 0; i < candidate.Count(); ++i) {
        const TCard& card = candidate.At(i);
        if (!IsJoker(card) && card.Rank >= 0 && card.Rank <= Ass && !seen[card.Rank]) {
            seen[card.Rank] = true;
            ++naturalRanks;
        }
    }
    int32_t points = 0;
    const int last = candidate.Count() - 1;
    for (int i = 0; i <= last; ++i) {
        const TCard& card = candidate.At(i);
        if (card.FromTable == 0) {
            points += MeldCardValue(card, i == last, naturalRanks);
        }
    }
    return points;
}

bool TGame::FirstMeldCheck(TCardArray& candidate, int32_t points) {
    return PassesFirstMeld(candidate, points, DropMinimum(PlayerCameOut != 0));
}

bool PassesFirstMeld(TCardArray& candidate, int32_t points, int32_t minimum) {
    if (points >= minimum) {
        return true;
    }
    ShiftJokersDown(candidate);
    return PointsOf(candidate) >= minimum;
}

void TGame::ShiftLeadingJokers(TCardArray& candidate) {
    ShiftJokersDown(candidate);
}

void ShiftJokersDown(TCardArray& candidate) {
    if (candidate.Empty()) {
        return;
    }
    // The jokers at the high end go below the low end, where they may be
    // worth more (a king below an ace rather than a 2 above it).
    const TCard& last = candidate.Last();
    int32_t rank = RankInMeld(last);
    int32_t order = last.MeldOrder;
    for (int i = 0; i < candidate.Count() && IsJoker(candidate.At(i)); ++i) {
        TCard& joker = candidate.At(i);
        rank = RankBelow(rank);
        --order;
        joker.AsRank = rank;
        joker.MeldOrder = order;
    }
    SortByMeldOrder(candidate);
}

TDropVerdict JudgeDrop(const TCardArray* target, const std::vector<TCard>& handCards, int32_t minimum,
                       TCardArray& candidate) {
    if (target != nullptr && !AppendTableCopies(*target, candidate)) {
        return TDropVerdict::NoMeld;
    }
    for (const TCard& card : handCards) {
        if (!AppendHandCopy(card, candidate)) {
            return TDropVerdict::NoMeld;
        }
    }
    if (!FitsTogether(candidate)) {
        return TDropVerdict::NoMeld;
    }
    SortByMeldOrder(candidate);
    const int32_t points = PointsOf(candidate);
    return PassesFirstMeld(candidate, points, minimum) ? TDropVerdict::Fits : TDropVerdict::TooFewPoints;
}
