#include "settings/KeptGame.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include <sys/stat.h>

#include "settings/JsonRoot.h"
#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"

namespace {

// Stored words; never translated.
constexpr const char* FormatName = "brisko-kept-game";
// Version 1 named cards by suit and rank and the computer's last turn by
// places; version 2 names every card by its id; version 3 adds the seats of a
// table of three or four. A table of two is still written as version 2.
constexpr int FormatVersion = 2;
constexpr int LargerTableVersion = 3;
// [id, fromTable, fixedOnTable, takeBack, selected, meldOrder, asRank, asSuit]
constexpr qsizetype CardFields = 8;
// Version 1: [suit, rank, the five flags and marks as above, dragDX, dragDY]
constexpr qsizetype FirstCardFields = 11;

QJsonArray CardJson(const TCard& c) {
    return {c.Id, c.FromTable, c.FixedOnTable, c.TakeBack, c.Selected, c.MeldOrder, c.AsRank, c.AsSuit};
}

QJsonArray CardsJson(const std::vector<TCard>& cards) {
    QJsonArray array;
    for (const TCard& card : cards) {
        array.append(CardJson(card));
    }
    return array;
}

// Counts by [suit][rank], as nested arrays.
QJsonArray CountsJson(const uint8_t (&counts)[5][15]) {
    QJsonArray suits;
    for (const auto& ranks : counts) {
        QJsonArray row;
        for (const uint8_t count : ranks) {
            row.append(count);
        }
        suits.append(row);
    }
    return suits;
}

QJsonArray SidesJson(const uint8_t (&counts)[MostSeats][5][15], int32_t seats) {
    QJsonArray sides;
    for (int32_t seat = 0; seat < seats; ++seat) {
        sides.append(CountsJson(counts[seat]));
    }
    return sides;
}

QJsonArray TurnJson(const TTurnRecord& turn) {
    QJsonArray array;
    for (const TTurnStep& step : turn.Steps) {
        const bool noCard = step.Card.Suit == 0 && step.Card.Rank == 0;
        array.append(QJsonObject{{"kind", static_cast<int>(step.Kind)},
                                 {"card", noCard ? QJsonValue() : QJsonValue(CardJson(step.Card))},
                                 {"cards", CardsJson(step.Cards)},
                                 {"meld", step.Meld},
                                 {"end", static_cast<int>(step.End)}});
    }
    return array;
}

// The piles a card of version 1 could lie in, and where one lies.
enum class TFirstPile : int32_t { Hand, Computer, Stock, DiscardPile, Meld };
struct TFirstPlace {
    TFirstPile Pile = TFirstPile::Hand;
    int32_t Meld = -1;
    int32_t Index = -1;  // -1: nowhere
};

// Reads the values of the text, noting the first thing that is not as
// written; what is read after that is never used.
class TReader {
  public:
    explicit TReader(int version) : Version(version) {}

    void Fail(const std::string& what) {
        if (Problem.empty()) {
            Problem = what;
        }
    }

    int32_t Int(const QJsonValue& value, const char* what, int64_t low = std::numeric_limits<int32_t>::min(),
                int64_t high = std::numeric_limits<int32_t>::max()) {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() ||
            !(number >= static_cast<double>(low) && number <= static_cast<double>(high)) ||
            number != std::trunc(number)) {
            Fail(std::string(what) + " is no whole number in range");
            return 0;
        }
        return static_cast<int32_t>(number);
    }
    uint8_t Byte(const QJsonValue& value, const char* what) {
        return static_cast<uint8_t>(Int(value, what, 0, 255));
    }

    QJsonArray Array(const QJsonValue& value, const char* what, qsizetype size = -1) {
        if (!value.isArray() || (size >= 0 && value.toArray().size() != size)) {
            Fail(std::string(what) + " is not a list of the right length");
            return {};
        }
        return value.toArray();
    }

    // A card as its version writes it. Version 1 has no ids: they are given
    // once every card has been read (GiveIds).
    TCard Card(const QJsonValue& value) {
        const QJsonArray f = Array(value, "a card", Version == 1 ? FirstCardFields : CardFields);
        if (f.size() != (Version == 1 ? FirstCardFields : CardFields)) {
            return {};
        }
        TCard card{};
        int at = 0;
        if (Version == 1) {
            card.Suit = Int(f[at++], "a suit");
            card.Rank = Int(f[at++], "a rank");
            card.Id = -1;
        } else {
            card = CardWithId(Int(f[at++], "a card's id", 0, DeckSize - 1));
        }
        card.FromTable = Byte(f[at++], "a card's flag");
        card.FixedOnTable = Byte(f[at++], "a card's flag");
        card.TakeBack = Byte(f[at++], "a card's flag");
        card.Selected = Byte(f[at++], "a card's flag");
        card.MeldOrder = Int(f[at++], "a card's order");
        card.AsRank = Int(f[at++], "a joker's rank");
        card.AsSuit = Int(f[at++], "a joker's suit");
        if (Version == 1) {
            // Where the mouse held the card: the screen's, not the game's.
            Int(f[at++], "a card's offset");
            Int(f[at++], "a card's offset");
        }
        return card;
    }

