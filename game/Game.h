// The whole state of one game of rummy and every rule that changes it: it
// takes commands for the seat on turn and tells what happened to its
// listener. It never deals the next game nor plays another seat's turn.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Card.h"
#include "game/GameEvents.h"
#include "game/MeldRules.h"
#include "game/Random.h"
#include "game/SeenCards.h"
#include "game/record/TurnRecord.h"

// The turn states. GameState keeps them as a signed 32-bit value, as the status
// line's writer sets it.
enum : int32_t { MustDraw = 0, MayLayOut = 1 };

// Who plays the computer's side: the classic greedy rules or the strong strategy.
enum class TOpponentKind : int32_t { Classic = 0, Strong = 1 };

// One seat at the table: its hand and whether it has come out.
struct TSeat {
    TCardArray Hand;
    uint8_t CameOut = 0;
    // CameOut when the seat's latest turn began: a seat that goes out having
    // come out only in that turn laid its whole hand at once (Hand-Rommé).
    uint8_t OutAtTurnStart = 0;
};

// What a deal deals: the seats, the cards of each hand and the first meld's minimum.
struct TDealRules {
    int32_t Cards = 12;              // 10..16
    int32_t MeldMinimum = 30;        // 30 or 40
    int32_t FirstSeat = PlayerSeat;  // dealt the first card, and the others in turn
    int32_t Seats = FewestSeats;     // FewestSeats..MostSeats
};

class TGame {
  public:
    explicit TGame(TGameListener* listener = nullptr, uint64_t seed = 1);
    ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // --- Cards and piles ---
    // Empties the container.
    void ClearTCard(TCardArray& cards);
    // Frees every card and meld; the table is empty afterwards.
    void ClearAll();

    // --- New game, turn states ---
    void NeuesSpiel();
    void SetStatus(int32_t value);

    // --- Pile upkeep ---
    void Mischeln();
    void StapelAuffrischen();
    void SortOwnCards() { SortHand(PlayerSeat); }
    // A hand by suit and rank, as the player's lies.
    void SortHand(int32_t seat);
    void SortThisCards(TCardArray& cards);
    // Before a draw from an empty stock: every discard but the top one goes
    // back into the stock, which is shuffled. True when the stock then holds a card.
    bool RefillEmptyStock();

    // --- Meld rules ---
    // Appends copies of the selected hand cards to the candidate (which may
    // already hold the target meld's cards) and decides whether all of it is a
    // set or a run. True: every card has its MeldOrder, every joker its AsRank
    // and AsSuit. Changes nothing outside the candidate.
    bool passenzusammen(TCardArray& candidate);

    // --- Joker exchange ---
    // What the player may exchange now, in the order it is offered: taking
    // one takes its hand card and table joker out of the rest.
    std::vector<TJokerOffer> JokerOffers() const;
    // The offers taken, all at once; the hand is sorted afterwards.
    TRefusal ExchangeJokers(const std::vector<TJokerOffer>& taken);

    // --- The player's turn ---
    // Draws for the player; false (and nothing changed) when there was nothing to draw.
    bool PlayerDrawFromStock();
    bool PlayerDrawFromDiscardPile();
    // Toggles the selection of a hand card; true when it is now selected.
    bool ToggleHandCard(int32_t index);
    void ClearHandSelection();
    // The selected card dropped on the discard pile; the computer's turn follows.
    TRefusal PlayerDiscard();
    // Whether the selected hand cards may be dropped on meld targetMeld (-1: free
    // table space). Builds and validates the candidate; changes nothing else.
    TDropVerdict TestDrop(int32_t targetMeld, TCardArray& candidate);
    // The selected cards dropped on meld targetMeld, or on free table space when -1.
    TRefusal PlayerLayOut(int32_t targetMeld);
    // "Ausgelegte Karten zurücknehmen".
    void TakeBackTurn();

    // Lays the candidate (as JudgeDrop or TestDrop left it) onto meld targetMeld,
    // or as a new meld when -1. Cards from the hand carry TakeBack when
    // `takeBack`. False, with nothing changed, when memory runs out.
    bool StoreMeld(int32_t targetMeld, const TCardArray& candidate, bool takeBack);

