// The computer's turn: draw, meld, discard.
#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "game/classic/ClassicPlayer.h"

namespace {

// Cards per suit; index 0 counts the jokers and never takes part in a comparison.
struct TSuitCounts {
    int32_t Of[5] = {0, 0, 0, 0, 0};

    explicit TSuitCounts(const TCardArray& cards) {
        for (int i = 0; i < cards.Count(); ++i) {
            const int32_t suit = cards.At(i).Suit;
            if (suit >= Joker && suit <= Kreuz) {
                ++Of[suit];
            }
        }
    }
};

bool SameCard(const TCard& a, const TCard& b) {
    return !IsJoker(a) && !IsJoker(b) && a.Suit == b.Suit && a.Rank == b.Rank;
}

}  // namespace

TTurnEnd TClassicPlayer::PlayTurn(TGame& game, int32_t seat) {
    const int before = game.Seats[seat].Hand.Count();
    TClassicTurn turn(game, seat);
    turn.OpponentDraw();
    const bool drew = game.Seats[seat].Hand.Count() > before;
    turn.SearchRuns();
    turn.SearchSets();
    turn.LayOffCards();
    // A hand emptied by melds is no win yet: the computer wins only by discarding.
    if (!game.Seats[seat].Hand.Empty()) {
        game.DiscardFor(seat, turn.ChooseOpponentDiscard());
    }
    return drew ? TTurnEnd::Played : TTurnEnd::NothingToDraw;
}

TClassicTurn::TClassicTurn(TGame& game, int32_t seat)
    : Game(game), Seat(seat), Hand(game.Seats[seat].Hand), CameOut(game.Seats[seat].CameOut) {}

void TClassicTurn::OpponentDraw() {
    if (Game.DiscardPile.Empty()) {
        ComputerDraw(Game, Seat, false);
        return;
    }
    const TCard& top = Game.DiscardPile.Last();
    if (IsJoker(top)) {
        ComputerDraw(Game, Seat, true);
        return;
    }
    const TSuitCounts counts(Hand);
    bool holdsEqual = false;
    for (int i = 0; i < Hand.Count() && !holdsEqual; ++i) {
        holdsEqual = SameCard(Hand.At(i), top);
    }
    // Ties go to the lower suit; with no natural card there is no most-held suit.
    int32_t mostHeld = 0;
    int32_t best = 0;
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        if (counts.Of[suit] > best) {
            best = counts.Of[suit];
            mostHeld = suit;
        }
    }
    ComputerDraw(Game, Seat, !holdsEqual && mostHeld != 0 && top.Suit == mostHeld);
}

int32_t TClassicTurn::ChooseOpponentDiscard() {
    const int count = Hand.Count();
    if (count == 0) {
        return -1;
    }

    // The second copy of a card held twice goes first; the last pair found wins.
    int32_t duplicate = -1;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (SameCard(Hand.At(i), Hand.At(j))) {
                duplicate = i;
            }
        }
    }
    if (duplicate >= 0) {
        return duplicate;
    }

    // The least-held suit, starting from the first suit held. A later suit of
    // which no card is held replaces the choice as well: its count is smaller.
    const TSuitCounts counts(Hand);
    int32_t discardSuit = 0;
    int32_t best = -1;
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        if (counts.Of[suit] < best || (best == -1 && counts.Of[suit] > 0)) {
            best = counts.Of[suit];
            discardSuit = suit;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (discardSuit != 0 && Hand.At(i).Suit == discardSuit) {
            return i;
        }
    }

    // A joker goes only when nothing else is held.
    const bool holdsNatural = counts.Of[Joker] < count;
    for (;;) {
        const int32_t i = static_cast<int32_t>(Game.Rng.Below(static_cast<uint32_t>(count)));
        if (!holdsNatural || !IsJoker(Hand.At(i))) {
            return i;
        }
    }
}