    std::vector<TCard> Cards(const QJsonValue& value, const char* what) {
        std::vector<TCard> cards;
        for (const QJsonValue& card : Array(value, what)) {
            cards.push_back(Card(card));
        }
        return cards;
    }

    TFirstPlace Place(const QJsonValue& value) {
        const QJsonArray f = Array(value, "a card's place", 3);
        if (f.size() != 3) {
            return {};
        }
        return {static_cast<TFirstPile>(Int(f[0], "a pile", 0, static_cast<int>(TFirstPile::Meld))),
                Int(f[1], "a meld's place"), Int(f[2], "a card's place")};
    }

    void Counts(const QJsonValue& value, uint8_t (&counts)[5][15]) {
        const QJsonArray suits = Array(value, "the remembered cards", 5);
        for (qsizetype s = 0; s < suits.size(); ++s) {
            const QJsonArray ranks = Array(suits[s], "the remembered cards", 15);
            for (qsizetype r = 0; r < ranks.size(); ++r) {
                counts[s][r] = Byte(ranks[r], "a remembered count");
            }
        }
    }
    void Sides(const QJsonValue& value, uint8_t (&counts)[MostSeats][5][15], int32_t seats) {
        const QJsonArray sides = Array(value, "the remembered cards", seats);
        for (qsizetype side = 0; side < sides.size(); ++side) {
            Counts(sides[side], counts[side]);
        }
    }

    // The computer's last turn; in version 1 its cards are named by where
    // they lie now, which `Places` notes for GiveIds.
    TTurnRecord Turn(const QJsonValue& value) {
        TTurnRecord turn;
        for (const QJsonValue& entry : Array(value, "the computer's turn")) {
            const QJsonObject o = entry.toObject();
            TTurnStep step;
            step.Kind = static_cast<TStepKind>(
                Int(o["kind"], "a step's kind", 0, static_cast<int>(TStepKind::Discard)));
            if (Version == 1 || !o["card"].isNull()) {
                step.Card = Card(o["card"]);
            }
            step.Cards = Cards(o["cards"], "a step's cards");
            step.Meld = Int(o["meld"], "a step's meld");
            step.End =
                static_cast<TMeldEnd>(Int(o["end"], "a step's end", 0, static_cast<int>(TMeldEnd::Set)));
            if (Version == 1) {
                TStepPlaces places{Place(o["cardAt"]), {}};
                for (const QJsonValue& place : Array(o["cardsAt"], "a step's places")) {
                    places.CardsAt.push_back(Place(place));
                }
                if (places.CardsAt.size() != step.Cards.size()) {
                    Fail("a step's places do not match its cards");
                }
                Places.push_back(std::move(places));
            }
            turn.Steps.push_back(std::move(step));
        }
        return turn;
    }

    uint64_t Random(const QJsonValue& value) {
        const QString text = value.toString();
        bool ok = text.size() == 16;
        const uint64_t state = ok ? text.toULongLong(&ok, 16) : 0;
        if (!ok) {
            Fail("the random generator is not 16 hexadecimal digits");
        }
        return state;
    }

