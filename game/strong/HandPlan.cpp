#include "game/strong/HandPlan.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

#include "game/CardValue.h"
#include "game/MeldRules.h"

namespace {

// What a hand's cards are worth to the search besides a card that will be laid
// (PlacedValue): a joker that has no meld yet, reaching the first-meld minimum
// when not out, and, for the rest, each copy still to come of a card that would
// make a pair into a meld, and each such copy of a plain neighbour.
constexpr int32_t LooseJokerValue = 70;
constexpr int32_t ComeOutBonus = 200;
constexpr int32_t OutValue = 5;
constexpr int32_t NeighbourValue = 1;
// The search gives the best split found after this many steps: enough for
// every hand of a real game, and a bound on the time of the strange ones.
constexpr int32_t NodeBudget = 1500;
// A run is built with at most this many jokers in its gaps: more are better
// spent elsewhere, and weighing them all would take long.
constexpr int32_t MostJokersInARun = 2;
// No card of the rest is ever worth more than this.
constexpr int32_t MostRestValue = 4 * OutValue * 22 / 14 + 10 * NeighbourValue;

// A position on the cycle of 13 ranks, from one at most 13 places off.
int Cyclic(int position) {
    return position < 0               ? position + RanksPerSuit
           : position >= RanksPerSuit ? position - RanksPerSuit
                                      : position;
}

// --- The player's run check ----------------------------------------------

// What the player's rules make of a run from a hand: its cards as a hand
// holds them, the naturals from the lowest rank up and the jokers after them.
TRunVerdict RunByTheRules(uint32_t rankBits, int32_t jokers) {
    TRunVerdict verdict;
    TCursor<TCard> cursor;
    TCardArray candidate(&cursor);
    TCard card{};
    card.Suit = Herz;
    for (card.Rank = 2; card.Rank <= Ass; ++card.Rank) {
        if ((rankBits >> (card.Rank - 2)) & 1u) {
            AppendHandCopy(card, candidate);
        }
    }
    card.Suit = Joker;
    card.Rank = JokerRank;
    for (int j = 0; j < jokers; ++j) {
        AppendHandCopy(card, candidate);
    }
    if (!FitsTogether(candidate)) {
        return verdict;
    }
    SortByMeldOrder(candidate);
    verdict.Fits = true;
    verdict.Points = PointsOf(candidate);
    // What the first-meld check counts once it has moved the jokers at the top below.
    ShiftJokersDown(candidate);
    verdict.ShiftedPoints = PointsOf(candidate);
    return verdict;
}

// --- The search ----------------------------------------------------------

struct TMeldSlot {
    uint8_t Kinds[LongestRun];
    int8_t Naturals;
    int8_t Jokers;
    bool IsSet;
    bool Reaches;
};

class TSearch {
  public:
    TSearch(const THandCounts& hand, const TPlanContext& context) : Context(context) {
        std::memcpy(Count, hand.Of, sizeof(Count));
        Jokers = hand.Jokers;
        for (int k = 0; k < KindCount; ++k) {
            Remaining += Count[k];
        }
        // The rest is always a part of the hand: its chances are worked out
        // once for the kinds the hand holds.
        for (int k = 0; k < KindCount; ++k) {
            if (Count[k] > 0) {
                HandKinds[Kinds++] = static_cast<uint8_t>(k);
            }
        }
        for (int i = 0; i < Kinds; ++i) {
            Alone[i] = Neighbours(HandKinds[i]);
            for (int j = 0; j < Kinds; ++j) {
                int32_t pair = i == j ? 0 : PairValue(HandKinds[i], HandKinds[j]);
                // Before coming out, a pair of high cards is nearer a meld that reaches the minimum.
                if (!context.CameOut) {
                    pair = pair *
                           (CardValue(RankOfKind(HandKinds[i])) + CardValue(RankOfKind(HandKinds[j]))) / 14;
                }
                Pair[i][j] = static_cast<int16_t>(pair);
            }
        }
        // A card could be laid off where some end of the table leads to it.
        for (const TTableEnd& end : context.Ends) {
            int kind = end.Kind;
            for (int n = 0; n < end.Room; ++n) {
                Layable[kind] = true;
                if (end.Step == 0) {
                    break;
                }
                kind = NeighbourKind(kind, end.Step);
            }
        }
    }

    void Run() { Search(0); }

    THandPlan Best;

