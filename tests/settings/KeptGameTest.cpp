// The kept game's file: every field back as it was, a game that plays on as if
// never interrupted, bad files refused and kept aside, saves that leave the old
// or the new file whatever stops them, and the keeper that writes in the
// background.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <random>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ScriptedPlayer.h"
#include "SelfPlay.h"
#include "game/ComputerTurn.h"
#include "game/Invariants.h"
#include "game/record/Snapshot.h"
#include "settings/FileKeeper.h"
#include "settings/KeptGame.h"
#include "settings/SafeFile.h"
#include "tests/support/EventLog.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WatchedSaveCalls.h"

namespace {

// Positions of self-play games at every place where play may stop.
std::vector<TGameSnapshot> PlayedPositions(TOpponentKind opponent, int games, uint64_t seed) {
    std::vector<TGameSnapshot> positions;
    TSelfPlayOptions options;
    options.Opponent = opponent;
    options.Interrupt = [&](std::optional<TGame>& seat, TGameListener&) {
        positions.push_back(TakeSnapshot(*seat));
    };
    EXPECT_EQ(PlayGames(games, seed, 500, options).Failure, "");
    return positions;
}

// A position of the player's turn with melds on the table, cards laid this
// turn, a remembered discard pile and a computer's turn to mark.
const TGameSnapshot& RichPosition() {
    static const TGameSnapshot rich = [] {
        for (const TGameSnapshot& s : PlayedPositions(TOpponentKind::Strong, 12, 3)) {
            bool takeBack = false;
            for (const auto& meld : s.Melds) {
                for (const TCard& card : meld) {
                    takeBack = takeBack || card.TakeBack != 0;
                }
            }
            if (takeBack && s.Melds.size() >= 3 && !s.DiscardPile.empty() && !s.OpponentTurn.Steps.empty()) {
                return s;
            }
        }
        ADD_FAILURE() << "no rich position";
        return TGameSnapshot{};
    }();
    return rich;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

bool Lies(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

TEST(KeptGameTest, TheFileLiesInTheDataFolderUnderAFixedName) {
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(KeptGameFilePath(), "/somewhere/data/brisko/kept-game.json");
    qputenv("XDG_DATA_HOME", "relative/data");  // invalid: the default
    EXPECT_EQ(KeptGameFilePath(), QDir::homePath() + "/.local/share/brisko/kept-game.json");
    qputenv("XDG_DATA_HOME", previous);
}

// Every field of every card in every pile, the turn, the memory, the random
// generator and the computer's last turn come back; the cards get faces of
// their own, and the computer's turn finds them by face again.
TEST(KeptGameTest, EveryFieldComesBack) {
    const TKeptGame kept{RichPosition(), 321};
    const QByteArray text = KeptGameText(kept);
    const TKeptGameParse parse = ParseKeptGame(text);
    ASSERT_EQ(parse.Problem, "");
    EXPECT_EQ(parse.Kept.MeldRowScroll, 321);
    EXPECT_EQ(KeptGameText(parse.Kept), text);

    TEventLog screen;
    TGame game(&screen, 99);
    game.NeuesSpiel();
    ASSERT_TRUE(RestoreSnapshot(game, parse.Kept.Game));
    EXPECT_EQ(KeptGameText({TakeSnapshot(game), 321}), text);
    EXPECT_EQ(CheckCards(game), "");  // 110 cards, each with a face of its own
    EXPECT_EQ(screen.Events.back().Kind, TEventKind::StatusChanged);  // the status line follows

    // The turn ended from here, in a game whose cards have faces: the steps
    // of the computer's turn get the faces of the cards where they lie.
    game.TakeBackTurn();
    game.ClearHandSelection();
    game.ToggleHandCard(0);
    game.PlayerDiscard();
    ZugDesGegners(game);
    const TGameSnapshot after = TakeSnapshot(game);
    TGame again(&screen, 1);
    ASSERT_TRUE(RestoreSnapshot(again, after));
    ASSERT_FALSE(again.OpponentTurn.Steps.empty());
    const TTurnStep& last = again.OpponentTurn.Steps.back();
    ASSERT_EQ(last.Kind, TStepKind::Discard);
    EXPECT_EQ(last.Card.Id, again.DiscardPile.Last().Id);
}

// The computer's discard onto an empty pile lies at the pile's foot, and its
// mark on the table comes back with it.
TEST(KeptGameTest, TheMarkOfADiscardOntoAnEmptyPileComesBack) {
    TEventLog screen;
    TGame game(&screen, 5);
    game.NeuesSpiel();
    ZugDesGegners(game);
    ASSERT_TRUE(game.PlayerDrawFromStock());
    ASSERT_EQ(game.DiscardPile.Count(), 1);
    ASSERT_EQ(game.OpponentTurn.Steps.back().Kind, TStepKind::Discard);
    const TKeptGameParse parse = ParseKeptGame(KeptGameText({TakeSnapshot(game), 0}));
    ASSERT_EQ(parse.Problem, "");
    TGame again(&screen, 1);
    ASSERT_TRUE(RestoreSnapshot(again, parse.Kept.Game));
    ASSERT_FALSE(again.OpponentTurn.Steps.empty());
    EXPECT_EQ(again.OpponentTurn.Steps.back().Card.Id, again.DiscardPile.At(0).Id);
}

// Play k turns, keep the game in a file, read it into a fresh game that had
// dealt a game of its own, play on: for either opponent the same game, card
// for card, as without the interruption, under the rules it was dealt with
// whatever the settings say meanwhile.
TEST(KeptGameTest, AGameTakenUpAgainPlaysOnAsIfNeverInterrupted) {
    for (const TOpponentKind opponent : {TOpponentKind::Classic, TOpponentKind::Strong}) {
        TSelfPlayOptions plain;
        plain.Opponent = opponent;
        const TSelfPlayResult straight = PlayGames(6, 41, 500, plain);

        int interruptions = 0;
        TSelfPlayOptions interrupted = plain;
        interrupted.Interrupt = [&](std::optional<TGame>& seat, TGameListener& screen) {
            const QByteArray text = KeptGameText({TakeSnapshot(*seat), 0});
            seat.reset();
            seat.emplace(&screen, 1000 + interruptions);
            seat->ChosenOpponent =
                opponent == TOpponentKind::Classic ? TOpponentKind::Strong : TOpponentKind::Classic;
            seat->NextDeal.MeldMinimum = 40;
            seat->NeuesSpiel();
            const TKeptGameParse parse = ParseKeptGame(text);
            ASSERT_EQ(parse.Problem, "");
            ASSERT_TRUE(RestoreSnapshot(*seat, parse.Kept.Game));
            seat->NextDeal.MeldMinimum = 30;
            ++interruptions;
        };
        const TSelfPlayResult taken = PlayGames(6, 41, 500, interrupted);
        EXPECT_EQ(taken.Failure, "");
        EXPECT_GT(interruptions, 100);
        EXPECT_EQ(taken.Signature, straight.Signature) << "opponent " << static_cast<int>(opponent);
        EXPECT_EQ(taken.PlayerWins, straight.PlayerWins);
        EXPECT_EQ(taken.Turns, straight.Turns);
    }
}

// A table of three or four is kept as version 3 with every seat; taken up
// again it plays on exactly as the game it was kept from. Files that seat
// the table wrongly are refused.
TEST(KeptGameTest, EverySeatOfALargerTableIsKept) {
    for (const int32_t seats : {3, 4}) {
        TEventLog screen;
        TGame game(&screen, 170 + seats);
        game.NextDeal.Seats = seats;
        game.ChosenOpponents[2] = TOpponentKind::Strong;
        TScriptedPlayer player(5);
        int kept = 0;
        for (int round = 0; round < 200 && kept < 20; ++round) {
            if (round == 0 || game.Over()) {
                game.NeuesSpiel();
            }
            player.PlayTurn(game, PlayerSeat);
            ZugDesGegners(game);
            if (game.Over()) {
                continue;
            }
            const QByteArray text = KeptGameText({TakeSnapshot(game), 0});
            ASSERT_TRUE(text.contains("\"version\":3")) << seats;
            const TKeptGameParse parse = ParseKeptGame(text);
            ASSERT_EQ(parse.Problem, "") << seats << " seats, round " << round;
            TGame restored(&screen, 1);
            ASSERT_TRUE(RestoreSnapshot(restored, parse.Kept.Game));
            EXPECT_EQ(KeptGameText({TakeSnapshot(restored), 0}), text);
            // The same next round in both games ends in the same place.
            TScriptedPlayer twin = player;
            twin.PlayTurn(restored, PlayerSeat);
            ZugDesGegners(restored);
            TScriptedPlayer(player).PlayTurn(game, PlayerSeat);
            ZugDesGegners(game);
            ASSERT_EQ(KeptGameText({TakeSnapshot(restored), 0}), KeptGameText({TakeSnapshot(game), 0}));
            ++kept;
        }
        EXPECT_EQ(kept, 20) << seats << " seats";
        EXPECT_EQ(CheckCards(game), "");
    }
    // Crafted files of a table of four.
    TEventLog screen;
    TGame game(&screen, 9);
    game.NextDeal.Seats = 4;
    game.NeuesSpiel();
    game.PlayerDrawFromStock();
    const QJsonObject four = QJsonDocument::fromJson(KeptGameText({TakeSnapshot(game), 0})).object();
    auto changed = [&four](const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = four;
        change(root);
        return ParseKeptGame(QJsonDocument(root).toJson(QJsonDocument::Compact)).Problem;
    };
    auto seat = [](QJsonObject& r, const char* key, const QJsonValue& value) {
        QJsonArray more = r["moreSeats"].toArray();
        QJsonObject second = more[1].toObject();
        second[key] = value;
        more[1] = second;
        r["moreSeats"] = more;
    };
    const struct {
        std::function<void(QJsonObject&)> Change;
        const char* Problem;
    } cases[] = {
        {[](QJsonObject&) {}, ""},
        {[](QJsonObject& r) { r["seats"] = 5; }, "the seats is no whole number in range"},
        {[](QJsonObject& r) { r["seats"] = 3; }, "the more seats is not a list of the right length"},
        {[](QJsonObject& r) { r.remove("moreSeats"); }, "the more seats is not a list of the right length"},
        {[&](QJsonObject& r) { seat(r, "hand", QJsonArray()); }, "not the 110 cards"},
        {[&](QJsonObject& r) { seat(r, "opponent", 7); }, "a seat out of place"},
        {[&](QJsonObject& r) { seat(r, "cameOut", 2); }, "a seat out of place"},
        {[](QJsonObject& r) { r["version"] = 2; }, "the remembered cards is not a list of the right length"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(changed(c.Change), c.Problem);
    }
}

// The count of the player's turns stops at the bound a kept game may hold, so
// a game kept at the bound is kept again after the next draw.
TEST(KeptGameTest, TheCountOfTurnsStaysWithinWhatCanBeKept) {
    TGameSnapshot s = RichPosition();
    s.PlayerDraws = MaxPlayerDraws;
    TGame game(nullptr, 5);
    ASSERT_TRUE(RestoreSnapshot(game, s));
    game.TakeBackTurn();
    game.ClearHandSelection();
    game.ToggleHandCard(0);
    game.PlayerDiscard();
    ASSERT_TRUE(game.PlayerDrawFromStock());
    EXPECT_EQ(game.PlayerDraws, MaxPlayerDraws);
    EXPECT_EQ(CheckSnapshot(TakeSnapshot(game)), "");
}

// One damaged or crafted file per kind of fault: each is refused, moved aside
// unchanged as .bak, and the player is told where it went.
class KeptGameFileTest : public ::testing::Test {
  protected:
    QString Path() const { return Dir.path() + "/kept-game.json"; }

    // The good text with one change made to its JSON.
    static QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = QJsonDocument::fromJson(KeptGameText({RichPosition(), 0})).object();
        change(root);
        return QJsonDocument(root).toJson(QJsonDocument::Compact);
    }
    static void NothingToTakeBack(TGameSnapshot& s) {
        for (auto& meld : s.Melds) {
            for (TCard& card : meld) {
                card.TakeBack = 0;
            }
        }
    }
    // The good position with one change made to it.
    static QByteArray Crafted(const std::function<void(TGameSnapshot&)>& change) {
        TGameSnapshot s = RichPosition();
        change(s);
        return KeptGameText({s, 0});
    }

    QTemporaryDir Dir;
};

TEST_F(KeptGameFileTest, DamagedAndCraftedFilesAreRefusedAndKeptAside) {
    const QByteArray good = KeptGameText({RichPosition(), 0});
    auto setCard = [](const char* pile, int field, int value) {
        return Changed([=](QJsonObject& root) {
            QJsonArray cards = root[pile].toArray();
            QJsonArray card = cards[0].toArray();
            card[field] = value;
            cards[0] = card;
            root[pile] = cards;
        });
    };
    struct TCase {
        const char* Fault;
        QByteArray Text;
        const char* Problem;
    };
    const TCase files[] = {
        {"empty", "", "not a JSON object"},
        {"truncated", good.left(good.size() / 2), "not a JSON object"},
        {"garbled", QByteArray(good).replace(":[", ":{"), "not a JSON object"},
        {"not an object", "[1,2,3]", "not a JSON object"},
        {"another format", Changed([](QJsonObject& r) { r["format"] = "brisko-settings"; }),
         "not a kept game"},
        {"a later version", Changed([](QJsonObject& r) { r["version"] = 4; }), "version 4, not 1 to 3"},
        {"a version in words", Changed([](QJsonObject& r) { r["version"] = "1"; }),
         "the version is no whole number in range"},
        {"a field missing", Changed([](QJsonObject& r) { r.remove("stock"); }),
         "the stock is not a list of the right length"},
        {"a field of the wrong kind", Changed([](QJsonObject& r) { r["hand"] = "Herz 7"; }),
         "the hand is not a list of the right length"},
        {"a fraction", Changed([](QJsonObject& r) { r["playerDraws"] = 2.5; }),
         "the player's draws is no whole number in range"},
        {"a number beyond its type", setCard("stock", 2, 256), "a card's flag is no whole number in range"},
        {"an id beyond the deck", setCard("stock", 0, 110), "a card's id is no whole number in range"},
        {"another card's id", setCard("stock", 0, 7), "not the 110 cards"},
        {"a card with seven fields", Changed([](QJsonObject& r) {
             QJsonArray cards = r["stock"].toArray();
             QJsonArray card = cards[0].toArray();
             card.removeLast();
             cards[0] = card;
             r["stock"] = cards;
         }),
         "a card is not a list of the right length"},
        {"a step's card beyond the deck", Changed([](QJsonObject& r) {
             QJsonArray steps = r["computerTurn"].toArray();
             for (qsizetype i = 0; i < steps.size(); ++i) {
                 QJsonObject step = steps[i].toObject();
                 if (step["card"].isArray()) {
                     QJsonArray card = step["card"].toArray();
                     card[0] = 110;
                     step["card"] = card;
                     steps[i] = step;
                     break;
                 }
             }
             r["computerTurn"] = steps;
         }),
         "a card's id is no whole number in range"},
        {"a random generator of 15 digits", Changed([](QJsonObject& r) { r["random"] = "123456789abcdef"; }),
         "the random generator is not 16 hexadecimal digits"},
        {"a stuck random generator", Crafted([](TGameSnapshot& s) { s.RandomState = 0; }),
         "a random generator that is stuck"},
        {"a card twice", Crafted([](TGameSnapshot& s) { s.Stock[0] = s.Stock[1]; }), "not the 110 cards"},
        {"a card missing", Crafted([](TGameSnapshot& s) { s.Stock.pop_back(); }), "not the 110 cards"},
        {"a meld of odd cards", Crafted([](TGameSnapshot& s) {
             // Three natural cards of three ranks in two suits from the stock.
             std::vector<TCard> odd;
             for (const TCard& card : s.Stock) {
                 const bool fits = odd.empty() || (IsNaturalCard(card) && card.Rank != odd.back().Rank &&
                                                   card.Rank != odd.front().Rank &&
                                                   (odd.size() < 2 || card.Suit != odd.front().Suit));
                 if (IsNaturalCard(card) && fits && odd.size() < 3) {
                     odd.push_back(card);
                 }
             }
             ASSERT_EQ(odd.size(), 3u);
             for (const TCard& card : odd) {
                 s.Stock.erase(std::find_if(s.Stock.begin(), s.Stock.end(), [&](const TCard& c) {
                     return c.Suit == card.Suit && c.Rank == card.Rank;
                 }));
             }
             s.Stock.insert(s.Stock.end(), s.Melds[0].begin(), s.Melds[0].end());
             s.Melds[0] = odd;
         }),
         "a meld the rules do not allow"},
        {"a meld of two", Crafted([](TGameSnapshot& s) {
             s.Stock.push_back(s.Melds[0].back());
             s.Melds[0].pop_back();
             while (s.Melds[0].size() > 2) {
                 s.Stock.push_back(s.Melds[0].back());
                 s.Melds[0].pop_back();
             }
         }),
         "a meld the rules do not allow"},
        {"melds before anyone came out", Crafted([](TGameSnapshot& s) {
             NothingToTakeBack(s);
             s.PlayerCameOut = s.OpponentCameOut = s.ComeOutAtTurnStart = 0;
         }),
         "melds while neither side came out"},
        {"cards to take back before the draw", Crafted([](TGameSnapshot& s) {
             s.GameState = MustDraw;
             s.ComeOutAtTurnStart = s.PlayerCameOut;
             while (static_cast<int>(s.Hand.size()) > s.CardsDealt) {
                 s.Stock.push_back(s.Hand.back());
                 s.Hand.pop_back();
             }
         }),
         "cards to take back outside the player's turn"},
        {"a hand too large", Crafted([](TGameSnapshot& s) {
             while (static_cast<int>(s.Hand.size()) <= s.CardsDealt + 1) {
                 s.Hand.push_back(s.Stock.back());
                 s.Stock.pop_back();
             }
         }),
         "the hand does not fit the turn"},
        {"no turn state", Crafted([](TGameSnapshot& s) { s.GameState = 2; }), "no such turn state"},
        {"no draw yet", Crafted([](TGameSnapshot& s) { s.PlayerDraws = 0; }), "no turn of the player"},
        {"sixty cards dealt", Crafted([](TGameSnapshot& s) { s.CardsDealt = 60; }), "settings out of range"},
        {"no such opponent", Crafted([](TGameSnapshot& s) { s.Opponent = static_cast<TOpponentKind>(5); }),
         "no such opponent"},
        {"a remembered pile that differs", Crafted([](TGameSnapshot& s) { ++s.Seen.Pile[0][JokerRank]; }),
         "the remembered discard pile differs"},
        {"a step at a meld not there",
         Crafted([](TGameSnapshot& s) { s.OpponentTurn.Steps.back().Meld = 99; }),
         "a step of the computer's turn out of range"},
        {"a scroll beyond reason", Changed([](QJsonObject& r) { r["meldRowScroll"] = -5; }),
         "the meld row's scroll is no whole number in range"},
        {"a come-out flag of 2", Crafted([](TGameSnapshot& s) { s.OpponentCameOut = 2; }),
         "a flag out of range"},
        {"come out at the turn's start, not now", Crafted([](TGameSnapshot& s) {
             NothingToTakeBack(s);
             s.ComeOutAtTurnStart = 1;
             s.PlayerCameOut = 0;
         }),
         "the hand does not fit the turn"},
        {"a first-meld minimum of 35", Crafted([](TGameSnapshot& s) { s.FirstMeldMinimum = 35; }),
         "settings out of range"},
        {"the computer holding too many", Crafted([](TGameSnapshot& s) {
             while (static_cast<int>(s.Computer.size()) <= s.CardsDealt) {
                 s.Computer.push_back(s.Stock.back());
                 s.Stock.pop_back();
             }
         }),
         "the computer holds too many cards"},
        {"a joker on the table standing for nothing", Crafted([](TGameSnapshot& s) {
             for (auto& meld : s.Melds) {
                 for (TCard& card : meld) {
                     card.AsRank = IsJoker(card) ? 0 : card.AsRank;
                 }
             }
         }),
         "a meld the rules do not allow"},
        {"a third copy remembered", Crafted([](TGameSnapshot& s) { s.Seen.Known[1][Herz][7] = 3; }),
         "a remembered card out of range"},
        {"a discard of no card remembered", Crafted([](TGameSnapshot& s) { s.Seen.Thrown[0][Herz][1] = 1; }),
         "a remembered card out of range"},
        {"a turn of thirty lay-offs", Crafted([](TGameSnapshot& s) {
             s.OpponentTurn.Steps.insert(s.OpponentTurn.Steps.begin() + 1, 30, TTurnStep(TStepKind::LayOff));
         }),
         "too many steps in the computer's turn"},
        {"a second draw in the computer's turn", Crafted([](TGameSnapshot& s) {
             s.OpponentTurn.Steps.insert(s.OpponentTurn.Steps.begin() + 1, s.OpponentTurn.Steps.front());
         }),
         "a draw in the middle of the computer's turn"},
        {"a hand of five that never came out, the rest in the stock", Crafted([](TGameSnapshot& s) {
             NothingToTakeBack(s);
             s.GameState = MustDraw;
             s.ComeOutAtTurnStart = s.PlayerCameOut = 0;
             while (s.Hand.size() > 5) {
                 s.Stock.push_back(s.Hand.back());
                 s.Hand.pop_back();
             }
         }),
         "the hand does not fit what was laid"},
        {"no more cards after the draw than dealt, nothing laid", Crafted([](TGameSnapshot& s) {
             NothingToTakeBack(s);
             s.ComeOutAtTurnStart = s.PlayerCameOut = 0;
             while (static_cast<int>(s.Hand.size()) > s.CardsDealt) {
                 s.Stock.push_back(s.Hand.back());
                 s.Hand.pop_back();
             }
             while (static_cast<int>(s.Hand.size()) < s.CardsDealt) {
                 s.Hand.push_back(s.Stock.back());
                 s.Stock.pop_back();
             }
         }),
         "the hand does not fit what was laid"},
        {"the computer short of its cards without coming out", Crafted([](TGameSnapshot& s) {
             s.OpponentCameOut = 0;
             s.Stock.push_back(s.Computer.back());
             s.Computer.pop_back();
         }),
         "the computer's hand does not fit what it laid"},
        {"a card remembered taken that the hand does not hold", Crafted([](TGameSnapshot& s) {
             for (const TCard& card : s.Stock) {
                 if (IsNaturalCard(card)) {
                     s.Seen.Known[0][card.Suit][card.Rank] = 1;
                     return;
                 }
             }
         }),
         "a remembered card out of range"},
        {"two hundred throws remembered", Crafted([](TGameSnapshot& s) { s.Seen.Thrown[1][Herz][7] = 200; }),
         "more cards remembered thrown than turns played"},
        {"a run with a gap", Crafted([](TGameSnapshot& s) {
             // Two, three and five of one suit from the stock: two pieces, the lower one from the two.
             std::vector<TCard> gapped;
             for (int32_t suit = Karo; suit <= Kreuz && gapped.size() < 3; ++suit) {
                 gapped.clear();
                 for (const int32_t rank : {2, 3, 5}) {
                     const auto card = std::find_if(s.Stock.begin(), s.Stock.end(), [&](const TCard& c) {
                         return c.Suit == suit && c.Rank == rank;
                     });
                     if (card != s.Stock.end()) {
                         gapped.push_back(*card);
                     }
                 }
             }
             ASSERT_EQ(gapped.size(), 3u);
             for (const TCard& card : gapped) {
                 s.Stock.erase(std::find_if(s.Stock.begin(), s.Stock.end(), [&](const TCard& c) {
                     return c.Suit == card.Suit && c.Rank == card.Rank;
                 }));
             }
             s.Stock.insert(s.Stock.end(), s.Melds[0].begin(), s.Melds[0].end());
             s.Melds[0] = gapped;
         }),
         "a meld the rules do not allow"},
        {"seventeen cards dealt", Crafted([](TGameSnapshot& s) { s.CardsDealt = 17; }),
         "settings out of range"},
        {"the player's come-out flag of 2", Crafted([](TGameSnapshot& s) { s.PlayerCameOut = 2; }),
         "a flag out of range"},
        {"come out before the turn began", Crafted([](TGameSnapshot& s) {
             NothingToTakeBack(s);
             s.GameState = MustDraw;
             s.ComeOutAtTurnStart = 0;
             s.PlayerCameOut = 1;
             while (static_cast<int>(s.Hand.size()) > s.CardsDealt) {
                 s.Stock.push_back(s.Hand.back());
                 s.Hand.pop_back();
             }
         }),
         "the hand does not fit the turn"},
        {"too large", good + QByteArray(MaxKeptGameSize, ' '), "too large"},
    };
    for (const TCase& file : files) {
        SCOPED_TRACE(file.Fault);
        ASSERT_NE(file.Text, good);
        WriteBytes(Path(), file.Text);
        const TKeptGameReading reading = ReadKeptGame(Path());
        EXPECT_EQ(reading.Result, TKeptGameRead::Refused);
        EXPECT_EQ(reading.Problem, file.Problem);
        EXPECT_FALSE(Lies(Path()));
        EXPECT_EQ(ReadBytes(Path() + ".bak"), file.Text);
        EXPECT_EQ(reading.Message,
                  "Das aufgehobene Spiel ließ sich nicht lesen und kann nicht fortgesetzt "
                  "werden. Die Datei ist unverändert als " +
                      Path() + ".bak aufbewahrt.");
        QFile::remove(Path() + ".bak");
    }
    WriteBytes(Path(), good);
    EXPECT_EQ(ReadKeptGame(Path()).Result, TKeptGameRead::Read);
    EXPECT_EQ(ReadBytes(Path()), good);  // an accepted file stays where it is
}

// A link, a pipe and a folder are moved aside as themselves, never opened,
// followed or waited for; an older backup is never replaced.
TEST_F(KeptGameFileTest, WhatIsNoPlainFileIsMovedAsideUnread) {
    const QByteArray good = KeptGameText({RichPosition(), 0});
    WriteBytes(Dir.path() + "/elsewhere.json", good);
    WriteBytes(Path() + ".bak", "an older backup");

    ASSERT_EQ(::symlink("elsewhere.json", QFile::encodeName(Path()).constData()), 0);
    TKeptGameReading reading = ReadKeptGame(Path());
    EXPECT_EQ(reading.Result, TKeptGameRead::Refused);
    EXPECT_EQ(reading.Problem, "a link");
    EXPECT_EQ(QFileInfo(Path() + ".bak1").symLinkTarget(), Dir.path() + "/elsewhere.json");
    EXPECT_TRUE(reading.Message.contains(Path() + ".bak1"));
    EXPECT_EQ(ReadBytes(Dir.path() + "/elsewhere.json"), good);

    ASSERT_EQ(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    reading = ReadKeptGame(Path());  // would hang if the pipe were opened for reading
    EXPECT_EQ(reading.Result, TKeptGameRead::Refused);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(Path() + ".bak2").constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    ASSERT_TRUE(QDir(Dir.path()).mkdir("kept-game.json"));
    EXPECT_EQ(ReadKeptGame(Path()).Result, TKeptGameRead::Refused);
    EXPECT_TRUE(QFileInfo(Path() + ".bak3").isDir());

    EXPECT_EQ(ReadBytes(Path() + ".bak"), "an older backup");
    EXPECT_EQ(ReadKeptGame(Path()).Result, TKeptGameRead::Missing);
    EXPECT_FALSE(KeptGameLies(Path()));
}

// Random damage to good files, under the sanitizers: each one is refused or,
// where the damage made another game that could occur, taken up whole.
TEST_F(KeptGameFileTest, RandomlyDamagedFilesNeverHurt) {
    std::vector<QByteArray> texts;
    for (const TGameSnapshot& s : PlayedPositions(TOpponentKind::Classic, 2, 8)) {
        if (texts.size() < 6 && s.OpponentTurn.Steps.size() > 2) {
            texts.push_back(KeptGameText({s, 0}));
        }
    }
    texts.push_back(KeptGameText({RichPosition(), 0}));
    std::mt19937 random(20240611);
    auto below = [&](size_t n) { return n == 0 ? size_t{0} : static_cast<size_t>(random() % n); };
    const QByteArray tokens[] = {"-1",   "0",  "1",  "255",  "256", "2147483648", "1e9", "0.5", "null",
                                 "true", "[]", "{}", "\"\"", ",",   "]",          "}",   "[[",  "\"x\":"};
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = texts[below(texts.size())];
        for (size_t changes = 1 + below(3); changes > 0; --changes) {
            const qsizetype at = static_cast<qsizetype>(below(static_cast<size_t>(text.size())));
            switch (below(5)) {
                case 0:
                    text[at] = static_cast<char>(random());
                    break;
                case 1:
                    text.remove(at, 1 + static_cast<qsizetype>(below(40)));
                    break;
                case 2:
                    text.insert(at, text.mid(static_cast<qsizetype>(below(static_cast<size_t>(text.size()))),
                                             1 + static_cast<qsizetype>(below(60))));
                    break;
                case 3:
                    text.insert(at, tokens[below(std::size(tokens))]);
                    break;
                default:
                    if (text[at] >= '0' && text[at] <= '9') {
                        text[at] = static_cast<char>('0' + below(10));
                    }
                    break;
            }
        }
        const TKeptGameParse parse = ParseKeptGame(text);
        if (!parse.Problem.empty()) {
            ++refused;
            continue;
        }
        ++accepted;
        TGame game(nullptr, 1);
        ASSERT_TRUE(RestoreSnapshot(game, parse.Kept.Game));
        ASSERT_EQ(CheckCards(game), "") << text.toStdString();
        ASSERT_EQ(CheckSnapshot(TakeSnapshot(game)), "");
    }
    EXPECT_GT(refused, 2000);
    EXPECT_GT(accepted, 0);
}

// Stopped by a crash or failed by the disk at any step of a save, the kept
// game is the old one or the new one, whole, and readable by the player alone.
TEST_F(KeptGameFileTest, ASaveStoppedOrFailedAtAnyStepLeavesTheOldOrTheNewFile) {
    const QByteArray old = KeptGameText({RichPosition(), 0});
    const QByteArray fresh = KeptGameText({RichPosition(), 40});
    struct TStep {
        const char* Call;
        int Nth;
        bool Replaced;  // the new file is in place before this call
    };
    // The file's write, flush, close and rename, then the folder's flush and close.
    const TStep steps[] = {{"write", 1, false},  {"sync", 1, false}, {"close", 1, false},
                           {"rename", 1, false}, {"sync", 2, true},  {"close", 2, true}};
    for (const TStep& step : steps) {
        SCOPED_TRACE(std::string(step.Call) + " " + std::to_string(step.Nth));
        // Failed: the save says so unless the new file is in place already.
        WriteBytes(Path(), old);
        bool saved = false;
        {
            TWatchedSaveCalls watched(step.Call, step.Nth);
            saved = ReplaceFile(Path(), fresh, KeptGamePermissions);
        }
        EXPECT_EQ(saved, step.Replaced);
        EXPECT_EQ(ReadBytes(Path()), step.Replaced ? fresh : old);
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 1);  // nothing left behind

        // Ended: a child process dies right before the call.
        WriteBytes(Path(), old);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const TSaveCalls real = SaveCalls();
            int calls = 0;
            auto end = [&](const char* call) {
                if (std::strcmp(call, step.Call) == 0 && ++calls == step.Nth) {
                    ::_exit(0);
                }
            };
            SaveCalls() = {[&](const char* path, int flags, mode_t mode) {
                               end("open");
                               return real.Open(path, flags, mode);
                           },
                           [&](int fd, const void* data, size_t size) {
                               end("write");
                               return real.Write(fd, data, size);
                           },
                           [&](int fd) {
                               end("sync");
                               return real.Sync(fd);
                           },
                           [&](int fd) {
                               end("close");
                               return real.Close(fd);
                           },
                           [&](const char* from, const char* to) {
                               end("rename");
                               return real.Rename(from, to);
                           },
                           real.Unlink};
            ReplaceFile(Path(), fresh, KeptGamePermissions);
            ::_exit(1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        EXPECT_EQ(ReadBytes(Path()), step.Replaced ? fresh : old);
        RemoveStaleTemporaries(Path());
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 1);
        EXPECT_EQ(ReadKeptGame(Path()).Result, TKeptGameRead::Read);
    }
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// What a save killed halfway left beside the file goes with the keeper's
// first save, so that the data folder does not fill up over the years.
TEST_F(KeptGameFileTest, TheKeepersFirstSaveClearsWhatAKilledSaveLeft) {
    const QString stale = Path() + ".Ab12cD.tmp";
    WriteBytes(stale, "half a game");
    TFileKeeper keeper(Path(), KeptGamePermissions);
    keeper.Save("whole");
    EXPECT_TRUE(keeper.Finish());
    EXPECT_FALSE(Lies(stale));
    EXPECT_EQ(ReadBytes(Path()), "whole");
}

// The keeper writes in the background, only the newest wish counts, and it
// tells how each one went. The folders it makes are the player's alone, even
// under a umask that hides nothing.
TEST_F(KeptGameFileTest, TheKeeperCarriesOutTheNewestWishInTheBackground) {
    const QString path = Dir.path() + "/new/brisko/kept-game.json";
    const mode_t mask = ::umask(0);
    std::mutex lock;
    std::vector<std::pair<TKeeperTask, bool>> told;
    {
        TFileKeeper keeper(path, KeptGamePermissions);
        keeper.OnDone = [&](TKeeperTask task, bool done) {
            const std::lock_guard<std::mutex> guard(lock);
            told.emplace_back(task, done);
        };
        keeper.Save("first");
        keeper.Save("second");
        EXPECT_TRUE(keeper.Finish());
        ::umask(mask);
        EXPECT_EQ(ReadBytes(path), "second");
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        for (const QString& folder : {Dir.path() + "/new", Dir.path() + "/new/brisko"}) {
            ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0700u) << folder.toStdString();
        }

        {
            const TFileSizeLimit full(3);
            keeper.Save("third, on a full disk");
            EXPECT_FALSE(keeper.Finish());
        }
        EXPECT_EQ(ReadBytes(path), "second");
        keeper.Remove();
        EXPECT_TRUE(keeper.Finish());
        EXPECT_FALSE(QFileInfo::exists(path));
        keeper.Save("last");  // carried out before the keeper goes
    }
    EXPECT_EQ(ReadBytes(path), "last");
    ASSERT_GE(told.size(), 4u);
    EXPECT_EQ(told.back(), std::make_pair(TKeeperTask::Save, true));
    EXPECT_EQ(told[told.size() - 2], std::make_pair(TKeeperTask::Remove, true));
    EXPECT_EQ(told[told.size() - 3], std::make_pair(TKeeperTask::Save, false));
}

}  // namespace