    // Version 1: each card gets the first id of its kind not yet given, pile
    // by pile, and a card of the computer's turn the id of the card lying
    // where the step says (one lying nowhere, the first id of its kind).
    void GiveIds(TGameSnapshot& g) {
        bool given[DeckSize] = {};
        // The first id of the card's kind not given yet (with `fresh`), or -1.
        auto firstId = [&given](const TCard& card, bool fresh) {
            for (int32_t id = 0; id < DeckSize; ++id) {
                if (!(fresh && given[id]) && IdNames(id, card.Suit, card.Rank)) {
                    return id;
                }
            }
            return -1;
        };
        auto give = [&](TCard& card) {
            card.Id = firstId(card, true);
            if (card.Id < 0) {
                Fail("not the 110 cards");
                return;
            }
            given[card.Id] = true;
        };
        for (std::vector<TCard>* pile : {&g.Hand, &g.Computer, &g.Stock, &g.DiscardPile}) {
            std::for_each(pile->begin(), pile->end(), give);
        }
        for (std::vector<TCard>& meld : g.Melds) {
            std::for_each(meld.begin(), meld.end(), give);
        }
        auto lying = [&g](const TFirstPlace& place) -> const TCard* {
            const std::vector<TCard>* piles[] = {&g.Hand, &g.Computer, &g.Stock, &g.DiscardPile};
            const std::vector<TCard>* cards =
                place.Pile == TFirstPile::Meld
                    ? (place.Meld >= 0 && static_cast<size_t>(place.Meld) < g.Melds.size()
                           ? &g.Melds[place.Meld]
                           : nullptr)
                    : piles[static_cast<int>(place.Pile)];
            if (cards == nullptr || place.Index < 0 || static_cast<size_t>(place.Index) >= cards->size()) {
                return nullptr;
            }
            return &(*cards)[place.Index];
        };
        auto name = [&](TCard& card, const TFirstPlace& place) {
            if (card.Suit == 0 && card.Rank == 0) {
                card.Id = 0;  // no card: a draw from the stock
                return;
            }
            const TCard* there = lying(place);
            if (place.Index >= 0 &&
                (there == nullptr || there->Suit != card.Suit || there->Rank != card.Rank)) {
                Fail("a card of the computer's turn out of place");
                return;
            }
            card.Id = there != nullptr ? there->Id : firstId(card, false);
        };
        for (size_t i = 0; i < g.OpponentTurn.Steps.size() && i < Places.size(); ++i) {
            TTurnStep& step = g.OpponentTurn.Steps[i];
            name(step.Card, Places[i].CardAt);
            for (size_t c = 0; c < step.Cards.size() && c < Places[i].CardsAt.size(); ++c) {
                name(step.Cards[c], Places[i].CardsAt[c]);
            }
        }
    }

    const int Version;
    std::string Problem;

  private:
    struct TStepPlaces {
        TFirstPlace CardAt;
        std::vector<TFirstPlace> CardsAt;
    };
    std::vector<TStepPlaces> Places;
};

}  // namespace

QString KeptGameFilePath() {
    return DataDirectory() + "/brisko/kept-game.json";
}

