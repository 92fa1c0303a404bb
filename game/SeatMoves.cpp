// A computer seat's moves, as its player decides them: each changes the table
// and notes the step where both sides see it.
#include <new>
#include <utility>

#include "game/Game.h"
#include "game/MeldShape.h"

namespace {

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

void TGame::BeginComputerTurn(int32_t seat) {
    Seats[seat].OutAtTurnStart = Seats[seat].CameOut;
    OpponentTurn = {};
    Tell({TEventKind::TurnBegins, seat, {}});
}

bool TGame::DrawFor(int32_t seat, bool fromPile) {
    TCardArray& from = fromPile ? DiscardPile : Stock;
    TCardArray& hand = Seats[seat].Hand;
    if (from.Empty() || !MoveCard(from, fromPile ? from.Count() - 1 : 0, hand)) {
        return false;
    }
    NoteStep(seat, fromPile ? TTurnStep(TStepKind::DrawFromDiscardPile, hand.Last())
                            : TTurnStep(TStepKind::DrawFromStock));
    return true;
}

void TGame::SwapTableJoker(int32_t seat, int32_t meld, int32_t place, int32_t hand) {
    TCard& slot = TableMelds.At(meld).Cards->At(place);
    // Whole records change places: the joker keeps what it stood for.
    std::swap(slot, Seats[seat].Hand.At(hand));
    slot.TakeBack = 0;
    NoteStep(seat, TTurnStep(TStepKind::ExchangeJoker, slot, meld));
}

bool TGame::LayOutMarked(int32_t seat) {
    TCardArray& hand = Seats[seat].Hand;
    TMeld* meld = TableMelds.Append();
    if (meld == nullptr) {
        return false;
    }
    TCardArray* cards = new (std::nothrow) TCardArray();
    if (cards == nullptr) {
        TableMelds.DeleteAt(TableMelds.Count() - 1);
        return false;
    }
    meld->Cards = cards;
    for (int i = hand.Count() - 1; i >= 0; --i) {
        if (hand.At(i).Selected == 0) {
            continue;
        }
        // Only the first append allocates; a card that cannot move stays in the hand.
        TCard* slot = cards->Append();
        if (slot == nullptr) {
            break;
        }
        *slot = hand.At(i);
        slot->TakeBack = 0;
        hand.DeleteAt(i);
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
    NoteStep(seat, std::move(step));
    return true;
}

bool TGame::LayOffMarked(int32_t seat, int32_t meld, TMeldEnd end) {
    TCardArray& hand = Seats[seat].Hand;
    TCardArray& cards = *TableMelds.At(meld).Cards;
    switch (end) {
        case TMeldEnd::Bottom:
            if (!MoveMarkedInto(hand, cards, cards.Count())) {
                return false;
            }
            NoteStep(seat, TTurnStep(TStepKind::LayOff, cards.Last(), meld, end));
            return true;
        case TMeldEnd::Top:
            // The run is not sorted again: the new top keeps its MeldOrder.
            if (!MoveMarkedInto(hand, cards, 0)) {
                return false;
            }
            NoteStep(seat, TTurnStep(TStepKind::LayOff, cards.At(0), meld, end));
            return true;
        case TMeldEnd::Set:
            break;
    }
    if (!MoveMarkedInto(hand, cards, cards.Count())) {
        return false;
    }
    TCard& added = cards.At(cards.Count() - 1);
    if (!IsJoker(added)) {
        added.AsSuit = added.Suit;
    }
    // A set lies in suit order.
    for (int i = 0; i < cards.Count(); ++i) {
        cards.At(i).MeldOrder = cards.At(i).AsSuit;
    }
    const TCard joined = added;
    SortThisCards(cards);
    NoteStep(seat, TTurnStep(TStepKind::LayOff, joined, meld, TMeldEnd::Set));
    return true;
}

TRefusal TGame::LayFor(int32_t seat, const std::vector<int>& hand, int32_t meld) {
    TSeat& at = Seats[seat];
    std::vector<TCard> cards;
    for (int p : hand) {
        if (p < 0 || p >= at.Hand.Count()) {
            return TRefusal::NothingChosen;
        }
        cards.push_back(at.Hand.At(p));
    }
    const bool onto = meld >= 0;
    if (onto && meld >= TableMelds.Count()) {
        return TRefusal::NoMeld;
    }
    TCardArray candidate;
    const TDropVerdict verdict =
        JudgeDrop(onto ? TableMelds.At(meld).Cards : nullptr, cards, DropMinimum(at.CameOut != 0), candidate);
    if (const TRefusal refusal = RefusalOf(verdict); refusal != TRefusal::None) {
        return refusal;
    }
    if (!StoreMeld(onto ? meld : -1, candidate, false)) {
        return TRefusal::NoMemory;
    }
    at.CameOut = 1;
    for (auto p = hand.rbegin(); p != hand.rend(); ++p) {
        at.Hand.DeleteAt(*p);
    }
    const int32_t laid = onto ? meld : TableMelds.Count() - 1;
    const TCardArray& lying = *TableMelds.At(laid).Cards;
    if (!onto) {
        TTurnStep step(TStepKind::LayOut);
        step.Cards = lying.Records();
        step.Meld = laid;
        NoteStep(seat, std::move(step));
        return TRefusal::None;
    }
    // The card from the hand is the one that did not lie on the table before.
    const TJoin join = JoinOf(lying.View());
    if (join.Place >= 0) {
        NoteStep(seat, TTurnStep(TStepKind::LayOff, lying.At(join.Place), laid, join.End));
    }
    return TRefusal::None;
}

void TGame::DiscardFor(int32_t seat, int32_t index) {
    TCardArray& hand = Seats[seat].Hand;
    if (!MoveCard(hand, index, DiscardPile)) {
        return;
    }
    OpponentTurn.Won = hand.Empty();
    NoteStep(seat, TTurnStep(TStepKind::Discard, DiscardPile.Last()));
    if (hand.Empty()) {
        Winner = seat;
        Tell({TEventKind::GameWon, seat, {}});
    }
}
