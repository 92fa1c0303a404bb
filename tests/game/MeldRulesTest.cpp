#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/CardValue.h"
#include "game/Game.h"
#include "game/Settings.h"
#include "tests/support/FakeScreen.h"

// Cards are written as suit letter and rank: d = Karo, h = Herz, s = Blatt,
// c = Kreuz; 2..10, J, Q, K, A. A joker is "*", and "*h6" is a joker that
// stands for the 6 of Herz.
namespace {

int32_t SuitOf(char letter) {
    switch (letter) {
        case 'd':
            return Karo;
        case 'h':
            return Herz;
        case 's':
            return Blatt;
        case 'c':
            return Kreuz;
    }
    ADD_FAILURE() << "bad suit " << letter;
    return Karo;
}

int32_t RankOf(const std::string& text) {
    if (text == "J")
        return Bube;
    if (text == "Q")
        return Dame;
    if (text == "K")
        return Koenig;
    if (text == "A")
        return Ass;
    return std::stoi(text);
}

std::string RankText(int32_t rank) {
    switch (rank) {
        case Bube:
            return "J";
        case Dame:
            return "Q";
        case Koenig:
            return "K";
        case Ass:
            return "A";
    }
    return std::to_string(rank);
}

TCard Parse(const std::string& text) {
    if (text[0] == '*') {
        TCard joker = MakeCard(Joker, JokerRank);
        if (text.size() > 1) {
            joker.AsSuit = SuitOf(text[1]);
            joker.AsRank = RankOf(text.substr(2));
        }
        return joker;
    }
    return MakeCard(SuitOf(text[0]), RankOf(text.substr(1)));
}

std::vector<TCard> ParseAll(const std::string& text) {
    std::vector<TCard> cards;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        cards.push_back(Parse(word));
    }
    return cards;
}

const char SuitLetters[] = "?dhsc";

std::string Show(const TCardArray& cards) {
    std::string out;
    for (int i = 0; i < cards.Count(); ++i) {
        const TCard& card = cards.At(i);
        out += i == 0 ? "" : " ";
        if (IsJoker(card)) {
            out += "*";
            out += card.AsSuit >= Karo && card.AsSuit <= Kreuz ? SuitLetters[card.AsSuit] : '?';
            out += RankText(card.AsRank);
        } else {
            out += SuitLetters[card.Suit] + RankText(card.Rank);
        }
    }
    return out;
}

class MeldRulesTest : public ::testing::Test {
  protected:
    void SetUp() override { FirstMeldMinimum = 30; }
    void TearDown() override { FirstMeldMinimum = 30; }

