// A whole turn through the table controller, without a window: what the
// player is told and asked, and when the computer moves and the game ends.
#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "tests/support/TestCards.h"
#include "ui/table/GameWords.h"
#include "ui/table/TableController.h"

namespace {

class TRecordingView final : public TTableView {
  public:
    void TableChanged() override { ++Changes; }
    void ShowStatus(const QString& text) override { Status = text; }
    void ShowRefusal(const QString& text, const QString& caption) override {
        Said.push_back(caption + ": " + text);
    }
    bool TakeJokerExchange(const TJokerOffer&, const QString& question, const QString& caption) override {
        Said.push_back(caption + ": " + question);
        return TakeExchanges;
    }
    void ComputerTurnBegins() override { ++ComputerTurns; }
    void GameWon(int32_t seat) override { Winners.push_back(seat); }

    int Changes = 0;
    QString Status;
    std::vector<QString> Said;
    bool TakeExchanges = false;
    int ComputerTurns = 0;
    std::vector<int32_t> Winners;
};

class TableControllerTest : public ::testing::Test {
  protected:
    void SetUp() override { Table.Deal(); }
    TGame& Game() { return Table.Game; }
    void Select(std::initializer_list<const char*> cards) {
        Table.ClearSelection();
        for (const char* card : cards) {
            Table.Toggle(HandIndex(Game(), card));
        }
    }

    TRecordingView View;
    TTableController Table{View, 5};
};

TEST_F(TableControllerTest, RefusalsAreToldInTheGamesWordsAndChangeNothing) {
    ASSERT_EQ(View.Status, "Ziehen Sie eine Karte!");
    ASSERT_TRUE(Table.Draw(true));
    EXPECT_EQ(View.Status, "Sie dürfen nun auslegen und dann eine Karte wegwerfen!");
    SetHand(Game(), "Ka9 Ka8 Ka7 He2 KrK");
    const struct {
        std::initializer_list<const char*> Cards;
        bool Discard;
        const char* Told;
    } cases[] = {
        {{"Ka9", "He2"},
         false,
         "Karten passen nicht: Die Karten passen leider nicht zusammen oder es sind zu wenige Karten."},
        {{"Ka9", "Ka8", "Ka7"},
         false,
         "Zu wenige Punkte: Sie können beim Ersten Mal erst ab 30 Punkte auslegen!"},
        {{"Ka9", "He2"}, true, "Wegwerfen: zu viele Karten: Sie können nur einen Karte wegwerfen!"},
    };
    for (const auto& c : cases) {
        View.Said.clear();
        Select(c.Cards);
        const std::string hand = ShowHand(Game().OwnCards);
        c.Discard ? Table.Discard() : Table.LayOut(-1);
        ASSERT_EQ(View.Said.size(), 1u);
        EXPECT_EQ(View.Said[0], c.Told);
        EXPECT_EQ(ShowHand(Game().OwnCards), hand);
        EXPECT_TRUE(Game().TableMelds.Empty());
        EXPECT_EQ(View.ComputerTurns, 0);
    }
}

TEST_F(TableControllerTest, TheDiscardHandsTheTurnToTheComputerAndAWinWaitsForTheNextDeal) {
    ASSERT_TRUE(Table.Draw(true));
    Select({});
    Table.Toggle(0);
    const int changes = View.Changes;
    Table.Discard();
    EXPECT_EQ(View.ComputerTurns, 1);
    EXPECT_FALSE(Game().OpponentTurn.Steps.empty());
    EXPECT_EQ(View.Changes, changes + 1);  // one painting for the discard and the computer's turn
    EXPECT_EQ(View.Status, "Ziehen Sie eine Karte!");

    // The player's last card: the game is won and stays as it ended.
    ASSERT_TRUE(Table.Draw(true));
    SetHand(Game(), "Kr7");
    Select({"Kr7"});
    Table.Discard();
    EXPECT_EQ(View.Winners, std::vector<int32_t>{PlayerSeat});
    EXPECT_EQ(View.ComputerTurns, 1);
    EXPECT_TRUE(Game().OwnCards.Empty());
    EXPECT_FALSE(Table.Draw(true));
    Table.Deal();
    EXPECT_EQ(Game().OwnCards.Count(), 12);
    EXPECT_TRUE(Table.Draw(true));
}

// At a table of three or four every computer plays in turn after the
// player's discard; the playing-out and the status sentence cover them all.
TEST_F(TableControllerTest, AtALargerTableTheComputersPlayInOrderAndAreToldByNumber) {
    Table.SetRecordTurns(true);
    for (const int32_t seats : {3, 4}) {
        Game().NextDeal.Seats = seats;
        Game().ChosenOpponents[seats - 1] = TOpponentKind::Strong;
        Table.Deal();
        ASSERT_EQ(Game().SeatCount, seats);
        const int turnsBefore = View.ComputerTurns;
        ASSERT_TRUE(Table.Draw(true));
        Select({});
        Table.Toggle(0);
        Table.Discard();
        EXPECT_EQ(View.ComputerTurns, turnsBefore + 1) << "one playing-out for the whole round";
        std::vector<int32_t> played;
        for (const TSeatTurn& turn : Table.RoundTurns()) {
            played.push_back(turn.Seat);
            EXPECT_EQ(turn.Turn.Steps.back().Kind, TStepKind::Discard);
        }
        std::vector<int32_t> everyComputer;
        for (int32_t seat = 1; seat < seats; ++seat) {
            everyComputer.push_back(seat);
        }
        EXPECT_EQ(played, everyComputer);
        // Every seat's table as its turn begins and after each of its steps.
        // and the marks show every seat's steps.
        int tables = 0;
        for (const TSeatTurn& turn : Table.RoundTurns()) {
            tables += static_cast<int>(turn.Turn.Steps.size()) + 1;
        }
        EXPECT_EQ(Table.Playback().Count(), tables) << seats;
        EXPECT_EQ(static_cast<int>(Table.RoundRecord().Steps.size()), tables - (seats - 1));
        const std::string sentence = RoundSentence(Table.RoundTurns(), seats);
        EXPECT_EQ(sentence.rfind("Computer 1: ", 0), 0u) << sentence;
        EXPECT_NE(sentence.find(" Computer " + std::to_string(seats - 1) + ": "), std::string::npos)
            << sentence;
        EXPECT_EQ(View.Status, "Ziehen Sie eine Karte!");
    }
    // At a table of two the sentence is today's.
    Game().NextDeal.Seats = 2;
    Table.Deal();
    ASSERT_TRUE(Table.Draw(true));
    Select({});
    Table.Toggle(0);
    Table.Discard();
    ASSERT_EQ(Table.RoundTurns().size(), 1u);
    EXPECT_EQ(RoundSentence(Table.RoundTurns(), 2), TurnSentence(Game().OpponentTurn));
}

TEST_F(TableControllerTest, EachJokerExchangeOnOfferIsAskedAfterTheDraw) {
    SetHand(Game(), "He6 Kr2");
    TCardArray& run = PutMeld(Game(), "He7 *He6 He5", TFrom::Deck);
    Game().PlayerCameOut = 1;
    for (const bool take : {false, true}) {
        View.Said.clear();
        View.TakeExchanges = take;
        Game().SetStatus(MayLayOut);
        Table.OfferJokerExchanges();
        ASSERT_EQ(View.Said.size(), 1u);
        EXPECT_EQ(View.Said[0],
                  "Karte gegen Joker tauschen?: Möchten Sie Ihre Karte Herz 6 gegen den Joker eintauschen?");
        EXPECT_EQ(IsJoker(run.At(1)), !take);
    }
}

}  // namespace
