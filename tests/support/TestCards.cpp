#include "tests/support/TestCards.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/Game.h"
#include "game/record/CardNotation.h"
#include "game/record/TurnRecord.h"

namespace {

// Moves the first card like `wanted` from the stock, the computer's hand or the
// discard pile into `into`; any joker will do for a joker.
bool TakeCard(TGame& game, const TCard& wanted, TCardArray& into) {
    for (TCardArray* from : {&game.Stock, &game.OpponentCards, &game.DiscardPile}) {
        for (int i = 0; i < from->Count(); ++i) {
            const TCard& card = from->At(i);
            if (card.Suit == wanted.Suit && (IsJoker(wanted) || card.Rank == wanted.Rank)) {
                return MoveCard(*from, i, into);
            }
        }
    }
    return false;
}

}  // namespace

TCard MakeCard(int32_t suit, int32_t rank) {
    TCard card{};
    card.Suit = suit;
    card.Rank = rank;
    return card;
}

TCard* AddLooseCard(TCardArray& into, int32_t suit, int32_t rank) {
    static int32_t nextId = DeckSize;
    TCard* card = into.Append();
    if (card != nullptr) {
        *card = MakeCard(suit, rank);
        card->Id = nextId++;
    }
    return card;
}

TCard ParseCard(const std::string& text) {
    int32_t suit = Karo;
    int32_t rank = 2;
    if (!text.empty() && text[0] == '*') {
        TCard joker = MakeCard(Joker, JokerRank);
        if (text.size() > 1) {
            if (ParseNaturalNotation(text.substr(1), suit, rank)) {
                joker.AsSuit = suit;
                joker.AsRank = rank;
            } else {
                ADD_FAILURE() << "bad joker " << text;
            }
        }
        return joker;
    }
    if (!ParseNaturalNotation(text, suit, rank)) {
        ADD_FAILURE() << "bad card " << text;
    }
    return MakeCard(suit, rank);
}

std::vector<TCard> ParseCards(const std::string& text) {
    std::vector<TCard> cards;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        cards.push_back(ParseCard(word));
    }
    return cards;
}

std::string CardName(const TCard& card) {
    return LaidNotation(card);
}

std::string ShowCards(const TCardArray& cards) {
    std::string out;
    for (int i = 0; i < cards.Count(); ++i) {
        // Two appends: GCC 12 misreads `" " + std::string` as an overlapping copy (-Wrestrict).
        out += i > 0 ? " " : "";
        out += CardName(cards.At(i));
    }
    return out;
}

std::string ShowHand(const TCardArray& cards) {
    std::string out;
    for (int i = 0; i < cards.Count(); ++i) {
        out += i > 0 ? " " : "";
        out += HeldNotation(cards.At(i));
    }
    return out;
}

void PutCards(TGame& game, TCardArray& into, const std::string& cards, TFrom from, TMarks marks) {
    for (const TCard& wanted : ParseCards(cards)) {
        TCard* card = nullptr;
        if (from == TFrom::Nowhere) {
            card = AddLooseCard(into, wanted.Suit, wanted.Rank);
        } else if (TakeCard(game, wanted, into)) {
            card = &into.At(into.Count() - 1);
        }
        if (card == nullptr) {
            ADD_FAILURE() << "no card " << CardName(wanted) << " to take";
            continue;
        }
        if (IsJoker(*card)) {
            card->AsSuit = wanted.AsSuit;
            card->AsRank = wanted.AsRank;
        } else if (marks == TMarks::Own) {
            card->AsSuit = card->Suit;
            card->AsRank = card->Rank;
        }
    }
}

TCardArray& PutMeld(TGame& game, const std::string& cards, TFrom from, TMarks marks) {
    TMeld* meld = game.TableMelds.Append();
    meld->Cards = new TCardArray();
    PutCards(game, *meld->Cards, cards, from, marks);
    for (int i = 0; i < meld->Cards->Count(); ++i) {
        meld->Cards->At(i).MeldOrder = meld->Cards->Count() - i;
    }
    return *meld->Cards;
}

void SetHand(TGame& game, const std::string& cards) {
    while (!game.OwnCards.Empty()) {
        MoveCard(game.OwnCards, 0, game.Stock);
    }
    PutCards(game, game.OwnCards, cards, TFrom::Deck);
    game.SortOwnCards();
}

std::string ShowTurn(const TTurnRecord& record) {
    std::string out;
    for (const TTurnStep& step : record.Steps) {
        out += out.empty() ? "" : "; ";
        switch (step.Kind) {
            case TStepKind::DrawFromStock:
                out += "stock";
                break;
            case TStepKind::DrawFromDiscardPile:
                out += "discard pile " + CardName(step.Card);
                break;
            case TStepKind::ExchangeJoker:
                out += "exchange " + CardName(step.Card) + " in " + std::to_string(step.Meld);
                break;
            case TStepKind::LayOut:
                out += "lay out";
                for (const TCard& card : step.Cards) {
                    out += " ";
                    out += CardName(card);
                }
                out += " as " + std::to_string(step.Meld);
                break;
            case TStepKind::LayOff:
                out += "lay off " + CardName(step.Card) + " on " + std::to_string(step.Meld) +
                       (step.End == TMeldEnd::Top      ? " top"
                        : step.End == TMeldEnd::Bottom ? " bottom"
                                                       : " set");
                break;
            case TStepKind::Discard:
                out += "discard " + CardName(step.Card);
                break;
        }
    }
    return out;
}

int HandIndex(const TGame& game, const std::string& card) {
    const TCard wanted = ParseCard(card);
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        const TCard& held = game.OwnCards.At(i);
        if (held.Suit == wanted.Suit && (IsJoker(wanted) || held.Rank == wanted.Rank)) {
            return i;
        }
    }
    return -1;
}

int SelectedCount(const TGame& game) {
    int n = 0;
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        n += game.OwnCards.At(i).Selected;
    }
    return n;
}
