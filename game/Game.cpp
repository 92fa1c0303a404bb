#include "game/Game.h"

#include <algorithm>
#include <iterator>
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
        seat.OutAtTurnStart = 0;
    }
    OpponentTurn = {};
    std::copy(std::begin(ChosenOpponents), std::end(ChosenOpponents), std::begin(Opponents));
    Seen.Clear();
    PlayerDraws = 0;
    Winner = -1;
    CardsDealt = NextDeal.Cards;
    MeldMinimum = NextDeal.MeldMinimum;
    SeatCount = std::clamp(NextDeal.Seats, FewestSeats, MostSeats);
    const int32_t first =
        NextDeal.FirstSeat >= 0 && NextDeal.FirstSeat < SeatCount ? NextDeal.FirstSeat : PlayerSeat;
    ClearAll();

    for (int32_t id = 0; id < DeckSize; ++id) {
        if (TCard* card = Stock.Append()) {
            *card = CardWithId(id);
        }
    }
    Mischeln();

    // One card at a time round the table; 110 cards serve four hands of 16.
    for (int i = 0; i < CardsDealt && !Stock.Empty(); ++i) {
        int32_t seat = first;
        for (int32_t k = 0; k < SeatCount && !Stock.Empty(); ++k, seat = NextSeat(seat)) {
            MoveCard(Stock, 0, Seats[seat].Hand);
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
    switch (step.Kind) {
        case TStepKind::DrawFromStock:
            break;
        case TStepKind::DrawFromDiscardPile:
            Seen.TakenFromPile(seat, step.Card);
            break;
        case TStepKind::Discard:
            Seen.Discarded(seat, step.Card);
            break;
        case TStepKind::ExchangeJoker:
        case TStepKind::LayOff:
            Seen.Shown(seat, step.Card);
            break;
        case TStepKind::LayOut:
            for (const TCard& card : step.Cards) {
                Seen.Shown(seat, card);
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
