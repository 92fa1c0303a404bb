// The match mode's pairings, the lines it prints, and how it seats a player
// from outside.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Match.h"
#include "ScriptedPlayer.h"
#include "StrongPlayer.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "game/Scoring.h"
#include "tests/support/TestCards.h"

namespace {

TEST(MatchTest, PairingsAreReadAndTheResultIsToldInOneLine) {
    TStrategy first{};
    TStrategy second{};
    EXPECT_TRUE(ParsePairing("stark-klassisch", first, second));
    EXPECT_EQ(first, TStrategy::Strong);
    EXPECT_EQ(second, TStrategy::Classic);
    EXPECT_TRUE(ParsePairing("skript-extern", first, second));
    EXPECT_EQ(first, TStrategy::Scripted);
    EXPECT_EQ(second, TStrategy::Extern);
    EXPECT_FALSE(ParsePairing("skript-skript", first, second));
    EXPECT_FALSE(ParsePairing("extern-extern", first, second));
    EXPECT_FALSE(ParsePairing("stark", first, second));
    EXPECT_EQ(
        MatchLine(TStrategy::Strong, TStrategy::Classic, TMatchResult{8000, 5300, 2600, 100, 0, 0, ""}),
        "match stark-klassisch: stark won 5300 of 8000 games (66.2 %), klassisch won 2600, unfinished 100");
}

// Figures from the formula by hand; at the edges the interval stays inside 0..100.
TEST(MatchTest, TheShareComesWithItsWilsonInterval) {
    const TShareInterval half = WilsonInterval(50, 100);
    EXPECT_NEAR(half.Low, 40.383, 0.001);
    EXPECT_NEAR(half.High, 59.617, 0.001);
    const TShareInterval most = WilsonInterval(86, 100);
    EXPECT_NEAR(most.Low, 77.863, 0.001);
    EXPECT_NEAR(most.High, 91.474, 0.001);
    EXPECT_NEAR(WilsonInterval(0, 10).Low, 0.0, 1e-9);
    EXPECT_NEAR(WilsonInterval(10, 10).High, 100.0, 1e-9);
    EXPECT_NEAR(WilsonInterval(0, 0).High, 100.0, 1e-9);
    EXPECT_EQ(IntervalLine(TStrategy::Strong, TMatchResult{100, 86, 14, 0, 0, 0, ""}),
              "95 % interval of stark's share (Wilson): 77.9 % to 91.5 %");
    EXPECT_EQ(PointsLine(TStrategy::Strong, TStrategy::Classic, TMatchResult{8, 6, 2, 0, 0, 0, "", 70, 203}),
              "mean minus points per game: stark 8.8, klassisch 25.4");
}

// Whichever chair a strategy sits in, a side that won both games of a deal has
// no minus points and the other side some.
TEST(MatchTest, MinusPointsGoToTheSideThatHeldTheCards) {
    const std::pair<TStrategy, TStrategy> pairings[] = {{TStrategy::Strong, TStrategy::Classic},
                                                        {TStrategy::Classic, TStrategy::Strong},
                                                        {TStrategy::Scripted, TStrategy::Classic}};
    for (const auto& [first, second] : pairings) {
        int sweeps = 0;
        for (uint64_t seed = 1; seed <= 12; ++seed) {
            const TMatchResult r = PlayMatch(first, second, 1, seed);
            ASSERT_EQ(r.Failure, "");
            if (r.FirstWins == 2 || r.SecondWins == 2) {
                ++sweeps;
                EXPECT_EQ(r.FirstWins == 2 ? r.FirstPoints : r.SecondPoints, 0)
                    << MatchLine(first, second, r);
                EXPECT_GT(r.FirstWins == 2 ? r.SecondPoints : r.FirstPoints, 0)
                    << MatchLine(first, second, r);
            }
        }
        EXPECT_GT(sweeps, 0) << MatchLine(first, second, {});
    }
}

// Plays the outside player's turns with the strong strategy, or forfeits the
// games named, and notes what the match tells it.
class TStandIn final : public TOutsidePlayer {
  public:
    bool BeginGame(const TGame& game, const TGameStart& start) override {
        Starts.push_back(start);
        HandAtStart = game.OwnCards.Count();
        return start.Game != RefuseGame;
    }
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override {
        // Whether the other side had moved: every turn ends with a discard.
        if (OtherMovedBefore.size() < Starts.size()) {
            OtherMovedBefore.push_back(!game.DiscardPile.Empty());
        }
        // The other seat's turn, as the outside player is told it.
        ComputerTurnsSeen += game.OpponentTurn.Steps.empty() ? 0 : 1;
        Broken = BreakDeck ? "the deck lost a card" : "";
        if (Always) {
            return *Always;
        }
        if (Starts.back().Game == ForfeitGame) {
            return TTurnEnd::Forfeit;
        }
        return TStrongPlayer().PlayTurn(game, seat);
    }
    const std::string& BrokenRule() const override { return Broken; }
    void EndGame(TGameResult result, const std::vector<int32_t>& points) override {
        Results.push_back(result);
        Points.push_back(points);
    }

