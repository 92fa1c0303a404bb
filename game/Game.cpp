#include "game/Game.h"

#include "game/Settings.h"
#include "game/SilentScreen.h"

#include <utility>

namespace {

// Stands in when no screen is attached (headless games, benchmarks).
TSilentScreen nullScreen;

}  // namespace

TGame::TGame(TGameScreen* screen, uint64_t seed)
    : TableMelds(&CurMeld),
      OwnCards(&CurOwnCard),
      OpponentCards(&CurOpponentCard),
      Stock(&CurStockCard),
      DiscardPile(&CurDiscardCard),
      Rng(seed),
      Screen(screen != nullptr ? screen : &nullScreen) {}

TGame::~TGame() {
    ClearAll();
}

void TGame::SetScreen(TGameScreen* screen) {
    Screen = screen != nullptr ? screen : &nullScreen;
}

void TGame::ClearTCard(TCardArray& cards) {
    cards.First();
    while (cards.Next()) {
        TCard* card = cards.Current();
        if (card->Image != nullptr) {
            Screen->FreeFace(card->Image);
            card->Image = nullptr;
        }
    }
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

TCard* TGame::NewCard(TCardArray& into, int32_t suit, int32_t rank) {
    TCard* card = into.Append();
    if (card == nullptr) {
        return nullptr;
    }
    card->Suit = suit;
    card->Rank = rank;
    card->Image = Screen->ComposeFace(suit, rank);
    return card;
}

void TGame::NeuesSpiel() {
    PlayerCameOut = 0;
    OpponentCameOut = 0;
    OpponentTurn = {};
    Opponent = ChosenOpponent;
    Seen.Clear();
    PlayerDraws = 0;
    CardsDealt = CardsPerPlayer;
    MeldMinimum = FirstMeldMinimum;
    ClearAll();

    for (int i = 0; i < JokerCount; ++i) {
        NewCard(Stock, Joker, JokerRank);
    }
    for (int deck = 0; deck < CopiesOfEachCard; ++deck) {
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            NewCard(Stock, suit, Ass);
            for (int32_t rank = 2; rank <= Koenig; ++rank) {
                NewCard(Stock, suit, rank);
            }
        }
    }
    Mischeln();

    for (int i = 0; i < CardsPerPlayer && !Stock.Empty(); ++i) {
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
    switch (value) {
        case MustDraw:
            StatusText = GameText("Status", DrawStatusText);
            ComeOutAtTurnStart = PlayerCameOut;
            break;
        case MayLayOut:
            StatusText = GameText("Status", PlayStatusText);
            break;
        default:
            StatusText.clear();
            break;
    }
    Screen->SetStatusLine(StatusText);
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
    OpponentTurn.Steps.push_back(std::move(step));
    Screen->OpponentStep(OpponentTurn);
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
