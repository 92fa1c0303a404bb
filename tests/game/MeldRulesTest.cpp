#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/CardValue.h"
#include "game/Game.h"
#include "tests/support/EventLog.h"

namespace {

class MeldRulesTest : public ::testing::Test {
  protected:
    // The player's hand: the cards to drop, selected, and one unselected card
    // that must stay out of every meld.
    void Hand(const std::string& selected) {
        for (const TCard& card : ParseCards(selected)) {
            TCard* added = AddLooseCard(game.OwnCards, card.Suit, card.Rank);
            added->Selected = 1;
        }
        AddLooseCard(game.OwnCards, Kreuz, 9);
    }
    // What the caller puts into the candidate for a lay-off: the target meld's
    // cards in stored order, marked as lying on the table.
    void Target(const std::string& stored) {
        for (const TCard& card : ParseCards(stored)) {
            TCard* copy = candidate.Append();
            *copy = card;
            copy->FromTable = 1;
            copy->FixedOnTable = 1;
        }
    }
    // The caller's drop up to the first-meld check.
    bool Validate() {
        if (!game.passenzusammen(candidate)) {
            return false;
        }
        game.SortThisCards(candidate);
        points = PointsOf(candidate);
        return true;
    }

    TEventLog screen;
    TGame game{&screen};
    TCardArray candidate;
    int32_t points = -1;
};

struct TMeldCase {
    const char* Name;
    const char* Table;  // the target meld as stored, empty for a new meld
    const char* Hand;   // the selected hand cards, in hand order
    bool Valid;
    const char* Stored;  // after sorting
    int32_t Points;
};

const TMeldCase MeldCases[] = {
    // Too few cards, or nothing natural.
    {"two cards", "", "He5 He6", false, "", 0},
    {"three jokers", "", "* * *", false, "", 0},
    {"four jokers", "", "* * * *", false, "", 0},
    {"five jokers", "", "* * * * *", false, "", 0},
    // Sets.
    {"plain set", "", "Ka7 He7 Bl7", true, "Ka7 He7 Bl7", 21},
    {"set of four", "", "Ka7 He7 Bl7 Kr7", true, "Ka7 He7 Bl7 Kr7", 28},
    {"suit twice", "", "He7 He7 *", false, "", 0},
    {"one natural two jokers", "", "Ka7 * *", true, "*Kr7 *Bl7 Ka7", 21},
    {"one natural three jokers", "", "Ka2 * * *", true, "*Kr2 *Bl2 *He2 Ka2", 8},
    {"jokers take the highest missing suits", "", "He7 * Bl7", true, "*Kr7 He7 Bl7", 21},
    {"set of aces counts 11 each, also last", "", "HeA KaA *", true, "*KrA KaA HeA", 33},
    {"set of two suits twice", "", "He7 He7 Ka7 Ka7", false, "", 0},
    {"five of a rank judged as a run", "", "Ka7 He7 Bl7 Kr7 *", false, "", 0},
    // Runs.
    {"plain run", "", "He6 He4 He5", true, "He6 He5 He4", 15},
    {"Q K A", "", "HeD HeK HeA", true, "HeA HeK HeD", 31},
    {"A 2 3", "", "HeA He2 He3", true, "He3 He2 HeA", 6},
    {"K A 2", "", "HeK HeA He2", true, "He2 HeA HeK", 23},
    {"K A 2 3 wraps downwards", "", "HeK HeA He2 He3", true, "He3 He2 HeA HeK", 26},
    {"joker in the gap", "", "He5 He7 *", true, "He7 *He6 He5", 18},
    {"joker on top of an ace", "", "HeD HeK *", true, "*HeA HeK HeD", 31},
    {"joker between ace and 2", "", "HeA He3 *", true, "He3 *He2 HeA", 6},
    {"jokers in the gap and on top", "", "He9 * HeB *", true, "*HeD HeB *He10 He9", 39},
    {"2 Q with one joker", "", "He2 HeD *", false, "", 0},
    {"2 Q with two jokers", "", "He2 HeD * *", true, "He2 *HeA *HeK HeD", 33},
    // Only the top joker may go down: the other keeps its place right above the 2.
    {"2 K with two jokers", "", "He2 HeK * *", true, "*He3 He2 *HeA HeK", 26},
    {"duplicate rank", "", "He5 He5 He6", false, "", 0},
    {"duplicate ace", "", "HeA HeA HeK", false, "", 0},
    {"two suits", "", "He5 He6 Ka7", false, "", 0},
    {"two suits with a joker", "", "He5 * Ka7", false, "", 0},
    {"set with a stranger", "", "He7 Ka7 Bl8", false, "", 0},
    {"ace with four jokers is a run", "", "HeA * * * *", true, "*He5 *He4 *He3 *He2 HeA", 25},
    {"gap too wide", "", "He5 He9 * *", false, "", 0},
    {"whole suit", "", "He7 HeA He2 HeK He9 He3 HeB He5 He10 He4 HeD He6 He8", true,
     "HeA HeK HeD HeB He10 He9 He8 He7 He6 He5 He4 He3 He2", 95},
    // Round the corner the run would meet itself: no card twice.
    {"whole suit and one more", "", "He7 HeA He2 HeK He9 He3 HeB He5 He10 He4 HeD He6 He8 He2", false, "", 0},
    {"whole suit and a joker", "", "He7 HeA He2 HeK He9 He3 HeB He5 He10 He4 HeD He6 He8 *", false, "", 0},
    // Lay-offs: only the hand's cards count.
    {"run extended downwards", "He8 He7 He6", "He5", true, "He8 He7 He6 He5", 5},
    {"run extended upwards", "He8 He7 He6", "He9", true, "He9 He8 He7 He6", 9},
    {"joker laid off on a run", "He8 He7 He6", "*", true, "*He9 He8 He7 He6", 9},
    {"run extended round the corner", "HeA HeK HeD", "He2 He3", true, "He3 He2 HeA HeK HeD", 5},
    {"run of another suit", "He8 He7 He6", "Ka9", false, "", 0},
    {"card already in the run", "He8 He7 He6", "He7", false, "", 0},
    {"table joker in the middle stays", "He8 *He7 He6", "He9", true, "He9 He8 *He7 He6", 9},
    {"table joker blocks its own card", "He8 *He7 He6", "He7", false, "", 0},
    {"table joker on top stays on top", "*He9 He8 He7", "He6", true, "*He9 He8 He7 He6", 6},
    {"card above a table joker", "*He9 He8 He7", "He10", true, "He10 *He9 He8 He7", 10},
    {"table joker at the low end", "He3 He2 *HeA", "He4", true, "He4 He3 He2 *HeA", 4},
    {"set completed", "Bl7 He7 Ka7", "Kr7", true, "Bl7 He7 Ka7 Kr7", 7},
    {"set completed by a joker", "*Kr7 Bl7 He7", "*", true, "*Kr7 *Ka7 He7 Bl7", 7},
    {"natural card for the set's missing suit", "*Kr7 Bl7 He7", "Ka7", true, "*Kr7 Bl7 He7 Ka7", 7},
    // The table joker keeps standing for Kreuz even though Kreuz is now there.
    {"natural card of the table joker's suit", "*Kr7 Bl7 He7", "Kr7", true, "*Kr7 Bl7 He7 Kr7", 7},
    {"suit twice on a set", "Bl7 He7 Ka7", "He7", false, "", 0},
    {"fifth card on a set of four", "Kr7 Bl7 He7 Ka7", "*", false, "", 0},
    {"fifth natural on a set of four", "Kr7 Bl7 He7 Ka7", "Kr7", false, "", 0},
    {"other rank on a set", "Bl7 He7 Ka7", "He8", false, "", 0},
};

void PrintTo(const TMeldCase& c, std::ostream* out) {
    *out << c.Name;
}

class MeldCaseTest : public MeldRulesTest, public ::testing::WithParamInterface<TMeldCase> {};

TEST_P(MeldCaseTest, ValidityStoredOrderAndPoints) {
    const TMeldCase& c = GetParam();
    Target(c.Table);
    Hand(c.Hand);
    ASSERT_EQ(Validate(), c.Valid) << ShowCards(candidate);
    if (!c.Valid) {
        return;
    }
    EXPECT_EQ(ShowCards(candidate), c.Stored);
    EXPECT_EQ(points, c.Points);
    for (int i = 0; i < candidate.Count(); ++i) {
        if (IsJoker(candidate.At(i))) {
            EXPECT_EQ(candidate.At(i).Rank, JokerRank);  // a joker stays a joker
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Melds, MeldCaseTest, ::testing::ValuesIn(MeldCases),
                         [](const ::testing::TestParamInfo<TMeldCase>& info) {
                             std::string name;
                             for (const char* p = info.param.Name; *p != 0; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

struct TFirstMeldCase {
    const char* Name;
    const char* Table;
    const char* Hand;
    uint8_t CameOut;
    int32_t Minimum;
    bool Accepted;
    const char* Stored;  // after the check
    int32_t Points;      // of the candidate as the check leaves it
};

const TFirstMeldCase FirstMeldCases[] = {
    {"enough at once", "", "HeD HeK HeA", 0, 30, true, "HeA HeK HeD", 31},
    {"not enough, no jokers", "", "HeD HeK HeA", 0, 40, false, "HeA HeK HeD", 31},
    {"A 2 3 rejected", "", "HeA He2 He3", 0, 30, false, "He3 He2 HeA", 6},
    {"came out: anything goes", "", "HeA He2 He3", 1, 30, true, "He3 He2 HeA", 6},
    {"ace with four jokers", "", "HeA * * * *", 0, 30, true, "HeA *HeK *HeD *HeB *He10", 51},
    {"ace with four jokers under 40", "", "HeA * * * *", 0, 40, true, "HeA *HeK *HeD *HeB *He10", 51},
    {"set of 2s turns its jokers into A K Q", "", "Ka2 * * *", 0, 30, true, "Ka2 *KrA *BlK *HeD", 33},
    {"K A and a joker", "", "HeK HeA *", 0, 30, true, "HeA HeK *HeD", 31},
    {"K A and a joker under 40", "", "HeK HeA *", 0, 40, false, "HeA HeK *HeD", 31},
    // Exactly the minimum is enough.
    {"10 J and a joker at exactly 30", "", "He10 HeB *", 0, 30, true, "*HeD HeB He10", 30},
    {"shifting can lose points", "", "Ka7 * *", 0, 30, false, "Ka7 *Kr6 *Bl5", 18},
    // The joker that becomes the ace lies last and counts 1.
    {"joker becomes a low ace", "", "He2 He3 *", 0, 30, false, "He3 He2 *HeA", 6},
    {"lay-off below the minimum", "He8 He7 He6", "He5", 0, 30, false, "He8 He7 He6 He5", 5},
    {"lay-off after coming out", "He8 He7 He6", "He5", 1, 30, true, "He8 He7 He6 He5", 5},
    {"lay-off onto a set counts the new card", "Bl7 He7 Ka7", "Kr7", 0, 30, false, "Bl7 He7 Ka7 Kr7", 7},
    // The shift does not ask where a joker came from: the table's joker moves too.
    {"lay-off of three jokers", "*He4 He3 He2", "* * *", 0, 30, true, "He3 He2 *HeA *HeK *HeD *HeB", 31},
};

void PrintTo(const TFirstMeldCase& c, std::ostream* out) {
    *out << c.Name;
}

class FirstMeldCaseTest : public MeldRulesTest, public ::testing::WithParamInterface<TFirstMeldCase> {};

TEST_P(FirstMeldCaseTest, AcceptanceAndShiftedJokers) {
    const TFirstMeldCase& c = GetParam();
    Target(c.Table);
    Hand(c.Hand);
    game.PlayerCameOut = c.CameOut;
    game.MeldMinimum = c.Minimum;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(PassesFirstMeld(candidate, points, game.DropMinimum(game.PlayerCameOut != 0)), c.Accepted);
    EXPECT_EQ(ShowCards(candidate), c.Stored);
    EXPECT_EQ(PointsOf(candidate), c.Points);
    EXPECT_EQ(game.MeldMinimum, c.Minimum);
    EXPECT_EQ(game.PlayerCameOut, c.CameOut);  // the caller sets it on acceptance
}

INSTANTIATE_TEST_SUITE_P(FirstMelds, FirstMeldCaseTest, ::testing::ValuesIn(FirstMeldCases),
                         [](const ::testing::TestParamInfo<TFirstMeldCase>& info) {
                             std::string name;
                             for (const char* p = info.param.Name; *p != 0; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(CardValueTest, FaceValuesCourtCardsAndTheAce) {
    const int32_t expected[15] = {0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 11};
    for (int32_t rank = 0; rank <= Ass; ++rank) {
        EXPECT_EQ(CardValue(rank), expected[rank]) << rank;
    }
    TCard ace = MakeCard(Herz, Ass);
    EXPECT_EQ(MeldCardValue(ace, true, 2), 1);
    EXPECT_EQ(MeldCardValue(ace, true, 1), 11);
    EXPECT_EQ(MeldCardValue(ace, false, 3), 11);
    TCard joker = MakeCard(Joker, JokerRank);
    joker.AsRank = Ass;
    EXPECT_EQ(MeldCardValue(joker, true, 2), 1);
    joker.AsRank = Dame;
    EXPECT_EQ(MeldCardValue(joker, true, 2), 10);
}

TEST_F(MeldRulesTest, ValidationChangesNothingOutsideTheCandidate) {
    Hand("He2 HeD * *");
    game.OwnCards.GoTo(1);
    const std::vector<TCard> before = game.OwnCards.Records();
    ASSERT_TRUE(game.passenzusammen(candidate));
    ASSERT_EQ(game.OwnCards.Count(), static_cast<int>(before.size()));
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        EXPECT_EQ(std::memcmp(&game.OwnCards.At(i), &before[i], sizeof(TCard)), 0) << i;
    }
    EXPECT_EQ(game.OwnCards.Position(), 1);
}

TEST_F(MeldRulesTest, HandCopiesStartUnplacedWhateverTheyCarried) {
    Hand("He2 HeD * *");
    // Stale marks from earlier turns: a taken-back joker, a card once in a meld.
    for (int i = 0; i < 4; ++i) {
        TCard* card = game.OwnCards.GoTo(i);
        card->TakeBack = 1;
        card->FromTable = 1;
        card->FixedOnTable = 1;
        card->MeldOrder = 40;
        card->AsRank = 9;
        card->AsSuit = Kreuz;
    }
    ASSERT_TRUE(Validate());
    EXPECT_EQ(ShowCards(candidate), "He2 *HeA *HeK HeD");
    EXPECT_EQ(points, 33);
    for (int i = 0; i < candidate.Count(); ++i) {
        EXPECT_EQ(candidate.At(i).FromTable, 0);
        EXPECT_EQ(candidate.At(i).FixedOnTable, 0);
    }
}

TEST_F(MeldRulesTest, NaturalCardsOfASetSortByTheSuitTheyCarry) {
    Hand("Ka7 * He7");
    game.OwnCards.GoTo(0)->AsSuit = Kreuz;  // left by the computer's meld building
    ASSERT_TRUE(Validate());
    // The joker stands for Kreuz 7 (the missing suits are Kreuz and Blatt) and ties with the Karo 7.
    EXPECT_EQ(ShowCards(candidate), "Ka7 *Kr7 He7");
    EXPECT_EQ(candidate.At(0).MeldOrder, Kreuz);
    EXPECT_EQ(points, 21);
}

TEST_F(MeldRulesTest, JokersFirstInHandOrderGetTheHigherSuits) {
    Hand("* He5 *");
    const int32_t first = game.OwnCards.At(0).Id;
    const int32_t second = game.OwnCards.At(2).Id;
    ASSERT_NE(first, second);
    ASSERT_TRUE(game.passenzusammen(candidate));
    ASSERT_EQ(candidate.Count(), 3);
    EXPECT_EQ(candidate.At(0).Id, first);
    EXPECT_EQ(candidate.At(0).AsSuit, Kreuz);
    EXPECT_EQ(candidate.At(2).Id, second);
    EXPECT_EQ(candidate.At(2).AsSuit, Blatt);
}

TEST_F(MeldRulesTest, StartCardIsTheFirstOfTheLowestRank) {
    Hand("He6 He5 He5");
    ASSERT_FALSE(game.passenzusammen(candidate));
    // The first 5 starts the run; the second one is what stays unplaced.
    EXPECT_EQ(candidate.At(1).Selected, 1);
    EXPECT_EQ(candidate.At(1).MeldOrder, 0);
    EXPECT_EQ(candidate.At(2).Selected, 0);
    EXPECT_EQ(CountUnplacedCards(candidate), 1);
}

TEST_F(MeldRulesTest, LayOffOntoAMeldLaidOutBefore) {
    // Lay out 5, joker, 7 as the caller would, then lay off the 8 onto it.
    Hand("He5 He7 *");
    ASSERT_TRUE(Validate());
    TCardArray stored;
    ASSERT_TRUE(stored.AppendRecords(candidate.Records()));
    candidate.Clear();
    game.ClearTCard(game.OwnCards);
    for (int i = 0; i < stored.Count(); ++i) {
        TCard* copy = candidate.Append();
        *copy = stored.At(i);
        copy->Selected = 0;
        copy->FromTable = 1;
        copy->FixedOnTable = 1;
    }
    AddLooseCard(game.OwnCards, Herz, 8)->Selected = 1;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(ShowCards(candidate), "He8 He7 *He6 He5");
    EXPECT_EQ(points, 8);
}

TEST_F(MeldRulesTest, ShiftJokersDownOnARunWithoutLeadingJokersOnlySorts) {
    Hand("He9 He10 HeB");
    ASSERT_TRUE(Validate());
    ShiftJokersDown(candidate);
    EXPECT_EQ(ShowCards(candidate), "HeB He10 He9");
    TCardArray empty;
    ShiftJokersDown(empty);
    EXPECT_EQ(PointsOf(empty), 0);
}

}  // namespace
