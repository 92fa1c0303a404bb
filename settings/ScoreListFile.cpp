#include "settings/ScoreListFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "settings/JsonRoot.h"
#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"

namespace {

// Stored words; never translated.
constexpr const char* FormatName = "brisko-score-list";
constexpr int FormatVersion = 1;
const char* const StateNames[] = {"open", "ended", "givenUp"};

QJsonArray NumbersJson(const std::vector<int32_t>& numbers) {
    QJsonArray array;
    for (const int32_t number : numbers) {
        array.append(number);
    }
    return array;
}

QJsonObject ListJson(const TScoreList& list) {
    QJsonArray rows;
    for (const TListRow& row : list.Rows) {
        rows.append(QJsonObject{
            {"winner", row.Winner}, {"handRomme", row.HandRomme}, {"points", NumbersJson(row.Points)}});
    }
    return {{"id", list.Id},
            {"seats", QJsonArray::fromStringList(StoredSeatNames(list.Seats))},
            {"state", StateNames[static_cast<int>(list.State)]},
            {"rows", rows},
            {"totals", NumbersJson(list.Totals())}};
}

// Reads one list, noting the first thing that is not as written.
class TListReader {
  public:
    std::string Problem;

    TScoreList List(const QJsonValue& value) {
        TScoreList list;
        const QJsonObject o = value.toObject();
        if (!value.isObject()) {
            Fail("a list is no object");
            return list;
        }
        static const QRegularExpression id("^[0-9a-f]{32}$");
        list.Id = o["id"].toString();
        if (!id.match(list.Id).hasMatch()) {
            Fail("a list's id is not 32 hexadecimal digits");
        }
        QStringList seats;
        for (const QJsonValue& seat : o["seats"].toArray()) {
            seats << (seat.isString() ? seat.toString() : QString());
        }
        list.Seats = static_cast<int32_t>(seats.size());
        if (list.Seats < MinListSeats || list.Seats > MaxListSeats || seats != StoredSeatNames(list.Seats)) {
            Fail("the seats are not those of a table");
            return list;
        }
        list.State = State(o["state"]);
        const QJsonArray rows = o["rows"].toArray();
        if (!o["rows"].isArray() || rows.size() > MaxListGames) {
            Fail("the rows are no list of a size a list can have");
            return list;
        }
        for (const QJsonValue& row : rows) {
            list.Rows.push_back(Row(row, list.Seats));
        }
        if (Numbers(o["totals"], list.Seats, std::numeric_limits<int32_t>::max()) != list.Totals()) {
            Fail("the totals are not the sums of the rows");
        }
        return list;
    }

  private:
    void Fail(const std::string& what) {
        if (Problem.empty()) {
            Problem = what;
        }
    }

    TListState State(const QJsonValue& value) {
        for (int s = 0; s < 3; ++s) {
            if (value.toString() == StateNames[s]) {
                return static_cast<TListState>(s);
            }
        }
        Fail("a list's state is none of open, ended, givenUp");
        return TListState::Open;
    }

    int32_t Number(const QJsonValue& value, int64_t high) {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || !(number >= 0 && number <= static_cast<double>(high)) ||
            number != std::trunc(number)) {
            Fail("a number is no whole number in range");
            return 0;
        }
        return static_cast<int32_t>(number);
    }

    std::vector<int32_t> Numbers(const QJsonValue& value, int32_t count, int64_t high) {
        std::vector<int32_t> numbers;
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != count) {
            Fail("a row of numbers is not one per seat");
            return numbers;
        }
        for (const QJsonValue& number : array) {
            numbers.push_back(Number(number, high));
        }
        return numbers;
    }

    TListRow Row(const QJsonValue& value, int32_t seats) {
        const QJsonObject o = value.toObject();
        TListRow row;
        row.Winner = Number(o["winner"], seats - 1);
        row.HandRomme = o["handRomme"].toBool();
        if (!o["handRomme"].isBool()) {
            Fail("a row's Hand-Rommé is no true or false");
        }
        row.Points = Numbers(o["points"], seats, MaxRowPoints);
        if (row.Points.size() != static_cast<size_t>(seats)) {
            return row;
        }
        if (row.Points[static_cast<size_t>(row.Winner)] != 0) {
            Fail("the seat that went out has minus points");
        }
        for (const int32_t points : row.Points) {
            if (row.HandRomme && points % 2 != 0) {
                Fail("a Hand-Rommé row has points that are not doubled");
            }
        }
        return row;
    }
};

}  // namespace

QString ScoreListFilePath() {
    return DataDirectory() + "/brisko/score-list.json";
}

QStringList StoredSeatNames(int32_t seats) {
    QStringList names{"player"};
    for (int32_t seat = 1; seat < seats; ++seat) {
        names << (seats == 2 ? QString("computer") : "computer" + QString::number(seat));
    }
    return names;
}

QByteArray ScoreListsText(const TScoreLists& lists) {
    const QJsonObject root{
        {"format", FormatName},
        {"version", FormatVersion},
        {"current", ListJson(lists.Current)},
        {"last", lists.Finished ? QJsonValue(ListJson(*lists.Finished)) : QJsonValue()},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

TScoreListsParse ParseScoreLists(const QByteArray& text) {
    TScoreListsParse parse;
    const std::optional<QJsonObject> found = JsonRoot(text, FormatName, "not a list", parse.Problem);
    if (!found) {
        return parse;
    }
    const QJsonObject& root = *found;
    if (!root["version"].isDouble() || root["version"].toDouble() != FormatVersion) {
        parse.Problem = "a version other than " + std::to_string(FormatVersion);
        return parse;
    }
    TListReader read;
    parse.Lists.Current = read.List(root["current"]);
    if (read.Problem.empty() && parse.Lists.Current.State != TListState::Open) {
        read.Problem = "the list in play is not open";
    }
    if (!root["last"].isNull()) {
        parse.Lists.Finished = read.List(root["last"]);
        if (read.Problem.empty() &&
            (parse.Lists.Finished->State == TListState::Open || parse.Lists.Finished->Rows.empty())) {
            read.Problem = "the last list did not end";
        }
    }
    parse.Problem = read.Problem;
    if (!parse.Problem.empty()) {
        parse.Lists = {};
    }
    return parse;
}

TScoreListsReading ReadScoreLists(const QString& path) {
    TScoreListsReading reading;
    TScoreListsParse parse;
    QString kept;
    const TFileRead read = ReadOwnFile(
        path, MaxScoreListSize,
        [&](const QByteArray& text) {
            parse = ParseScoreLists(text);
            return parse.Problem;
        },
        reading.Problem, kept);
    if (read != TFileRead::Refused) {
        reading.Result = read == TFileRead::Read ? TScoreListRead::Read : TScoreListRead::Missing;
        reading.Lists = std::move(parse.Lists);
        return reading;
    }
    reading.Result = TScoreListRead::Refused;
    reading.Message =
        kept.isEmpty()
            ? QCoreApplication::translate("ScoreList",
                                          "Die Liste in %1 ließ sich nicht lesen. Eine neue Liste beginnt.")
                  .arg(path)
            : QCoreApplication::translate("ScoreList",
                                          "Die Liste ließ sich nicht lesen. Die Datei ist unverändert als %1 "
                                          "aufbewahrt. Eine neue Liste beginnt.")
                  .arg(kept);
    return reading;
}

bool WriteScoreLists(const QString& path, const TScoreLists& lists) {
    return MakePrivateFolder(QFileInfo(path).absolutePath()) &&
           ReplaceFile(path, ScoreListsText(lists), ScoreListPermissions);
}
