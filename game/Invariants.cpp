#include "game/Invariants.h"

#include <map>
#include <set>
#include <utility>

#include "game/Game.h"

std::string CheckCards(const TGame& game) {
    std::map<std::pair<int, int>, int> seen;
    std::set<CardFace*> faces;
    int total = 0;
    std::string problems;
    auto count = [&](const TCardArray& cards, const char* where) {
        for (int i = 0; i < cards.Count(); ++i) {
            const TCard& card = cards.At(i);
            ++total;
            ++seen[{card.Suit, card.Suit == Joker ? JokerRank : card.Rank}];
            if (card.Image != nullptr && !faces.insert(card.Image).second) {
                problems += std::string("face shared in ") + where + "; ";
            }
        }
    };
    count(game.OwnCards, "hand");
    count(game.OpponentCards, "computer");
    count(game.Stock, "stock");
    count(game.DiscardPile, "discard pile");
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TMeld& meld = game.TableMelds.At(m);
        if (meld.Cards == nullptr || meld.Cards->Empty()) {
            problems += "empty meld " + std::to_string(m) + "; ";
            continue;
        }
        count(*meld.Cards, "meld");
    }
    if (total != 110) {
        problems += "card count " + std::to_string(total) + "; ";
    }
    if (seen[{Joker, JokerRank}] != 6) {
        problems += "jokers " + std::to_string(seen[{Joker, JokerRank}]) + "; ";
    }
    for (int suit = Karo; suit <= Kreuz; ++suit) {
        for (int rank = 2; rank <= Ass; ++rank) {
            if (seen[{suit, rank}] != 2) {
                problems += "card " + std::to_string(suit) + "/" + std::to_string(rank) + " x" +
                            std::to_string(seen[{suit, rank}]) + "; ";
            }
        }
    }
    return problems;
}