    // The player's hand: the cards to drop, selected, and one unselected card
    // that must stay out of every meld.
    void Hand(const std::string& selected) {
        for (const TCard& card : ParseAll(selected)) {
            TCard* added = game.NewCard(game.OwnCards, card.Suit, card.Rank);
            added->Selected = 1;
        }
        game.NewCard(game.OwnCards, Kreuz, 9);
    }
    // What the caller puts into the candidate for a lay-off: the target meld's
    // cards in stored order, marked as lying on the table.
    void Target(const std::string& stored) {
        for (const TCard& card : ParseAll(stored)) {
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
        points = game.MeldPoints(candidate);
        return true;
    }

    TFakeScreen screen;
    TGame game{&screen};
    TCardArray candidate{&game.CurWorkCard};
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
    {"two cards", "", "h5 h6", false, "", 0},
    {"three jokers", "", "* * *", false, "", 0},
    {"four jokers", "", "* * * *", false, "", 0},
    {"five jokers", "", "* * * * *", false, "", 0},
    // Sets.
    {"plain set", "", "d7 h7 s7", true, "d7 h7 s7", 21},
    {"set of four", "", "d7 h7 s7 c7", true, "d7 h7 s7 c7", 28},
    {"suit twice", "", "h7 h7 *", false, "", 0},
    {"one natural two jokers", "", "d7 * *", true, "*c7 *s7 d7", 21},
    {"one natural three jokers", "", "d2 * * *", true, "*c2 *s2 *h2 d2", 8},
    {"jokers take the highest missing suits", "", "h7 * s7", true, "*c7 h7 s7", 21},
    {"set of aces counts 11 each, also last", "", "hA dA *", true, "*cA dA hA", 33},
    {"set of two suits twice", "", "h7 h7 d7 d7", false, "", 0},
    {"five of a rank judged as a run", "", "d7 h7 s7 c7 *", false, "", 0},
    // Runs.
    {"plain run", "", "h6 h4 h5", true, "h6 h5 h4", 15},
    {"Q K A", "", "hQ hK hA", true, "hA hK hQ", 31},
    {"A 2 3", "", "hA h2 h3", true, "h3 h2 hA", 6},
    {"K A 2", "", "hK hA h2", true, "h2 hA hK", 23},
    {"K A 2 3 wraps downwards", "", "hK hA h2 h3", true, "h3 h2 hA hK", 26},
    {"joker in the gap", "", "h5 h7 *", true, "h7 *h6 h5", 18},
    {"joker on top of an ace", "", "hQ hK *", true, "*hA hK hQ", 31},
    {"joker between ace and 2", "", "hA h3 *", true, "h3 *h2 hA", 6},
    {"jokers in the gap and on top", "", "h9 * hJ *", true, "*hQ hJ *h10 h9", 39},
    {"2 Q with one joker", "", "h2 hQ *", false, "", 0},
    {"2 Q with two jokers", "", "h2 hQ * *", true, "h2 *hA *hK hQ", 33},
    // Only the top joker may go down: the other keeps its place right above the 2.
    {"2 K with two jokers", "", "h2 hK * *", true, "*h3 h2 *hA hK", 26},
    {"duplicate rank", "", "h5 h5 h6", false, "", 0},
    {"duplicate ace", "", "hA hA hK", false, "", 0},
    {"two suits", "", "h5 h6 d7", false, "", 0},
    {"two suits with a joker", "", "h5 * d7", false, "", 0},
    {"set with a stranger", "", "h7 d7 s8", false, "", 0},
    {"ace with four jokers is a run", "", "hA * * * *", true, "*h5 *h4 *h3 *h2 hA", 25},
    {"gap too wide", "", "h5 h9 * *", false, "", 0},
    {"whole suit", "", "h7 hA h2 hK h9 h3 hJ h5 h10 h4 hQ h6 h8", true,
     "hA hK hQ hJ h10 h9 h8 h7 h6 h5 h4 h3 h2", 95},
    // Round the corner the run would meet itself: no card twice.
    {"whole suit and one more", "", "h7 hA h2 hK h9 h3 hJ h5 h10 h4 hQ h6 h8 h2", false, "", 0},
    {"whole suit and a joker", "", "h7 hA h2 hK h9 h3 hJ h5 h10 h4 hQ h6 h8 *", false, "", 0},
    // Lay-offs: only the hand's cards count.
    {"run extended downwards", "h8 h7 h6", "h5", true, "h8 h7 h6 h5", 5},
    {"run extended upwards", "h8 h7 h6", "h9", true, "h9 h8 h7 h6", 9},
    {"joker laid off on a run", "h8 h7 h6", "*", true, "*h9 h8 h7 h6", 9},
    {"run extended round the corner", "hA hK hQ", "h2 h3", true, "h3 h2 hA hK hQ", 5},
    {"run of another suit", "h8 h7 h6", "d9", false, "", 0},
    {"card already in the run", "h8 h7 h6", "h7", false, "", 0},
    {"table joker in the middle stays", "h8 *h7 h6", "h9", true, "h9 h8 *h7 h6", 9},
    {"table joker blocks its own card", "h8 *h7 h6", "h7", false, "", 0},
    {"table joker on top stays on top", "*h9 h8 h7", "h6", true, "*h9 h8 h7 h6", 6},
    {"card above a table joker", "*h9 h8 h7", "h10", true, "h10 *h9 h8 h7", 10},
    {"table joker at the low end", "h3 h2 *hA", "h4", true, "h4 h3 h2 *hA", 4},
    {"set completed", "s7 h7 d7", "c7", true, "s7 h7 d7 c7", 7},
    {"set completed by a joker", "*c7 s7 h7", "*", true, "*c7 *d7 h7 s7", 7},
    {"natural card for the set's missing suit", "*c7 s7 h7", "d7", true, "*c7 s7 h7 d7", 7},
    // The table joker keeps standing for Kreuz even though Kreuz is now there.
    {"natural card of the table joker's suit", "*c7 s7 h7", "c7", true, "*c7 s7 h7 c7", 7},
    {"suit twice on a set", "s7 h7 d7", "h7", false, "", 0},
    {"fifth card on a set of four", "c7 s7 h7 d7", "*", false, "", 0},
    {"fifth natural on a set of four", "c7 s7 h7 d7", "c7", false, "", 0},
    {"other rank on a set", "s7 h7 d7", "h8", false, "", 0},
};

void PrintTo(const TMeldCase& c, std::ostream* out) {
    *out << c.Name;
}

class MeldCaseTest : public MeldRulesTest, public ::testing::WithParamInterface<TMeldCase> {};

TEST_P(MeldCaseTest, ValidityStoredOrderAndPoints) {
    const TMeldCase& c = GetParam();
    Target(c.Table);
    Hand(c.Hand);
    ASSERT_EQ(Validate(), c.Valid) << Show(candidate);
    if (!c.Valid) {
        return;
    }
    EXPECT_EQ(Show(candidate), c.Stored);
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
    {"enough at once", "", "hQ hK hA", 0, 30, true, "hA hK hQ", 31},
    {"not enough, no jokers", "", "hQ hK hA", 0, 40, false, "hA hK hQ", 31},
    {"A 2 3 rejected", "", "hA h2 h3", 0, 30, false, "h3 h2 hA", 6},
    {"came out: anything goes", "", "hA h2 h3", 1, 30, true, "h3 h2 hA", 6},
    {"ace with four jokers", "", "hA * * * *", 0, 30, true, "hA *hK *hQ *hJ *h10", 51},
    {"ace with four jokers under 40", "", "hA * * * *", 0, 40, true, "hA *hK *hQ *hJ *h10", 51},
    {"set of 2s turns its jokers into A K Q", "", "d2 * * *", 0, 30, true, "d2 *cA *sK *hQ", 33},
    {"K A and a joker", "", "hK hA *", 0, 30, true, "hA hK *hQ", 31},
    {"K A and a joker under 40", "", "hK hA *", 0, 40, false, "hA hK *hQ", 31},
    // Exactly the minimum is enough.
    {"10 J and a joker at exactly 30", "", "h10 hJ *", 0, 30, true, "*hQ hJ h10", 30},
    {"shifting can lose points", "", "d7 * *", 0, 30, false, "d7 *c6 *s5", 18},
    // The joker that becomes the ace lies last and counts 1.
    {"joker becomes a low ace", "", "h2 h3 *", 0, 30, false, "h3 h2 *hA", 6},
    {"lay-off below the minimum", "h8 h7 h6", "h5", 0, 30, false, "h8 h7 h6 h5", 5},
    {"lay-off after coming out", "h8 h7 h6", "h5", 1, 30, true, "h8 h7 h6 h5", 5},
    {"lay-off onto a set counts the new card", "s7 h7 d7", "c7", 0, 30, false, "s7 h7 d7 c7", 7},
    // The shift does not ask where a joker came from: the table's joker moves too.
    {"lay-off of three jokers", "*h4 h3 h2", "* * *", 0, 30, true, "h3 h2 *hA *hK *hQ *hJ", 31},
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
    FirstMeldMinimum = c.Minimum;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(game.FirstMeldCheck(candidate, points), c.Accepted);
    EXPECT_EQ(Show(candidate), c.Stored);
    EXPECT_EQ(game.MeldPoints(candidate), c.Points);
    EXPECT_EQ(FirstMeldMinimum, c.Minimum);
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
    Hand("h2 hQ * *");
    game.OwnCards.GoTo(1);
    std::vector<TCard> before;
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        before.push_back(game.OwnCards.At(i));
    }
    ASSERT_TRUE(game.passenzusammen(candidate));
    ASSERT_EQ(game.OwnCards.Count(), static_cast<int>(before.size()));
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        EXPECT_EQ(std::memcmp(&game.OwnCards.At(i), &before[i], sizeof(TCard)), 0) << i;
    }
    EXPECT_EQ(game.OwnCards.Position(), 1);
    EXPECT_EQ(game.CurOwnCard.get(), &game.OwnCards.At(1));
}

