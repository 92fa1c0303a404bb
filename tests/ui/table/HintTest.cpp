// The player's hint: what it advises, and that asking changes nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/ComputerTurn.h"
#include "game/strong/Hint.h"
#include "tests/game/OpponentTestKit.h"
#include "ui/table/GameWords.h"

namespace {

using namespace opponent_kit;

// Every field of the game that anything could change, written out.
std::string Snapshot(const TGame& game) {
    std::ostringstream out;
    auto cards = [&](const char* name, const TCardArray& array) {
        out << name << ' ' << array.Count() << ' ' << array.Position() << ':';
        for (int i = 0; i < array.Count(); ++i) {
            const TCard& c = array.At(i);
            out << ' ' << c.Suit << '/' << c.Rank << '/' << c.Id << '/' << int{c.FromTable} << '/'
                << int{c.FixedOnTable} << '/' << int{c.TakeBack} << '/' << int{c.Selected} << '/'
                << c.MeldOrder << '/' << c.AsRank << '/' << c.AsSuit;
        }
        out << '\n';
    };
    cards("own", game.OwnCards);
    cards("computer", game.OpponentCards);
    cards("stock", game.Stock);
    cards("discards", game.DiscardPile);
    out << "melds " << game.TableMelds.Count() << ' ' << game.TableMelds.Position() << '\n';
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        cards("meld", *game.TableMelds.At(m).Cards);
    }
    out << "state " << game.GameState << ' ' << int{game.ComeOutAtTurnStart} << ' ' << int{game.PlayerCameOut}
        << ' ' << int{game.OpponentCameOut} << ' ' << game.MarkCount << ' ' << static_cast<int>(game.Opponent)
        << ' ' << static_cast<int>(game.ChosenOpponent) << ' ' << game.PlayerDraws << ' '
        << TurnSentence(game.OpponentTurn) << '\n';
    for (int32_t suit = Joker; suit <= Kreuz; ++suit) {
        for (int32_t rank = 1; rank <= Ass; ++rank) {
            for (const int32_t side : {PlayerSeat, ComputerSeat}) {
                out << game.Seen.InPile(suit, rank) << game.Seen.KnownIn(side, suit, rank)
                    << game.Seen.DiscardedBy(side, suit, rank);
            }
        }
    }
    TRandom rng = game.Rng;
    out << "\nrandom " << rng.Next64() << '\n';
    return out.str();
}

class HintTest : public OpponentTest {
  protected:
    void SetUp() override {
        OpponentTest::SetUp();
        game.NeuesSpiel();
        while (!game.OpponentCards.Empty()) {
            MoveCard(game.OpponentCards, 0, game.Stock);
        }
        PutCards(game, game.OpponentCards, "Ka3 Ka4 Kr8 Bl2 He9", TFrom::Deck);
    }
    void Top(const std::string& card) { PutCards(game, game.DiscardPile, card, TFrom::Deck); }
    // The player has drawn: the hand is as given and the turn goes on.
    void Drawn(const std::string& hand) {
        SetHand(game, hand);
        game.SetStatus(MayLayOut);
    }
};

TEST_F(HintTest, BeforeTheDrawNamesThePile) {
    SetHand(game, "He5 He6 Kr2 Ka9 Bl4 BlK");
    Top("He7");
    THint hint = HintFor(game);
    EXPECT_EQ(hint.Kind, THintKind::DrawFromDiscardPile);
    EXPECT_EQ(HintSentence(hint), "Tipp: Nehmen Sie Herz 7 vom Ablagestapel.");
    MoveCard(game.DiscardPile, game.DiscardPile.Count() - 1, game.Stock);
    Top("Bl8");
    hint = HintFor(game);
    EXPECT_EQ(hint.Kind, THintKind::DrawFromStock);
    EXPECT_EQ(HintSentence(hint), "Tipp: Ziehen Sie eine Karte vom Stapel.");
}

