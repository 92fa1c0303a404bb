#include "game/record/Snapshot.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "game/Invariants.h"
#include "game/MeldRules.h"
#include "game/MeldShape.h"

namespace {

// A run's sort keys count from its first card up and down, a set's are suits.
constexpr int32_t MaxMeldOrder = LongestRun;

bool IsFlag(uint8_t value) {
    return value <= 1;
}

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

// The hand and come-out flag of `seat`, as the snapshot holds them.
const std::vector<TCard>& HandAt(const TGameSnapshot& s, int32_t seat) {
    return seat == PlayerSeat ? s.Hand : seat == ComputerSeat ? s.Computer : s.MoreHands[seat - FewestSeats];
}
uint8_t CameOutAt(const TGameSnapshot& s, int32_t seat) {
    return seat == PlayerSeat     ? s.PlayerCameOut
           : seat == ComputerSeat ? s.OpponentCameOut
                                  : s.MoreCameOut[seat - FewestSeats];
}

// Every field of one card within what the rules ever leave in it: a card of
// the deck, as its id names it.
bool PlausibleCard(const TCard& c) {
    return IdNames(c.Id, c.Suit, c.Rank) && IsFlag(c.FromTable) && IsFlag(c.FixedOnTable) &&
           IsFlag(c.TakeBack) && IsFlag(c.Selected) && InRange(c.MeldOrder, -MaxMeldOrder, MaxMeldOrder) &&
           (c.AsRank == 0 || InRange(c.AsRank, 2, Ass)) && InRange(c.AsSuit, 0, Kreuz);
}

// What a step notes for a draw from the stock: no card at all.
bool IsNoCard(const TCard& c) {
    return c.Suit == 0 && c.Rank == 0 && c.Id == 0 && c.FromTable == 0 && c.FixedOnTable == 0 &&
           c.TakeBack == 0 && c.Selected == 0 && c.MeldOrder == 0 && c.AsRank == 0 && c.AsSuit == 0;
}

// Every card of the snapshot plausible, and together the whole deck.
std::string CheckCardsOf(const TGameSnapshot& s) {
    std::vector<std::span<const TCard>> piles = {s.Hand, s.Computer, s.Stock, s.DiscardPile};
    for (const std::vector<TCard>& hand : s.MoreHands) {
        piles.push_back(hand);
    }
    for (const std::vector<TCard>& meld : s.Melds) {
        piles.push_back(meld);
    }
    for (const std::span<const TCard> pile : piles) {
        for (const TCard& card : pile) {
            if (!PlausibleCard(card)) {
                return "a card out of range";
            }
        }
    }
    return CheckDeck(piles).empty() ? std::string() : "not the 110 cards";
}

std::string CheckTable(const TGameSnapshot& s) {
    bool takeBack = false;
    for (const std::vector<TCard>& meld : s.Melds) {
        if (!LiesAsMeld(meld)) {
            return "a meld the rules do not allow";
        }
        for (const TCard& card : meld) {
            takeBack = takeBack || card.TakeBack != 0;
        }
    }
    bool anyOut = false;
    for (int32_t seat = 0; seat < MostSeats; ++seat) {
        anyOut = anyOut || CameOutAt(s, seat) != 0;
    }
    if (!s.Melds.empty() && !anyOut) {
        return "melds while neither side came out";
    }
    // Cards laid this turn can only lie there while the player lays out.
    if (takeBack && (s.GameState != MayLayOut || s.PlayerCameOut == 0)) {
        return "cards to take back outside the player's turn";
    }
    return {};
}

std::string CheckTurn(const TGameSnapshot& s) {
    if (!InRange(s.CardsDealt, 10, 16) || (s.FirstMeldMinimum != 30 && s.FirstMeldMinimum != 40)) {
        return "settings out of range";
    }
    if (!InRange(s.Seats, FewestSeats, MostSeats)) {
        return "no such table";
    }
    if (!IsFlag(s.ComeOutAtTurnStart) || !IsFlag(s.PlayerCameOut) || !IsFlag(s.OpponentCameOut)) {
        return "a flag out of range";
    }
    for (int32_t more = 0; more < TGameSnapshot::MoreSeats; ++more) {
        const bool seated = FewestSeats + more < s.Seats;
        const TOpponentKind kind = s.MoreOpponents[more];
        if (!IsFlag(s.MoreCameOut[more]) ||
            (kind != TOpponentKind::Classic && kind != TOpponentKind::Strong) ||
            (!seated && (!s.MoreHands[more].empty() || s.MoreCameOut[more] != 0)) ||
            static_cast<int32_t>(s.MoreHands[more].size()) > s.CardsDealt) {
            return "a seat out of place";
        }
    }
    const int32_t hand = static_cast<int32_t>(s.Hand.size());
    switch (s.GameState) {
        case MustDraw:
            // An empty hand before the draw would be a game won already.
            if (s.ComeOutAtTurnStart != s.PlayerCameOut || !InRange(hand, 1, s.CardsDealt)) {
                return "the hand does not fit the turn";
            }
            break;
        case MayLayOut:
            if (s.ComeOutAtTurnStart > s.PlayerCameOut || !InRange(hand, 0, s.CardsDealt + 1)) {
                return "the hand does not fit the turn";
            }
            break;
        default:
            return "no such turn state";
    }
    // The computer ends its turn with a discard, or with its hand laid out.
    if (static_cast<int32_t>(s.Computer.size()) > s.CardsDealt) {
        return "the computer holds too many cards";
    }
    if (!InRange(s.PlayerDraws, 1, MaxPlayerDraws)) {
        return "no turn of the player";
    }
    for (const TOpponentKind kind : {s.Opponent, s.ChosenOpponent}) {
        if (kind != TOpponentKind::Classic && kind != TOpponentKind::Strong) {
            return "no such opponent";
        }
    }
    if (s.RandomState == 0) {
        return "a random generator that is stuck";
    }
    return {};
}

std::string CheckHands(const TGameSnapshot& s) {
    // A side that has not come out has laid nothing, or only this turn: it
    // holds what it was dealt, the player also the card drawn. Only a draw
    // from an empty table leaves the computer short.
    int32_t laidThisTurn = 0;
    for (const std::vector<TCard>& meld : s.Melds) {
        for (const TCard& card : meld) {
            laidThisTurn += card.TakeBack != 0 ? 1 : 0;
        }
    }
    const int32_t hand = static_cast<int32_t>(s.Hand.size());
    const int32_t drawn = s.GameState == MayLayOut ? 1 : 0;
    if (s.ComeOutAtTurnStart == 0 && hand + laidThisTurn != s.CardsDealt + drawn) {
        return "the hand does not fit what was laid";
    }
    for (int32_t seat = ComputerSeat; seat < s.Seats; ++seat) {
        if (CameOutAt(s, seat) == 0 && static_cast<int32_t>(HandAt(s, seat).size()) != s.CardsDealt &&
            !s.Stock.empty()) {
            return "the computer's hand does not fit what it laid";
        }
    }
    return {};
}

std::string CheckSeen(const TGameSnapshot& s) {
    uint8_t inPile[5][15] = {};
    for (const TCard& card : s.DiscardPile) {
        ++inPile[card.Suit][card.Rank];
    }
    // What a side took from the pile and has not shown since is in its hand;
    // the seats not at the table remember nothing.
    uint8_t held[MostSeats][5][15] = {};
    for (int32_t seat = 0; seat < MostSeats; ++seat) {
        for (const TCard& card : HandAt(s, seat)) {
            ++held[seat][card.Suit][card.Rank];
        }
    }
    int32_t thrown[MostSeats] = {};
    for (int32_t suit = 0; suit < 5; ++suit) {
        for (int32_t rank = 0; rank < 15; ++rank) {
            const bool counted = suit == Joker ? rank == JokerRank : rank >= 2;
            if (s.Seen.Pile[suit][rank] != inPile[suit][rank]) {
                return "the remembered discard pile differs";
            }
            for (int side = 0; side < MostSeats; ++side) {
                if (s.Seen.Known[side][suit][rank] > held[side][suit][rank] ||
                    ((!counted || side >= s.Seats) && s.Seen.Thrown[side][suit][rank] != 0)) {
                    return "a remembered card out of range";
                }
                thrown[side] += s.Seen.Thrown[side][suit][rank];
            }
        }
    }
    // Each seat throws away one card a turn.
    for (const int32_t cards : thrown) {
        if (cards > s.PlayerDraws) {
            return "more cards remembered thrown than turns played";
        }
    }
    return {};
}

// The order of a turn: a draw first, a discard last, and in between at most
// every joker taken and every card the hand could hold laid.
std::string CheckTurnSteps(const TGameSnapshot& s) {
    const size_t count = s.OpponentTurn.Steps.size();
    int32_t exchanges = 0;
    int32_t laid = 0;
    for (size_t i = 0; i < count; ++i) {
        const TTurnStep& step = s.OpponentTurn.Steps[i];
        switch (step.Kind) {
            case TStepKind::DrawFromStock:
            case TStepKind::DrawFromDiscardPile:
                if (i != 0) {
                    return "a draw in the middle of the computer's turn";
                }
                break;
            case TStepKind::ExchangeJoker:
                ++exchanges;
                break;
            case TStepKind::LayOut:
            case TStepKind::LayOff:
                ++laid;
                break;
            case TStepKind::Discard:
                if (i + 1 != count) {
                    return "a discard in the middle of the computer's turn";
                }
                break;
        }
    }
    if (exchanges > JokerCount || laid > s.CardsDealt + 1 + JokerCount) {
        return "too many steps in the computer's turn";
    }
    return {};
}

std::string CheckOpponentTurn(const TGameSnapshot& s) {
    for (const TTurnStep& step : s.OpponentTurn.Steps) {
        if (!InRange(static_cast<int32_t>(step.Kind), 0, static_cast<int32_t>(TStepKind::Discard)) ||
            !InRange(static_cast<int32_t>(step.End), 0, static_cast<int32_t>(TMeldEnd::Set)) ||
            !InRange(step.Meld, -1, static_cast<int32_t>(s.Melds.size()) - 1) ||
            step.Cards.size() > static_cast<size_t>(LongestRun)) {
            return "a step of the computer's turn out of range";
        }
        if (!IsNoCard(step.Card) && !PlausibleCard(step.Card)) {
            return "a card of the computer's turn out of place";
        }
        for (const TCard& card : step.Cards) {
            if (!PlausibleCard(card)) {
                return "a card of the computer's turn out of place";
            }
        }
    }
    return {};
}

bool Fill(TCardArray& into, const std::vector<TCard>& cards) {
    for (const TCard& record : cards) {
        TCard* card = into.Append();
        if (card == nullptr) {
            return false;
        }
        *card = record;
    }
    return true;
}

bool AddMeld(TGame& game, const std::vector<TCard>& cards) {
    auto* lying = new (std::nothrow) TCardArray();
    if (lying == nullptr) {
        return false;
    }
    TMeld* meld = game.TableMelds.Append();
    if (meld == nullptr) {
        delete lying;
        return false;
    }
    meld->Cards = lying;
    return Fill(*lying, cards);
}

}  // namespace

