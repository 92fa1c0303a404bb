#include "settings/KeptGame.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include <sys/stat.h>

#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"

namespace {

// Stored words; never translated.
constexpr const char* FormatName = "brisko-kept-game";
constexpr int FormatVersion = 1;
constexpr qsizetype CardFields = 11;

QJsonArray CardJson(const TCard& c) {
    return {c.Suit,      c.Rank,   c.FromTable, c.FixedOnTable, c.TakeBack, c.Selected,
            c.MeldOrder, c.AsRank, c.AsSuit,    c.DragDX,       c.DragDY};
}

QJsonArray CardsJson(const std::vector<TCard>& cards) {
    QJsonArray array;
    for (const TCard& card : cards) {
        array.append(CardJson(card));
    }
    return array;
}

QJsonArray PlaceJson(const TCardPlace& place) {
    return {static_cast<int>(place.Pile), place.Meld, place.Index};
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

QJsonArray SidesJson(const uint8_t (&counts)[2][5][15]) {
    return {CountsJson(counts[0]), CountsJson(counts[1])};
}

QJsonArray TurnJson(const std::vector<TStepSnapshot>& steps) {
    QJsonArray array;
    for (const TStepSnapshot& kept : steps) {
        QJsonArray cardsAt;
        for (const TCardPlace& place : kept.CardsAt) {
            cardsAt.append(PlaceJson(place));
        }
        array.append(QJsonObject{{"kind", static_cast<int>(kept.Step.Kind)},
                                 {"card", CardJson(kept.Step.Card)},
                                 {"cardAt", PlaceJson(kept.CardAt)},
                                 {"cards", CardsJson(kept.Step.Cards)},
                                 {"cardsAt", cardsAt},
                                 {"meld", kept.Step.Meld},
                                 {"end", static_cast<int>(kept.Step.End)}});
    }
    return array;
}

// Reads the values of the text, noting the first thing that is not as
// written; what is read after that is never used.
class TReader {
  public:
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

    TCard Card(const QJsonValue& value) {
        const QJsonArray f = Array(value, "a card", CardFields);
        if (f.size() != CardFields) {
            return {};
        }
        TCard card{};
        card.Suit = Int(f[0], "a suit");
        card.Rank = Int(f[1], "a rank");
        card.FromTable = Byte(f[2], "a card's flag");
        card.FixedOnTable = Byte(f[3], "a card's flag");
        card.TakeBack = Byte(f[4], "a card's flag");
        card.Selected = Byte(f[5], "a card's flag");
        card.MeldOrder = Int(f[6], "a card's order");
        card.AsRank = Int(f[7], "a joker's rank");
        card.AsSuit = Int(f[8], "a joker's suit");
        card.DragDX = Int(f[9], "a card's offset");
        card.DragDY = Int(f[10], "a card's offset");
        return card;
    }

    std::vector<TCard> Cards(const QJsonValue& value, const char* what) {
        std::vector<TCard> cards;
        for (const QJsonValue& card : Array(value, what)) {
            cards.push_back(Card(card));
        }
        return cards;
    }

    TCardPlace Place(const QJsonValue& value) {
        const QJsonArray f = Array(value, "a card's place", 3);
        if (f.size() != 3) {
            return {};
        }
        return {static_cast<TPile>(Int(f[0], "a pile", 0, static_cast<int>(TPile::Meld))),
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
    void Sides(const QJsonValue& value, uint8_t (&counts)[2][5][15]) {
        const QJsonArray sides = Array(value, "the remembered cards", 2);
        for (qsizetype side = 0; side < sides.size(); ++side) {
            Counts(sides[side], counts[side]);
        }
    }

    std::vector<TStepSnapshot> Turn(const QJsonValue& value) {
        std::vector<TStepSnapshot> steps;
        for (const QJsonValue& entry : Array(value, "the computer's turn")) {
            const QJsonObject o = entry.toObject();
            TStepSnapshot kept;
            kept.Step.Kind = static_cast<TStepKind>(
                Int(o["kind"], "a step's kind", 0, static_cast<int>(TStepKind::Discard)));
            kept.Step.Card = Card(o["card"]);
            kept.CardAt = Place(o["cardAt"]);
            kept.Step.Cards = Cards(o["cards"], "a step's cards");
            for (const QJsonValue& place : Array(o["cardsAt"], "a step's places")) {
                kept.CardsAt.push_back(Place(place));
            }
            kept.Step.Meld = Int(o["meld"], "a step's meld");
            kept.Step.End =
                static_cast<TMeldEnd>(Int(o["end"], "a step's end", 0, static_cast<int>(TMeldEnd::Set)));
            steps.push_back(std::move(kept));
        }
        return steps;
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

    std::string Problem;
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
    const QJsonObject root{
        {"format", FormatName},
        {"version", FormatVersion},
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
                             {"known", SidesJson(g.Seen.Known)},
                             {"thrown", SidesJson(g.Seen.Thrown)}}},
        {"computerTurn", TurnJson(g.OpponentTurn)},
        {"meldRowScroll", kept.MeldRowScroll},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

TKeptGameParse ParseKeptGame(const QByteArray& text) {
    TKeptGameParse parse;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        parse.Problem = "not a JSON object";
        return parse;
    }
    const QJsonObject root = document.object();
    if (root["format"].toString() != FormatName) {
        parse.Problem = "not a kept game";
        return parse;
    }
    TReader read;
    const int32_t version = read.Int(root["version"], "the version");
    if (read.Problem.empty() && version != FormatVersion) {
        parse.Problem = "version " + std::to_string(version) + ", not " + std::to_string(FormatVersion);
        return parse;
    }
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
    const QJsonObject seen = root["seen"].toObject();
    read.Counts(seen["pile"], g.Seen.Pile);
    read.Sides(seen["known"], g.Seen.Known);
    read.Sides(seen["thrown"], g.Seen.Thrown);
    g.OpponentTurn = read.Turn(root["computerTurn"]);
    parse.Kept.MeldRowScroll = read.Int(root["meldRowScroll"], "the meld row's scroll", 0, MaxMeldRowScroll);
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