TEST_F(MeldRulesTest, HandCopiesStartUnplacedWhateverTheyCarried) {
    Hand("h2 hQ * *");
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
    EXPECT_EQ(Show(candidate), "h2 *hA *hK hQ");
    EXPECT_EQ(points, 33);
    for (int i = 0; i < candidate.Count(); ++i) {
        EXPECT_EQ(candidate.At(i).FromTable, 0);
        EXPECT_EQ(candidate.At(i).FixedOnTable, 0);
    }
}

TEST_F(MeldRulesTest, NaturalCardsOfASetSortByTheSuitTheyCarry) {
    Hand("d7 * h7");
    game.OwnCards.GoTo(0)->AsSuit = Kreuz;  // left by the computer's meld building
    ASSERT_TRUE(Validate());
    // The joker stands for Kreuz 7 (the missing suits are Kreuz and Blatt) and ties with the Karo 7.
    EXPECT_EQ(Show(candidate), "d7 *c7 h7");
    EXPECT_EQ(candidate.At(0).MeldOrder, Kreuz);
    EXPECT_EQ(points, 21);
}

TEST_F(MeldRulesTest, JokersFirstInHandOrderGetTheHigherSuits) {
    Hand("* h5 *");
    game.OwnCards.GoTo(0)->DragDX = 1;  // tells the two jokers apart
    game.OwnCards.GoTo(2)->DragDX = 2;
    ASSERT_TRUE(game.passenzusammen(candidate));
    ASSERT_EQ(candidate.Count(), 3);
    EXPECT_EQ(candidate.At(0).DragDX, 1);
    EXPECT_EQ(candidate.At(0).AsSuit, Kreuz);
    EXPECT_EQ(candidate.At(2).DragDX, 2);
    EXPECT_EQ(candidate.At(2).AsSuit, Blatt);
}

