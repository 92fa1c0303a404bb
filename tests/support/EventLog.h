// What a game told, in order: game tests listen with it.
#pragma once

#include <algorithm>
#include <vector>

#include "game/Card.h"
#include "game/Game.h"
#include "game/GameEvents.h"
#include "game/Invariants.h"
#include "tests/support/TestCards.h"

class TEventLog : public TGameListener {
  public:
    void Happened(const TGame&, const TGameEvent& event) override { Events.push_back(event); }

    int Count(TEventKind kind) const {
        return static_cast<int>(std::count_if(Events.begin(), Events.end(),
                                              [kind](const TGameEvent& e) { return e.Kind == kind; }));
    }
    // The seats that won, in order.
    std::vector<int32_t> Winners() const {
        std::vector<int32_t> seats;
        for (const TGameEvent& event : Events) {
            if (event.Kind == TEventKind::GameWon) {
                seats.push_back(event.Seat);
            }
        }
        return seats;
    }

    std::vector<TGameEvent> Events;
};

// The player's joker exchanges after a draw, answered in order as the window
// asks them; the offers asked about.
inline std::vector<TJokerOffer> AnswerExchanges(TGame& game, std::vector<bool> answers) {
    std::vector<TJokerOffer> asked;
    size_t next = 0;
    game.ExchangeJokers(ChooseJokerOffers(game.JokerOffers(), [&](const TJokerOffer& offer) {
        asked.push_back(offer);
        return next < answers.size() && answers[next++];
    }));
    return asked;
}
