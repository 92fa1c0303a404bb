// The open seat with real programs on the other end: the sample player, and a
// hostile one that answers what each test tells it to (hostile_player.py).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ExternPlayer.h"
#include "game/Game.h"
#include "game/Invariants.h"
#include "tests/support/TestCards.h"

namespace {

const std::string Python = BRISKO_PYTHON3;
const std::string Sources = BRISKO_SOURCE_DIR;

std::string Hostile(const std::string& words) {
    return Python + " " + Sources + "/tests/tools/hostile_player.py " + words;
}

// What the player writes to its log.
class TLog {
  public:
    TLog() : File(std::tmpfile()) {}
    ~TLog() { std::fclose(File); }
    TLog(const TLog&) = delete;
    TLog& operator=(const TLog&) = delete;
    std::string Text() const {
        std::fflush(File);
        std::rewind(File);
        std::string text;
        for (int c = std::fgetc(File); c != EOF; c = std::fgetc(File)) {
            text += static_cast<char>(c);
        }
        return text;
    }
    FILE* const File;
};

// Whether the process is gone, or at most a zombie left to init, within a
// few seconds: a signal takes its moment.
bool Gone(int pid) {
    for (int look = 0; look < 500; ++look) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line) || line.find(") Z ") != std::string::npos) {
            return true;
        }
        usleep(10000);
    }
    return false;
}

// Every kind of bad answer loses the game it is given in, the program is
// started anew for the next, and the reason is told.
TEST(ExternPlayerTest, EachKindOfBadAnswerIsAForfeitAndTheMatchGoesOn) {
    struct TCase {
        const char* Words;
        TForfeit Kind;
        const char* Reason;
        const char* When = "turn 1";
    };
    const TCase cases[] = {
        {"name stock pair", TForfeit::IllegalMove, "not a set or run"},
        {"name stock absent", TForfeit::IllegalMove, ", which it does not hold"},
        {"name stock garbage", TForfeit::Garbled, "garbled answer: play: not JSON"},
        {"name '{\"draw\": \"nowhere\"}'", TForfeit::Garbled, "garbled answer: draw: draw is neither"},
        {"'{\"nom\": \"x\"}'", TForfeit::Garbled, "hello: unknown field \"nom\"", "before its first turn"},
        {"name silent", TForfeit::Timeout, "no answer within 1 s"},
        {"name exit", TForfeit::Ended, "closed its output and exited with status 3"},
        {"name stock crash", TForfeit::Ended, "signal 11"},
        {"name huge", TForfeit::TooLong, "an answer longer than 65536 bytes"},
        {"name twice", TForfeit::Unasked, "a line that nobody asked for"},
        {"name2 stray", TForfeit::Unasked, "unasked line: an answer with id 1 to question 2"},
        {"name2 '{\"draw\": \"stock\", \"id\": \"1\"}'", TForfeit::Unasked, "an answer with id of no number"},
        {"name stray", TForfeit::Garbled, "garbled answer: play: unknown field \"draw\""},
        {"name orphan", TForfeit::Ended, "closed its output and exited with status 0"},
        {"'{\"name\": 5}'", TForfeit::Garbled, "hello: the name is not a string", "before its first turn"},
        {"'{\"name\": \"x\", \"protocol\": 3}'", TForfeit::Garbled, "hello: protocol is not a version",
         "before its first turn"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Words);
        TLog log;
        TExternPlayer player(Hostile(c.Words), 1.0, log.File);
        const TMatchResult result = PlayMatch(TStrategy::Classic, TStrategy::Extern, 1, 7, 500, &player);
        player.Finish();
        EXPECT_EQ(result.Failure, "");
        EXPECT_EQ(result.Forfeits, 2);
        EXPECT_EQ(result.FirstWins, 2);
        EXPECT_EQ(player.Forfeits(c.Kind), 2);
        EXPECT_EQ(player.ForfeitSummary(), std::string(ForfeitName(c.Kind)) + " 2");
        const std::string text = log.Text();
        EXPECT_NE(text.find(std::string("extern forfeits game 2 (deal 1), ") + c.When), std::string::npos)
            << text;
        EXPECT_NE(text.find(c.Reason), std::string::npos) << text;
    }
}

