#include "game/Scoring.h"

#include "game/CardValue.h"
#include "game/Game.h"

int32_t HandCardPoints(const TCard& card, int32_t jokerPoints) {
    // A joker's own rank is worth nothing as a meld card; held, it costs most.
    return IsJoker(card) ? jokerPoints : CardValue(card.Rank);
}

int32_t HandPoints(const std::vector<TCard>& hand, int32_t jokerPoints) {
    int32_t points = 0;
    for (const TCard& card : hand) {
        points += HandCardPoints(card, jokerPoints);
    }
    return points;
}

std::vector<int32_t> MinusPoints(const TFinishedGame& game, int32_t jokerPoints) {
    std::vector<int32_t> points;
    for (size_t seat = 0; seat < game.Hands.size(); ++seat) {
        const int32_t hand =
            static_cast<int32_t>(seat) == game.Winner ? 0 : HandPoints(game.Hands[seat], jokerPoints);
        points.push_back(game.HandRomme ? 2 * hand : hand);
    }
    return points;
}

TFinishedGame FinishedGameAtTable(const TGame& game, int32_t winner, bool winnerOutBefore) {
    TFinishedGame finished;
    for (int32_t seat = 0; seat < game.SeatCount; ++seat) {
        finished.Hands.push_back(game.Seats[seat].Hand.Records());
    }
    finished.Winner = winner;
    const bool cameOut = winner >= 0 && winner < game.SeatCount && game.Seats[winner].CameOut != 0;
    finished.HandRomme = cameOut && !winnerOutBefore;
    return finished;
}

TFinishedGame WonGame(const TGame& game, int32_t winner) {
    const bool outBefore = winner >= 0 && winner < game.SeatCount && game.Seats[winner].OutAtTurnStart != 0;
    return FinishedGameAtTable(game, winner, outBefore);
}
