// The strong strategy's decisions, and its whole turn in the computer's chair.
#include "game/strong/StrongOpponent.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

#include "game/CardValue.h"
#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "game/MeldRules.h"
#include "game/MeldShape.h"

namespace {

// A card from the discard pile is taken when it improves the hand by at least
// this much over keeping the hand as it is (a pair with some chances left).
constexpr int32_t TakeMargin = 40;
// Throwing away a card the other side is known to collect around.
constexpr int32_t FeedPenalty = 4;

bool SameKind(const TCard& card, int kind) {
    return IsNaturalCard(card) && KindOf(card.Suit, card.Rank) == kind;
}

void AddEnds(TPlanContext& context, const TCardArray& cards, int32_t meld) {
    const int count = cards.Count();
    if (count == 0) {
        return;
    }
    if (IsRun(cards.View())) {
        if (count >= LongestRun) {
            return;
        }
        ++context.JokerRoom;
        const TCard& top = cards.At(0);
        const TCard& bottom = cards.Last();
        const int32_t suit = SuitInMeld(top);
        const int32_t above = RankAbove(RankInMeld(top));
        const int32_t below = RankBelow(RankInMeld(bottom));
        if (!IsNatural(suit, above) || !IsNatural(suit, below)) {
            return;
        }
        const int32_t room = LongestRun - count;
        context.Ends.push_back({meld, KindOf(suit, above), 1, room});
        if (above != below) {
            context.Ends.push_back({meld, KindOf(suit, below), -1, room});
        }
        return;
    }
    if (ShowsOneRank(cards.View()) && count < LargestSet) {
        ++context.JokerRoom;
        const int32_t rank = RankInMeld(cards.At(0));
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            if (!ShowsSuit(cards.View(), suit) && IsNatural(suit, rank)) {
                context.Ends.push_back({meld, KindOf(suit, rank), 0, 1});
            }
        }
    }
}

