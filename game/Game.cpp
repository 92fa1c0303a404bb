#include "game/Game.h"

#include <utility>

TGame::TGame(TGameListener* listener, uint64_t seed) : Rng(seed), Listener(listener) {}

TGame::~TGame() {
    ClearAll();
}

void TGame::ClearTCard(TCardArray& cards) {
    cards.Clear();
}

void TGame::ClearAll() {
    ClearTCard(OwnCards);
    ClearTCard(OpponentCards);
    ClearTCard(Stock);
    ClearTCard(DiscardPile);
    for (int i = 0; i < TableMelds.Count(); ++i) {
        TMeld* meld = TableMelds.GoTo(i);
        ClearTCard(*meld->Cards);
        delete meld->Cards;
        meld->Cards = nullptr;
    }
    TableMelds.Clear();
}

void TGame::NeuesSpiel() {
    PlayerCameOut = 0;
    OpponentCameOut = 0;
    OpponentTurn = {};
    Opponent = ChosenOpponent;
    Seen.Clear();
    PlayerDraws = 0;
    Winner = -1;
    CardsDealt = NextDeal.Cards;
    MeldMinimum = NextDeal.MeldMinimum;
    ClearAll();

    for (int32_t id = 0; id < DeckSize; ++id) {
        if (TCard* card = Stock.Append()) {
            *card = CardWithId(id);
        }
    }
    Mischeln();

    for (int i = 0; i < CardsDealt && !Stock.Empty(); ++i) {
        if (MoveCard(Stock, 0, OwnCards)) {
            OwnCards.GoTo(OwnCards.Count() - 1)->Selected = 0;
        }
        if (!Stock.Empty()) {
            MoveCard(Stock, 0, OpponentCards);
        }
    }
    SortOwnCards();
    SetStatus(MustDraw);
}

void TGame::SetStatus(int32_t value) {
    GameState = value;
    if (value == MustDraw) {
        ComeOutAtTurnStart = PlayerCameOut;
    }
    Tell({TEventKind::StatusChanged, PlayerSeat, {}});
}

void TGame::Tell(const TGameEvent& event) const {
    if (Listener != nullptr) {
        Listener->Happened(*this, event);
    }
}

void TGame::NoteOpponentStep(TTurnStep step) {
    switch (step.Kind) {
        case TStepKind::DrawFromStock:
            break;
        case TStepKind::DrawFromDiscardPile:
            Seen.TakenFromPile(TSide::Computer, step.Card);
            break;
        case TStepKind::Discard:
            Seen.Discarded(TSide::Computer, step.Card);
            break;
        case TStepKind::ExchangeJoker:
        case TStepKind::LayOff:
            Seen.Shown(TSide::Computer, step.Card);
            break;
        case TStepKind::LayOut:
            for (const TCard& card : step.Cards) {
                Seen.Shown(TSide::Computer, card);
            }
            break;
    }
    OpponentTurn.Steps.push_back(step);
    Tell({TEventKind::Step, ComputerSeat, std::move(step)});
}

bool MoveCard(TCardArray& from, int32_t index, TCardArray& to) {
    if (index < 0 || index >= from.Count()) {
        return false;
    }
    TCard* target = to.Append();
    if (target == nullptr) {
        return false;
    }
    *target = *from.GoTo(index);
    from.DeleteAt(index);
    return true;
}