TGameSnapshot TakeSnapshot(const TGame& game) {
    TGameSnapshot s;
    s.CardsDealt = game.CardsDealt;
    s.FirstMeldMinimum = game.MeldMinimum;
    s.Seats = game.SeatCount;
    s.Hand = game.OwnCards.Records();
    s.Computer = game.OpponentCards.Records();
    s.Stock = game.Stock.Records();
    s.DiscardPile = game.DiscardPile.Records();
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        s.Melds.push_back(game.TableMelds.At(m).Cards->Records());
    }
    s.GameState = game.GameState;
    s.ComeOutAtTurnStart = game.ComeOutAtTurnStart;
    s.PlayerCameOut = game.PlayerCameOut;
    s.OpponentCameOut = game.OpponentCameOut;
    s.PlayerDraws = game.PlayerDraws;
    s.Opponent = game.Opponent;
    s.ChosenOpponent = game.ChosenOpponent;
    s.Seen = game.Seen.Counts();
    s.RandomState = game.Rng.CurrentState();
    s.OpponentTurn = game.OpponentTurn;
    for (int32_t seat = FewestSeats; seat < game.SeatCount; ++seat) {
        s.MoreHands[seat - FewestSeats] = game.Seats[seat].Hand.Records();
        s.MoreCameOut[seat - FewestSeats] = game.Seats[seat].CameOut;
        s.MoreOpponents[seat - FewestSeats] = game.Opponents[seat];
    }
    return s;
}

