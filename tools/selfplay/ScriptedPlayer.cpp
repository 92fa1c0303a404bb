#include "ScriptedPlayer.h"

#include <algorithm>

#include "game/ComputerTurn.h"
#include "game/MeldRules.h"

TTurnEnd TScriptedPlayer::PlayTurn(TGame& game, int32_t seat) {
    Game = &game;
    Seat = seat;
    auto pause = [this] {
        if (Paused) {
            Paused();
        }
    };
    if (!Draw()) {
        return TTurnEnd::NothingToDraw;
    }
    // Another seat's turn goes on until its discard.
    auto laying = [this] { return !InPlayersSeat() || Game->GameState == MayLayOut; };
    pause();
    while (laying() && LayOutOne()) {
        pause();
    }
    while (laying() && LayOffOne()) {
        pause();
    }
    if (laying()) {
        Discard();
    }
    return TTurnEnd::Played;
}

bool TScriptedPlayer::Draw() {
    const bool jokerOnTop = !Game->DiscardPile.Empty() && IsJoker(Game->DiscardPile.Last());
    if (InPlayersSeat()) {
        const bool drawn = (jokerOnTop && Game->PlayerDrawFromDiscardPile()) || Game->PlayerDrawFromStock() ||
                           Game->PlayerDrawFromDiscardPile();
        if (drawn) {
            TakeEveryExchange(*Game);
        }
        return drawn;
    }
    // As the player's draw does: the hand sorted, old discards back into the
    // stock, every joker exchange on offer taken and the hand sorted again.
    const bool drawn = (jokerOnTop && Game->DrawFor(Seat, true)) ||
                       (Game->RefillEmptyStock() && Game->DrawFor(Seat, false)) || Game->DrawFor(Seat, true);
    if (drawn) {
        Game->SortHand(Seat);
        Game->StapelAuffrischen();
        const size_t steps = Game->OpponentTurn.Steps.size();
        JokerTauschenEvil(*Game, Seat);
        if (Game->OpponentTurn.Steps.size() != steps) {
            Game->SortHand(Seat);
        }
    }
    return drawn;
}

void SelectHandCards(TGame& game, const std::vector<int>& hand) {
    game.ClearHandSelection();
    for (int i : hand) {
        game.ToggleHandCard(i);
    }
}

bool TScriptedPlayer::Fits(const std::vector<int>& hand, int32_t targetMeld) {
    TCardArray candidate;
    if (InPlayersSeat()) {
        SelectHandCards(*Game, hand);
        return Game->TestDrop(targetMeld, candidate) == TDropVerdict::Fits;
    }
    // The cards in the order of the hand, as a selection gives them.
    std::vector<int> positions = hand;
    std::sort(positions.begin(), positions.end());
    const bool onMeld = targetMeld >= 0 && targetMeld < Game->TableMelds.Count();
    return JudgeDrop(onMeld ? Game->TableMelds.At(targetMeld).Cards : nullptr,
                     CardsAt(Hand().View(), positions), Game->DropMinimum(Game->Seats[Seat].CameOut != 0),
                     candidate) == TDropVerdict::Fits;
}

void TScriptedPlayer::Drop(std::vector<int> hand, int32_t targetMeld) {
    if (InPlayersSeat()) {
        Count(Game->PlayerLayOut(targetMeld));
        return;
    }
    std::sort(hand.begin(), hand.end());
    Count(Game->LayFor(Seat, hand, targetMeld));
}

