#include "game/Invariants.h"

#include "game/Game.h"
#include "game/MeldShape.h"

std::string CheckDeck(const std::vector<std::span<const TCard>>& piles) {
    int copies[DeckSize] = {};
    size_t total = 0;
    std::string problems;
    for (const std::span<const TCard> pile : piles) {
        for (const TCard& card : pile) {
            ++total;
            if (!IdNames(card.Id, card.Suit, card.Rank)) {
                problems += "card " + std::to_string(card.Suit) + "/" + std::to_string(card.Rank) +
                            " with id " + std::to_string(card.Id) + "; ";
                continue;
            }
            ++copies[card.Id];
        }
    }
    if (total != static_cast<size_t>(DeckSize)) {
        problems += "card count " + std::to_string(total) + "; ";
    }
    for (int32_t id = 0; id < DeckSize; ++id) {
        if (copies[id] != 1) {
            problems += "card " + std::to_string(id) + " x" + std::to_string(copies[id]) + "; ";
        }
    }
    return problems;
}

std::string CheckCards(const TGame& game) {
    std::vector<std::span<const TCard>> piles = {game.OwnCards.View(), game.OpponentCards.View(),
                                                 game.Stock.View(), game.DiscardPile.View()};
    std::string problems;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TMeld& meld = game.TableMelds.At(m);
        if (meld.Cards == nullptr || meld.Cards->Empty()) {
            problems += "empty meld " + std::to_string(m) + "; ";
            continue;
        }
        if (!LiesAsMeld(meld.Cards->View())) {
            problems += "meld " + std::to_string(m) + " of no shape the rules leave; ";
        }
        piles.push_back(meld.Cards->View());
    }
    return problems + CheckDeck(piles);
}
