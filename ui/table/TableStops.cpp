#include "ui/table/TableStops.h"

#include <algorithm>

#include "render/TableMarks.h"

namespace {

bool InHandRow(const TTableStop& stop) {
    return stop.Kind == TStopKind::HandCard;
}

// A move along a row of `count` places of the stop's kind; `up` and `down`
// where the keys between the rows lead.
TTableStop MoveInRow(const TTableStop& stop, int count, TStopMove move, const TTableStop& up,
                     const TTableStop& down) {
    switch (move) {
        case TStopMove::Left:
            return {stop.Kind, std::max(0, stop.Index - 1)};
        case TStopMove::Right:
            return {stop.Kind, std::min(count - 1, stop.Index + 1)};
        case TStopMove::Home:
            return {stop.Kind, 0};
        case TStopMove::End:
            return {stop.Kind, count - 1};
        case TStopMove::Up:
            return up;
        case TStopMove::Down:
            return down;
    }
    return stop;
}

// The computers of a table of three or four, whose hands are stops; 0 at a table of two.
int32_t SeatedComputers(const TGame& game) {
    return game.SeatCount > FewestSeats ? game.SeatCount - 1 : 0;
}

// The middle row: stock 0, discard pile 1, melds 2.., the free place last.
int MiddlePlace(const TTableStop& stop) {
    switch (stop.Kind) {
        case TStopKind::Stock:
            return 0;
        case TStopKind::DiscardPile:
            return 1;
        case TStopKind::Meld:
            return 2 + stop.Index;
        default:
            return 0;
    }
}

TTableStop MiddleStop(const TGame& game, int place) {
    const int melds = game.TableMelds.Count();
    place = std::clamp(place, 0, melds + 2);
    if (place == 0) {
        return {TStopKind::Stock};
    }
    if (place == 1) {
        return {TStopKind::DiscardPile};
    }
    if (place < melds + 2) {
        return {TStopKind::Meld, place - 2};
    }
    return {TStopKind::FreeTable};
}

int MiddlePlaceOf(const TGame& game, const TTableStop& stop) {
    return stop.Kind == TStopKind::FreeTable ? game.TableMelds.Count() + 2 : MiddlePlace(stop);
}

}  // namespace

TOpponentCounts OpponentCountsOf(const TGame& game) {
    TOpponentCounts counts;
    for (int32_t seat = ComputerSeat; seat <= SeatedComputers(game); ++seat) {
        counts.push_back(game.Seats[seat].Hand.Count());
    }
    return counts;
}

std::vector<TTableStop> TableStops(const TGame& game) {
    std::vector<TTableStop> stops;
    for (int c = 0; c < SeatedComputers(game); ++c) {
        stops.push_back({TStopKind::OpponentHand, c});
    }
    if (stops.empty()) {
        stops.push_back({TStopKind::ComputerHand});
    }
    stops.push_back({TStopKind::Stock});
    stops.push_back({TStopKind::DiscardPile});
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        stops.push_back({TStopKind::Meld, m});
    }
    stops.push_back({TStopKind::FreeTable});
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        stops.push_back({TStopKind::HandCard, i});
    }
    return stops;
}

bool StopExists(const TGame& game, const TTableStop& stop) {
    switch (stop.Kind) {
        case TStopKind::OpponentHand:
            return stop.Index >= 0 && stop.Index < SeatedComputers(game);
        case TStopKind::Meld:
            return stop.Index >= 0 && stop.Index < game.TableMelds.Count();
        case TStopKind::HandCard:
            return stop.Index >= 0 && stop.Index < game.OwnCards.Count();
        default:
            return true;
    }
}

TTableStop ValidStop(const TGame& game, const TTableStop& stop) {
    if (StopExists(game, stop) && stop.Kind != TStopKind::ComputerHand) {
        return stop;
    }
    if (stop.Kind == TStopKind::OpponentHand && SeatedComputers(game) > 0) {
        return {TStopKind::OpponentHand, SeatedComputers(game) - 1};
    }
    if (stop.Kind == TStopKind::HandCard && !game.OwnCards.Empty()) {
        return {TStopKind::HandCard, game.OwnCards.Count() - 1};
    }
    if (stop.Kind == TStopKind::Meld) {
        return MiddleStop(game, 2 + stop.Index);
    }
    return {TStopKind::Stock};
}

TTableStop MoveStop(const TGame& game, const TTableStop& from, TStopMove move) {
    const TTableStop stop = ValidStop(game, from);
    const int32_t computers = SeatedComputers(game);
    if (stop.Kind == TStopKind::OpponentHand) {
        return MoveInRow(stop, computers, move, stop, {TStopKind::Stock});
    }
    if (InHandRow(stop)) {
        return MoveInRow(stop, game.OwnCards.Count(), move, {TStopKind::Stock}, stop);
    }
    const int place = MiddlePlaceOf(game, stop);
    switch (move) {
        case TStopMove::Left:
            return MiddleStop(game, place - 1);
        case TStopMove::Right:
            return MiddleStop(game, place + 1);
        case TStopMove::Home:
            return MiddleStop(game, 0);
        case TStopMove::End:
            return MiddleStop(game, game.TableMelds.Count() + 2);
        case TStopMove::Up:
            return computers > 0 ? TTableStop{TStopKind::OpponentHand, 0} : stop;
        case TStopMove::Down:
            return game.OwnCards.Empty() ? stop : TTableStop{TStopKind::HandCard, 0};
    }
    return stop;
}

TTableMark FocusMark(const TGame& game, const TTableStop& stop) {
    switch (stop.Kind) {
        case TStopKind::DiscardPile:
            return {TMarkStyle::Focus, TMarkPlace::DiscardPile};
        case TStopKind::Meld: {
            const TCardArray* cards = StopExists(game, stop) ? game.TableMelds.At(stop.Index).Cards : nullptr;
            return {TMarkStyle::Focus, TMarkPlace::MeldCards, stop.Index, 0,
                    cards != nullptr ? cards->Count() - 1 : -1};
        }
        case TStopKind::FreeTable:
            return {TMarkStyle::Focus, TMarkPlace::FreeTable};
        case TStopKind::HandCard:
            return {TMarkStyle::Focus, TMarkPlace::HandCard, -1, stop.Index};
        case TStopKind::OpponentHand:
            return {TMarkStyle::Focus, TMarkPlace::OpponentHand, -1, stop.Index};
        case TStopKind::ComputerHand:
        case TStopKind::Stock:
            break;
    }
    return {TMarkStyle::Focus, TMarkPlace::Stock};
}
