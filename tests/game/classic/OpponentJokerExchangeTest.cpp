// The computer's silent exchange of hand cards for table jokers.
#include <gtest/gtest.h>

#include "tests/game/OpponentTestKit.h"

namespace {

using namespace opponent_kit;

TEST_F(OpponentTest, JokerExchangeOnlyOnceOut) {
    AddMeld(game, "*He7 He6 He5");
    Put(game, game.OpponentCards, "Kr2 Bl5 Ka3 He7");
    game.OpponentCards.At(3).TakeBack = 1;
    JokerTauschenEvil(game, ComputerSeat);
    EXPECT_EQ(ShowMeld(game, 0), "*He7 He6 He5");
    EXPECT_EQ(ShowCards(game.OpponentCards), "Kr2 Bl5 Ka3 He7");

    game.OpponentCameOut = 1;
    JokerTauschenEvil(game, ComputerSeat);
    EXPECT_EQ(ShowMeld(game, 0), "He7 He6 He5");
    EXPECT_EQ(ShowCards(game.OpponentCards), "Kr2 Bl5 Ka3 *He7");  // the joker still says what it stood for
    EXPECT_EQ(game.TableMelds.At(0).Cards->At(0).TakeBack, 0);
}

TEST_F(OpponentTest, TheCardJustDrawnIsExchangedAtOnce) {
    game.OpponentCameOut = 1;
    AddMeld(game, "*He7 He6 He5");
    Put(game, game.OpponentCards, "Kr2");
    Put(game, game.Stock, "He7");
    classic.OpponentDraw();
    EXPECT_EQ(ShowMeld(game, 0), "He7 He6 He5");
    EXPECT_EQ(ShowCards(game.OpponentCards), "Kr2 *He7");
}

TEST_F(OpponentTest, TwoTableJokersTakeBothCopiesInTableAndHandOrder) {
    game.OpponentCameOut = 1;
    AddMeld(game, "*He7 He6 He5");
    AddMeld(game, "Kr7 *He7 Ka7");
    Put(game, game.OpponentCards, "He7 Bl2 He7");
    const int32_t first = game.OpponentCards.At(0).Id;
    const int32_t second = game.OpponentCards.At(2).Id;
    JokerTauschenEvil(game, ComputerSeat);
    EXPECT_EQ(ShowMeld(game, 0), "He7 He6 He5");
    EXPECT_EQ(ShowMeld(game, 1), "Kr7 He7 Ka7");
    EXPECT_EQ(game.TableMelds.At(0).Cards->At(0).Id, first);
    EXPECT_EQ(game.TableMelds.At(1).Cards->At(1).Id, second);
    EXPECT_EQ(ShowCards(game.OpponentCards), "*He7 Bl2 *He7");
}

TEST_F(OpponentTest, ASetJokerWantsItsExactSuit) {
    game.OpponentCameOut = 1;
    AddMeld(game, "*KrK HeK KaK");
    Put(game, game.OpponentCards, "BlK HeK *");
    JokerTauschenEvil(game, ComputerSeat);
    EXPECT_EQ(ShowMeld(game, 0), "*KrK HeK KaK");
    EXPECT_EQ(ShowCards(game.OpponentCards), "BlK HeK *");

    AddLooseCard(game.OpponentCards, Kreuz, Koenig);
    JokerTauschenEvil(game, ComputerSeat);
    EXPECT_EQ(ShowMeld(game, 0), "KrK HeK KaK");
    EXPECT_EQ(ShowCards(game.OpponentCards), "BlK HeK * *KrK");
}

}  // namespace