// Forfeits of two kinds, one of each: the summary names both. Moving second
// the program finds a card on the pile and answers the play with a draw;
// moving first it finds the pile empty.
TEST(ExternPlayerTest, TheSummaryNamesEveryKindOfForfeit) {
    TExternPlayer player(Hostile(R"(name '{"draw": "pile"}')"), 5.0, nullptr);
    const TMatchResult result = PlayMatch(TStrategy::Classic, TStrategy::Extern, 1, 7, 500, &player);
    player.Finish();
    EXPECT_EQ(result.Forfeits, 2);
    EXPECT_EQ(player.ForfeitSummary(), "illegal move 1, garbled answer 1");
}

// The sample player's every move is legal, over whole matches against each
// kind of opponent; the same seed gives the same games; at the end the program
// is gone.
TEST(ExternPlayerTest, TheSamplePlayerPlaysLegallyAndAlikeForTheSameSeed) {
    const std::string sample = Python + " " + Sources + "/tools/selfplay/sample_player.py";
    std::vector<TMatchResult> results;
    for (TStrategy other : {TStrategy::Strong, TStrategy::Strong, TStrategy::Scripted, TStrategy::Classic}) {
        TExternPlayer player(sample, 10.0, stderr);
        results.push_back(PlayMatch(other, TStrategy::Extern, 2, 21, 500, &player));
        const TMatchResult& result = results.back();
        EXPECT_EQ(result.Failure, "");
        EXPECT_EQ(result.Forfeits, 0);
        EXPECT_EQ(result.Games, 4);
        EXPECT_EQ(player.Name(), "\"sample 1\"");
        EXPECT_GT(player.AnswerTimes().Count, 4 * 2 * 3);
        const int pid = player.ProcessId();
        ASSERT_GT(pid, 0);
        player.Finish();
        EXPECT_EQ(player.ProcessId(), -1);
        EXPECT_TRUE(Gone(pid));
    }
    EXPECT_EQ(results[0].FirstWins, results[1].FirstWins);
    EXPECT_EQ(results[0].Rounds, results[1].Rounds);
    EXPECT_GT(results[0].SecondWins + results[2].SecondWins + results[3].SecondWins, 0);
}

// One turn from a position made for it, the answer to the play given.
class ExternTurnTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NeuesSpiel();
        SetHand(game, "He9 Kr2 Kr3 Kr4 Ka5 Ka6");
        PutMeld(game, "*He9 He8 He7", TFrom::Deck);
        game.PlayerCameOut = 1;
    }

    TTurnEnd Play(const std::string& answer) {
        player = std::make_unique<TExternPlayer>(Hostile("name stock '" + answer + "'"), 5.0, log.File);
        EXPECT_TRUE(player->BeginGame(game, TGameStart{1, 1, true, TStrategy::Classic}));
        const TTurnEnd end = player->PlayTurn(game, PlayerSeat);
        EXPECT_EQ(player->BrokenRule(), "");
        EXPECT_EQ(CheckCards(game), "");
        return end;
    }

    TGame game{nullptr, 9};
    TLog log;
    std::unique_ptr<TExternPlayer> player;
};

