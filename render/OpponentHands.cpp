#include "render/OpponentHands.h"

#include <algorithm>

#include "game/Game.h"
#include "render/TableLayout.h"

namespace {

constexpr int32_t CW = CardBitmapWidth;
constexpr int32_t CH = CardBitmapHeight;

// The designed row: 68 x 108, 40 apart, as the one computer's hand has always
// lain, running past the right edge of a narrow table.
TOpponentPlace OnlyOpponent(const TOpponentHand& hand, int32_t width) {
    TOpponentPlace place;
    place.Seat = hand;
    place.Share = {4, 4, std::max(width - 4, (hand.Cards - 1) * HandSlot + CW), CH + 4};
    place.CardWidth = CW - 4;
    place.CardHeight = CH;
    place.Step = HandSlot;
    return place;
}

}  // namespace

TRect OpponentHandCardRect(const TOpponentPlace& place, int32_t index) {
    const int32_t left = place.Share.Left + index * place.Step;
    const int32_t top = place.Share.Bottom - place.CardHeight;
    return {left, top, left + place.CardWidth, place.Share.Bottom};
}

std::vector<TOpponentPlace> LayOutOpponents(const std::vector<TOpponentHand>& hands, int32_t width,
                                            int32_t height) {
    std::vector<TOpponentPlace> places;
    const auto count = static_cast<int32_t>(hands.size());
    if (count == 1) {
        places.push_back(OnlyOpponent(hands[0], width));
    } else if (count > 1) {
        // Clear of the middle row and its hint frames by the gap the fitted rows keep.
        const int32_t bottom = MiddleRowTop(height) - FittedRowGap;
        const int32_t cardsTop = 4 + OpponentLabelHeight + 2;
        const int32_t share = std::max(0, (width - 8 - (count - 1) * OpponentShareGap) / count);
        // As large as the band lets them be, never larger than the player's cards.
        int32_t cardHeight = std::clamp(bottom - cardsTop, 0, CH);
        int32_t cardWidth = cardHeight * CW / CH;
        if (cardWidth > share) {
            cardWidth = share;
            cardHeight = cardWidth * CH / CW;
        }
        for (int32_t c = 0; c < count; ++c) {
            TOpponentPlace& place = places.emplace_back();
            place.Seat = hands[c];
            const int32_t left = 4 + c * (share + OpponentShareGap);
            place.Share = {left, 4, left + share, cardsTop + cardHeight};
            place.Words = {left, 4, left + share, 4 + OpponentLabelHeight};
            place.CardWidth = cardWidth;
            place.CardHeight = cardHeight;
            // Spread as the player's hand is, closer only where the share needs it.
            place.Step = cardWidth * HandSlot / CW;
            if (hands[c].Cards > 1) {
                place.Step = std::min(place.Step, (share - cardWidth) / (hands[c].Cards - 1));
            }
        }
    }
    for (TOpponentPlace& place : places) {
        if (place.Seat.Cards > 0) {
            const TRect first = OpponentHandCardRect(place, 0);
            place.Hand = {first.Left, first.Top, OpponentHandCardRect(place, place.Seat.Cards - 1).Right,
                          first.Bottom};
        }
    }
    return places;
}

int32_t OpponentAt(const std::vector<TOpponentPlace>& places, int32_t x, int32_t y) {
    for (size_t c = 0; c < places.size(); ++c) {
        if (places[c].Hand.Contains(x, y)) {
            return static_cast<int32_t>(c);
        }
    }
    return -1;
}

std::vector<TOpponentPlace> ShownOpponents(const TGame& game, const TTableLayout& layout) {
    if (!layout.Opponents.empty()) {
        return layout.Opponents;
    }
    return LayOutOpponents({{QString(), game.OpponentCards.Count()}}, layout.Width, layout.Height);
}
