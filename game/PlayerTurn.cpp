// The player's turn: draw, select, lay out, lay off, discard, take back.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/record/Snapshot.h"

namespace {

int SelectedCount(const TCardArray& cards, int* last) {
    int count = 0;
    for (int i = 0; i < cards.Count(); ++i) {
        if (cards.At(i).Selected != 0) {
            ++count;
            *last = i;
        }
    }
    return count;
}

// Whether a candidate's card from the table is this card lying there: a joker
// by what it stands for, which only a first meld's shift may have changed.
bool SameLyingCard(const TCard& placed, const TCard& lying, bool exact) {
    return placed.Suit == lying.Suit && placed.Rank == lying.Rank &&
           (!exact || !IsJoker(placed) || (placed.AsRank == lying.AsRank && placed.AsSuit == lying.AsSuit));
}

// A card that lay in the target before keeps its take-back mark, so that
// laying off onto a meld laid this turn still lets the whole turn be taken back.
uint8_t LyingTakeBack(const TCard& placed, const TCardArray* lying, std::vector<bool>& used) {
    for (const bool exact : {true, false}) {
        for (int i = 0; lying != nullptr && i < lying->Count(); ++i) {
            if (!used[i] && SameLyingCard(placed, lying->At(i), exact)) {
                used[i] = true;
                return lying->At(i).TakeBack;
            }
        }
    }
    return 0;
}

// Fills a fresh meld array from the validated candidate, whose table cards
// lie in `lying`. Null, with nothing changed anywhere, when memory runs out
// half-way. Cards from the hand are marked for the take-back when `takeBack`.
std::unique_ptr<TCardArray> StoreCandidate(const TCardArray& candidate, const TCardArray* lying,
                                           bool takeBack) {
    auto cards = std::make_unique<TCardArray>();
    std::vector<bool> used(lying != nullptr ? lying->Count() : 0, false);
    for (int i = 0; i < candidate.Count(); ++i) {
        TCard* card = cards->Append();
        if (card == nullptr) {
            return nullptr;
        }
        *card = candidate.At(i);
        if (!takeBack) {
            card->TakeBack = 0;
        } else {
            card->TakeBack = card->FromTable == 0 ? 1 : LyingTakeBack(*card, lying, used);
        }
    }
    return cards;
}

}  // namespace

bool TGame::PlayerDrawFromStock() {
    return GameState == MustDraw && !Over() && RefillEmptyStock() && PlayerDraw(Stock, 0);
}

bool TGame::PlayerDrawFromDiscardPile() {
    return GameState == MustDraw && !Over() && !DiscardPile.Empty() &&
           PlayerDraw(DiscardPile, DiscardPile.Count() - 1);
}

bool TGame::PlayerDraw(TCardArray& from, int32_t index) {
    if (!MoveCard(from, index, OwnCards)) {
        return false;
    }
    // Counted up to a bound that any kept game may hold.
    PlayerDraws = std::min(PlayerDraws + 1, MaxPlayerDraws);
    const bool fromPile = &from == &DiscardPile;
    if (fromPile) {
        Seen.TakenFromPile(PlayerSeat, OwnCards.Last());
    }
    const TCard drawn = OwnCards.Last();
    OwnCards.GoTo(OwnCards.Count() - 1)->Selected = 1;
    SortOwnCards();
    Tell({TEventKind::Step, PlayerSeat,
          TTurnStep(fromPile ? TStepKind::DrawFromDiscardPile : TStepKind::DrawFromStock, drawn)});
    SetStatus(MayLayOut);
    StapelAuffrischen();
    return true;
}

bool TGame::ToggleHandCard(int32_t index) {
    if (index < 0 || index >= OwnCards.Count()) {
        return false;
    }
    TCard* card = OwnCards.GoTo(index);
    card->Selected = card->Selected != 0 ? 0 : 1;
    return card->Selected != 0;
}

void TGame::ClearHandSelection() {
    for (int i = 0; i < OwnCards.Count(); ++i) {
        OwnCards.GoTo(i)->Selected = 0;
    }
}