TEST_F(ExternTurnTest, ExchangesMeldsLayOffsAndTheDiscardGoThroughThePlayersRoutines) {
    ASSERT_EQ(
        Play(
            R"({"exchanges": ["He9"], "melds": [["Kr4", "Kr2", "Kr3"]],)"
            R"( "layoffs": [{"meld": 0, "cards": ["*"]}, {"meld": 1, "cards": ["Ka5"]}], "discard": "Ka6"})"),
        TTurnEnd::Forfeit);
    // Ka5 does not fit the run of Kreuz: everything before it was done.
    EXPECT_NE(log.Text().find("lay-off onto meld 1 of Ka5: not a set or run"), std::string::npos)
        << log.Text();
    EXPECT_EQ(ShowCards(*game.TableMelds.At(0).Cards), "*He10 He9 He8 He7");
    EXPECT_EQ(ShowCards(*game.TableMelds.At(1).Cards), "Kr4 Kr3 Kr2");
    EXPECT_EQ(player->Forfeits(TForfeit::IllegalMove), 1);
}

TEST_F(ExternTurnTest, ALegalTurnEndsWithTheDiscard) {
    ASSERT_EQ(Play(R"({"exchanges": ["He9"], "melds": [["Kr4", "Kr2", "Kr3"]], "discard": "Ka6"})"),
              TTurnEnd::Played);
    EXPECT_EQ(ShowCards(*game.TableMelds.At(0).Cards), "He9 He8 He7");
    EXPECT_EQ(CardName(game.DiscardPile.Last()), "Ka6");
    EXPECT_EQ(game.GameState, MustDraw);
    EXPECT_EQ(HandIndex(game, "*") >= 0 && HandIndex(game, "Ka5") >= 0, true);
    EXPECT_EQ(game.OwnCards.Count(), 3);  // the joker, Ka5 and the card drawn
}

// The game's own rules refuse, each with its reason told.
TEST_F(ExternTurnTest, TheRulesOfThePlayersSeatHold) {
    struct TCase {
        const char* Answer;
        bool CameOut;
        const char* Reason;
    };
    const TCase cases[] = {
        {R"({"melds": [["Kr4", "Kr2", "Kr3"]], "discard": "Ka6"})", false,
         "meld Kr4 Kr2 Kr3: worth less than the first-meld minimum of 30"},
        {R"({"exchanges": ["He9"], "discard": "Ka6"})", false,
         "no joker exchange offered for He9 (it has not come out before this turn)"},
        {R"({"exchanges": ["Kr2"], "discard": "Ka6"})", true, "no joker exchange offered for Kr2"},
        {R"({"exchanges": ["*"], "discard": "Ka6"})", true, "exchanges a joker for a joker"},
        {R"({"layoffs": [{"meld": 1, "cards": ["Kr2"]}], "discard": "Ka6"})", true,
         "lay-off onto meld 1 of Kr2: the table has 1 melds"},
        {R"({"layoffs": [{"meld": 0, "cards": []}], "discard": "Ka6"})", true,
         "lay-off onto meld 0 of no card"},
        {R"({"melds": [["Kr2", "Kr3", "Kr4", "Kr5"]], "discard": "Ka6"})", true,
         "meld Kr2 Kr3 Kr4 Kr5: it does not hold Kr5"},
        {R"({"melds": [["Kr2", "Kr2", "Kr3"]], "discard": "Ka6"})", true,
         "meld Kr2 Kr2 Kr3: it does not hold Kr2"},
        {R"({"melds": [["Kr2", "Kr3", "Kr4"], ["He9", "Ka5", "Ka6"]], "discard": "Ka6"})", true,
         "meld He9 Ka5 Ka6: not a set or run"},
        {R"({"melds": [["Kr2", "Kr3", "Kr4"]], "discard": "Kr2"})", true,
         "discards Kr2, which it does not hold"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Answer);
        SetUp();
        game.PlayerCameOut = c.CameOut ? 1 : 0;
        const size_t told = log.Text().size();
        EXPECT_EQ(Play(c.Answer), TTurnEnd::Forfeit);
        EXPECT_NE(log.Text().find(std::string("illegal move: ") + c.Reason, told), std::string::npos)
            << log.Text();
    }
}

