// Between the player's input and the game: mouse, keys and screen readers
// give their commands here, the computer's turn follows the player's
// discard, and the window is told what to show and what to say. No widget
// lives here, so tests drive a whole game through it.
#pragma once

#include <QString>
#include <cstdint>

#include "game/Game.h"
#include "game/Player.h"
#include "ui/table/TurnPlayback.h"

// What the controller needs from the window.
class TTableView {
  public:
    virtual ~TTableView() = default;
    // A command is done (or refused): the game is kept and the table painted, once.
    virtual void TableChanged() = 0;
    // The instruction of the status line changed.
    virtual void ShowStatus(const QString& text) = 0;
    // A command was refused: a message box with the error icon.
    virtual void ShowRefusal(const QString& text, const QString& caption) = 0;
    // An exchange offered to the player; true when taken.
    virtual bool TakeJokerExchange(const TJokerOffer& offer, const QString& question,
                                   const QString& caption) = 0;
    // The computer's turn begins: whatever is shown of the last one is over.
    virtual void ComputerTurnBegins() = 0;
    // The game was won by `seat`, all hands as they ended and painted: the
    // window counts and announces it, and deals anew once the player has seen it.
    virtual void GameWon(int32_t seat) = 0;
};

// The person at the window: the seat's moves come as commands, one at a time.
class TPersonAtTable final : public TPlayer {
  public:
    TTurnEnd PlayTurn(TGame&, int32_t) override { return TTurnEnd::Waiting; }
};

class TTableController final : private TGameListener {
  public:
    TTableController(TTableView& view, uint64_t seed);
    TTableController(const TTableController&) = delete;
    TTableController& operator=(const TTableController&) = delete;

    // The player's draw; false when nothing was drawn. Exchanges of table
    // jokers are offered afterwards.
    bool Draw(bool fromStock);
    // Asks the player about each joker exchange on offer, and makes those taken.
    void OfferJokerExchanges();
    // Selects or deselects hand card `index`; true when it is now selected.
    bool Toggle(int32_t index);
    void ClearSelection();
    // The selected cards onto meld `target`, or as a new meld at -1.
    void LayOut(int32_t target);
    // The selected card onto the discard pile, and the other seats' turns.
    void Discard();
    void TakeBack();
    // A new deal; the game in play is dropped.
    void Deal();

    // Whether the computer's turns are kept step by step for playing them out.
    void SetRecordTurns(bool record) { RecordTurns = record; }
    // The steps of the computers' last turns, when kept.
    TTurnPlayback& Playback() { return Steps; }
    // The computer seats' turns since the player's last discard, in order.
    const std::vector<TSeatTurn>& RoundTurns() const { return Round; }
    // The same as one record, every seat's steps in order, for marking them
    // on the table; before any such round (a kept game just taken up) the
    // last computer's turn the game holds.
    TTurnRecord RoundRecord() const;
    void ForgetRound() { Round.clear(); }

    // The status line for a turn state.
    static QString StatusLine(int32_t gameState);

    TGame Game;

  private:
    void Happened(const TGame& game, const TGameEvent& event) override;
    // Who plays each seat: the person the player's, the opponent the game
    // was dealt with every other.
    TPlayer& PlayerAt(int32_t seat);
    // Every seat after the player's plays its turn in order, until a seat
    // waits for commands or the game is over.
    void PlayOtherSeats();

    TTableView& View;
    TPersonAtTable Person;
    TTurnPlayback Steps;
    std::vector<TSeatTurn> Round;
    bool RecordTurns = false;
};