  private:
    int32_t Bound() const {
        return PlacedValue * (MeldCards + Remaining + Jokers) + RestBound +
               (Context.CameOut ? 0 : ComeOutBonus);
    }

    void SetAside(int kind, int delta) {
        Rest[kind] = static_cast<uint8_t>(Rest[kind] + delta);
        RestCards += delta;
        Remaining -= delta;
        Count[kind] = static_cast<uint8_t>(Count[kind] - delta);
        RestBound += delta * (Layable[kind] ? PlacedValue : MostRestValue);
    }

    void Push(const TMeldSlot& meld) {
        for (int i = 0; i < meld.Naturals; ++i) {
            --Count[meld.Kinds[i]];
        }
        Remaining -= meld.Naturals;
        Jokers -= meld.Jokers;
        MeldCards += meld.Naturals + meld.Jokers;
        Reaching += meld.Reaches ? 1 : 0;
        Stack[Depth++] = meld;
    }

    void Pop() {
        const TMeldSlot& meld = Stack[--Depth];
        for (int i = 0; i < meld.Naturals; ++i) {
            ++Count[meld.Kinds[i]];
        }
        Remaining += meld.Naturals;
        Jokers += meld.Jokers;
        MeldCards -= meld.Naturals + meld.Jokers;
        Reaching -= meld.Reaches ? 1 : 0;
    }

    void Search(int from) {
        int kind = from;
        while (kind < KindCount && Count[kind] == 0) {
            ++kind;
        }
        if (kind == KindCount) {
            Leaf();
            return;
        }
        if (Searched && (Bound() <= Best.Value || Nodes >= NodeBudget)) {
            return;
        }
        ++Nodes;
        // With one copy of a kind set aside, the other copy's melds were all
        // tried when the first copy was melded: it goes aside as well.
        if (Rest[kind] == 0) {
            TryRuns(kind);
            TrySets(kind);
        }
        SetAside(kind, 1);
        Search(kind);
        SetAside(kind, -1);
    }

    void TryMeld(int kind, const TMeldSlot& meld) {
        Push(meld);
        Search(kind);
        Pop();
    }

    // Runs through this card whose both ends are natural cards, or a pair of
    // neighbours with a joker; the kinds below it in its suit are all decided.
    void TryRuns(int kind) {
        const int base = kind - kind % RanksPerSuit;
        const int at = kind % RanksPerSuit;
        uint32_t present = 0;
        for (int position = 0; position < RanksPerSuit; ++position) {
            present |= Count[base + position] > 0 ? 1u << position : 0u;
        }
        const int most = std::min(Jokers, MostJokersInARun);
        int gapsBelow = 0;
        for (int down = 0; down < RanksPerSuit; ++down) {
            const int low = Cyclic(at - down);
            const bool natural = (present >> low) & 1u;
            if (down > 0 && !natural && ++gapsBelow > most) {
                break;
            }
            if (!natural) {
                continue;
            }
            int gaps = gapsBelow;
            for (int up = 0; down + up < RanksPerSuit; ++up) {
                const int high = Cyclic(at + up);
                const bool highNatural = (present >> high) & 1u;
                if (up > 0 && !highNatural && ++gaps > most) {
                    break;
                }
                const int length = down + up + 1;
                const int naturals = length - gaps;
                if (!highNatural || naturals < 2 || (length == 2 && Jokers < 1)) {
                    continue;
                }
                const int jokers = length == 2 ? 1 : gaps;
                // The arc from `low` upwards, round the corner where it goes past the ace.
                const uint32_t arc = ((1u << length) - 1) << low;
                const uint32_t bits = present & ((arc | (arc >> RanksPerSuit)) & ((1u << RanksPerSuit) - 1));
                const TRunVerdict verdict = JudgeRun(bits, jokers);
                if (verdict.Fits) {
                    TMeldSlot meld{};
                    meld.Jokers = static_cast<int8_t>(jokers);
                    for (int position = 0; position < RanksPerSuit; ++position) {
                        if ((bits >> position) & 1u) {
                            meld.Kinds[meld.Naturals++] = static_cast<uint8_t>(base + position);
                        }
                    }
                    meld.Reaches = std::max(verdict.Points, verdict.ShiftedPoints) >= Context.Minimum;
                    TryMeld(kind, meld);
                }
            }
        }
    }

