// The open seat: a program outside this one plays the player's chair over the
// line protocol (docs/extern-protocol.md). Its every move goes through the
// player's own routines and rules; any bad answer loses it the game as a
// forfeit, told on the log, and the program is started anew for the next.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ExternProgram.h"
#include "ExternProtocol.h"
#include "Match.h"

enum class TForfeit { IllegalMove, Garbled, Timeout, TooLong, Unasked, Ended };
inline constexpr int ForfeitKinds = 6;
// "illegal move", "garbled answer", ...
const char* ForfeitName(TForfeit kind);

class TExternPlayer final : public TOutsidePlayer {
  public:
    // `command` runs under /bin/sh; every answer must come within `timeout`
    // seconds; each forfeit is told on `log` in one line.
    TExternPlayer(std::string command, double timeout, FILE* log);
    ~TExternPlayer() override { Finish(); }

    bool BeginGame(const TGame& game, const TGameStart& start) override;
    TTurnEnd PlayTurn(TGame& game, int32_t seat) override;
    const std::string& BrokenRule() const override { return Broken; }
    void EndGame(TGameResult result, const std::vector<int32_t>& points) override;
    // Ends the program: its input closed, a moment to leave, then signals.
    void Finish();

    // As it gave it in its hello, quoted; empty before.
    const std::string& Name() const { return ProgramName; }
    int Forfeits(TForfeit kind) const { return Counts[static_cast<int>(kind)]; }
    // "illegal move 2, no answer in time 1"; "none".
    std::string ForfeitSummary() const;
    // The process running now, -1 when none.
    pid_t ProcessId() const { return Program.ProcessId(); }

    struct TAnswerTimes {
        long Count = 0;
        double Total = 0;  // seconds
        double Slowest = 0;
    };
    const TAnswerTimes& AnswerTimes() const { return Times; }

  private:
    // Each is false once the game is forfeited; a broken deck is thrown.
    // `id` numbers the question where the program speaks version 2, else 0.
    bool Ask(const std::string& message, std::string& answer, int id = 0);
    // The next question's number, 0 where the program does not number them.
    int NextQuestionId() { return Version >= 2 ? ++LastQuestionId : 0; }
    bool Tell(const std::string& message);
    bool Forfeit(TForfeit kind, const std::string& reason);
    bool Play(TGame& game);
    bool Draw(TGame& game);
    bool Exchange(TGame& game, const std::vector<TCardCode>& cards);
    bool Drop(TGame& game, int32_t meld, const std::vector<TCardCode>& cards);
    bool Discard(TGame& game, const TCardCode& card);
    // How long the program may take to leave once its input is closed.
    double Grace() const { return Timeout < 1.0 ? Timeout : 1.0; }

    TExternProgram Program;
    double Timeout;
    FILE* Log;
    std::string ProgramName;
    int Version = OldestProtocol;  // as chosen in the hello
    int LastQuestionId = 0;
    TGameStart Current;
    int Turn = 0;
    std::string ForfeitReason;  // of the game running; empty when none
    std::string Broken;         // by the last turn
    int Counts[ForfeitKinds] = {};
    TAnswerTimes Times;
};
