#include "SelfPlay.h"

#include "ScriptedPlayer.h"
#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "game/record/Snapshot.h"

namespace {

// Counts the ends of games.
class TTally final : public TGameListener {
  public:
    void Happened(const TGame&, const TGameEvent& event) override {
        if (event.Kind == TEventKind::GameWon) {
            ++(event.Seat == PlayerSeat ? PlayerWins : ComputerWins);
        }
    }

    int PlayerWins = 0;
    int ComputerWins = 0;
};

// After the player's turn the computer's; a game won is followed by the next
// deal, as at the table.
void FinishRound(TGame& game) {
    ZugDesGegners(game);
    if (game.Over()) {
        game.NeuesSpiel();
    }
}

// FNV-1a over the fields the rules read and write; faces and drag offsets are the screen's.
class TSignature {
  public:
    void Add(int64_t value) {
        for (int i = 0; i < 8; ++i) {
            Hash = (Hash ^ static_cast<uint8_t>(value >> (8 * i))) * 1099511628211ull;
        }
    }
    void Add(const TCardArray& cards) {
        Add(cards.Count());
        for (int i = 0; i < cards.Count(); ++i) {
            const TCard& c = cards.At(i);
            for (int64_t v : {int64_t{c.Suit}, int64_t{c.Rank}, int64_t{c.FromTable}, int64_t{c.FixedOnTable},
                              int64_t{c.TakeBack}, int64_t{c.Selected}, int64_t{c.MeldOrder},
                              int64_t{c.AsRank}, int64_t{c.AsSuit}}) {
                Add(v);
            }
        }
    }
    void Add(const TGame& game) {
        Add(game.OwnCards);
        Add(game.OpponentCards);
        Add(game.Stock);
        Add(game.DiscardPile);
        Add(game.TableMelds.Count());
        for (int m = 0; m < game.TableMelds.Count(); ++m) {
            Add(*game.TableMelds.At(m).Cards);
        }
        for (int64_t v : {int64_t{game.GameState}, int64_t{game.PlayerCameOut}, int64_t{game.OpponentCameOut},
                          int64_t{game.ComeOutAtTurnStart}}) {
            Add(v);
        }
    }

    uint64_t Hash = 14695981039346656037ull;
};

}  // namespace

TSelfPlayResult PlayGames(int games, uint64_t seed, int turnLimit, const TSelfPlayOptions& options) {
    TSelfPlayResult result;
    TTally screen;
    // The player keeps its seat when an interruption puts a new game object
    // there: an object of the same type in the same place takes over the
    // old one's name.
    std::optional<TGame> seat;
    seat.emplace(&screen, seed);
    TGame& game = *seat;
    game.ChosenOpponent = options.Opponent;
    TScriptedPlayer player(seed ^ 0x5DEECE66Dull);
    TSignature signature;
    int ends = 0;
    std::string unkept;  // a position that could not be kept
    auto interrupt = [&] {
        if (screen.PlayerWins + screen.ComputerWins != ends) {
            return;
        }
        if (unkept.empty()) {
            unkept = CheckSnapshot(TakeSnapshot(game));
        }
        if (options.Interrupt) {
            options.Interrupt(seat, screen);
        }
    };
    player.Paused = interrupt;
    for (int g = 0; g < games && result.Failure.empty(); ++g) {
        game.NeuesSpiel();
        ends = screen.PlayerWins + screen.ComputerWins;
        int turn = 0;
        while (screen.PlayerWins + screen.ComputerWins == ends) {
            if (turn == turnLimit || player.PlayTurn(game, PlayerSeat) != TTurnEnd::Played) {
                ++result.Unfinished;
                break;
            }
            FinishRound(game);
            ++turn;
            signature.Add(game);
            std::string broken = CheckCards(game);
            if (game.GameState != MustDraw && game.GameState != MayLayOut) {
                broken += "game state " + std::to_string(game.GameState) + "; ";
            }
            if (player.Refusals != 0) {
                broken += "the scripted player was refused; ";
            }
            interrupt();
            if (!unkept.empty()) {
                broken += "not to be kept: " + unkept + "; ";
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
    result.Signature = signature.Hash;
    result.PlayerWins = screen.PlayerWins;
    result.ComputerWins = screen.ComputerWins;
    return result;
}