    // --- A computer seat's moves (its player decides them) ---
    // The computer seat's turn begins: its record starts empty.
    void BeginComputerTurn(int32_t seat);
    // Takes the top card of the stock or the discard pile; false when that pile is empty.
    bool DrawFor(int32_t seat, bool fromPile);
    // The hand card `hand` takes the place of the table joker at `place` of `meld`.
    void SwapTableJoker(int32_t seat, int32_t meld, int32_t place, int32_t hand);
    // The hand cards marked Selected, as their MeldOrder arranges them, become
    // a new meld. False when no card could be moved (nothing changed then).
    bool LayOutMarked(int32_t seat);
    // The one marked hand card joins meld `meld` at its end `end`. False,
    // and nothing moved, when it could not.
    bool LayOffMarked(int32_t seat, int32_t meld, TMeldEnd end);
    // Hand cards `hand` (positions, rising) onto meld `meld`, or as a new meld
    // at -1, by the player's rules; refused with the reason, nothing changed.
    TRefusal LayFor(int32_t seat, const std::vector<int>& hand, int32_t meld);
    // Hand card `index` onto the discard pile; the last one wins the game.
    void DiscardFor(int32_t seat, int32_t index);

    // The seats, the player's first; a game of N uses the first N.
    TSeat Seats[MostSeats];
    int32_t SeatCount = FewestSeats;
    // The seat whose turn follows `seat`'s at this table.
    int32_t NextSeat(int32_t seat) const { return ::NextSeat(seat, SeatCount); }

    // Fields, in the order of the game's record.
    TMeldArray TableMelds;
    TCardArray& OwnCards = Seats[PlayerSeat].Hand;
    TCardArray& OpponentCards = Seats[ComputerSeat].Hand;
    TCardArray Stock;        // top is element 0
    TCardArray DiscardPile;  // top is the last element
    int32_t GameState = MustDraw;
    uint8_t ComeOutAtTurnStart = 0;
    uint8_t& PlayerCameOut = Seats[PlayerSeat].CameOut;
    uint8_t& OpponentCameOut = Seats[ComputerSeat].CameOut;
    int32_t MarkCount = 0;     // cards in a computer's candidate meld
    TTurnRecord OpponentTurn;  // the computer's last turn, until a new game
    // Who plays each computer seat, this game's and the next game's; the
    // player's seat's entry only where a computer plays it (a match, a test).
    TOpponentKind Opponents[MostSeats] = {};
    TOpponentKind ChosenOpponents[MostSeats] = {};
    TOpponentKind& Opponent = Opponents[ComputerSeat];              // this game's first computer
    TOpponentKind& ChosenOpponent = ChosenOpponents[ComputerSeat];  // the next game's
    TDealRules NextDeal;                                            // the next game's
    TSeenCards Seen;           // the discards every seat has seen this game
    int32_t PlayerDraws = 0;   // the player's turns begun this game
    int32_t Winner = -1;       // the seat that went out; -1 while it goes on
    int32_t CardsDealt = 0;    // to each seat, at this game's deal
    int32_t MeldMinimum = 30;  // the first-meld minimum this game was dealt under

    // The points a drop must reach: the game's minimum until the seat came out.
    int32_t DropMinimum(bool cameOut) const { return cameOut ? 0 : MeldMinimum; }

    TRandom Rng;

    // Notes a computer seat's step where every seat sees it, and tells it.
    void NoteStep(int32_t seat, TTurnStep step);
    // Tells the listener, if there is one.
    void Tell(const TGameEvent& event) const;
    bool Over() const { return Winner >= 0; }

  private:
    // The player takes card `index` of `from`: the rest of the draw is the same for both piles.
    bool PlayerDraw(TCardArray& from, int32_t index);

    TGameListener* Listener;
};

// A drop's verdict as the refusal it makes; None when the cards fit.
TRefusal RefusalOf(TDropVerdict verdict);

// Asks `take` about each offer in turn, but not about those that a taken one
// rules out (its hand card or its joker is gone); the offers taken.
std::vector<TJokerOffer> ChooseJokerOffers(const std::vector<TJokerOffer>& offers,
                                           const std::function<bool(const TJokerOffer&)>& take);

// The idiom by which a card changes containers: append to the target, copy the
// whole record, delete the source. False (nothing moved) when the target could
// not grow.
bool MoveCard(TCardArray& from, int32_t index, TCardArray& to);