    int RefuseGame = -1;
    int ForfeitGame = -1;
    std::optional<TTurnEnd> Always;  // every turn ends so
    bool BreakDeck = false;          // every turn tells of a broken deck
    std::string Broken;
    int ComputerTurnsSeen = 0;
    int HandAtStart = 0;
    std::vector<TGameStart> Starts;
    std::vector<TGameResult> Results;
    std::vector<std::vector<int32_t>> Points;  // by game, its own first
    std::vector<bool> OtherMovedBefore;        // by game, at its first turn
};

// Lays its whole hand in its first turn of the second game; in the first it
// leaves the computer three cards to lay and Kreuz 2 to draw and throw. Both
// are a Hand-Rommé: the other side's points count double.
class THandRomme final : public TOutsidePlayer {
  public:
    bool BeginGame(const TGame&, const TGameStart& start) override {
        Game = start.Game;
        return true;
    }
    TTurnEnd PlayTurn(TGame& game, int32_t) override {
        EXPECT_TRUE(game.PlayerDrawFromStock());
        if (Game == 1) {
            while (!game.OpponentCards.Empty()) {
                MoveCard(game.OpponentCards, 0, game.Stock);
            }
            PutCards(game, game.OpponentCards, "KaB KaD KaK", TFrom::Deck);
            SetHand(game, "Kr9 Kr5 He2");
            int two = 0;
            while (game.Stock.At(two).Suit != Kreuz || game.Stock.At(two).Rank != 2) {
                ++two;
            }
            game.Stock.Exchange(0, two);
        } else {
            SetHand(game, "HeB HeD HeK Kr2 Kr3 Kr4 Bl5");
            for (const char* meld : {"HeB HeD HeK", "Kr2 Kr3 Kr4"}) {
                Select(game, meld);
                game.PlayerLayOut(-1);
            }
            for (int i = 0; i < game.OpponentCards.Count(); ++i) {
                Held += HandCardPoints(game.OpponentCards.At(i), DefaultJokerPoints);
            }
        }
        Select(game, Game == 1 ? "He2" : "Bl5");
        game.PlayerDiscard();
        return TTurnEnd::Played;
    }
    void EndGame(TGameResult, const std::vector<int32_t>& points) override { Points.push_back(points); }
    const std::string& BrokenRule() const override { return Broken; }
    std::string Broken;

    static void Select(TGame& game, const std::string& cards) {
        game.ClearHandSelection();
        for (const TCard& card : ParseCards(cards)) {
            game.ToggleHandCard(HandIndex(game, CardName(card)));
        }
    }

    int Game = 0;
    int32_t Held = 0;
    std::vector<std::vector<int32_t>> Points;
};

TEST(MatchTest, AHandRommeDoublesTheOtherSidesPoints) {
    THandRomme outside;
    const TMatchResult result = PlayMatch(TStrategy::Extern, TStrategy::Classic, 1, 3, 500, &outside);
    EXPECT_EQ(result.Failure, "");
    ASSERT_EQ(outside.Points.size(), 2u);
    EXPECT_EQ(outside.Points[0], (std::vector<int32_t>{28, 0}));  // Kreuz 9 and 5, doubled
    EXPECT_EQ(outside.Points[1], (std::vector<int32_t>{0, 2 * outside.Held}));
    EXPECT_EQ(result.FirstPoints, 28);
}

// Named first or second, the outside player is told the truth about who moves
// first, and the side named first moves first in the first game of each deal.
TEST(MatchTest, TheOutsidePlayerIsToldWhetherItMovesFirstInEitherPlace) {
    const std::pair<TStrategy, TStrategy> pairings[] = {{TStrategy::Strong, TStrategy::Extern},
                                                        {TStrategy::Scripted, TStrategy::Extern},
                                                        {TStrategy::Extern, TStrategy::Classic}};
    for (const auto& [first, second] : pairings) {
        SCOPED_TRACE(MatchLine(first, second, {}));
        TStandIn outside;
        ASSERT_EQ(PlayMatch(first, second, 2, 9, 500, &outside).Failure, "");
        ASSERT_EQ(outside.Starts.size(), 4u);
        ASSERT_EQ(outside.OtherMovedBefore.size(), 4u);
        for (size_t g = 0; g < 4; ++g) {
            EXPECT_EQ(outside.Starts[g].MovesFirst, !outside.OtherMovedBefore[g]) << "game " << g + 1;
            EXPECT_EQ(outside.Starts[g].MovesFirst, (g % 2 == 0) == (first == TStrategy::Extern));
        }
    }
}

TEST(MatchTest, AForfeitLosesTheGameAndTheMatchGoesOn) {
    TStandIn outside;
    outside.RefuseGame = 2;
    outside.ForfeitGame = 3;
    const TMatchResult result = PlayMatch(TStrategy::Extern, TStrategy::Classic, 2, 5, 500, &outside);
    EXPECT_EQ(result.Failure, "");
    EXPECT_EQ(result.Games, 4);
    EXPECT_EQ(result.Forfeits, 2);
    ASSERT_EQ(outside.Results.size(), 4u);
    EXPECT_EQ(outside.Results[1], TGameResult::Forfeit);
    EXPECT_EQ(outside.Results[2], TGameResult::Forfeit);
    // The forfeiting side pays for its hand, the other side nothing.
    EXPECT_GT(outside.Points[1][0], 0);
    EXPECT_EQ(outside.Points[1][1], 0);
    int won = 0;
    for (TGameResult r : outside.Results) {
        won += r == TGameResult::Won ? 1 : 0;
    }
    EXPECT_EQ(result.FirstWins, won);
    EXPECT_EQ(result.SecondWins + result.Unfinished, 4 - won);
    // Every deal twice, the outside player moving first in the first game of each.
    ASSERT_EQ(outside.Starts.size(), 4u);
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(outside.Starts[g].Game, g + 1);
        EXPECT_EQ(outside.Starts[g].Deal, g / 2 + 1);
        EXPECT_EQ(outside.Starts[g].MovesFirst, g % 2 == 0);
        EXPECT_EQ(outside.Starts[g].Opponent, TStrategy::Classic);
    }
    EXPECT_GT(outside.ComputerTurnsSeen, 0);  // the classic computer played the other side
}