std::string CheckSnapshot(const TGameSnapshot& snapshot) {
    for (auto check :
         {CheckTurn, CheckCardsOf, CheckTable, CheckHands, CheckSeen, CheckTurnSteps, CheckOpponentTurn}) {
        if (std::string problem = check(snapshot); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

bool RestoreSnapshot(TGame& game, const TGameSnapshot& s) {
    game.ClearAll();
    game.OpponentTurn = {};
    game.Winner = -1;  // a kept game is one in play
    game.SeatCount = s.Seats;
    for (TSeat& seat : game.Seats) {
        seat.CameOut = 0;
    }
    bool whole = Fill(game.OwnCards, s.Hand) && Fill(game.OpponentCards, s.Computer) &&
                 Fill(game.Stock, s.Stock) && Fill(game.DiscardPile, s.DiscardPile);
    for (size_t m = 0; whole && m < s.Melds.size(); ++m) {
        whole = AddMeld(game, s.Melds[m]);
    }
    for (int32_t seat = FewestSeats; whole && seat < s.Seats; ++seat) {
        whole = Fill(game.Seats[seat].Hand, s.MoreHands[seat - FewestSeats]);
        game.Seats[seat].CameOut = s.MoreCameOut[seat - FewestSeats];
        game.Opponents[seat] = s.MoreOpponents[seat - FewestSeats];
    }
    game.PlayerCameOut = s.PlayerCameOut;
    game.OpponentCameOut = s.OpponentCameOut;
    // A kept game is at the player's turn, which began as its flag says.
    game.Seats[PlayerSeat].OutAtTurnStart = s.ComeOutAtTurnStart;
    game.SetStatus(s.GameState);
    game.ComeOutAtTurnStart = s.ComeOutAtTurnStart;
    game.PlayerDraws = s.PlayerDraws;
    game.CardsDealt = s.CardsDealt;
    game.MeldMinimum = s.FirstMeldMinimum;
    game.Opponent = s.Opponent;
    game.ChosenOpponent = s.ChosenOpponent;
    game.Seen.SetCounts(s.Seen);
    game.Rng.SetState(s.RandomState);
    game.OpponentTurn = s.OpponentTurn;
    return whole;
}