TRefusal TGame::PlayerDiscard() {
    if (GameState != MayLayOut || Over()) {
        return TRefusal::NotNow;
    }
    int last = -1;
    const int selected = SelectedCount(OwnCards, &last);
    if (selected > 1) {
        return TRefusal::OnlyOneDiscard;
    }
    if (selected == 0) {
        return TRefusal::NothingChosen;
    }
    if (!MoveCard(OwnCards, last, DiscardPile)) {
        return TRefusal::NoMemory;
    }
    Seen.Discarded(PlayerSeat, DiscardPile.Last());
    Tell({TEventKind::Step, PlayerSeat, TTurnStep(TStepKind::Discard, DiscardPile.Last())});
    SetStatus(MustDraw);
    for (int m = 0; m < TableMelds.Count(); ++m) {
        TCardArray& cards = *TableMelds.GoTo(m)->Cards;
        for (int c = 0; c < cards.Count(); ++c) {
            cards.GoTo(c)->TakeBack = 0;
        }
    }
    if (OwnCards.Empty()) {
        Winner = PlayerSeat;
        Tell({TEventKind::GameWon, PlayerSeat, {}});
    } else {
        Tell({TEventKind::TurnPassed, NextSeat(PlayerSeat), {}});
    }
    return TRefusal::None;
}

TRefusal RefusalOf(TDropVerdict verdict) {
    switch (verdict) {
        case TDropVerdict::NoMeld:
            return TRefusal::NoMeld;
        case TDropVerdict::TooFewPoints:
            return TRefusal::TooFewPoints;
        case TDropVerdict::Fits:
            break;
    }
    return TRefusal::None;
}

TDropVerdict TGame::TestDrop(int32_t targetMeld, TCardArray& candidate) {
    std::vector<TCard> selected;
    for (const TCard& card : OwnCards.View()) {
        if (card.Selected != 0) {
            selected.push_back(card);
        }
    }
    const bool onMeld = targetMeld >= 0 && targetMeld < TableMelds.Count();
    return JudgeDrop(onMeld ? TableMelds.At(targetMeld).Cards : nullptr, selected,
                     DropMinimum(PlayerCameOut != 0), candidate);
}

TRefusal TGame::PlayerLayOut(int32_t targetMeld) {
    if (GameState != MayLayOut || Over()) {
        return TRefusal::NotNow;
    }
    TCardArray candidate;
    if (const TRefusal refusal = RefusalOf(TestDrop(targetMeld, candidate)); refusal != TRefusal::None) {
        return refusal;
    }
    const bool onMeld = targetMeld >= 0 && targetMeld < TableMelds.Count();
    if (!StoreMeld(targetMeld, candidate, true)) {
        return TRefusal::NoMemory;
    }
    PlayerCameOut = 1;
    for (int i = OwnCards.Count() - 1; i >= 0; --i) {
        if (OwnCards.At(i).Selected != 0) {
            Seen.Shown(PlayerSeat, OwnCards.At(i));
            OwnCards.DeleteAt(i);
        }
    }
    const int32_t meld = onMeld ? targetMeld : TableMelds.Count() - 1;
    TTurnStep step(onMeld ? TStepKind::LayOff : TStepKind::LayOut, TCard{}, meld);
    const auto lying = TableMelds.At(meld).Cards->View();
    step.Cards.assign(lying.begin(), lying.end());
    Tell({TEventKind::Step, PlayerSeat, std::move(step)});
    return TRefusal::None;
}

bool TGame::StoreMeld(int32_t targetMeld, const TCardArray& candidate, bool takeBack) {
    TMeld* target =
        targetMeld >= 0 && targetMeld < TableMelds.Count() ? TableMelds.GoTo(targetMeld) : nullptr;

    // Everything is built before anything is given up, so that running out of
    // memory half-way leaves hand and table as they were.
    std::unique_ptr<TCardArray> cards =
        StoreCandidate(candidate, target != nullptr ? target->Cards : nullptr, takeBack);
    if (cards == nullptr) {
        return false;
    }
    if (target == nullptr) {
        target = TableMelds.Append();
        if (target == nullptr) {
            return false;
        }
    } else {
        delete target->Cards;  // the same cards now lie in the new array
    }
    target->Cards = cards.release();
    return true;
}

void TGame::TakeBackTurn() {
    PlayerCameOut = ComeOutAtTurnStart;
    for (int m = TableMelds.Count() - 1; m >= 0; --m) {
        TCardArray* cards = TableMelds.GoTo(m)->Cards;
        for (int c = cards->Count() - 1; c >= 0; --c) {
            if (cards->At(c).TakeBack != 0 && MoveCard(*cards, c, OwnCards)) {
                TCard* back = OwnCards.GoTo(OwnCards.Count() - 1);
                back->Selected = 0;
                // Back in the hand the card is an ordinary hand card again; a
                // lingering mark would let a later take-back pull it out of a
                // meld it reached by other means.
                back->TakeBack = 0;
            }
        }
        if (cards->Empty()) {
            delete cards;
            TableMelds.DeleteAt(m);
        }
    }
    SortOwnCards();
    Tell({TEventKind::TakenBack, PlayerSeat, {}});
}
