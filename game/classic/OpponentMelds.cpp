// The computer's meld search and laying off. The search is greedy: the first
// candidate in suit, rank and hand order that passes goes onto the table.

#include "game/CardValue.h"
#include "game/Game.h"
#include "game/MeldShape.h"
#include "game/classic/ClassicPlayer.h"

namespace {

void ClearMarks(TCardArray& hand) {
    for (int i = 0; i < hand.Count(); ++i) {
        hand.At(i).Selected = 0;
    }
}

}  // namespace

void TClassicTurn::SelectOnly(int32_t index) {
    ClearMarks(Hand);
    if (index >= 0 && index < Hand.Count()) {
        Hand.At(index).Selected = 1;
    }
}

bool TClassicTurn::MarkCard(int32_t rank, int32_t suit, int32_t key) {
    const int count = Hand.Count();
    if (count < 2) {
        return false;
    }
    // Natural card and joker are tried in one pass: an earlier joker wins.
    for (int i = 0; i < count; ++i) {
        TCard& card = Hand.At(i);
        if (card.Selected != 0 || !(IsJoker(card) || (card.Rank == rank && card.Suit == suit))) {
            continue;
        }
        card.Selected = 1;
        card.MeldOrder = key;
        card.AsRank = rank;
        card.AsSuit = suit;
        ++Game.MarkCount;
        return true;
    }
    return false;
}

int32_t TClassicTurn::MarkedPoints(bool isSet) {
    // Only a natural king lets the ace of a run count high.
    bool holdsKing = false;
    for (int i = 0; i < Hand.Count(); ++i) {
        const TCard& card = Hand.At(i);
        holdsKing = holdsKing || (card.Selected != 0 && !IsJoker(card) && card.Rank == Koenig);
    }
    int32_t points = 0;
    for (int i = 0; i < Hand.Count(); ++i) {
        const TCard& card = Hand.At(i);
        if (card.Selected != 0) {
            points += CardValue(RankInMeld(card), !isSet && !holdsKing);
        }
    }
    return points;
}

// The lay-out test: at least three cards, and before coming out one meld that
// reaches the minimum by itself (points of several melds are never added).
TClassicTurn::TLayOut TClassicTurn::TryLayOut(bool isSet) {
    if (Game.MarkCount < 3 || (CameOut == 0 && MarkedPoints(isSet) < Game.MeldMinimum)) {
        return TLayOut::Failed;
    }
    if (!Game.LayOutMarked(Seat)) {
        return TLayOut::Stuck;  // out of memory: no card moved, so stop searching
    }
    CameOut = 1;
    return TLayOut::Laid;
}

// The shape both searches share: for each key in order, and each hand position
// whose card has that key, build a candidate and try it. After a meld is laid
// the search starts again from the first key; it ends when a whole pass lays
// nothing (or nothing more can be stored).
template <class Matches, class Build>
void TClassicTurn::SearchAndLayOut(int32_t firstKey, int32_t lastKey, bool isSet, Matches matches,
                                   Build build) {
    const int32_t step = firstKey <= lastKey ? 1 : -1;
    bool again = true;
    while (again) {
        again = false;
        for (int32_t key = firstKey; key != lastKey + step && !again; key += step) {
            for (int i = 0; i < Hand.Count() && !again; ++i) {
                if (!matches(Hand.At(i), key)) {
                    continue;
                }
                build(i, key);
                switch (TryLayOut(isSet)) {
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

void TClassicTurn::SearchRuns() {
    SearchAndLayOut(
        Karo, Kreuz, false, [](const TCard& card, int32_t suit) { return card.Suit == suit; },
        [this](int i, int32_t suit) {
            TCard& start = Hand.At(i);
            const int32_t startRank = start.Rank;
            start.MeldOrder = 0;
            SelectOnly(i);
            Game.MarkCount = 1;
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

void TClassicTurn::SearchSets() {
    SearchAndLayOut(
        Ass, 2, true, [](const TCard& card, int32_t rank) { return card.Rank == rank; },
        [this](int, int32_t rank) {
            ClearMarks(Hand);
            Game.MarkCount = 0;
            // One call per suit whatever the results: at most one card per suit.
            for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
                MarkCard(rank, suit, suit);
            }
        });
}

// One card onto meld m: a run at its bottom end, else at its top end; a set
// in the first missing suit. True when a card was laid off.
bool TClassicTurn::LayOffOnto(int32_t m) {
    const TCardArray& cards = *Game.TableMelds.At(m).Cards;
    if (cards.Empty()) {
        return false;
    }
    if (IsRun(cards.View())) {
        const TCard& bottom = cards.Last();
        ClearMarks(Hand);
        if (MarkCard(RankBelow(RankInMeld(bottom)), SuitInMeld(bottom), 1)) {
            return Game.LayOffMarked(Seat, m, TMeldEnd::Bottom);
        }
        const TCard& top = cards.At(0);
        ClearMarks(Hand);
        if (MarkCard(RankAbove(RankInMeld(top)), SuitInMeld(top), 1)) {
            return Game.LayOffMarked(Seat, m, TMeldEnd::Top);
        }
        return false;
    }
    const int32_t rank = RankInMeld(cards.At(0));
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        // The marks are made whether or not the card can join: they stay on the
        // hand. A set never holds more than four cards, even one whose joker
        // still names a suit that a natural card has taken since.
        ClearMarks(Hand);
        if (!MarkCard(rank, suit, 0) || ShowsSuit(cards.View(), suit) || cards.Count() >= LargestSet) {
            continue;
        }
        return Game.LayOffMarked(Seat, m, TMeldEnd::Set);
    }
    return false;
}

void TClassicTurn::LayOffCards() {
    if (CameOut == 0) {
        return;
    }
    // One card per pass, from the last meld; the last hand card is never laid off.
    bool laid = true;
    while (laid && Hand.Count() > 1) {
        laid = false;
        for (int m = Game.TableMelds.Count() - 1; m >= 0 && !laid; --m) {
            laid = Game.TableMelds.At(m).Cards != nullptr && LayOffOnto(m);
        }
    }
}