TEST_F(HintTest, AfterTheDrawNamesTheMeldTheLayOffOrTheDiscard) {
    Top("Kr3");
    Drawn("KrD KrK KrA He2 He9 Ka5 Bl7");
    THint hint = HintFor(game);
    ASSERT_EQ(hint.Kind, THintKind::LayOut);
    // The hand lies sorted, the ace first.
    EXPECT_EQ(hint.HandCards,
              (std::vector<int>{HandIndex(game, "KrA"), HandIndex(game, "KrK"), HandIndex(game, "KrD")}));
    EXPECT_EQ(HintSentence(hint), "Tipp: Legen Sie Kreuz Dame, König, Ass aus.");

    game.PlayerCameOut = 1;
    PutMeld(game, "He8 He7 He6", TFrom::Deck);
    Drawn("He9 Kr2 Ka5 BlK Ka10 Bl3");
    hint = HintFor(game);
    ASSERT_EQ(hint.Kind, THintKind::LayOff);
    EXPECT_EQ(hint.HandCards, std::vector<int>{HandIndex(game, "He9")});
    EXPECT_EQ(hint.Meld, 0);
    EXPECT_EQ(hint.End, TMeldEnd::Top);
    EXPECT_EQ(HintSentence(hint), "Tipp: Legen Sie Herz 9 an die markierte Kombination an.");

    Drawn("Bl5 Bl6 Ka9 Kr9 BlK Ka2 Ka3 *");
    hint = HintFor(game);
    ASSERT_EQ(hint.Kind, THintKind::Discard);
    EXPECT_EQ(hint.HandCards, std::vector<int>{HandIndex(game, "BlK")});
    EXPECT_EQ(HintSentence(hint),
              "Tipp: Behalten Sie Ihre Kombinationen noch auf der Hand und werfen Sie Blatt König ab.");

    Drawn("Ka9");
    EXPECT_EQ(HintSentence(HintFor(game)), "Tipp: Werfen Sie Karo 9 ab – damit haben Sie gewonnen.");
    Drawn("");
    EXPECT_EQ(HintFor(game).Kind, THintKind::TakeBack);
}

// Over whole games in which the player follows the hint: asking leaves every
// field as it was, and what it advises the game accepts.
TEST(HintGames, AskingChangesNothing) {
    TEventLog screen;
    TGame game(&screen, 41);
    game.ChosenOpponent = TOpponentKind::Strong;
    int asked = 0;
    auto ask = [&]() {
        const std::string before = Snapshot(game);
        const size_t told = screen.Events.size();
        const THint hint = HintFor(game);
        EXPECT_FALSE(HintSentence(hint).empty());
        EXPECT_EQ(Snapshot(game), before);
        EXPECT_EQ(screen.Events.size(), told);
        ++asked;
        return hint;
    };
    auto select = [&](const std::vector<int>& cards) {
        game.ClearHandSelection();
        for (int i : cards) {
            game.ToggleHandCard(i);
        }
    };
    for (int g = 0; g < 4; ++g) {
        game.NeuesSpiel();
        for (int turn = 0; turn < 60 && !game.Over(); ++turn) {
            const bool fromPile = ask().Kind == THintKind::DrawFromDiscardPile;
            ASSERT_TRUE(fromPile ? game.PlayerDrawFromDiscardPile() : game.PlayerDrawFromStock());
            AnswerExchanges(game, std::vector<bool>(8, true));
            for (int step = 0; step < 20 && game.GameState == MayLayOut; ++step) {
                const THint hint = ask();
                select(hint.HandCards);
                if (hint.Kind == THintKind::Discard) {
                    ASSERT_EQ(game.PlayerDiscard(), TRefusal::None) << HintSentence(hint);
                } else {
                    ASSERT_TRUE(hint.Kind == THintKind::LayOut || hint.Kind == THintKind::LayOff);
                    ASSERT_EQ(game.PlayerLayOut(hint.Kind == THintKind::LayOff ? hint.Meld : -1),
                              TRefusal::None)
                        << HintSentence(hint);
                }
            }
            ASSERT_EQ(game.GameState, MustDraw);
            ZugDesGegners(game);
        }
        EXPECT_TRUE(game.Over()) << "game " << g << " did not end";
    }
    EXPECT_GT(asked, 40);
}

}  // namespace
