#include "Match.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "ScriptedPlayer.h"
#include "StrongPlayer.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "game/SilentScreen.h"

namespace {

// The two strategies of a match are numbered 0 (named first) and 1.
class TMatchScreen final : public TSilentScreen {
  public:
    void ShowMessage(const std::string&, const std::string&, TMessageIcon) override { ++Refusals; }
    void ShowGameEnd(TGameEnd end, const std::string&, const std::string&) override {
        Winner = end == TGameEnd::PlayerWon ? InPlayerChair : InComputerChair;
    }
    // Every joker exchange offered is taken.
    bool AskYesNo(const std::string&, const std::string&) override { return true; }

    int InPlayerChair = 0;
    int InComputerChair = 1;  // who plays the computer's turn that is running
    int Winner = -1;
    int Refusals = 0;
};

// The hands and what each side has come out with and taken from the pile
// change chairs, so that a strategy written for the computer's chair can
// play the player's.
void SwapChairs(TGame& game) {
    TCardArray held;
    while (!game.OwnCards.Empty() && MoveCard(game.OwnCards, 0, held)) {
    }
    while (!game.OpponentCards.Empty() && MoveCard(game.OpponentCards, 0, game.OwnCards)) {
    }
    while (!held.Empty() && MoveCard(held, 0, game.OpponentCards)) {
    }
    std::swap(game.PlayerCameOut, game.OpponentCameOut);
    game.Seen.SwapSides();
}

uint64_t DealSeed(uint64_t seed, int deal) {
    // splitmix64: neighbouring deals get unrelated seeds.
    uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(deal + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

TOpponentKind KindOf(TStrategy strategy) {
    return strategy == TStrategy::Strong ? TOpponentKind::Strong : TOpponentKind::Classic;
}

class TMatchGame {
  public:
    TMatchGame(TStrategy first, TStrategy second) : Game(&Screen) {
        // The scripted player knows only the player's chair; the classic rules
        // only the computer's, and play the player's by changing chairs; the
        // strong strategy sits in the computer's chair where it can.
        const TStrategy strategies[2] = {first, second};
        int player = 0;
        if (second == TStrategy::Scripted ||
            (first != TStrategy::Scripted && first != TStrategy::Classic && second == TStrategy::Classic)) {
            player = 1;
        }
        PlayerChair = player;
        PlayerStrategy = strategies[player];
        ComputerKind = KindOf(strategies[1 - player]);
    }

    // Plays one game of the deal; `starter` moves first with the first hand dealt.
    // Returns the winner, or -1 when unfinished; `failure` names a broken rule.
    int Play(uint64_t dealSeed, int starter, int roundLimit, long& rounds, std::string& failure) {
        Screen.InPlayerChair = PlayerChair;
        Screen.InComputerChair = 1 - PlayerChair;
        Screen.Winner = -1;
        Game.ChosenOpponent = ComputerKind;
        Game.Rng.Seed(dealSeed);
        Game.NeuesSpiel();
        TScriptedPlayer scripted(Game, dealSeed ^ 0x5DEECE66Dull);
        TStrongPlayer strong(Game);
        if (starter != PlayerChair) {
            // The computer's chair starts with the hand the player's chair was dealt.
            SwapChairs(Game);
            Game.SortOwnCards();
            Game.ZugDesGegners();
        }
        for (int round = 0; round < roundLimit && Screen.Winner < 0; ++round) {
            bool drew = true;
            switch (PlayerStrategy) {
                case TStrategy::Scripted:
                    drew = scripted.PlayTurn();
                    break;
                case TStrategy::Strong:
                    drew = strong.PlayTurn();
                    break;
                case TStrategy::Classic:
                    ClassicInPlayerChair();
                    break;
            }
            ++rounds;
            if (!drew) {
                break;
            }
            if (Screen.Winner >= 0) {
                break;
            }
            std::string broken = CheckCards(Game);
            if (Game.GameState != MustDraw) {
                broken += "game state " + std::to_string(Game.GameState) + "; ";
            }
            if (Screen.Refusals != 0) {
                broken += "a drop was refused; ";
            }
            if (!broken.empty()) {
                failure = "round " + std::to_string(round + 1) + ": " + broken;
                return -1;
            }
        }
        return Screen.Winner;
    }

  private:
    void ClassicInPlayerChair() {
        SwapChairs(Game);
        Game.Opponent = TOpponentKind::Classic;
        Screen.InComputerChair = PlayerChair;
        Game.ZugDesGegners();
        Screen.InComputerChair = 1 - PlayerChair;
        if (Screen.Winner >= 0) {
            return;  // a new game has been dealt; this one is over
        }
        SwapChairs(Game);
        Game.Opponent = ComputerKind;
        Game.ZugDesGegners();
    }

    TMatchScreen Screen;
    TGame Game;
    int PlayerChair = 0;
    TStrategy PlayerStrategy = TStrategy::Scripted;
    TOpponentKind ComputerKind = TOpponentKind::Classic;
};

}  // namespace

const char* StrategyName(TStrategy strategy) {
    switch (strategy) {
        case TStrategy::Scripted:
            return "skript";
        case TStrategy::Classic:
            return "klassisch";
        case TStrategy::Strong:
            return "stark";
    }
    return "";
}

bool ParseStrategy(const std::string& name, TStrategy& strategy) {
    for (TStrategy s : {TStrategy::Scripted, TStrategy::Classic, TStrategy::Strong}) {
        if (name == StrategyName(s)) {
            strategy = s;
            return true;
        }
    }
    return false;
}

bool ParsePairing(const std::string& text, TStrategy& first, TStrategy& second) {
    const size_t dash = text.find('-');
    return dash != std::string::npos && ParseStrategy(text.substr(0, dash), first) &&
           ParseStrategy(text.substr(dash + 1), second) &&
           !(first == TStrategy::Scripted && second == TStrategy::Scripted);
}

TMatchResult PlayMatch(TStrategy first, TStrategy second, int deals, uint64_t seed, int roundLimit) {
    TMatchResult result;
    auto match = std::make_unique<TMatchGame>(first, second);
    for (int deal = 0; deal < deals && result.Failure.empty(); ++deal) {
        const uint64_t dealSeed = DealSeed(seed, deal);
        for (int starter = 0; starter < 2 && result.Failure.empty(); ++starter) {
            std::string failure;
            const int winner = match->Play(dealSeed, starter, roundLimit, result.Rounds, failure);
            ++result.Games;
            if (!failure.empty()) {
                result.Failure = "seed " + std::to_string(seed) + ", deal " + std::to_string(deal + 1) +
                                 ", game " + std::to_string(starter + 1) + ", " + failure;
            } else if (winner == 0) {
                ++result.FirstWins;
            } else if (winner == 1) {
                ++result.SecondWins;
            } else {
                ++result.Unfinished;
            }
        }
    }
    return result;
}

std::string MatchLine(TStrategy first, TStrategy second, const TMatchResult& result) {
    const double share = result.Games > 0 ? 100.0 * result.FirstWins / result.Games : 0.0;
    char line[256];
    std::snprintf(line, sizeof(line),
                  "match %s-%s: %s won %d of %d games (%.1f %%), %s won %d, unfinished %d",
                  StrategyName(first), StrategyName(second), StrategyName(first), result.FirstWins,
                  result.Games, share, StrategyName(second), result.SecondWins, result.Unfinished);
    return line;
}
