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
    for (TSeat& seat : Seats) {
        ClearTCard(seat.Hand);
    }
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
    for (TSeat& seat : Seats) {
        seat.CameOut = 0;
    }
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
        for (int32_t k = 0; k < SeatCount && !Stock.Empty(); ++k) {
            MoveCard(Stock, 0, Seats[(NextDeal.FirstSeat + k) % SeatCount].Hand);
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

void TGame::NoteStep(int32_t seat, TTurnStep step) {
    const TSide side = SideOf(seat);
    switch (step.Kind) {
        case TStepKind::DrawFromStock:
            break;
        case TStepKind::DrawFromDiscardPile:
            Seen.TakenFromPile(side, step.Card);
            break;
        case TStepKind::Discard:
            Seen.Discarded(side, step.Card);
            break;
        case TStepKind::ExchangeJoker:
        case TStepKind::LayOff:
            Seen.Shown(side, step.Card);
            break;
        case TStepKind::LayOut:
            for (const TCard& card : step.Cards) {
                Seen.Shown(side, card);
            }
            break;
    }
    OpponentTurn.Steps.push_back(std::move(step));
    // The step is copied only for someone listening.
    if (Listener != nullptr) {
        Tell({TEventKind::Step, seat, OpponentTurn.Steps.back()});
    }
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
