// The computer's turn: draw, meld, discard.
#include "game/Game.h"

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

void TGame::ZugDesGegners() {
    // Only once the player's turn ended with a discard.
    if (Over() || GameState != MustDraw) {
        return;
    }
    OpponentTurn = {};
    Tell({TEventKind::TurnBegins, ComputerSeat, {}});
    if (Opponent == TOpponentKind::Strong) {
        StrongTurn();
        return;
    }
    OpponentDraw();
    SearchRuns();
    SearchSets();
    LayOffCards();
    // A hand emptied by melds is no win yet: the computer wins only by discarding.
    if (!OpponentCards.Empty()) {
        DiscardOpponentCard(ChooseOpponentDiscard());
    }
}

void TGame::OpponentDraw() {
    if (DiscardPile.Empty()) {
        DrawFromStock();
        return;
    }
    const TCard& top = DiscardPile.Last();
    if (IsJoker(top)) {
        DrawFromDiscardPile();
        return;
    }
    const TSuitCounts counts(OpponentCards);
    bool holdsEqual = false;
    for (int i = 0; i < OpponentCards.Count() && !holdsEqual; ++i) {
        holdsEqual = SameCard(OpponentCards.At(i), top);
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
    if (!holdsEqual && mostHeld != 0 && top.Suit == mostHeld) {
        DrawFromDiscardPile();
    } else {
        DrawFromStock();
    }
}

void TGame::DrawFromStock() {
    if (Stock.Empty() && !RefillEmptyStock()) {
        if (!DiscardPile.Empty()) {
            DrawFromDiscardPile();
        }
        return;
    }
    if (MoveCard(Stock, 0, OpponentCards)) {
        NoteOpponentStep(TTurnStep(TStepKind::DrawFromStock));
        JokerTauschenEvil();
    }
}

void TGame::DrawFromDiscardPile() {
    if (DiscardPile.Empty()) {
        return;
    }
    if (MoveCard(DiscardPile, DiscardPile.Count() - 1, OpponentCards)) {
        NoteOpponentStep(TTurnStep(TStepKind::DrawFromDiscardPile, OpponentCards.Last()));
        JokerTauschenEvil();
    }
}

int32_t TGame::ChooseOpponentDiscard() {
    const int count = OpponentCards.Count();
    if (count == 0) {
        return -1;
    }

    // The second copy of a card held twice goes first; the last pair found wins.
    int32_t duplicate = -1;
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (SameCard(OpponentCards.At(i), OpponentCards.At(j))) {
                duplicate = i;
            }
        }
    }
    if (duplicate >= 0) {
        return duplicate;
    }

    // The least-held suit, starting from the first suit held. A later suit of
    // which no card is held replaces the choice as well: its count is smaller.
    const TSuitCounts counts(OpponentCards);
    int32_t discardSuit = 0;
    int32_t best = -1;
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        if (counts.Of[suit] < best || (best == -1 && counts.Of[suit] > 0)) {
            best = counts.Of[suit];
            discardSuit = suit;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (discardSuit != 0 && OpponentCards.At(i).Suit == discardSuit) {
            return i;
        }
    }

    // A joker goes only when nothing else is held.
    const bool holdsNatural = counts.Of[Joker] < count;
    for (;;) {
        const int32_t i = static_cast<int32_t>(Rng.Below(static_cast<uint32_t>(count)));
        if (!holdsNatural || !IsJoker(OpponentCards.At(i))) {
            return i;
        }
    }
}

void TGame::DiscardOpponentCard(int32_t index) {
    if (!MoveCard(OpponentCards, index, DiscardPile)) {
        return;
    }
    OpponentTurn.Won = OpponentCards.Empty();
    NoteOpponentStep(TTurnStep(TStepKind::Discard, DiscardPile.Last()));
    if (OpponentCards.Empty()) {
        Winner = ComputerSeat;
        Tell({TEventKind::GameWon, ComputerSeat, {}});
    }
}
