// The computer-opponent tests build their positions from fresh cards, the
// natural ones marked with their own rank and suit as the computer's search
// leaves them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "game/classic/ClassicPlayer.h"
#include "tests/support/EventLog.h"
#include "tests/support/TestCards.h"

namespace opponent_kit {

inline void Put(TGame& game, TCardArray& into, const std::string& cards) {
    PutCards(game, into, cards, TFrom::Nowhere, TMarks::Own);
}

// A meld on the table, stored in the order given (its first card is the top end).
inline TCardArray& AddMeld(TGame& game, const std::string& cards) {
    return PutMeld(game, cards, TFrom::Nowhere, TMarks::Own);
}

inline std::string ShowMeld(const TGame& game, int index) {
    return ShowCards(*game.TableMelds.At(index).Cards);
}

// Also notes what lay on the table when the game was won.
class TWatchScreen : public TEventLog {
  public:
    void Happened(const TGame& game, const TGameEvent& event) override {
        if (event.Kind == TEventKind::GameWon) {
            HandAtEnd = ShowCards(game.OpponentCards);
            DiscardTopAtEnd = game.DiscardPile.Empty() ? "" : CardName(game.DiscardPile.Last());
        }
        TEventLog::Happened(game, event);
    }

    std::string HandAtEnd;
    std::string DiscardTopAtEnd;
};

class OpponentTest : public ::testing::Test {
  protected:
    TWatchScreen screen;
    TGame game{&screen, 5};
    TClassicTurn classic{game, ComputerSeat};
};

}  // namespace opponent_kit
