// The computer's meld search: its points, runs, sets and laying off.
#include <gtest/gtest.h>

#include <vector>

#include "container/TDynaArray.h"
#include "tests/game/OpponentTestKit.h"

namespace {

using namespace opponent_kit;

std::vector<std::string> Melds(const TGame& game) {
    std::vector<std::string> out;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        out.push_back(ShowMeld(game, m));
    }
    return out;
}

TEST_F(OpponentTest, MarkedPointsHaveTheirOwnAceRule) {
    const struct {
        const char* Cards;
        bool IsSet;
        int Points;
    } cases[] = {
        {"HeA He2 He3", false, 6},       {"HeK HeA He2", false, 23},   {"HeD HeK HeA", false, 31},
        {"HeA KaA KrA", true, 33},       {"*HeA He2 He3", false, 6},   {"*HeK HeA He2", false, 13},
        {"HeB HeD *HeK HeA", false, 31}, {"He10 *He9 He8", false, 27},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cards);
        game.ClearTCard(game.OpponentCards);
        Put(game, game.OpponentCards, std::string(c.Cards) + " Kr5");  // Kr5 stays unmarked
        for (int i = 0; i + 1 < game.OpponentCards.Count(); ++i) {
            game.OpponentCards.At(i).Selected = 1;
        }
        EXPECT_EQ(classic.MarkedPoints(c.IsSet), c.Points);
    }
}

struct SearchCase {
    const char* Why;
    const char* Hand;
    bool Out;
    int Minimum;
    std::vector<std::string> Melds;  // as laid, each from its top card
    const char* HandAfter;
};

TEST_F(OpponentTest, RunsThenSets) {
    const SearchCase cases[] = {
        {"the 9-point run waits for the 31-point run, then follows in the same turn",
         "He2 He3 He4 KrD KrK KrA",
         false,
         30,
         {"KrA KrK KrD", "He4 He3 He2"},
         ""},
        {"points of several melds are never added",
         "He2 He3 He4 KrD KrK KrA",
         false,
         40,
         {},
         "He2 He3 He4 KrD KrK KrA"},
        {"six cards wrap into one run worth 40",
         "He2 He3 He4 HeD HeK HeA",
         false,
         40,
         {"He4 He3 He2 HeA HeK HeD"},
         ""},
        {"K-A-2 wraps", "KrK KrA Kr2 Bl5", true, 30, {"Kr2 KrA KrK"}, "Bl5"},
        {"jokers go to the upper end", "He5 He6 * *", true, 30, {"*He8 *He7 He6 He5"}, ""},
        {"an earlier joker is used before the exact card",
         "* He5 He6 He7",
         true,
         30,
         {"He7 *He6 He5"},
         "He6"},
        {"fourteen cards go once around",
         "He2 He3 He4 He5 He6 He7 He8 He9 He10 HeB HeD HeK HeA *",
         true,
         30,
         {"*He2 HeA HeK HeD HeB He10 He9 He8 He7 He6 He5 He4 He3 He2"},
         ""},
        {"a joker before the Karo König takes the Karo place", "* KaK HeK", true, 30, {}, "* KaK HeK"},
        {"a set lies from Kreuz down to Karo", "HeK KrK KaK Bl3", true, 30, {"KrK HeK KaK"}, "Bl3"},
        {"a joker stands for the first missing suit", "He7 Kr7 *", true, 30, {"Kr7 He7 *Ka7"}, ""},
        {"of two identical cards one joins", "He7 He7 Ka7 Kr7 Bl2", true, 30, {"Kr7 He7 Ka7"}, "He7 Bl2"},
        {"sets from the aces down, each restarting",
         "Ka5 He5 Bl5 KaA HeA BlA",
         false,
         30,
         {"BlA HeA KaA", "Bl5 He5 Ka5"},
         ""},
        {"a set under the minimum stays in the hand", "Ka5 He5 Bl5", false, 30, {}, "Ka5 He5 Bl5"},
        {"runs come before sets", "He5 He6 He7 Kr7 Ka7", true, 30, {"He7 He6 He5"}, "Kr7 Ka7"},
        {"the set search reaches the 2s", "Ka2 He2 Bl2 Kr9", true, 30, {"Bl2 He2 Ka2"}, "Kr9"},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.Why);
        game.ClearAll();
        game.OpponentCameOut = c.Out;
        game.MeldMinimum = c.Minimum;
        Put(game, game.OpponentCards, c.Hand);
        classic.SearchRuns();
        classic.SearchSets();
        EXPECT_EQ(Melds(game), c.Melds);
        EXPECT_EQ(ShowHand(game.OpponentCards), c.HandAfter);
        EXPECT_EQ(game.OpponentCameOut, c.Out || !c.Melds.empty());
    }
}

