// A table of three or four: the deal round the table, what each seat
// remembers, whole games played by the computers in every seat, and the
// strong opponent's care for the seat after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "game/Scoring.h"
#include "game/record/Snapshot.h"
#include "game/strong/StrongOpponent.h"
#include "tests/support/EventLog.h"

namespace {

TEST(TableSeatsTest, TheDealGoesRoundTheTableFromTheFirstSeat) {
    struct TCase {
        int32_t Seats, Cards, First;
        int32_t SeatCount, DealtFirst;  // as the game takes them
    } cases[] = {
        {2, 12, 0, 2, 0}, {2, 12, 1, 2, 1}, {3, 10, 0, 3, 0}, {3, 16, 2, 3, 2}, {4, 16, 0, 4, 0},
        {4, 16, 3, 4, 3}, {4, 12, 1, 4, 1}, {1, 12, 0, 2, 0}, {5, 12, 1, 4, 1}, {3, 12, 3, 3, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Seats) + " seats, " + std::to_string(c.Cards) + " cards, first " +
                     std::to_string(c.First));
        TGame game(nullptr, 41);
        game.NextDeal.Seats = c.Seats;
        game.NextDeal.Cards = c.Cards;
        game.NextDeal.FirstSeat = c.First;
        game.NeuesSpiel();
        // The same seed shuffles the same deck alike.
        TGame reference(nullptr, 41);
        for (int32_t id = 0; id < DeckSize; ++id) {
            *reference.Stock.Append() = CardWithId(id);
        }
        reference.Mischeln();

        ASSERT_EQ(game.SeatCount, c.SeatCount);
        EXPECT_EQ(CheckCards(game), "");
        EXPECT_EQ(game.Stock.Count(), DeckSize - c.SeatCount * c.Cards);
        for (int32_t seat = 0; seat < MostSeats; ++seat) {
            const TCardArray& hand = game.Seats[seat].Hand;
            if (seat >= c.SeatCount) {
                EXPECT_TRUE(hand.Empty()) << "seat " << seat;
                continue;
            }
            ASSERT_EQ(hand.Count(), c.Cards) << "seat " << seat;
            // Its i-th card is the i-th round's card for its place after the first seat.
            const int32_t place = (seat - c.DealtFirst + c.SeatCount) % c.SeatCount;
            for (int i = 0; i < c.Cards; ++i) {
                const int32_t id = reference.Stock.At(i * c.SeatCount + place).Id;
                if (seat == PlayerSeat) {  // sorted
                    const auto ids = hand.View();
                    EXPECT_TRUE(
                        std::any_of(ids.begin(), ids.end(), [id](const TCard& k) { return k.Id == id; }));
                } else {
                    EXPECT_EQ(hand.At(i).Id, id) << "seat " << seat << ", card " << i;
                }
            }
        }
    }
}