    // Sets of this card's rank in other suits still held, filled up to three with jokers.
    void TrySets(int kind) {
        const int32_t rank = RankOfKind(kind);
        int others[3];
        int otherCount = 0;
        for (int32_t suit = SuitOfKind(kind) + 1; suit <= Kreuz; ++suit) {
            if (Count[KindOf(suit, rank)] > 0) {
                others[otherCount++] = KindOf(suit, rank);
            }
        }
        for (int subset = (1 << otherCount) - 1; subset >= 0; --subset) {
            TMeldSlot meld{};
            meld.IsSet = true;
            meld.Kinds[meld.Naturals++] = static_cast<uint8_t>(kind);
            for (int i = 0; i < otherCount; ++i) {
                if ((subset >> i) & 1) {
                    meld.Kinds[meld.Naturals++] = static_cast<uint8_t>(others[i]);
                }
            }
            const int jokers = std::max(0, 3 - meld.Naturals);
            if (jokers > Jokers) {
                continue;
            }
            meld.Jokers = static_cast<int8_t>(jokers);
            meld.Reaches = (meld.Naturals + jokers) * CardValue(rank) >= Context.Minimum;
            TryMeld(kind, meld);
        }
    }

    int32_t PairValue(int a, int b) const {
        const int32_t rankA = RankOfKind(a);
        const int32_t suitA = SuitOfKind(a);
        const int32_t suitB = SuitOfKind(b);
        if (rankA == RankOfKind(b) && suitA != suitB) {
            int32_t outs = 0;
            for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
                if (suit != suitA && suit != suitB) {
                    outs += Context.Live[KindOf(suit, rankA)];
                }
            }
            return OutValue * outs;
        }
        if (suitA != suitB) {
            return 0;
        }
        const int up = Cyclic(b % RanksPerSuit - a % RanksPerSuit);
        const int lower = up <= 6 ? a : b;
        const int distance = std::min(up, RanksPerSuit - up);
        if (distance == 1) {
            return OutValue *
                   (Context.Live[NeighbourKind(lower, -1)] + Context.Live[NeighbourKind(lower, 2)]);
        }
        if (distance == 2) {
            return OutValue * Context.Live[NeighbourKind(lower, 1)];
        }
        return 0;
    }

    int32_t Neighbours(int kind) const {
        int32_t live = Context.Live[NeighbourKind(kind, -1)] + Context.Live[NeighbourKind(kind, 1)];
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            if (suit != SuitOfKind(kind)) {
                live += Context.Live[KindOf(suit, RankOfKind(kind))];
            }
        }
        return NeighbourValue * live;
    }

  public:
    // The chances of the cards of the rest: each copy counts its best partner
    // and its neighbours still to come.
    int32_t RestValue(const uint8_t rest[KindCount]) const {
        int slots[KindCount];
        int count = 0;
        for (int i = 0; i < Kinds; ++i) {
            if (rest[HandKinds[i]] > 0) {
                slots[count++] = i;
            }
        }
        int32_t value = 0;
        for (int a = 0; a < count; ++a) {
            int32_t best = 0;
            for (int b = 0; b < count; ++b) {
                best = std::max<int32_t>(best, Pair[slots[a]][slots[b]]);
            }
            value += rest[HandKinds[slots[a]]] * (best + Alone[slots[a]]);
        }
        return value;
    }

  private:
    void Leaf() {
        Searched = true;
        const bool canComeOut = Context.CameOut || Reaching > 0;
        uint8_t rest[KindCount];
        std::memcpy(rest, Rest, sizeof(rest));
        std::pair<int, int> layOffs[20];
        int laid = 0;
        if (canComeOut) {
            for (int e = 0; e < static_cast<int>(Context.Ends.size()); ++e) {
                const TTableEnd& end = Context.Ends[e];
                int kind = end.Kind;
                for (int room = end.Room; room > 0 && rest[kind] > 0 && laid < 20; --room) {
                    --rest[kind];
                    layOffs[laid++] = {kind, e};
                    if (end.Step == 0) {
                        break;
                    }
                    kind = NeighbourKind(kind, end.Step);
                }
            }
        }
        const bool jokersFit = MeldCards > 0 || (canComeOut && Context.JokerRoom > 0);
        int32_t value =
            PlacedValue * (MeldCards + laid) + (jokersFit ? PlacedValue : LooseJokerValue) * Jokers;
        if (!Context.CameOut && Reaching > 0) {
            value += ComeOutBonus;
        }
        // The rest's chances are weighed only where they could make this split the best.
        if (Best.Value != INT_MIN && value + MostRestValue * (Remaining + RestCards - laid) <= Best.Value) {
            return;
        }
        value += RestValue(rest);
        if (value <= Best.Value && Best.Value != INT_MIN) {
            return;
        }
        Best.Value = value;
        Best.CanComeOut = canComeOut;
        Best.Melds.clear();
        for (int d = 0; d < Depth; ++d) {
            TPlannedMeld meld;
            meld.Kinds.assign(Stack[d].Kinds, Stack[d].Kinds + Stack[d].Naturals);
            meld.Jokers = Stack[d].Jokers;
            meld.IsSet = Stack[d].IsSet;
            meld.ReachesMinimum = Stack[d].Reaches;
            Best.Melds.push_back(std::move(meld));
        }
        Best.LayOffs.assign(layOffs, layOffs + laid);
        std::memcpy(Best.Rest.Of, rest, sizeof(rest));
        Best.Rest.Jokers = jokersFit ? 0 : Jokers;
        Best.FreeJokers = jokersFit ? Jokers : 0;
    }

    const TPlanContext& Context;
    uint8_t Count[KindCount];
    uint8_t Rest[KindCount] = {};
    bool Layable[KindCount] = {};
    int32_t Jokers = 0;
    int32_t Remaining = 0;
    int32_t RestBound = 0;
    int32_t RestCards = 0;
    // The kinds the hand holds, and the chances of each and of each pair of them.
    uint8_t HandKinds[KindCount];
    int Kinds = 0;
    int16_t Alone[KindCount];
    int16_t Pair[KindCount][KindCount];
    int32_t MeldCards = 0;
    int32_t Reaching = 0;
    TMeldSlot Stack[KindCount];
    int Depth = 0;
    bool Searched = false;

  public:
    int32_t Nodes = 0;
};

}  // namespace