struct LayOffCase {
    const char* Why;
    std::vector<std::string> Table;
    const char* Hand;
    std::vector<std::string> TableAfter;
    const char* HandAfter;
};

TEST_F(OpponentTest, LayingOff) {
    const LayOffCase cases[] = {
        {"a wrapped run takes its 3 at the top", {"Kr2 KrA KrK"}, "Kr3 Bl9", {"Kr3 Kr2 KrA KrK"}, "Bl9"},
        {"and its Dame at the bottom", {"Kr2 KrA KrK"}, "KrD Bl9", {"Kr2 KrA KrK KrD"}, "Bl9"},
        {"bottom first, one card per pass", {"Kr2 KrA KrK"}, "Kr3 KrD Bl9", {"Kr3 Kr2 KrA KrK KrD"}, "Bl9"},
        {"a joker top wants the card above it", {"*He7 He6 He5"}, "He8 Kr2", {"He8 *He7 He6 He5"}, "Kr2"},
        {"the last card is never laid off", {"He7 He6 He5"}, "He4 He3", {"He7 He6 He5 He4"}, "He3"},
        {"a joker joins at the bottom end", {"He7 He6 He5"}, "* Bl2", {"He7 He6 He5 *He4"}, "Bl2"},
        {"the last meld first; a set takes the missing suit in its place",
         {"He7 He6 He5", "Kr9 Bl9 Ka9"},
         "He4 He9 Bl2",
         {"He7 He6 He5 He4", "Kr9 Bl9 He9 Ka9"},
         "Bl2"},
        {"a joker fills the first missing suit of a set",
         {"Kr9 Bl9 He9"},
         "* Bl2",
         {"Kr9 Bl9 He9 *Ka9"},
         "Bl2"},
        {"a set of four suits takes nothing, a joker among them",
         {"Kr9 Bl9 *He9 Ka9"},
         "He9 * Bl2",
         {"Kr9 Bl9 *He9 Ka9"},
         "He9 * Bl2"},
        {"four cards are a full set even when one suit is named twice",
         {"Kr7 He7 Ka7 *Ka7"},
         "Bl7 Bl2",
         {"Kr7 He7 Ka7 *Ka7"},
         "Bl7 Bl2"},
    };
    for (const LayOffCase& c : cases) {
        SCOPED_TRACE(c.Why);
        game.ClearAll();
        game.OpponentCameOut = 1;
        for (const std::string& meld : c.Table) {
            AddMeld(game, meld);
        }
        Put(game, game.OpponentCards, c.Hand);
        game.OpponentCards.At(0).TakeBack = 1;
        classic.LayOffCards();
        EXPECT_EQ(Melds(game), c.TableAfter);
        EXPECT_EQ(ShowHand(game.OpponentCards), c.HandAfter);
        for (int m = 0; m < game.TableMelds.Count(); ++m) {
            for (int i = 0; i < game.TableMelds.At(m).Cards->Count(); ++i) {
                EXPECT_EQ(game.TableMelds.At(m).Cards->At(i).TakeBack, 0);
            }
        }
    }
    // The new top of a run keeps its key 1; the run is not sorted again.
    EXPECT_EQ(game.TableMelds.Count(), 1);
    game.ClearAll();
    game.OpponentCameOut = 1;
    AddMeld(game, "*He7 He6 He5");
    Put(game, game.OpponentCards, "He8 Kr2");
    classic.LayOffCards();
    EXPECT_EQ(game.TableMelds.At(0).Cards->At(0).MeldOrder, 1);

    // Before coming out nothing is laid off.
    game.ClearAll();
    game.OpponentCameOut = 0;
    AddMeld(game, "He7 He6 He5");
    Put(game, game.OpponentCards, "He4 Bl2");
    classic.LayOffCards();
    EXPECT_EQ(ShowHand(game.OpponentCards), "He4 Bl2");
}

void* NoMemory(std::size_t) {
    return nullptr;
}
void Quiet(const std::string&) {}

TEST_F(OpponentTest, AMeldThatCannotBeStoredLeavesItsCardsInTheHand) {
    game.OpponentCameOut = 1;
    AddMeld(game, "Kr9 Bl9 Ka9");
    Put(game, game.OpponentCards, "He5 He6 He7 Kr2");
    TDynaArray::SetReporter(Quiet);
    TDynaArray::SetAllocator(NoMemory);
    classic.SearchRuns();  // must end, not retry forever
    TDynaArray::SetAllocator(nullptr);
    TDynaArray::SetReporter(nullptr);
    EXPECT_EQ(ShowHand(game.OpponentCards), "He5 He6 He7 Kr2");
    EXPECT_EQ(Melds(game), std::vector<std::string>{"Kr9 Bl9 Ka9"});
}

}  // namespace
