#include "ui/table/TableController.h"

#include <string>

#include "game/ComputerTurn.h"
#include "ui/table/GameTexts.h"
#include "ui/table/GameWords.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TTableController::TTableController(TTableView& view, uint64_t seed) : Game(this, seed), View(view) {}

QString TTableController::StatusLine(int32_t gameState) {
    switch (gameState) {
        case MustDraw:
            return Q(GameText("Status", "Ziehen Sie eine Karte!"));
        case MayLayOut:
            return Q(GameText("Status", "Sie dürfen nun auslegen und dann eine Karte wegwerfen!"));
        default:
            return {};
    }
}

bool TTableController::Draw(bool fromStock) {
    const bool drawn = fromStock ? Game.PlayerDrawFromStock() : Game.PlayerDrawFromDiscardPile();
    if (!drawn) {
        return false;
    }
    OfferJokerExchanges();
    View.TableChanged();
    return true;
}

void TTableController::OfferJokerExchanges() {
    const std::vector<TJokerOffer> offers = Game.JokerOffers();
    if (!offers.empty()) {
        // The draw is seen behind the questions.
        View.TableChanged();
        Game.ExchangeJokers(ChooseJokerOffers(offers, [this](const TJokerOffer& offer) {
            TCard natural{};
            natural.Suit = offer.Suit;
            natural.Rank = offer.Rank;
            const QString question = QString::fromStdString(
                Filled(GameText("Game", "Möchten Sie Ihre Karte %1 gegen den Joker eintauschen?"),
                       {CardWords(natural)}));
            return View.TakeJokerExchange(offer, question,
                                          Q(GameText("Game", "Karte gegen Joker tauschen?")));
        }));
    }
}

bool TTableController::Toggle(int32_t index) {
    return Game.ToggleHandCard(index);
}

void TTableController::ClearSelection() {
    Game.ClearHandSelection();
}

void TTableController::LayOut(int32_t target) {
    switch (Game.PlayerLayOut(target)) {
        case TRefusal::NoMeld:
            View.ShowRefusal(
                Q(GameText("Game", "Die Karten passen leider nicht zusammen oder es sind zu wenige Karten.")),
                Q(GameText("Game", "Karten passen nicht")));
            break;
        case TRefusal::TooFewPoints:
            // The cards are seen back in the hand behind the message.
            View.TableChanged();
            View.ShowRefusal(QString::fromStdString(Filled(
                                 GameText("Game", "Sie können beim Ersten Mal erst ab %1 Punkte auslegen!"),
                                 {std::to_string(Game.MeldMinimum)})),
                             Q(GameText("Game", "Zu wenige Punkte")));
            break;
        default:
            break;
    }
    View.TableChanged();
}

void TTableController::Discard() {
    const TRefusal refusal = Game.PlayerDiscard();
    if (refusal == TRefusal::OnlyOneDiscard) {
        View.ShowRefusal(Q(GameText("Game", "Sie können nur einen Karte wegwerfen!")),
                         Q(GameText("Game", "Wegwerfen: zu viele Karten")));
    }
    if (refusal == TRefusal::None) {
        PlayOtherSeats();
    }
    View.TableChanged();
    if (Game.Over()) {
        View.GameWon(Game.Winner);
    }
}

TPlayer& TTableController::PlayerAt(int32_t seat) {
    if (seat == PlayerSeat) {
        return Person;
    }
    return ComputerAt(Game, seat);
}

void TTableController::PlayOtherSeats() {
    Round.clear();
    for (int32_t seat = Game.NextSeat(PlayerSeat); !Game.Over(); seat = Game.NextSeat(seat)) {
        if (PlaySeatTurn(Game, seat, PlayerAt(seat)) == TTurnEnd::Waiting) {
            return;
        }
        Round.push_back({seat, Game.OpponentTurn});
    }
}

TTurnRecord TTableController::RoundRecord() const {
    if (Round.empty()) {
        return Game.OpponentTurn;
    }
    TTurnRecord record;
    for (const TSeatTurn& turn : Round) {
        record.Steps.insert(record.Steps.end(), turn.Turn.Steps.begin(), turn.Turn.Steps.end());
        record.Won = turn.Turn.Won;
    }
    return record;
}

void TTableController::TakeBack() {
    Game.TakeBackTurn();
    View.TableChanged();
}

void TTableController::Deal() {
    Game.NeuesSpiel();
    Steps.Clear();
    Round.clear();
}

void TTableController::Happened(const TGame& game, const TGameEvent& event) {
    switch (event.Kind) {
        case TEventKind::StatusChanged:
            View.ShowStatus(StatusLine(game.GameState));
            break;
        case TEventKind::TurnBegins:
            // The computers' turns after the player's are played out as one.
            if (event.Seat == game.NextSeat(PlayerSeat)) {
                View.ComputerTurnBegins();
                Steps.Clear();
            }
            if (event.Seat != PlayerSeat && RecordTurns) {
                Steps.Capture(game);
            }
            break;
        case TEventKind::Step:
            if (event.Seat != PlayerSeat && RecordTurns) {
                Steps.Capture(game);
            }
            break;
        case TEventKind::GameWon:
        case TEventKind::TurnPassed:
        case TEventKind::TakenBack:
        case TEventKind::PileRefilled:
            break;
    }
}
