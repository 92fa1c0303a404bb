#include "ui/table/TableStops.h"

#include <algorithm>

#include "render/TableMarks.h"

namespace {

bool InHandRow(const TTableStop& stop) {
    return stop.Kind == TStopKind::HandCard;
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

std::vector<TTableStop> TableStops(const TGame& game) {
    std::vector<TTableStop> stops{{TStopKind::ComputerHand}, {TStopKind::Stock}, {TStopKind::DiscardPile}};
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
    if (InHandRow(stop)) {
        const int last = game.OwnCards.Count() - 1;
        switch (move) {
            case TStopMove::Left:
                return {TStopKind::HandCard, std::max(0, stop.Index - 1)};
            case TStopMove::Right:
                return {TStopKind::HandCard, std::min(last, stop.Index + 1)};
            case TStopMove::Home:
                return {TStopKind::HandCard, 0};
            case TStopMove::End:
                return {TStopKind::HandCard, last};
            case TStopMove::Up:
                return {TStopKind::Stock};
            case TStopMove::Down:
                return stop;
        }
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
            return stop;
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
        case TStopKind::ComputerHand:
        case TStopKind::Stock:
            break;
    }
    return {TMarkStyle::Focus, TMarkPlace::Stock};
}
