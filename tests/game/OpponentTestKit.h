// The computer-opponent tests build their positions from fresh cards, the
// natural ones marked with their own rank and suit as the computer's search
// leaves them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/Game.h"
#include "tests/support/FakeScreen.h"
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

// Also notes what lay on the table when a message came up.
class TWatchScreen : public TFakeScreen {
  public:
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) override {
        RepaintsBeforeMessage = Repaints;
        if (Game != nullptr) {
            HandAtMessage = ShowCards(Game->OpponentCards);
            DiscardTopAtMessage = Game->DiscardPile.Empty() ? "" : CardName(Game->DiscardPile.Last());
        }
        TFakeScreen::ShowMessage(text, caption, icon);
    }

    const TGame* Game = nullptr;
    int RepaintsBeforeMessage = -1;
    std::string HandAtMessage;
    std::string DiscardTopAtMessage;
};

class OpponentTest : public ::testing::Test {
  protected:
    void SetUp() override { screen.Game = &game; }

    TWatchScreen screen;
    TGame game{&screen, 5};
};

}  // namespace opponent_kit
