// The classic computer: it draws by what its hand holds most, lays out every
// run and set it finds in a fixed order, lays off greedily and throws away
// what it holds least of. It plays any seat.
#pragma once

#include <cstdint>

#include "game/Game.h"
#include "game/Player.h"

class TClassicPlayer final : public TPlayer {
  public:
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override;
};

// The routines of one turn of the classic computer at one seat, in the order
// the turn runs them.
class TClassicTurn {
  public:
    TClassicTurn(TGame& game, int32_t seat);

    // The draw decision: the discard pile's top card or the stock.
    void OpponentDraw();
    // The three meld phases.
    void SearchRuns();
    void SearchSets();
    void LayOffCards();
    // The hand position thrown away; -1 for an empty hand.
    int32_t ChooseOpponentDiscard();

    // The candidate meld's marks on the hand.
    void SelectOnly(int32_t index);
    bool MarkCard(int32_t rank, int32_t suit, int32_t key);
    int32_t MarkedPoints(bool isSet);

  private:
    enum class TLayOut { Failed, Laid, Stuck };
    // The lay-out test, and the meld laid out when it passes.
    TLayOut TryLayOut(bool isSet);
    template <class Matches, class Build>
    void SearchAndLayOut(int32_t firstKey, int32_t lastKey, bool isSet, Matches matches, Build build);
    bool LayOffOnto(int32_t meld);

    TGame& Game;
    int32_t Seat;
    TCardArray& Hand;
    uint8_t& CameOut;
};