// The play names the card drawn; throwing it away puts the stock's top on the pile.
TEST_F(ExternTurnTest, ThePlayNamesTheCardDrawn) {
    const std::string top = CardName(game.Stock.At(0));
    player = std::make_unique<TExternPlayer>(Hostile("name stock drawn"), 5.0, log.File);
    ASSERT_TRUE(player->BeginGame(game, TGameStart{1, 1, true, TStrategy::Classic}));
    EXPECT_EQ(player->PlayTurn(game, PlayerSeat), TTurnEnd::Played) << log.Text();
    EXPECT_EQ(CardName(game.DiscardPile.Last()), top);
}

TEST_F(ExternTurnTest, EveryTurnEndsWithADiscard) {
    SetHand(game, "Kr2 Kr3");
    // The card drawn and both cards make a run only by chance; the pile's top is known.
    PutCards(game, game.DiscardPile, "Kr4", TFrom::Deck);
    player = std::make_unique<TExternPlayer>(
        Hostile(R"(name '{"draw": "pile"}' '{"melds": [["Kr2", "Kr3", "Kr4"]], "discard": "Kr2"}')"), 5.0,
        log.File);
    ASSERT_TRUE(player->BeginGame(game, TGameStart{1, 1, true, TStrategy::Classic}));
    EXPECT_EQ(player->PlayTurn(game, PlayerSeat), TTurnEnd::Forfeit);
    EXPECT_NE(log.Text().find("no card left to discard"), std::string::npos) << log.Text();
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(ExternTurnTest, NothingIsDrawnFromAnEmptyPileAndNothingIsAskedWithNothingToDraw) {
    player = std::make_unique<TExternPlayer>(Hostile(R"(name '{"draw": "pile"}')"), 5.0, log.File);
    ASSERT_TRUE(player->BeginGame(game, TGameStart{1, 1, true, TStrategy::Classic}));
    EXPECT_EQ(player->PlayTurn(game, PlayerSeat), TTurnEnd::Forfeit);
    EXPECT_NE(log.Text().find("draws from an empty discard pile"), std::string::npos) << log.Text();
    while (!game.Stock.Empty()) {
        MoveCard(game.Stock, 0, game.OpponentCards);
    }
    EXPECT_EQ(player->PlayTurn(game, PlayerSeat), TTurnEnd::NothingToDraw);
}

TEST(ExternProgramTest, LinesAreCutAtTheirEndAndTheProgramsEndIsSeen) {
    TExternProgram program(
        "printf 'one\\r\\ntwo\\nthr'; sleep 0.3; printf 'ee\\n'; read go; printf 'four\\n'; exec 1>&-; sleep "
        "0.3; exit 4");
    std::string error;
    ASSERT_TRUE(program.Start(error)) << error;
    std::string line;
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line, "one");
    EXPECT_TRUE(program.HasUnreadOutput());
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line, "two");
    EXPECT_EQ(program.ReadLine(line, 0.05), TExternProgram::TIo::Timeout);
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line, "three");
    EXPECT_FALSE(program.HasUnreadOutput());  // it waits for its input
    ASSERT_EQ(program.Send("go", 1.0), TExternProgram::TIo::Done);
    bool waiting = false;
    for (int look = 0; look < 500 && !waiting; ++look) {
        usleep(10000);
        waiting = program.HasUnreadOutput();
    }
    EXPECT_TRUE(waiting);
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line, "four");
    EXPECT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Closed);
    program.Stop(5.0);
    EXPECT_EQ(program.HowItEnded(), "exited with status 4");
    EXPECT_FALSE(program.Running());
    EXPECT_EQ(program.Send("late", 1.0), TExternProgram::TIo::Closed);
}