void THandCounts::Add(const TCard& card) {
    if (IsJoker(card)) {
        ++Jokers;
    } else if (IsNaturalCard(card)) {
        ++Of[KindOf(card.Suit, card.Rank)];
    }
}

int32_t THandCounts::Cards() const {
    int32_t cards = Jokers;
    for (uint8_t n : Of) {
        cards += n;
    }
    return cards;
}

THandPlan PlanHand(const THandCounts& hand, const TPlanContext& context) {
    TSearch search(hand, context);
    search.Best.Value = INT_MIN;
    search.Run();
    THandPlan& plan = search.Best;
    // What each card of the rest is worth to the plan: its own chances and
    // those it gives the others.
    uint8_t rest[KindCount];
    std::memcpy(rest, plan.Rest.Of, sizeof(rest));
    const int32_t all = search.RestValue(rest);
    for (int k = 0; k < KindCount; ++k) {
        if (rest[k] > 0) {
            --rest[k];
            plan.RestLoss.push_back({k, all - search.RestValue(rest)});
            ++rest[k];
        }
    }
    return plan;
}

TRunVerdict JudgeRun(uint32_t rankBits, int32_t jokers) {
    rankBits &= (1u << RanksPerSuit) - 1;
    // One natural rank makes a set, not a run.
    if (jokers < 0 || jokers > JokerCount || __builtin_popcount(rankBits) < 2) {
        return {};
    }
    // Remembered once worked out, as the answer depends on nothing else; each
    // thread keeps its own. A run is worth at most 13 x 11 points, so a byte
    // holds each count.
    struct TKnown {
        uint8_t Done = 0;
        uint8_t Fits = 0;
        uint8_t Points = 0;
        uint8_t ShiftedPoints = 0;
    };
    thread_local std::unique_ptr<TKnown[]> known;
    if (!known) {
        known = std::make_unique<TKnown[]>((1u << RanksPerSuit) * (JokerCount + 1));
    }
    TKnown& slot = known[rankBits * (JokerCount + 1) + static_cast<uint32_t>(jokers)];
    if (slot.Done == 0) {
        const TRunVerdict verdict = RunByTheRules(rankBits, jokers);
        slot = {1, static_cast<uint8_t>(verdict.Fits), static_cast<uint8_t>(verdict.Points),
                static_cast<uint8_t>(verdict.ShiftedPoints)};
    }
    return {slot.Fits != 0, slot.Points, slot.ShiftedPoints};
}
