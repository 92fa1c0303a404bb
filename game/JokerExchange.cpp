// The player's exchange of a hand card for the table joker that stands for it.
#include <string>
#include <utility>

#include "game/Game.h"
#include "game/Texts.h"

void TGame::JokerTauschen() {
    Screen->Repaint();
    if (PlayerCameOut == 0) {
        return;
    }
    bool exchanged = false;
    for (int m = 0; m < TableMelds.Count(); ++m) {
        TCardArray* cards = TableMelds.At(m).Cards;
        if (cards == nullptr) {
            continue;
        }
        for (int c = 0; c < cards->Count(); ++c) {
            // Once a natural card lies in the joker's place, nothing more is offered for it.
            for (int h = 0; h < OwnCards.Count() && IsJoker(cards->At(c)); ++h) {
                if (!FitsJoker(OwnCards.At(h), cards->At(c))) {
                    continue;
                }
                Screen->Repaint();
                const TCard& joker = cards->At(c);
                TCard natural{};
                natural.Suit = joker.AsSuit;
                natural.Rank = joker.AsRank;
                const std::string question =
                    Filled(GameText("Game", "Möchten Sie Ihre Karte %1 gegen den Joker eintauschen?"),
                           {CardWords(natural)});
                const TJokerOffer offer{m, c, h, joker.AsSuit, joker.AsRank};
                if (!Screen->AcceptJokerExchange(offer, question,
                                                 GameText("Game", "Karte gegen Joker tauschen?"))) {
                    continue;
                }
                // Whole records: the joker arrives in the hand with its flags,
                // the natural card keeps its own in the meld.
                std::swap(cards->At(c), OwnCards.At(h));
                Seen.Shown(TSide::Player, cards->At(c));
                exchanged = true;
            }
        }
    }
    if (exchanged) {
        SortOwnCards();
        Screen->Repaint();
    }
}