// Nothing to draw ends the game unfinished after its round; a broken rule
// ends the match, told by seed, deal, game and round.
TEST(MatchTest, NothingToDrawEndsTheGameAndABrokenRuleTheMatch) {
    TStandIn empty;
    empty.Always = TTurnEnd::NothingToDraw;
    const TMatchResult unfinished = PlayMatch(TStrategy::Extern, TStrategy::Classic, 1, 5, 500, &empty);
    EXPECT_EQ(unfinished.Failure, "");
    EXPECT_EQ(unfinished.Unfinished, 2);
    EXPECT_EQ(unfinished.Rounds, 2);
    EXPECT_EQ(empty.Results, std::vector<TGameResult>(2, TGameResult::Unfinished));
    // Nobody went out: both hands count.
    EXPECT_GT(empty.Points[0][0], 0);
    EXPECT_GT(empty.Points[0][1], 0);

    TStandIn broken;
    broken.Always = TTurnEnd::Played;
    broken.BreakDeck = true;
    const TMatchResult stopped = PlayMatch(TStrategy::Extern, TStrategy::Classic, 2, 5, 500, &broken);
    EXPECT_EQ(stopped.Failure, "seed 5, deal 1, game 1, round 1: the deck lost a card");
    EXPECT_EQ(stopped.Games, 1);
}

// The scripted player plays the computer's seat opposite the outside one:
// every game runs to its end with the deck whole, and the outside player is
// told the scripted player's turns as any other's.
TEST(MatchTest, TheScriptedPlayerSharesThePlayersChairWithTheOutsideOne) {
    TStandIn outside;
    const TMatchResult result = PlayMatch(TStrategy::Scripted, TStrategy::Extern, 6, 11, 500, &outside);
    EXPECT_EQ(result.Failure, "");
    EXPECT_EQ(result.Games, 12);
    EXPECT_EQ(result.Forfeits, 0);
    EXPECT_EQ(result.FirstWins + result.SecondWins + result.Unfinished, 12);
    EXPECT_GT(result.FirstWins, 0);
    EXPECT_GT(result.SecondWins, 0);
    int won = 0;
    for (TGameResult r : outside.Results) {
        won += r == TGameResult::Won ? 1 : 0;
    }
    EXPECT_EQ(result.SecondWins, won);
    // The outside player hears its own points first; the match adds up what it was told.
    long own = 0;
    for (size_t g = 0; g < outside.Points.size(); ++g) {
        own += outside.Points[g][0];
        EXPECT_EQ(outside.Points[g][0] == 0, outside.Results[g] == TGameResult::Won) << "game " << g + 1;
    }
    EXPECT_EQ(result.SecondPoints, own);
    EXPECT_EQ(outside.Starts[0].Opponent, TStrategy::Scripted);
    EXPECT_GT(outside.ComputerTurnsSeen, 0);
    // A round is a turn of each: far fewer than one a game means one side never moved.
    EXPECT_GT(result.Rounds, 12 * 5);
}

}  // namespace