QByteArray KeptGameText(const TKeptGame& kept) {
    const TGameSnapshot& g = kept.Game;
    QJsonArray melds;
    for (const std::vector<TCard>& meld : g.Melds) {
        melds.append(CardsJson(meld));
    }
    QJsonObject root{
        {"format", FormatName},
        {"version", g.Seats > FewestSeats ? LargerTableVersion : FormatVersion},
        {"cardsDealt", g.CardsDealt},
        {"firstMeldMinimum", g.FirstMeldMinimum},
        {"turnState", g.GameState},
        {"comeOutAtTurnStart", g.ComeOutAtTurnStart},
        {"playerCameOut", g.PlayerCameOut},
        {"computerCameOut", g.OpponentCameOut},
        {"playerDraws", g.PlayerDraws},
        {"opponent", static_cast<int>(g.Opponent)},
        {"nextOpponent", static_cast<int>(g.ChosenOpponent)},
        {"random", QString("%1").arg(g.RandomState, 16, 16, QChar('0'))},
        {"hand", CardsJson(g.Hand)},
        {"computer", CardsJson(g.Computer)},
        {"stock", CardsJson(g.Stock)},
        {"discardPile", CardsJson(g.DiscardPile)},
        {"melds", melds},
        {"seen", QJsonObject{{"pile", CountsJson(g.Seen.Pile)},
                             {"known", SidesJson(g.Seen.Known, g.Seats)},
                             {"thrown", SidesJson(g.Seen.Thrown, g.Seats)}}},
        {"computerTurn", TurnJson(g.OpponentTurn)},
        {"meldRowScroll", kept.MeldRowScroll},
    };
    if (g.Seats > FewestSeats) {
        // Seats 2 and on, each with its hand, come-out flag and opponent.
        QJsonArray more;
        for (int32_t seat = FewestSeats; seat < g.Seats; ++seat) {
            const int32_t m = seat - FewestSeats;
            more.append(QJsonObject{{"hand", CardsJson(g.MoreHands[m])},
                                    {"cameOut", g.MoreCameOut[m]},
                                    {"opponent", static_cast<int>(g.MoreOpponents[m])}});
        }
        root["seats"] = g.Seats;
        root["moreSeats"] = more;
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

TKeptGameParse ParseKeptGame(const QByteArray& text) {
    TKeptGameParse parse;
    const std::optional<QJsonObject> found = JsonRoot(text, FormatName, "not a kept game", parse.Problem);
    if (!found) {
        return parse;
    }
    const QJsonObject& root = *found;
    TReader versionReader(FormatVersion);
    const int32_t version = versionReader.Int(root["version"], "the version");
    if (!versionReader.Problem.empty()) {
        parse.Problem = versionReader.Problem;
        return parse;
    }
    if (version < 1 || version > LargerTableVersion) {
        parse.Problem =
            "version " + std::to_string(version) + ", not 1 to " + std::to_string(LargerTableVersion);
        return parse;
    }
    TReader read(version);
    TGameSnapshot& g = parse.Kept.Game;
    g.CardsDealt = read.Int(root["cardsDealt"], "the cards dealt");
    g.FirstMeldMinimum = read.Int(root["firstMeldMinimum"], "the first-meld minimum");
    g.GameState = read.Int(root["turnState"], "the turn state");
    g.ComeOutAtTurnStart = read.Byte(root["comeOutAtTurnStart"], "a come-out flag");
    g.PlayerCameOut = read.Byte(root["playerCameOut"], "a come-out flag");
    g.OpponentCameOut = read.Byte(root["computerCameOut"], "a come-out flag");
    g.PlayerDraws = read.Int(root["playerDraws"], "the player's draws");
    g.Opponent = static_cast<TOpponentKind>(read.Int(root["opponent"], "the opponent"));
    g.ChosenOpponent = static_cast<TOpponentKind>(read.Int(root["nextOpponent"], "the next opponent"));
    g.RandomState = read.Random(root["random"]);
    g.Hand = read.Cards(root["hand"], "the hand");
    g.Computer = read.Cards(root["computer"], "the computer's hand");
    g.Stock = read.Cards(root["stock"], "the stock");
    g.DiscardPile = read.Cards(root["discardPile"], "the discard pile");
    for (const QJsonValue& meld : read.Array(root["melds"], "the melds")) {
        g.Melds.push_back(read.Cards(meld, "a meld"));
    }
    if (version == LargerTableVersion) {
        g.Seats = read.Int(root["seats"], "the seats", FewestSeats + 1, MostSeats);
        const QJsonArray more = read.Array(root["moreSeats"], "the more seats", g.Seats - FewestSeats);
        for (qsizetype m = 0; m < more.size(); ++m) {
            const QJsonObject seat = more[m].toObject();
            g.MoreHands[m] = read.Cards(seat["hand"], "a computer's hand");
            g.MoreCameOut[m] = read.Byte(seat["cameOut"], "a come-out flag");
            g.MoreOpponents[m] = static_cast<TOpponentKind>(read.Int(seat["opponent"], "the opponent"));
        }
    }
    const QJsonObject seen = root["seen"].toObject();
    read.Counts(seen["pile"], g.Seen.Pile);
    read.Sides(seen["known"], g.Seen.Known, g.Seats);
    read.Sides(seen["thrown"], g.Seen.Thrown, g.Seats);
    g.OpponentTurn = read.Turn(root["computerTurn"]);
    parse.Kept.MeldRowScroll = read.Int(root["meldRowScroll"], "the meld row's scroll", 0, MaxMeldRowScroll);
    if (version == 1 && read.Problem.empty()) {
        read.GiveIds(g);
    }
    parse.Problem = read.Problem.empty() ? CheckSnapshot(g) : read.Problem;
    return parse;
}

TKeptGameReading ReadKeptGame(const QString& path) {
    TKeptGameReading reading;
    TKeptGameParse parse;
    QString kept;
    const TFileRead read = ReadOwnFile(
        path, MaxKeptGameSize,
        [&](const QByteArray& text) {
            parse = ParseKeptGame(text);
            return parse.Problem;
        },
        reading.Problem, kept);
    if (read != TFileRead::Refused) {
        reading.Result = read == TFileRead::Read ? TKeptGameRead::Read : TKeptGameRead::Missing;
        reading.Kept = std::move(parse.Kept);
        return reading;
    }
    reading.Result = TKeptGameRead::Refused;
    reading.Message =
        kept.isEmpty()
            ? QCoreApplication::translate(
                  "KeptGame",
                  "Das aufgehobene Spiel in %1 ließ sich nicht lesen und kann nicht fortgesetzt werden.")
                  .arg(path)
            : QCoreApplication::translate(
                  "KeptGame",
                  "Das aufgehobene Spiel ließ sich nicht lesen und kann nicht fortgesetzt werden. Die "
                  "Datei ist unverändert als %1 aufbewahrt.")
                  .arg(kept);
    return reading;
}

bool KeptGameLies(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}