// Sets of one rank in different suits, and runs of one suit with at most one
// gap, each filled out with jokers where the hand has them.
std::vector<std::vector<int>> MeldIdeas(const TCardArray& hand) {
    std::vector<int> jokers;
    for (int i = 0; i < hand.Count(); ++i) {
        if (IsJoker(hand.At(i))) {
            jokers.push_back(i);
        }
    }
    std::vector<std::vector<int>> ideas;
    for (int32_t rank = 2; rank <= Ass; ++rank) {
        std::vector<int> set;
        int suitsSeen = 0;
        for (int i = 0; i < hand.Count(); ++i) {
            const TCard& card = hand.At(i);
            if (!IsJoker(card) && card.Rank == rank && (suitsSeen & (1 << card.Suit)) == 0) {
                suitsSeen |= 1 << card.Suit;
                set.push_back(i);
            }
        }
        for (size_t j = 0; set.size() < 3 && j < jokers.size(); ++j) {
            set.push_back(jokers[j]);
        }
        if (set.size() >= 3) {
            ideas.push_back(set);
        }
    }
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        int byRank[15];
        std::fill(std::begin(byRank), std::end(byRank), -1);
        for (int i = 0; i < hand.Count(); ++i) {
            if (hand.At(i).Suit == suit) {
                byRank[hand.At(i).Rank] = i;
            }
        }
        for (int32_t start = 2; start <= Ass; ++start) {
            if (byRank[start] < 0) {
                continue;
            }
            std::vector<int> run{byRank[start]};
            size_t jokersUsed = 0;
            int32_t rank = start;
            for (int step = 0; step < 12; ++step) {
                rank = RankAbove(rank);
                if (byRank[rank] >= 0) {
                    run.push_back(byRank[rank]);
                } else if (jokersUsed < jokers.size() && jokersUsed < 1) {
                    run.push_back(jokers[jokersUsed++]);
                } else {
                    break;
                }
            }
            if (!run.empty() && IsJoker(hand.At(run.back()))) {
                run.pop_back();  // a joker at the open end only costs a joker
                --jokersUsed;
            }
            if (run.size() >= 3) {
                ideas.push_back(run);
            }
        }
    }
    std::stable_sort(ideas.begin(), ideas.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return ideas;
}

bool TScriptedPlayer::LayOutOne() {
    for (const std::vector<int>& idea : MeldIdeas(Hand())) {
        // Keep a card for the discard: the game is won by discarding, not by laying out.
        if (static_cast<int>(idea.size()) >= Hand().Count()) {
            continue;
        }
        if (Fits(idea, -1)) {
            Drop(idea, -1);
            return true;
        }
    }
    if (InPlayersSeat()) {
        Game->ClearHandSelection();
    }
    return false;
}

bool TScriptedPlayer::LayOffOne() {
    if (Hand().Count() < 2) {
        return false;
    }
    for (int i = 0; i < Hand().Count(); ++i) {
        for (int32_t m = 0; m < Game->TableMelds.Count(); ++m) {
            if (Fits({i}, m)) {
                Drop({i}, m);
                return true;
            }
        }
    }
    if (InPlayersSeat()) {
        Game->ClearHandSelection();
    }
    return false;
}

// Throws away a random natural card that has no partner of its rank or
// neighbour in its suit; failing that any natural card; jokers last.
void TScriptedPlayer::Discard() {
    const TCardArray& hand = Hand();
    std::vector<int> loners;
    std::vector<int> naturals;
    for (int i = 0; i < hand.Count(); ++i) {
        const TCard& card = hand.At(i);
        if (IsJoker(card)) {
            continue;
        }
        naturals.push_back(i);
        bool partnered = false;
        for (int j = 0; j < hand.Count() && !partnered; ++j) {
            const TCard& other = hand.At(j);
            partnered = j != i && !IsJoker(other) &&
                        (other.Rank == card.Rank ||
                         (other.Suit == card.Suit &&
                          (other.Rank == RankAbove(card.Rank) || other.Rank == RankBelow(card.Rank))));
        }
        if (!partnered) {
            loners.push_back(i);
        }
    }
    const std::vector<int>& pool = !loners.empty() ? loners : naturals;
    const int choice = pool.empty() ? static_cast<int>(Rng.Below(static_cast<uint32_t>(hand.Count())))
                                    : pool[Rng.Below(static_cast<uint32_t>(pool.size()))];
    if (InPlayersSeat()) {
        SelectHandCards(*Game, {choice});
        Count(Game->PlayerDiscard());
    } else {
        Game->DiscardFor(Seat, choice);
    }
}

void TScriptedPlayer::Count(TRefusal refusal) {
    Refusals += refusal != TRefusal::None ? 1 : 0;
}

void TakeEveryExchange(TGame& game) {
    game.ExchangeJokers(ChooseJokerOffers(game.JokerOffers(), [](const TJokerOffer&) { return true; }));
}
