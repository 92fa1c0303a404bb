// Short card notation for the computer-opponent tests: "He7" is Herz 7, "KrD"
// Kreuz Dame, "Ka10", "BlA"; "*" is a joker, "*He7" a joker standing for Herz 7.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/Game.h"
#include "game/Settings.h"
#include "tests/support/FakeScreen.h"

namespace opponent_kit {

inline const char* const Suits[] = {"", "Ka", "He", "Bl", "Kr"};
inline const char* const Ranks[] = {"", "", "2", "3", "4", "5", "6", "7", "8", "9", "10", "B", "D", "K", "A"};

inline std::pair<int32_t, int32_t> Parse(const std::string& text) {
    for (int32_t s = Karo; s <= Kreuz; ++s) {
        if (text.rfind(Suits[s], 0) == 0) {
            for (int32_t r = 2; r <= Ass; ++r) {
                if (text.substr(2) == Ranks[r]) {
                    return {s, r};
                }
            }
        }
    }
    ADD_FAILURE() << "bad card " << text;
    return {Karo, 2};
}

inline std::string Name(const TCard& card) {
    if (!IsJoker(card)) {
        return std::string(Suits[card.Suit]) + Ranks[card.Rank];
    }
    if (card.AsSuit < Karo || card.AsSuit > Kreuz || card.AsRank < 2 || card.AsRank > Ass) {
        return "*";
    }
    return std::string("*") + Suits[card.AsSuit] + Ranks[card.AsRank];
}

// Appends the cards; natural cards carry their own rank and suit as the computer marks them.
inline void Put(TGame& game, TCardArray& into, const std::string& cards) {
    std::istringstream in(cards);
    std::string token;
    while (in >> token) {
        if (token[0] == '*') {
            TCard* joker = game.NewCard(into, Joker, JokerRank);
            if (token.size() > 1) {
                auto [suit, rank] = Parse(token.substr(1));
                joker->AsSuit = suit;
                joker->AsRank = rank;
            }
        } else {
            auto [suit, rank] = Parse(token);
            TCard* card = game.NewCard(into, suit, rank);
            card->AsSuit = suit;
            card->AsRank = rank;
        }
    }
}

inline std::string Show(const TCardArray& cards) {
    std::string out;
    for (int i = 0; i < cards.Count(); ++i) {
        out += (i > 0 ? " " : "") + Name(cards.At(i));
    }
    return out;
}

// A hand: the marks a joker keeps from the search or the table are not shown.
inline std::string ShowHand(const TCardArray& cards) {
    std::string out;
    for (int i = 0; i < cards.Count(); ++i) {
        out += (i > 0 ? " " : "") + (IsJoker(cards.At(i)) ? std::string("*") : Name(cards.At(i)));
    }
    return out;
}

// A meld on the table, stored in the order given (its first card is the top end).
inline TCardArray& AddMeld(TGame& game, const std::string& cards) {
    TMeld* meld = game.TableMelds.Append();
    meld->Cards = new TCardArray(&game.CurMeldCard);
    Put(game, *meld->Cards, cards);
    for (int i = 0; i < meld->Cards->Count(); ++i) {
        meld->Cards->At(i).MeldOrder = meld->Cards->Count() - i;
    }
    return *meld->Cards;
}

inline std::string ShowMeld(const TGame& game, int index) {
    return Show(*game.TableMelds.At(index).Cards);
}

// Also notes what lay on the table when a message came up.
class TWatchScreen : public TFakeScreen {
  public:
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) override {
        RepaintsBeforeMessage = Repaints;
        if (Game != nullptr) {
            HandAtMessage = Show(Game->OpponentCards);
            DiscardTopAtMessage = Game->DiscardPile.Empty() ? "" : Name(Game->DiscardPile.Last());
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
    void TearDown() override { FirstMeldMinimum = 30; }

    TWatchScreen screen;
    TGame game{&screen, 5};
};

}  // namespace opponent_kit