// Steps noted by seat, each followed by what the memory holds of one card.
TEST(TableSeatsTest, EverySeatRemembersWhatItTookAndThrew) {
    enum TNote { Threw, Took, Showed };
    struct TStep {
        int32_t Seat;
        TNote Note;
        const char* Card;
        // Of that card afterwards: in the pile, and known in / thrown by seats 0..3.
        int32_t InPile;
        std::vector<int32_t> Known, Thrown;
    } steps[] = {
        {2, Threw, "He7", 1, {0, 0, 0, 0}, {0, 0, 1, 0}},
        {3, Took, "He7", 0, {0, 0, 0, 1}, {0, 0, 1, 0}},
        {1, Threw, "He7", 1, {0, 0, 0, 1}, {0, 1, 1, 0}},
        {0, Took, "He7", 0, {1, 0, 0, 1}, {0, 1, 1, 0}},
        {3, Showed, "He7", 0, {1, 0, 0, 0}, {0, 1, 1, 0}},
        // A joker by its own rank, whatever it stood for.
        {3, Threw, "*Ka5", 1, {0, 0, 0, 0}, {0, 0, 0, 1}},
        {2, Took, "*", 0, {0, 0, 1, 0}, {0, 0, 0, 1}},
        // No such seat: the pile counts the card, no seat does.
        {4, Threw, "BlK", 1, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {-1, Took, "BlK", 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    TSeenCards seen;
    for (const TStep& step : steps) {
        const TCard card = ParseCard(step.Card);
        SCOPED_TRACE(std::to_string(step.Seat) + " " + step.Card);
        switch (step.Note) {
            case Threw:
                seen.Discarded(step.Seat, card);
                break;
            case Took:
                seen.TakenFromPile(step.Seat, card);
                break;
            case Showed:
                seen.Shown(step.Seat, card);
                break;
        }
        const int32_t rank = IsJoker(card) ? JokerRank : card.Rank;
        EXPECT_EQ(seen.InPile(card.Suit, rank), step.InPile);
        std::vector<int32_t> known, thrown;
        for (int32_t seat = 0; seat < MostSeats; ++seat) {
            known.push_back(seen.KnownIn(seat, card.Suit, rank));
            thrown.push_back(seen.DiscardedBy(seat, card.Suit, rank));
        }
        EXPECT_EQ(known, step.Known);
        EXPECT_EQ(thrown, step.Thrown);
        EXPECT_EQ(seen.KnownIn(MostSeats, card.Suit, rank) + seen.DiscardedBy(-1, card.Suit, rank), 0);
    }
}

// A four-seat game whose hands are then set from the deck, so that every
// card stays in the game.
class FourSeatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NextDeal.Seats = 4;
        game.NeuesSpiel();
        for (TSeat& seat : game.Seats) {
            while (!seat.Hand.Empty()) {
                MoveCard(seat.Hand, 0, game.Stock);
            }
        }
    }
    void Hand(int32_t seat, const std::string& cards) {
        PutCards(game, game.Seats[seat].Hand, cards, TFrom::Deck);
    }
    // The seat took these from the pile and still holds them.
    void Took(int32_t seat, const std::string& cards) {
        Hand(seat, cards);
        for (const TCard& card : ParseCards(cards)) {
            game.Seen.TakenFromPile(seat, card);
        }
    }
    std::string Discard(int32_t seat) {
        const TStrongMove move = NextMove(ViewOf(game, seat), false);
        return move.Kind == TMoveKind::Discard ? CardName(game.Seats[seat].Hand.At(move.Cards.front())) : "";
    }

    TEventLog screen;
    TGame game{&screen, 17};
};

// The view sums what every other seat holds; only the next seat's takings
// and throws are its own.
TEST_F(FourSeatTest, TheViewKnowsEachOtherSeatAndTheNextApart) {
    Took(2, "He7");
    Took(3, "Kr9");
    game.Seen.Discarded(2, ParseCard("BlK"));
    struct TCase {
        int32_t Seat;
        int32_t OtherHe7, OtherKr9, NextHe7, NextKr9, NextThrewBlK;
    } cases[] = {
        {1, 1, 1, 1, 0, 1},
        {2, 0, 1, 0, 1, 0},
        {3, 1, 0, 0, 0, 0},
        {0, 1, 1, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Seat);
        const TSeatView view = ViewOf(game, c.Seat);
        EXPECT_EQ(view.OtherHolds[KindOf(Herz, 7)], c.OtherHe7);
        EXPECT_EQ(view.OtherHolds[KindOf(Kreuz, 9)], c.OtherKr9);
        EXPECT_EQ(view.NextHolds[KindOf(Herz, 7)], c.NextHe7);
        EXPECT_EQ(view.NextHolds[KindOf(Kreuz, 9)], c.NextKr9);
        EXPECT_EQ(view.NextThrew[KindOf(Blatt, Koenig)], c.NextThrewBlK);
    }
}

// A seat's moves change its own hand and flags and are remembered as its own;
// its last card thrown away wins for it.
TEST_F(FourSeatTest, SeatMovesBelongToTheSeatThatMadeThem) {
    for (const int32_t seat : {2, 3}) {
        SCOPED_TRACE(seat);
        SetUp();
        Hand(seat, "HeD HeK Kr9");
        PutCards(game, game.DiscardPile, "HeA", TFrom::Deck);
        game.Seen.Discarded(game.NextSeat(seat), ParseCard("HeA"));
        game.BeginComputerTurn(seat);
        ASSERT_TRUE(game.DrawFor(seat, true));
        EXPECT_EQ(game.Seen.KnownIn(seat, Herz, Ass), 1);
        ASSERT_EQ(game.LayFor(seat, {0, 1, 3}, -1), TRefusal::None);
        EXPECT_EQ(game.Seen.KnownIn(seat, Herz, Ass), 0);
        for (int32_t other = 0; other < MostSeats; ++other) {
            EXPECT_EQ(game.Seats[other].CameOut, other == seat ? 1 : 0) << other;
        }
        game.DiscardFor(seat, 0);
        EXPECT_EQ(game.Seen.DiscardedBy(seat, Kreuz, 9), 1);
        EXPECT_EQ(game.Winner, seat);
        EXPECT_EQ(screen.Winners().back(), seat);
        EXPECT_EQ(CheckCards(game), "");
    }
}

// The card the strong seat would throw away feeds the seat after it, which
// took its neighbours: another goes instead. The same neighbours in a hand
// further on change nothing, for no other seat can take the discard.
TEST_F(FourSeatTest, TheStrongSeatDoesNotFeedTheSeatAfterIt) {
    Hand(1, "He4 He5 He6 KaD KrB Bl3 Ka8 *");
    const std::string alone = Discard(1);
    ASSERT_EQ(alone, "Bl3");
    struct TCase {
        int32_t Holder;
        bool Fed;
    } cases[] = {{2, true}, {3, false}, {0, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Holder);
        Took(c.Holder, "Bl4 Bl5");
        EXPECT_EQ(Discard(1) != alone, c.Fed) << Discard(1);
        for (const TCard& card : ParseCards("Bl4 Bl5")) {
            game.Seen.Shown(c.Holder, card);
        }
        TCardArray& held = game.Seats[c.Holder].Hand;
        while (!held.Empty()) {
            MoveCard(held, 0, game.Stock);
        }
    }
}

// Whole games at tables of three and four, every seat a computer: after every
// turn each card is in one place and no hand holds more than it was dealt,
// the turns go round in order from the first seat, and the game ends with the
// seat that threw its last card away.
class TRoundWatch : public TGameListener {
  public:
    void Happened(const TGame& game, const TGameEvent& event) override {
        if (event.Kind != TEventKind::TurnBegins && event.Kind != TEventKind::GameWon) {
            return;
        }
        std::string broken = CheckCards(game);
        for (int32_t seat = 0; seat < game.SeatCount; ++seat) {
            if (game.Seats[seat].Hand.Count() > game.CardsDealt) {
                broken += "seat " + std::to_string(seat) + " holds too many; ";
            }
        }
        if (event.Kind == TEventKind::TurnBegins) {
            if (Last >= 0 && event.Seat != game.NextSeat(Last)) {
                broken += "seat " + std::to_string(event.Seat) + " after " + std::to_string(Last) + "; ";
            }
            Last = event.Seat;
        } else if (event.Seat != Last || !game.Seats[event.Seat].Hand.Empty()) {
            broken += "won by seat " + std::to_string(event.Seat) + " in seat " + std::to_string(Last) +
                      "'s turn; ";
        }
        Problems += broken;
        ++Turns;
    }

    int32_t Last = -1;
    int Turns = 0;
    std::string Problems;
};

struct TTable {
    std::vector<TOpponentKind> Kinds;  // by seat, the player's first
    int32_t Cards;
};

// One game; the winning seat, -1 when nobody went out within the rounds.
int32_t PlayToTheEnd(const TTable& table, uint64_t seed, int32_t first, TRoundWatch& watch) {
    TGame game(&watch, seed);
    game.NextDeal.Seats = static_cast<int32_t>(table.Kinds.size());
    game.NextDeal.Cards = table.Cards;
    game.NextDeal.FirstSeat = first;
    std::copy(table.Kinds.begin(), table.Kinds.end(), game.ChosenOpponents);
    game.NeuesSpiel();
    EXPECT_EQ(CheckCards(game), "");
    // The seats from the first up to the player's, then round after round:
    // the player's seat, and the computers' as the table plays them.
    for (int32_t seat = first; seat != PlayerSeat && !game.Over(); seat = game.NextSeat(seat)) {
        PlayComputerSeat(game, seat);
    }
    for (int round = 0; round < 200 && !game.Over(); ++round) {
        PlayComputerSeat(game, PlayerSeat);
        ZugDesGegners(game);
    }
    if (game.Over()) {
        const std::vector<int32_t> points = MinusPoints(FinishedGameAtTable(game, game.Winner, true), 20);
        EXPECT_EQ(points.size(), table.Kinds.size());
        EXPECT_EQ(points[static_cast<size_t>(game.Winner)], 0);
    }
    return game.Winner;
}

TEST(TableSeatsGames, ComputersPlayEveryTableToTheEnd) {
    constexpr TOpponentKind C = TOpponentKind::Classic;
    constexpr TOpponentKind S = TOpponentKind::Strong;
    const TTable tables[] = {
        {{C, C, C}, 12},    {{S, S, S}, 12},    {{C, S, C, S}, 12},
        {{S, S, S, S}, 16}, {{C, C, C, C}, 16}, {{S, C, S}, 16},
    };
    for (const TTable& table : tables) {
        const int32_t seats = static_cast<int32_t>(table.Kinds.size());
        constexpr uint64_t Seeds = 25;
        int finished = 0;
        for (uint64_t seed = 1; seed <= Seeds; ++seed) {
            SCOPED_TRACE("seats " + std::to_string(seats) + ", cards " + std::to_string(table.Cards) +
                         ", seed " + std::to_string(seed));
            TRoundWatch watch;
            const int32_t first = static_cast<int32_t>(seed % static_cast<uint64_t>(seats));
            const int32_t winner = PlayToTheEnd(table, seed, first, watch);
            EXPECT_EQ(watch.Problems, "");
            finished += winner >= 0 ? 1 : 0;
        }
        // The classic computers may circle on without an end.
        EXPECT_GE(finished, static_cast<int>(Seeds) - 2) << seats << " seats";
    }
}

// The strong seat among two classic ones wins well over its fair third,
// taking each chair in turn.
TEST(TableSeatsGames, TheStrongSeatWinsMoreThanItsShareAtATableOfThree) {
    int strongWins = 0;
    int games = 0;
    for (uint64_t seed = 100; seed < 120; ++seed) {
        for (int32_t chair = 0; chair < 3; ++chair) {
            TTable table{{TOpponentKind::Classic, TOpponentKind::Classic, TOpponentKind::Classic}, 12};
            table.Kinds[static_cast<size_t>(chair)] = TOpponentKind::Strong;
            TRoundWatch watch;
            strongWins += PlayToTheEnd(table, seed, 0, watch) == chair ? 1 : 0;
            ++games;
        }
    }
    EXPECT_GT(strongWins * 2, games) << strongWins << " of " << games;
}

// What checks a game's cards sees every seat at the table and none beyond.
TEST_F(FourSeatTest, TheCardCheckCountsEverySeatAtTheTable) {
    Hand(3, "He7 Kr9");
    EXPECT_EQ(CheckCards(game), "");
    game.SeatCount = 3;
    EXPECT_NE(CheckCards(game).find("cards in seat 3, which is not at the table"), std::string::npos);
    // Nor does a seat away from the table play.
    for (const int32_t seat : {3, -1}) {
        PlayComputerSeat(game, seat);
    }
    EXPECT_EQ(screen.Count(TEventKind::TurnBegins), 0);
    EXPECT_EQ(game.Seats[3].Hand.Count(), 2);
    MoveCard(game.Seats[3].Hand, 0, game.Seats[2].Hand);
    MoveCard(game.Seats[3].Hand, 0, game.Seats[2].Hand);
    EXPECT_EQ(CheckCards(game), "");
    MoveCard(game.Seats[2].Hand, 0, game.Seats[3].Hand);
    EXPECT_NE(CheckCards(game).find("card count 109"), std::string::npos);
    for (const int32_t seats : {1, 5}) {
        game.SeatCount = seats;
        EXPECT_EQ(CheckCards(game), "a table of " + std::to_string(seats) + " seats; ");
    }
}

}  // namespace
