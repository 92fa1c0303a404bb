#include "game/Invariants.h"

#include <set>

#include "game/Game.h"
#include "game/MeldShape.h"

std::string CheckDeck(const std::vector<std::span<const TCard>>& piles) {
    int copies[Kreuz + 1][Ass + 1] = {};
    size_t total = 0;
    std::string problems;
    for (const std::span<const TCard> pile : piles) {
        for (const TCard& card : pile) {
            ++total;
            const bool joker = card.Suit == Joker && card.Rank == JokerRank;
            if (!joker && !IsNaturalCard(card)) {
                problems += "card " + std::to_string(card.Suit) + "/" + std::to_string(card.Rank) + "; ";
                continue;
            }
            ++copies[card.Suit][card.Rank];
        }
    }
    if (total != static_cast<size_t>(DeckSize)) {
        problems += "card count " + std::to_string(total) + "; ";
    }
    if (copies[Joker][JokerRank] != JokerCount) {
        problems += "jokers " + std::to_string(copies[Joker][JokerRank]) + "; ";
    }
    for (int suit = Karo; suit <= Kreuz; ++suit) {
        for (int rank = 2; rank <= Ass; ++rank) {
            if (copies[suit][rank] != CopiesOfEachCard) {
                problems += "card " + std::to_string(suit) + "/" + std::to_string(rank) + " x" +
                            std::to_string(copies[suit][rank]) + "; ";
            }
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
    std::set<CardFace*> faces;
    for (const std::span<const TCard> pile : piles) {
        for (const TCard& card : pile) {
            if (card.Image != nullptr && !faces.insert(card.Image).second) {
                problems += "face shared; ";
            }
        }
    }
    return problems + CheckDeck(piles);
}