// The longest line taken is MaxLineBytes long; a program that ends when its
// input does is let go without a signal.
TEST(ExternProgramTest, LongLinesAndAQuietEnd) {
    const std::string longest = std::to_string(TExternProgram::MaxLineBytes);
    TExternProgram program("head -c " + longest + " /dev/zero | tr '\\0' x; echo; head -c " + longest +
                           " /dev/zero; echo; cat");
    std::string error;
    ASSERT_TRUE(program.Start(error)) << error;
    std::string line;
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line, std::string(TExternProgram::MaxLineBytes, 'x'));
    ASSERT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Done);
    EXPECT_EQ(line.size(), TExternProgram::MaxLineBytes);
    ASSERT_EQ(program.Send(std::string(TExternProgram::MaxLineBytes, 'y') + "y", 5.0),
              TExternProgram::TIo::Done);
    EXPECT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::TooLong);
    program.Stop(5.0);
    EXPECT_EQ(program.HowItEnded(), "exited with status 0");
}

// A program that ignores its input's end and SIGTERM is killed, and the
// shell's children with it.
TEST(ExternProgramTest, AStubbornProgramIsKilledAndReaped) {
    TExternProgram program(Hostile("stubborn"));
    std::string error;
    ASSERT_TRUE(program.Start(error)) << error;
    ASSERT_EQ(program.Send(R"({"type": "hello", "protocol": 1})", 5.0), TExternProgram::TIo::Done);
    std::string line;
    ASSERT_EQ(program.ReadLine(line, 10.0), TExternProgram::TIo::Done);
    const int python = std::stoi(line.substr(line.find_first_of("0123456789")));
    const int shell = program.ProcessId();
    program.Stop(0.1);
    EXPECT_TRUE(Gone(python));
    EXPECT_TRUE(Gone(shell));
    EXPECT_EQ(program.HowItEnded(), "ended by signal 15 (Terminated)");
}

// Out of file descriptors nothing is started, and the reason is told.
TEST(ExternProgramTest, WithoutPipesNothingIsStarted) {
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
    // Every descriptor below the lowest free one is taken: the limit there leaves none for a pipe.
    const int lowest = dup(STDIN_FILENO);
    ASSERT_GE(lowest, 0);
    close(lowest);
    rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(lowest);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    TExternProgram program("cat");
    std::string error;
    const bool started = program.Start(error);
    setrlimit(RLIMIT_NOFILE, &old);
    EXPECT_FALSE(started);
    EXPECT_EQ(error, "no pipe: Too many open files");
    EXPECT_FALSE(program.Running());
}

// A parent that ignores SIGCHLD hands that down, and then the system reaps
// the program itself: its end is seen all the same, and nothing is waited for.
TEST(ExternProgramTest, AProgramTheSystemReapedIsNotWaitedFor) {
    struct TIgnoredChildSignal {
        TIgnoredChildSignal() {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            sigaction(SIGCHLD, &ignore, &Old);
        }
        ~TIgnoredChildSignal() { sigaction(SIGCHLD, &Old, nullptr); }
        struct sigaction Old {};
    } ignored;
    TExternProgram program("exit 0");
    std::string error;
    ASSERT_TRUE(program.Start(error)) << error;
    std::string line;
    EXPECT_EQ(program.ReadLine(line, 5.0), TExternProgram::TIo::Closed);
    program.Stop(5.0);
    EXPECT_EQ(program.HowItEnded(), "gone");
    EXPECT_FALSE(program.Running());
}

// A program that reads nothing is not waited for beyond the time given.
TEST(ExternProgramTest, AProgramThatReadsNothingCannotBlockTheTool) {
    TExternProgram program("sleep 30");
    std::string error;
    ASSERT_TRUE(program.Start(error)) << error;
    const std::string big(TExternProgram::MaxLineBytes, 'x');
    TExternProgram::TIo sent = TExternProgram::TIo::Done;
    for (int i = 0; i < 8 && sent == TExternProgram::TIo::Done; ++i) {
        sent = program.Send(big, 0.05);
    }
    EXPECT_EQ(sent, TExternProgram::TIo::Timeout);
}

}  // namespace