TEST_F(MeldRulesTest, StartCardIsTheFirstOfTheLowestRank) {
    Hand("h6 h5 h5");
    ASSERT_FALSE(game.passenzusammen(candidate));
    // The first 5 starts the run; the second one is what stays unplaced.
    EXPECT_EQ(candidate.At(1).Selected, 1);
    EXPECT_EQ(candidate.At(1).MeldOrder, 0);
    EXPECT_EQ(candidate.At(2).Selected, 0);
    EXPECT_EQ(game.CountUnplaced(candidate), 1);
}

TEST_F(MeldRulesTest, LayOffOntoAMeldLaidOutBefore) {
    // Lay out 5, joker, 7 as the caller would, then lay off the 8 onto it.
    Hand("h5 h7 *");
    ASSERT_TRUE(Validate());
    TCardArray stored;
    for (int i = 0; i < candidate.Count(); ++i) {
        *stored.Append() = candidate.At(i);
    }
    candidate.Clear();
    game.ClearTCard(game.OwnCards);
    for (int i = 0; i < stored.Count(); ++i) {
        TCard* copy = candidate.Append();
        *copy = stored.At(i);
        copy->Selected = 0;
        copy->FromTable = 1;
        copy->FixedOnTable = 1;
    }
    game.NewCard(game.OwnCards, Herz, 8)->Selected = 1;
    ASSERT_TRUE(Validate());
    EXPECT_EQ(Show(candidate), "h8 h7 *h6 h5");
    EXPECT_EQ(points, 8);
}

TEST_F(MeldRulesTest, ShiftLeadingJokersOnARunWithoutLeadingJokersOnlySorts) {
    Hand("h9 h10 hJ");
    ASSERT_TRUE(Validate());
    game.ShiftLeadingJokers(candidate);
    EXPECT_EQ(Show(candidate), "hJ h10 h9");
    TCardArray empty;
    game.ShiftLeadingJokers(empty);
    EXPECT_EQ(game.MeldPoints(empty), 0);
}

}  // namespace