// The hand positions of a planned meld's cards: the first free card of each
// kind, then the first free jokers.
std::vector<int> PositionsOf(const std::vector<TCard>& hand, const std::vector<int>& kinds, int32_t jokers) {
    std::vector<bool> used(hand.size(), false);
    std::vector<int> positions;
    for (int kind : kinds) {
        for (size_t i = 0; i < hand.size(); ++i) {
            if (!used[i] && SameKind(hand[i], kind)) {
                used[i] = true;
                positions.push_back(static_cast<int>(i));
                break;
            }
        }
    }
    for (size_t i = 0; i < hand.size() && jokers > 0; ++i) {
        if (!used[i] && IsJoker(hand[i])) {
            used[i] = true;
            positions.push_back(static_cast<int>(i));
            --jokers;
        }
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

int PositionOfKind(const std::vector<TCard>& hand, int kind) {
    for (size_t i = 0; i < hand.size(); ++i) {
        if (SameKind(hand[i], kind)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Whether the player's rules let these hand cards onto meld `meld` (-1: a new meld).
bool Passes(const TSeatView& view, const std::vector<int>& positions, int32_t meld) {
    TCursor<TCard> cursor;
    TCardArray candidate(&cursor);
    const TCardArray* target = nullptr;
    if (meld >= 0) {
        if (view.Table == nullptr || meld >= view.Table->Count() || view.Table->At(meld).Cards == nullptr) {
            return false;
        }
        target = view.Table->At(meld).Cards;
    }
    return JudgeDrop(target, CardsAt(view.Hand, positions), view.CameOut ? 0 : view.Minimum, candidate) ==
           TDropVerdict::Fits;
}

// How much a meld on the table would help the other side: the copies still to
// come of the cards that would extend it, and its jokers, which a side that
// holds their card may take.
int32_t Exposure(const TPlannedMeld& meld, const TPlanContext& context) {
    int32_t exposure = 3 * meld.Jokers;
    if (meld.IsSet) {
        if (meld.Kinds.size() + static_cast<size_t>(meld.Jokers) < 4) {
            const int32_t rank = RankOfKind(meld.Kinds[0]);
            for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
                bool present = false;
                for (int kind : meld.Kinds) {
                    present = present || SuitOfKind(kind) == suit;
                }
                exposure += present ? 0 : context.Live[KindOf(suit, rank)];
            }
        }
        return exposure;
    }
    // The run's ends are not known exactly (the jokers' places are the rules'
    // choice); the neighbours of its natural cards stand in for them.
    for (int kind : meld.Kinds) {
        for (int step : {-1, 1}) {
            const int next = NeighbourKind(kind, step);
            if (std::find(meld.Kinds.begin(), meld.Kinds.end(), next) == meld.Kinds.end()) {
                exposure += context.Live[next];
            }
        }
    }
    return exposure;
}

// The first meld to come out with: it reaches the minimum and gives the other
// side as little as possible. Empty when none passes the rules.
std::vector<int> ComeOutMeld(const TSeatView& view, const THandPlan& plan, const TPlanContext& context) {
    std::vector<std::pair<int32_t, std::vector<int>>> choices;
    for (const TPlannedMeld& meld : plan.Melds) {
        if (!meld.ReachesMinimum) {
            continue;
        }
        const int32_t cost =
            Exposure(meld, context) * 16 + static_cast<int32_t>(meld.Kinds.size()) + meld.Jokers;
        choices.push_back({cost, PositionsOf(view.Hand, meld.Kinds, meld.Jokers)});
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& choice : choices) {
        if (Passes(view, choice.second, -1)) {
            return choice.second;
        }
    }
    return {};
}

THandCounts Without(THandCounts counts, int kind) {
    --counts.Of[kind];
    return counts;
}

// How much throwing this card away would feed the next seat, the only one
// that may take it: the cards it took from the pile and still holds lie next
// to it or share its rank.
int32_t FeedRisk(const TSeatView& view, int kind) {
    int32_t risk = 0;
    for (int step : {-2, -1, 1, 2}) {
        risk += view.NextHolds[NeighbourKind(kind, step)];
    }
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        risk += view.NextHolds[KindOf(suit, RankOfKind(kind))];
    }
    // What it threw away itself it will hardly want back.
    risk -= view.NextThrew[kind];
    return risk;
}

// The hand without one card of each kind, best first, as the plan sees it:
// the plan less that card (for the kinds of its rest), or a plan of its own.
// The first `replan` are planned anew, since without the card a better split
// may be found; `skip` is never taken.
std::vector<std::pair<int, int32_t>> ValuesWithout(const THandCounts& hand, const THandPlan& plan,
                                                   const TPlanContext& context, int skip, size_t replan) {
    std::vector<std::pair<int, int32_t>> values;
    for (const auto& [kind, loss] : plan.RestLoss) {
        if (kind != skip) {
            values.push_back({kind, plan.Value - loss});
        }
    }
    if (values.empty()) {
        // Every card has its place. A card laid off, or one of a meld of four
        // or more, costs itself; one of a meld of three costs the meld.
        for (const TPlannedMeld& meld : plan.Melds) {
            const int32_t size = static_cast<int32_t>(meld.Kinds.size()) + meld.Jokers;
            for (int kind : meld.Kinds) {
                values.push_back({kind, plan.Value - (size >= 4 ? PlacedValue : PlacedValue * size)});
            }
        }
        for (const auto& [kind, end] : plan.LayOffs) {
            values.push_back({kind, plan.Value - PlacedValue});
        }
        std::erase_if(values, [skip](const auto& value) { return value.first == skip; });
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    for (size_t i = 0; i < values.size() && i < replan; ++i) {
        values[i].second =
            std::max(values[i].second, PlanHand(Without(hand, values[i].first), context).Value);
    }
    return values;
}

// The card to throw away: the one whose loss costs the hand least.
TStrongMove ChooseDiscard(const TSeatView& view, const THandCounts& hand, const THandPlan& plan,
                          const TPlanContext& context) {
    TStrongMove move;
    move.Kind = TMoveKind::Discard;
    move.KeepsMelds = !plan.Melds.empty();
    const std::vector<std::pair<int, int32_t>> values = ValuesWithout(hand, plan, context, -1, 2);
    if (values.empty()) {
        // Nothing but jokers.
        move.Cards.push_back(0);
        return move;
    }
    int64_t bestScore = INT64_MIN;
    int bestKind = values.front().first;
    for (const auto& [kind, value] : values) {
        int64_t score = int64_t{value} * 4 - FeedPenalty * FeedRisk(view, kind);
        // Between equals: once out, fewer points stay in the hand; before,
        // the high cards that bring a side out are kept.
        const int32_t points = CardValue(RankOfKind(kind));
        score = score * 16 + (view.CameOut ? points : 11 - points);
        if (score > bestScore) {
            bestScore = score;
            bestKind = kind;
        }
    }
    move.Cards.push_back(PositionOfKind(view.Hand, bestKind));
    return move;
}

// Going out in this turn: everything but one card is laid, the last is thrown away.
bool MayGoOut(const THandPlan& plan) {
    const int32_t rest = plan.Rest.Cards();
    if (!plan.CanComeOut || rest > 1) {
        return false;
    }
    if (rest == 1) {
        return true;
    }
    // Every card has its place: one of them must stay back for the discard.
    if (!plan.LayOffs.empty() || plan.FreeJokers > 0) {
        return true;
    }
    for (const TPlannedMeld& meld : plan.Melds) {
        if (meld.Kinds.size() + static_cast<size_t>(meld.Jokers) >= 4) {
            return true;
        }
    }
    return false;
}

TStrongMove LayOffMove(const TSeatView& view, const THandPlan& plan, const TPlanContext& context) {
    for (const auto& [kind, end] : plan.LayOffs) {
        const int position = PositionOfKind(view.Hand, kind);
        const int32_t meld = context.Ends[static_cast<size_t>(end)].Meld;
        if (position >= 0 && Passes(view, {position}, meld)) {
            return {TMoveKind::LayOff, {position}, meld};
        }
    }
    return {};
}

// Where every card has its place but none can stay back for the discard, a
// split of the hand without one card that still places all the others: that
// card is kept and thrown away, and the side goes out at once. Else the plan.
THandPlan KeepingOneBack(const THandCounts& hand, const TPlanContext& context, const THandPlan& plan) {
    for (int kind = 0; kind < KindCount; ++kind) {
        if (hand.Of[kind] == 0) {
            continue;
        }
        THandPlan fewer = PlanHand(Without(hand, kind), context);
        if (fewer.CanComeOut && fewer.Rest.Cards() == 0) {
            ++fewer.Rest.Of[kind];
            fewer.RestLoss.push_back({kind, 0});  // the card to throw away
            return fewer;
        }
    }
    return plan;
}

// A joker laid off onto the first meld that takes it.
TStrongMove JokerLayOff(const TSeatView& view) {
    int joker = -1;
    for (size_t i = 0; i < view.Hand.size() && joker < 0; ++i) {
        joker = IsJoker(view.Hand[i]) ? static_cast<int>(i) : -1;
    }
    if (joker < 0 || view.Table == nullptr) {
        return {};
    }
    for (int32_t m = 0; m < view.Table->Count(); ++m) {
        if (Passes(view, {joker}, m)) {
            return {TMoveKind::LayOff, {joker}, m};
        }
    }
    return {};
}

TStrongMove LayOutMove(std::vector<int> positions) {
    return {TMoveKind::LayOut, std::move(positions)};
}

// Lays the meld at these positions; where it is all the hand holds, rather the
// meld without one card, which is then thrown away and wins. A meld that no
// card can leave stays in the hand: a side that laid its last card would have
// to wait a whole round to throw one away.
TStrongMove LayOutKeepingOne(const TSeatView& view, const std::vector<int>& positions) {
    if (positions.size() < view.Hand.size()) {
        return Passes(view, positions, -1) ? LayOutMove(positions) : TStrongMove{};
    }
    for (size_t i = 0; positions.size() >= 4 && i < positions.size(); ++i) {
        std::vector<int> fewer = positions;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        if (Passes(view, fewer, -1)) {
            return LayOutMove(std::move(fewer));
        }
    }
    return {};
}

// The steps of going out: come out, lay the melds, lay off, throw away the last card.
TStrongMove GoingOut(const TSeatView& view, const THandPlan& plan, const TPlanContext& context) {
    if (!view.CameOut) {
        const std::vector<int> first = ComeOutMeld(view, plan, context);
        return first.empty() ? TStrongMove{} : LayOutKeepingOne(view, first);
    }
    for (const TPlannedMeld& meld : plan.Melds) {
        TStrongMove move = LayOutKeepingOne(view, PositionsOf(view.Hand, meld.Kinds, meld.Jokers));
        if (move.Kind != TMoveKind::None) {
            return move;
        }
    }
    if (view.Hand.size() > 1) {
        TStrongMove move = LayOffMove(view, plan, context);
        if (move.Kind == TMoveKind::None) {
            move = JokerLayOff(view);
        }
        if (move.Kind != TMoveKind::None) {
            return move;
        }
    }
    return {};
}

// A card with no card of its rank in the hand, none of its suit within two
// ranks, no place on the table and no pair of jokers to make a set with
// cannot do more for the hand than the card it would replace.
bool Related(const THandCounts& hand, const TPlanContext& context, int kind) {
    if (hand.Jokers >= 2) {
        return true;
    }
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        if (hand.Of[KindOf(suit, RankOfKind(kind))] > 0) {
            return true;
        }
    }
    for (int step : {-2, -1, 1, 2}) {
        if (hand.Of[NeighbourKind(kind, step)] > 0) {
            return true;
        }
    }
    for (const TTableEnd& end : context.Ends) {
        if (end.Kind == kind) {
            return true;
        }
    }
    return false;
}

}  // namespace

THandCounts CountsOf(const std::vector<TCard>& cards) {
    THandCounts counts;
    for (const TCard& card : cards) {
        counts.Add(card);
    }
    return counts;
}

TPlanContext PlanContextOf(const TSeatView& view) {
    TPlanContext context;
    context.CameOut = view.CameOut;
    context.Minimum = view.Minimum;
    int seen[KindCount] = {};
    for (const TCard& card : view.Hand) {
        if (IsNaturalCard(card)) {
            ++seen[KindOf(card.Suit, card.Rank)];
        }
    }
    if (view.Table != nullptr) {
        for (int32_t m = 0; m < view.Table->Count(); ++m) {
            const TCardArray* cards = view.Table->At(m).Cards;
            if (cards == nullptr) {
                continue;
            }
            for (int i = 0; i < cards->Count(); ++i) {
                if (IsNaturalCard(cards->At(i))) {
                    ++seen[KindOf(cards->At(i).Suit, cards->At(i).Rank)];
                }
            }
            AddEnds(context, *cards, m);
        }
    }
    for (int k = 0; k < KindCount; ++k) {
        const int live = 2 - seen[k] - view.InPile[k] - view.OtherHolds[k];
        context.Live[k] = static_cast<uint8_t>(std::clamp(live, 0, 2));
    }
    return context;
}

TSeatView ViewOf(const TGame& game, int32_t seat) {
    TSeatView view;
    view.Hand = game.Seats[seat].Hand.Records();
    view.CameOut = game.Seats[seat].CameOut != 0;
    view.Table = &game.TableMelds;
    view.HasTop = !game.DiscardPile.Empty();
    if (view.HasTop) {
        view.Top = game.DiscardPile.Last();
    }
    const int32_t next = game.NextSeat(seat);
    for (int k = 0; k < KindCount; ++k) {
        const int32_t suit = SuitOfKind(k);
        const int32_t rank = RankOfKind(k);
        view.InPile[k] = static_cast<uint8_t>(game.Seen.InPile(suit, rank));
        int32_t held = 0;
        for (int32_t other = 0; other < game.SeatCount; ++other) {
            held += other != seat ? game.Seen.KnownIn(other, suit, rank) : 0;
        }
        view.OtherHolds[k] = static_cast<uint8_t>(std::min(held, 255));
        view.NextHolds[k] = static_cast<uint8_t>(game.Seen.KnownIn(next, suit, rank));
        view.NextThrew[k] = static_cast<uint8_t>(game.Seen.DiscardedBy(next, suit, rank));
    }
    view.Minimum = game.MeldMinimum;
    return view;
}

bool TakeFromDiscardPile(const TSeatView& view) {
    if (!view.HasTop) {
        return false;
    }
    if (IsJoker(view.Top)) {
        return true;
    }
    if (!IsNaturalCard(view.Top)) {
        return false;
    }
    const TPlanContext context = PlanContextOf(view);
    const THandCounts hand = CountsOf(view.Hand);
    const int top = KindOf(view.Top.Suit, view.Top.Rank);
    if (!Related(hand, context, top)) {
        return false;
    }
    const int32_t keep = PlanHand(hand, context).Value;
    THandCounts with = hand;
    ++with.Of[top];
    const THandPlan plan = PlanHand(with, context);
    // What goes instead: the card the taken one makes least useful. Planned
    // anew only where that could change the answer: a new plan rarely finds
    // more than a whole card's worth.
    const std::vector<std::pair<int, int32_t>> guess = ValuesWithout(with, plan, context, top, 0);
    if (guess.empty()) {
        return false;
    }
    const int32_t gain = guess.front().second - keep;
    if (gain >= TakeMargin || gain < TakeMargin - PlacedValue) {
        return gain >= TakeMargin;
    }
    int32_t best = INT_MIN;
    for (const auto& value : ValuesWithout(with, plan, context, top, 2)) {
        best = std::max(best, value.second);
    }
    return best != INT_MIN && best - keep >= TakeMargin;
}

TStrongMove NextMove(const TSeatView& view, bool mayLay) {
    if (view.Hand.empty()) {
        return {};
    }
    const TPlanContext context = PlanContextOf(view);
    const THandCounts hand = CountsOf(view.Hand);
    THandPlan plan = PlanHand(hand, context);
    if (mayLay && plan.CanComeOut && plan.Rest.Cards() == 0 && !MayGoOut(plan)) {
        plan = KeepingOneBack(hand, context, plan);
    }
    if (mayLay) {
        if (MayGoOut(plan)) {
            TStrongMove move = GoingOut(view, plan, context);
            if (move.Kind != TMoveKind::None) {
                return move;
            }
        }
        if (!view.CameOut && plan.CanComeOut) {
            std::vector<int> first = ComeOutMeld(view, plan, context);
            if (!first.empty() && static_cast<int>(first.size()) < static_cast<int>(view.Hand.size())) {
                return LayOutMove(std::move(first));
            }
        }
        if (view.CameOut && view.Hand.size() > 1) {
            TStrongMove move = LayOffMove(view, plan, context);
            if (move.Kind != TMoveKind::None) {
                return move;
            }
        }
    }
    return ChooseDiscard(view, hand, plan, context);
}

// --- The turn at any seat ----------------------------------------------------

TTurnEnd TStrongComputer::PlayTurn(TGame& game, int32_t seat) {
    const int before = game.Seats[seat].Hand.Count();
    ComputerDraw(game, seat, TakeFromDiscardPile(ViewOf(game, seat)));
    const bool drew = game.Seats[seat].Hand.Count() > before;
    bool mayLay = true;
    for (;;) {
        const TStrongMove move = NextMove(ViewOf(game, seat), mayLay);
        if (move.Kind == TMoveKind::None) {
            break;  // no card in the hand
        }
        if (move.Kind == TMoveKind::Discard) {
            game.DiscardFor(seat, move.Cards.front());
            break;
        }
        mayLay =
            game.LayFor(seat, move.Cards, move.Kind == TMoveKind::LayOff ? move.Meld : -1) == TRefusal::None;
    }
    return drew ? TTurnEnd::Played : TTurnEnd::NothingToDraw;
}
