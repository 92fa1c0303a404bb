// The computer's meld search and laying off. The search is greedy: the first
// candidate in suit, rank and hand order that passes goes onto the table.
#include <new>

#include "game/CardValue.h"
#include "game/Game.h"
#include "game/MeldShape.h"

namespace {

void ClearMarks(TCardArray& hand) {
    for (int i = 0; i < hand.Count(); ++i) {
        hand.At(i).Selected = 0;
    }
}

// Moves the one marked hand card into the meld at position `at` (its end when
// at is the meld's count). False, and nothing moved, when the meld cannot grow.
bool MoveMarkedInto(TCardArray& hand, TCardArray& meld, int at) {
    for (int i = hand.Count() - 1; i >= 0; --i) {
        if (hand.At(i).Selected == 0) {
            continue;
        }
        TCard* slot = meld.InsertAt(at);
        if (slot == nullptr) {
            return false;
        }
        *slot = hand.At(i);
        slot->TakeBack = 0;  // the player's take-back must never reach it
        hand.DeleteAt(i);
        return true;
    }
    return false;
}

}  // namespace

void TGame::SelectOnly(int32_t index) {
    ClearMarks(OpponentCards);
    if (index >= 0 && index < OpponentCards.Count()) {
        OpponentCards.At(index).Selected = 1;
    }
}

bool TGame::MarkCard(int32_t rank, int32_t suit, int32_t key) {
    const int count = OpponentCards.Count();
    if (count < 2) {
        return false;
    }
    // Natural card and joker are tried in one pass: an earlier joker wins.
    for (int i = 0; i < count; ++i) {
        TCard& card = OpponentCards.At(i);
        if (card.Selected != 0 || !(IsJoker(card) || (card.Rank == rank && card.Suit == suit))) {
            continue;
        }
        card.Selected = 1;
        card.MeldOrder = key;
        card.AsRank = rank;
        card.AsSuit = suit;
        ++MarkCount;
        return true;
    }
    return false;
}

int32_t TGame::MarkedPoints(bool isSet) {
    // Only a natural king lets the ace of a run count high.
    bool holdsKing = false;
    for (int i = 0; i < OpponentCards.Count(); ++i) {
        const TCard& card = OpponentCards.At(i);
        holdsKing = holdsKing || (card.Selected != 0 && !IsJoker(card) && card.Rank == Koenig);
    }
    int32_t points = 0;
    for (int i = 0; i < OpponentCards.Count(); ++i) {
        const TCard& card = OpponentCards.At(i);
        if (card.Selected != 0) {
            points += CardValue(RankInMeld(card), !isSet && !holdsKing);
        }
    }
    return points;
}

bool TGame::LayOutMarked() {
    TMeld* meld = TableMelds.Append();
    if (meld == nullptr) {
        return false;
    }
    TCardArray* cards = new (std::nothrow) TCardArray(&CurMeldCard);
    if (cards == nullptr) {
        TableMelds.DeleteAt(TableMelds.Count() - 1);
        return false;
    }
    meld->Cards = cards;
    for (int i = OpponentCards.Count() - 1; i >= 0; --i) {
        if (OpponentCards.At(i).Selected == 0) {
            continue;
        }
        // Only the first append allocates; a card that cannot move stays in the hand.
        TCard* slot = cards->Append();
        if (slot == nullptr) {
            break;
        }
        *slot = OpponentCards.At(i);
        slot->TakeBack = 0;
        OpponentCards.DeleteAt(i);
    }
    if (cards->Empty()) {
        delete cards;
        TableMelds.DeleteAt(TableMelds.Count() - 1);
        return false;
    }
    SortThisCards(*cards);
    TTurnStep step(TStepKind::LayOut);
    step.Cards = cards->Records();
    step.Meld = TableMelds.Count() - 1;
    NoteOpponentStep(std::move(step));
    return true;
}

namespace {

enum class TLayOut { Failed, Laid, Stuck };

// The lay-out test: at least three cards, and before coming out one meld that
// reaches the minimum by itself (points of several melds are never added).
// Lays the candidate out when it passes.
TLayOut TryLayOut(TGame& game, bool isSet) {
    if (game.MarkCount < 3 || (game.OpponentCameOut == 0 && game.MarkedPoints(isSet) < game.MeldMinimum)) {
        return TLayOut::Failed;
    }
    if (!game.LayOutMarked()) {
        return TLayOut::Stuck;  // out of memory: no card moved, so stop searching
    }
    game.OpponentCameOut = 1;
    return TLayOut::Laid;
}

// The shape both searches share: for each key in order, and each hand position
// whose card has that key, build a candidate and try it. After a meld is laid
// the search starts again from the first key; it ends when a whole pass lays
// nothing (or nothing more can be stored).
template <class Matches, class Build>
void SearchAndLayOut(TGame& game, int32_t firstKey, int32_t lastKey, bool isSet, Matches matches,
                     Build build) {
    const int32_t step = firstKey <= lastKey ? 1 : -1;
    bool again = true;
    while (again) {
        again = false;
        for (int32_t key = firstKey; key != lastKey + step && !again; key += step) {
            for (int i = 0; i < game.OpponentCards.Count() && !again; ++i) {
                if (!matches(game.OpponentCards.At(i), key)) {
                    continue;
                }
                build(i, key);
                switch (TryLayOut(game, isSet)) {
                    case TLayOut::Laid:
                        again = true;
                        break;
                    case TLayOut::Stuck:
                        return;
                    case TLayOut::Failed:
                        break;
                }
            }
        }
    }
}

}  // namespace

