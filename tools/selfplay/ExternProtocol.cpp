#include "ExternProtocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <initializer_list>

#include "game/Game.h"
#include "game/record/CardNotation.h"

namespace {

// Meld numbers beyond this are nonsense whatever lies on the table.
constexpr double MeldIndexLimit = 1000;

QJsonArray CardList(const TCardArray& cards, bool asLaid) {
    QJsonArray list;
    for (int i = 0; i < cards.Count(); ++i) {
        const TCard& card = cards.At(i);
        list.append(QString::fromStdString(asLaid ? LaidNotation(card) : HeldNotation(card)));
    }
    return list;
}

// The cards counted by kind, jokers first, then by suit and rank.
template <typename Count>
QJsonArray CountedCards(Count count) {
    QJsonArray list;
    for (int n = count(Joker, JokerRank); n > 0; --n) {
        list.append("*");
    }
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        for (int32_t rank = 2; rank <= Ass; ++rank) {
            for (int n = count(suit, rank); n > 0; --n) {
                list.append(QString::fromStdString(NaturalNotation(suit, rank)));
            }
        }
    }
    return list;
}

std::string Line(const QJsonObject& message) {
    return QJsonDocument(message).toJson(QJsonDocument::Compact).toStdString();
}

// Text from the program, fit to be quoted on one line of ours.
std::string Quoted(const QString& text) {
    QString shown = text.left(40);
    for (QChar& c : shown) {
        if (!c.isPrint()) {
            c = u'?';
        }
    }
    std::string quoted = "\"";
    quoted.append(shown.toStdString());
    return quoted.append(text.size() > 40 ? "...\"" : "\"");
}

bool ReadObject(const std::string& line, QJsonObject& object, std::string& error) {
    QJsonParseError parse{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = "not JSON (" + parse.errorString().toStdString() + " at byte " +
                std::to_string(parse.offset) + ")";
        return false;
    }
    if (!document.isObject()) {
        error = "not a JSON object";
        return false;
    }
    object = document.object();
    return true;
}

// A misspelt field would otherwise be a move silently left out.
bool OnlyFields(const QJsonObject& object, std::initializer_list<const char*> fields, std::string& error) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = false;
        for (const char* field : fields) {
            known = known || it.key() == QLatin1String(field);
        }
        if (!known) {
            error = "unknown field " + Quoted(it.key());
            return false;
        }
    }
    return true;
}

bool ReadCard(const QJsonValue& value, TCardCode& card, std::string& error) {
    if (!value.isString()) {
        error = "a card is not a string";
        return false;
    }
    if (!ParseCardText(value.toString().toStdString(), card)) {
        error = "not a card: " + Quoted(value.toString());
        return false;
    }
    return true;
}

bool ReadCards(const QJsonValue& value, std::vector<TCardCode>& cards, std::string& error) {
    if (!value.isArray()) {
        error = "a list of cards is not an array";
        return false;
    }
    for (const QJsonValue& item : value.toArray()) {
        TCardCode card;
        if (!ReadCard(item, card, error)) {
            return false;
        }
        cards.push_back(card);
    }
    return true;
}

bool ReadLayOff(const QJsonValue& value, TLayOff& layOff, std::string& error) {
    if (!value.isObject()) {
        error = "a lay-off is not an object";
        return false;
    }
    const QJsonObject object = value.toObject();
    if (!OnlyFields(object, {"meld", "cards"}, error)) {
        return false;
    }
    const double meld = object.value("meld").toDouble(-1);
    if (!object.value("meld").isDouble() || !(meld >= 0 && meld < MeldIndexLimit) ||
        meld != std::floor(meld)) {
        error = "a lay-off's meld is not a meld number";
        return false;
    }
    layOff.Meld = static_cast<int32_t>(meld);
    return ReadCards(object.value("cards"), layOff.Cards, error);
}

