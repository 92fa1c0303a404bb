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
    std::vector<std::span<const TCard>> piles = {game.Stock.View(), game.DiscardPile.View()};
    std::string problems;
    if (game.SeatCount < FewestSeats || game.SeatCount > MostSeats) {
        return "a table of " + std::to_string(game.SeatCount) + " seats; ";
    }
    for (int32_t seat = 0; seat < MostSeats; ++seat) {
        if (seat < game.SeatCount) {
            piles.push_back(game.Seats[seat].Hand.View());
        } else if (!game.Seats[seat].Hand.Empty()) {
            problems += "cards in seat " + std::to_string(seat) + ", which is not at the table; ";
        }
    }
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
