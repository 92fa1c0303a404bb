#include "SelfPlay.h"

#include "ScriptedPlayer.h"
#include "game/Game.h"
#include "game/Invariants.h"

namespace {

// Counts the ends of games by the captions of their messages.
class TTallyScreen final : public TGameScreen {
  public:
    void Repaint() override {}
    void SetStatusLine(const std::string&) override {}
    void ShowMessage(const std::string&, const std::string& caption, TMessageIcon) override {
        if (caption == "Sie haben gewonnen!") {
            ++PlayerWins;
        } else if (caption == "Sie haben verloren!") {
            ++ComputerWins;
        } else {
            ++Refusals;
        }
    }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    CardFace* ComposeFace(int32_t, int32_t) override { return nullptr; }
    void FreeFace(CardFace*) override {}

    int PlayerWins = 0;
    int ComputerWins = 0;
    int Refusals = 0;
};

}  // namespace

TSelfPlayResult PlayGames(int games, uint64_t seed, int turnLimit) {
    TSelfPlayResult result;
    TTallyScreen screen;
    TGame game(&screen, seed);
    TScriptedPlayer player(game, seed ^ 0x5DEECE66Dull);
    for (int g = 0; g < games && result.Failure.empty(); ++g) {
        game.NeuesSpiel();
        const int endsBefore = screen.PlayerWins + screen.ComputerWins;
        int turn = 0;
        while (screen.PlayerWins + screen.ComputerWins == endsBefore) {
            if (turn == turnLimit || !player.PlayTurn()) {
                ++result.Unfinished;
                break;
            }
            ++turn;
            std::string broken = CheckCards(game);
            if (game.GameState != 0 && game.GameState != 1) {
                broken += "game state " + std::to_string(game.GameState) + "; ";
            }
            if (screen.Refusals != 0) {
                broken += "the scripted player was refused; ";
            }
            if (!broken.empty()) {
                result.Failure = "seed " + std::to_string(seed) + ", game " + std::to_string(g + 1) +
                                 ", turn " + std::to_string(turn) + ": " + broken;
                break;
            }
        }
        result.Turns += turn;
        ++result.Games;
    }
    result.PlayerWins = screen.PlayerWins;
    result.ComputerWins = screen.ComputerWins;
    return result;
}