void TGame::SearchRuns() {
    SearchAndLayOut(
        *this, Karo, Kreuz, false, [](const TCard& card, int32_t suit) { return card.Suit == suit; },
        [this](int i, int32_t suit) {
            TCard& start = OpponentCards.At(i);
            const int32_t startRank = start.Rank;
            start.MeldOrder = 0;
            SelectOnly(i);
            MarkCount = 1;
            // Upward first, so free jokers go to the upper end.
            int32_t key = 0;
            int32_t rank = startRank;
            do {
                ++key;
                rank = RankAbove(rank);
            } while (MarkCard(rank, suit, key));
            key = 0;
            rank = startRank;
            do {
                --key;
                rank = RankBelow(rank);
            } while (MarkCard(rank, suit, key));
        });
}

void TGame::SearchSets() {
    SearchAndLayOut(
        *this, Ass, 2, true, [](const TCard& card, int32_t rank) { return card.Rank == rank; },
        [this](int, int32_t rank) {
            ClearMarks(OpponentCards);
            MarkCount = 0;
            // One call per suit whatever the results: at most one card per suit.
            for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
                MarkCard(rank, suit, suit);
            }
        });
}

namespace {

// One card onto meld m: a run at its bottom end, else at its top end; a set
// in the first missing suit. True when a card was laid off.
bool LayOffOnto(TGame& game, int m) {
    TCardArray& hand = game.OpponentCards;
    TCardArray& cards = *game.TableMelds.At(m).Cards;
    if (cards.Empty()) {
        return false;
    }
    auto note = [&](const TCard& card, TMeldEnd end) {
        game.NoteOpponentStep(TTurnStep(TStepKind::LayOff, card, m, end));
        return true;
    };
    if (IsRun(cards.View())) {
        const TCard& bottom = cards.Last();
        ClearMarks(hand);
        if (game.MarkCard(RankBelow(RankInMeld(bottom)), SuitInMeld(bottom), 1)) {
            return MoveMarkedInto(hand, cards, cards.Count()) && note(cards.Last(), TMeldEnd::Bottom);
        }
        const TCard& top = cards.At(0);
        ClearMarks(hand);
        if (game.MarkCard(RankAbove(RankInMeld(top)), SuitInMeld(top), 1)) {
            // The run is not sorted again: the new top keeps MeldOrder 1.
            return MoveMarkedInto(hand, cards, 0) && note(cards.At(0), TMeldEnd::Top);
        }
        return false;
    }
    const int32_t rank = RankInMeld(cards.At(0));
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        // The marks are made whether or not the card can join: they stay on the
        // hand. A set never holds more than four cards, even one whose joker
        // still names a suit that a natural card has taken since.
        ClearMarks(hand);
        if (!game.MarkCard(rank, suit, 0) || ShowsSuit(cards.View(), suit) || cards.Count() >= LargestSet) {
            continue;
        }
        if (!MoveMarkedInto(hand, cards, cards.Count())) {
            return false;
        }
        TCard& added = cards.At(cards.Count() - 1);
        if (!IsJoker(added)) {
            added.AsSuit = added.Suit;
        }
        for (int i = 0; i < cards.Count(); ++i) {
            cards.At(i).MeldOrder = cards.At(i).AsSuit;
        }
        const TCard joined = added;
        game.SortThisCards(cards);
        return note(joined, TMeldEnd::Set);
    }
    return false;
}

}  // namespace

void TGame::LayOffCards() {
    if (OpponentCameOut == 0) {
        return;
    }
    // One card per pass, from the last meld; the last hand card is never laid off.
    bool laid = true;
    while (laid && OpponentCards.Count() > 1) {
        laid = false;
        for (int m = TableMelds.Count() - 1; m >= 0 && !laid; --m) {
            laid = TableMelds.At(m).Cards != nullptr && LayOffOnto(*this, m);
        }
    }
}
