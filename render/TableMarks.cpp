#include "render/TableMarks.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// The right edge of what shows of card `index` of a row: the next card's left
// edge, or its own right edge when it lies last.
int32_t VisibleRight(const TRect& card, int32_t index, int32_t count, int32_t nextLeft) {
    return index + 1 < count ? nextLeft : card.Right;
}

double Luminance(const QColor& colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

}  // namespace

TRect MarkedRect(const TTableMark& mark, const TGame& game, const TTableLayout& layout) {
    switch (mark.Place) {
        case TMarkPlace::Stock:
            return layout.StockRect;
        case TMarkPlace::DiscardPile:
            return layout.DiscardRect;
        case TMarkPlace::HandCard: {
            const int32_t count = game.OwnCards.Count();
            if (mark.First < 0 || mark.First >= count) {
                return {};
            }
            TRect card = HandCardRect(mark.First, layout.Height);
            card.Right =
                VisibleRight(card, mark.First, count, HandCardRect(mark.First + 1, layout.Height).Left);
            return card;
        }
        case TMarkPlace::MeldCards: {
            if (mark.Meld < 0 || mark.Meld >= game.TableMelds.Count() ||
                game.TableMelds.At(mark.Meld).Cards == nullptr) {
                return {};
            }
            const TMeld& meld = game.TableMelds.At(mark.Meld);
            const int32_t count = meld.Cards->Count();
            const int32_t first = std::max(0, mark.First);
            const int32_t last = std::min(count - 1, mark.Last);
            if (first > last) {
                return {};
            }
            const TRect bounds = layout.Meld(mark.Meld);
            TRect cards = MeldCardRect(bounds, first);
            const TRect end = MeldCardRect(bounds, last);
            cards.Right = VisibleRight(end, last, count, MeldCardRect(bounds, last + 1).Left);
            return cards;
        }
        case TMarkPlace::FreeTable: {
            const int32_t top = MiddleRowTop(layout.Height);
            return {layout.MeldRowEnd, top, layout.MeldRowEnd + layout.CardWidth, top + layout.CardHeight};
        }
        case TMarkPlace::OpponentHand: {
            const std::vector<TOpponentPlace> opponents = ShownOpponents(game, layout);
            if (mark.First < 0 || static_cast<size_t>(mark.First) >= opponents.size()) {
                return {};
            }
            // A hand without cards is framed by its words.
            const TOpponentPlace& place = opponents[mark.First];
            return place.Seat.Cards > 0 ? place.Hand : place.Words;
        }
    }
    return {};
}

std::vector<TTableMark> MoveMarks(const TGame& game, const TTurnRecord& record) {
    // Cards are told apart by their ids.
    std::set<int32_t> placed;
    int32_t discarded = -1;
    for (const TTurnStep& step : record.Steps) {
        switch (step.Kind) {
            case TStepKind::LayOut:
                for (const TCard& card : step.Cards) {
                    placed.insert(card.Id);
                }
                break;
            case TStepKind::LayOff:
            case TStepKind::ExchangeJoker:
                placed.insert(step.Card.Id);
                break;
            case TStepKind::Discard:
                discarded = step.Card.Id;
                break;
            case TStepKind::DrawFromStock:
            case TStepKind::DrawFromDiscardPile:
                break;
        }
    }
    std::vector<TTableMark> marks;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TCardArray* cards = game.TableMelds.At(m).Cards;
        for (int j = 0; cards != nullptr && j < cards->Count(); ++j) {
            if (placed.count(cards->At(j).Id) == 0) {
                continue;
            }
            if (!marks.empty() && marks.back().Place == TMarkPlace::MeldCards && marks.back().Meld == m &&
                marks.back().Last == j - 1) {
                marks.back().Last = j;
            } else {
                marks.push_back({TMarkStyle::Move, TMarkPlace::MeldCards, m, j, j});
            }
        }
    }
    if (discarded >= 0 && !game.DiscardPile.Empty() && game.DiscardPile.Last().Id == discarded) {
        marks.push_back({TMarkStyle::Move, TMarkPlace::DiscardPile});
    }
    return marks;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor MoveMarkColour(const QColor& table) {
    const QColor gold(255, 215, 0);
    const QColor deepBlue(0, 0, 170);
    return ContrastRatio(gold, table) >= ContrastRatio(deepBlue, table) ? gold : deepBlue;
}