// A field that may be left out, else a list of what `read` takes.
template <typename T, typename Read>
bool ReadList(const QJsonObject& object, const char* field, std::vector<T>& items, Read read,
              std::string& error) {
    if (!object.contains(QLatin1String(field))) {
        return true;
    }
    if (!object.value(QLatin1String(field)).isArray()) {
        error = std::string(field) + " is not an array";
        return false;
    }
    for (const QJsonValue& value : object.value(QLatin1String(field)).toArray()) {
        items.emplace_back();
        if (!read(value, items.back(), error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string CardText(const TCardCode& card) {
    return card.Suit == Joker ? "*" : NaturalNotation(card.Suit, card.Rank);
}

bool ParseCardText(const std::string& text, TCardCode& card) {
    card = TCardCode{};
    return text == "*" || ParseNaturalNotation(text, card.Suit, card.Rank);
}

int OldestProtocolAt(int seats) {
    return seats > FewestSeats ? TableProtocol : OldestProtocol;
}

std::string HelloMessage(int seats) {
    // Named version 1, which every program reads; the later ones are offered.
    QJsonArray versions;
    for (int version = OldestProtocolAt(seats); version <= NewestProtocol; ++version) {
        versions.append(version);
    }
    return Line({{"type", "hello"}, {"protocol", OldestProtocol}, {"versions", versions}});
}

std::string GameMessage(const TGame& game, const TGameStart& start, int version) {
    QJsonObject message{{"type", "game"},           {"game", start.Game},
                        {"deal", start.Deal},       {"first", start.MovesFirst},
                        {"cards", game.CardsDealt}, {"minimum", game.MeldMinimum}};
    if (version < TableProtocol) {
        message.insert("opponent", StrategyName(start.Opponent));
    } else {
        QJsonArray opponents;
        for (const TStrategy other : start.Others) {
            opponents.append(StrategyName(other));
        }
        message.insert("opponents", opponents);
        message.insert("place", start.Place);
    }
    return Line(message);
}

// What a seat other than the player's shows: "hand", "came_out", "took" and
// "threw", each under its name with `prefix`.
void AddOtherSeat(const TGame& game, int32_t seat, const char* prefix, QJsonObject& to) {
    const TSeenCards& seen = game.Seen;
    const QString named = QLatin1String(prefix);
    to.insert(named + "hand", game.Seats[seat].Hand.Count());
    to.insert(named + "came_out", game.Seats[seat].CameOut != 0);
    to.insert(named + "took", CountedCards([&](int32_t s, int32_t r) { return seen.KnownIn(seat, s, r); }));
    to.insert(named + "threw",
              CountedCards([&](int32_t s, int32_t r) { return seen.DiscardedBy(seat, s, r); }));
}

std::string SeatMessage(const TGame& game, int turn, const TCard* drawn, int id, int version) {
    QJsonArray melds;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        melds.append(CardList(*game.TableMelds.At(m).Cards, true));
    }
    QJsonObject message{
        {"type", drawn != nullptr ? "play" : "draw"}, {"turn", turn},
        {"hand", CardList(game.OwnCards, false)},     {"melds", melds},
        {"pile", CardList(game.DiscardPile, false)},  {"stock", game.Stock.Count()},
        {"came_out", game.PlayerCameOut != 0},        {"minimum", game.MeldMinimum},
    };
    if (version < TableProtocol) {
        AddOtherSeat(game, ComputerSeat, "other_", message);
    } else {
        // In turn order from the seat after the player's.
        QJsonArray others;
        for (int32_t seat = game.NextSeat(PlayerSeat); seat != PlayerSeat; seat = game.NextSeat(seat)) {
            QJsonObject other;
            AddOtherSeat(game, seat, "", other);
            others.append(other);
        }
        message.insert("others", others);
    }
    if (drawn != nullptr) {
        message.insert("drawn", QString::fromStdString(HeldNotation(*drawn)));
    }
    if (id > 0) {
        message.insert("id", id);
    }
    return Line(message);
}

std::string EndMessage(TGameResult result, const std::vector<int32_t>& points, const std::string& reason) {
    static const char* const results[] = {"won", "lost", "unfinished", "forfeit"};
    QJsonArray counted;
    for (const int32_t seat : points) {
        counted.append(seat);
    }
    QJsonObject message{{"type", "end"}, {"result", results[static_cast<int>(result)]}, {"points", counted}};
    if (!reason.empty()) {
        message.insert("reason", QString::fromStdString(reason));
    }
    return Line(message);
}

bool ReadHello(const std::string& line, std::string& name, int& version, std::string& error, int oldest) {
    QJsonObject object;
    if (!ReadObject(line, object, error) || !OnlyFields(object, {"name", "protocol"}, error)) {
        return false;
    }
    const QJsonValue given = object.value("name");
    if (given.isUndefined()) {
        error = "no name";
        return false;
    }
    if (!given.isString()) {
        error = "the name is not a string";
        return false;
    }
    if (given.toString().trimmed().isEmpty()) {
        error = "the name is empty";
        return false;
    }
    const std::string spoken = oldest < NewestProtocol
                                   ? std::to_string(oldest) + " to " + std::to_string(NewestProtocol)
                                   : std::to_string(NewestProtocol);
    version = OldestProtocol;
    if (object.contains("protocol")) {
        const QJsonValue chosen = object.value("protocol");
        const double number = chosen.toDouble(0);
        if (!chosen.isDouble() || !(number >= oldest && number <= NewestProtocol) ||
            number != std::floor(number)) {
            error = "protocol is not a version the tool speaks (" + spoken + ")";
            return false;
        }
        version = static_cast<int>(number);
    } else if (oldest > OldestProtocol) {
        error = "no protocol named, and version " + std::to_string(OldestProtocol) +
                " sees one other seat only: this table takes " + spoken;
        return false;
    }
    name = Quoted(given.toString());
    return true;
}

std::string WrongAnswerId(const std::string& line, int id) {
    QJsonObject object;
    std::string ignored;
    if (!ReadObject(line, object, ignored)) {
        return {};
    }
    const QJsonValue given = object.value("id");
    if (given.isUndefined()) {
        return "an answer without the id of question " + std::to_string(id);
    }
    if (given.isDouble() && given.toDouble() == id) {
        return {};
    }
    const QString shown =
        given.isDouble() ? QString::number(given.toDouble()) : QStringLiteral("of no number");
    return "an answer with id " + shown.toStdString() + " to question " + std::to_string(id);
}

bool ReadDraw(const std::string& line, TPile& pile, std::string& error, bool numbered) {
    QJsonObject object;
    if (!ReadObject(line, object, error) || !OnlyFields(object, {"draw", numbered ? "id" : "draw"}, error)) {
        return false;
    }
    const QString from = object.value("draw").toString();
    if (from != QLatin1String("stock") && from != QLatin1String("pile")) {
        error = "draw is neither \"stock\" nor \"pile\"";
        return false;
    }
    pile = from == QLatin1String("stock") ? TPile::Stock : TPile::DiscardPile;
    return true;
}

bool ReadPlay(const std::string& line, TPlay& play, std::string& error, bool numbered) {
    QJsonObject object;
    if (!ReadObject(line, object, error) ||
        !OnlyFields(object, {"exchanges", "melds", "layoffs", "discard", numbered ? "id" : "discard"},
                    error)) {
        return false;
    }
    if (!ReadList(object, "exchanges", play.Exchanges, ReadCard, error) ||
        !ReadList(object, "melds", play.Melds, ReadCards, error) ||
        !ReadList(object, "layoffs", play.LayOffs, ReadLayOff, error)) {
        return false;
    }
    if (!object.contains("discard")) {
        error = "no discard";
        return false;
    }
    return ReadCard(object.value("discard"), play.Discard, error);
}
