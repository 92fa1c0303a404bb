// The list: when it ends and who wins it, its settings, its file read back or
// refused and kept aside, its export as CSV, and the lists in the statistics.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

#include <sys/stat.h>

#include "settings/GameStatistics.h"
#include "settings/ListCsv.h"
#include "settings/ProfileFile.h"
#include "settings/ScoreListFile.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/TestCards.h"
#include "tests/support/WatchedSaveCalls.h"

namespace {

// Rows of points; the first seat with none went out.
TScoreList ListOf(const std::vector<std::vector<int32_t>>& rows, int32_t seats = 2) {
    TScoreList list = TScoreList::Begin(seats);
    for (const std::vector<int32_t>& points : rows) {
        const auto winner = static_cast<int32_t>(std::find(points.begin(), points.end(), 0) - points.begin());
        list.Rows.push_back({winner, false, points});
    }
    return list;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ScoreListTest, AListEndsWhenASeatPassesTheLimitOrTheGamesArePlayed) {
    struct TCase {
        TListLimit Limit;
        std::vector<std::vector<int32_t>> Rows;
        bool Over;
        std::vector<int32_t> Leaders;  // the fewest points, shared on a tie
    };
    std::vector<std::vector<int32_t>> ten(9, {0, 12});
    ten.push_back({30, 0});
    const TCase cases[] = {
        {TListLimit::Points500, {{0, 250}, {0, 250}}, false, {0}},  // reached, not passed
        {TListLimit::Points500, {{0, 250}, {0, 251}}, true, {0}},
        {TListLimit::Points500, {{600, 0, 0, 30}, {0, 30, 30, 0}}, true, {1, 2, 3}},
        {TListLimit::Points1000, {{0, 501}, {0, 500}}, true, {0}},
        {TListLimit::Points1000, {{0, 1000}}, false, {0}},
        {TListLimit::Games10, {ten.begin(), ten.end() - 1}, false, {0}},
        {TListLimit::Games10, ten, true, {0}},
        {TListLimit::Games20, ten, false, {0}},
        {TListLimit::None, {{5000, 0}, {0, 40}}, false, {1}},
    };
    for (const TCase& c : cases) {
        const TScoreList list = ListOf(c.Rows, static_cast<int32_t>(c.Rows[0].size()));
        EXPECT_EQ(list.Over(c.Limit), c.Over)
            << StoredLimitName(c.Limit).toStdString() << " " << c.Rows.size();
        EXPECT_EQ(list.Leaders(), c.Leaders) << c.Rows.size();
    }
    // Without a limit a list still ends before its file grows without bound.
    TScoreList longest = ListOf(std::vector<std::vector<int32_t>>(MaxListGames - 1, {0, 2}));
    EXPECT_FALSE(longest.Over(TListLimit::None));
    longest.Rows.push_back({0, false, {0, 2}});
    EXPECT_TRUE(longest.Over(TListLimit::None));
}

TEST(ScoreListTest, TheEndedListIsKeptAsTheLastAndANewOneBegins) {
    TScoreLists lists;
    const QString firstId = lists.Current.Id;
    EXPECT_FALSE(GiveUpList(lists));  // nothing to give up
    TFinishedGame game{{{}, {ParseCard("KrA")}}, 0, false};
    EXPECT_EQ(RowOf(game, DefaultJokerPoints), (TListRow{0, false, {0, 11}}));
    EXPECT_FALSE(AddGame(lists, {1, false, {300, 0}}, TListLimit::Points500));
    const std::optional<TScoreList> ended = AddGame(lists, {1, true, {202, 0}}, TListLimit::Points500);
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->State, TListState::Ended);
    EXPECT_EQ(ended->Id, firstId);
    EXPECT_EQ(lists.Finished, ended);
    EXPECT_TRUE(lists.Current.Rows.empty());
    EXPECT_EQ(lists.Current.State, TListState::Open);
    EXPECT_NE(lists.Current.Id, firstId);
    EXPECT_EQ(lists.Current.Id.size(), 32);

    // Given up; and a game at a table of three gives the list of two up.
    AddGame(lists, {0, false, {0, 8}}, TListLimit::Points500);
    EXPECT_TRUE(GiveUpList(lists));
    EXPECT_EQ(lists.Finished->State, TListState::GivenUp);
    AddGame(lists, {0, false, {0, 8}}, TListLimit::Points500);
    EXPECT_FALSE(AddGame(lists, {2, false, {5, 6, 0}}, TListLimit::Points500));
    EXPECT_EQ(lists.Finished->Seats, 2);
    EXPECT_EQ(lists.Current.Totals(), (std::vector<int32_t>{5, 6, 0}));
}

TEST(ListSettingsTest, TheirOwnSectionRoundTripsAndBadValuesGiveTheDefaults) {
    TTempConfig config;
    const QByteArray others = "[TOptionsForm]\nAnzCardEd_Value=14\n";
    const std::pair<const char*, TListSettings> texts[] = {
        {"", {}},
        {"Grenze=1000\nJoker=25\n", {TListLimit::Points1000, 25}},
        {"Grenze=spiele10\n", {TListLimit::Games10, 20}},
        {"Grenze=Keine\nJoker=20\n", {TListLimit::None, 20}},
        {"Grenze=700\nJoker=30\n", {}},
        {"Grenze=Spiele7\nJoker=-25\n", {}},
    };
    for (const auto& [text, settings] : texts) {
        config.WriteIni(others + "[Liste]\n" + text);
        EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), settings) << text;
    }
    for (const TListLimit limit : ListLimits) {
        TProfileFile ini(config.IniPath());
        WriteListSettings(ini, {limit, 25});
        ASSERT_TRUE(ini.UpdateFile());
        EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), (TListSettings{limit, 25}));
    }
    EXPECT_TRUE(config.IniLines().contains("Grenze=Keine"));
    EXPECT_TRUE(config.IniLines().contains("AnzCardEd_Value=14"));
}

class ScoreListFileTest : public ::testing::Test {
  protected:
    QString Path() const { return Dir.path() + "/brisko/score-list.json"; }

    // Two lists with rows of every kind: Hand-Rommé, each seat going out, none of four seats.
    static TScoreLists Rich() {
        TScoreLists lists;
        lists.Current.Rows = {{1, false, {35, 0}}, {0, true, {0, 86}}, {0, false, {0, 0}}};
        lists.Finished = ListOf({{501, 20, 7, 0}}, 4);
        lists.Finished->State = TListState::Ended;
        return lists;
    }
    // The good text with one change to its JSON: to the whole, the list in play or its first row.
    static QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = QJsonDocument::fromJson(ScoreListsText(Rich())).object();
        change(root);
        return QJsonDocument(root).toJson(QJsonDocument::Compact);
    }
    static QByteArray ChangedList(const std::function<void(QJsonObject&)>& change) {
        return Changed([&](QJsonObject& root) {
            QJsonObject list = root["current"].toObject();
            change(list);
            root["current"] = list;
        });
    }
    // The rows are read before the totals, so a row's fault is the one told.
    static QByteArray ChangedRow(const std::function<void(QJsonObject&)>& change) {
        return ChangedList([&](QJsonObject& list) {
            QJsonArray rows = list["rows"].toArray();
            QJsonObject row = rows[0].toObject();
            change(row);
            rows[0] = row;
            list["rows"] = rows;
        });
    }

    QTemporaryDir Dir;
};

TEST_F(ScoreListFileTest, ListsComeBackWholeInAPrivateFile) {
    EXPECT_EQ(ReadScoreLists(Path()).Result, TScoreListRead::Missing);
    const TScoreLists lists = Rich();
    ASSERT_TRUE(WriteScoreLists(Path(), lists));
    const TScoreListsReading reading = ReadScoreLists(Path());
    ASSERT_EQ(reading.Result, TScoreListRead::Read) << reading.Problem;
    EXPECT_EQ(reading.Lists, lists);
    for (const auto& [path, mode] : {std::pair(Path(), 0600u), std::pair(Dir.path() + "/brisko", 0700u)}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, mode);
    }
    const QJsonObject root = QJsonDocument::fromJson(ReadBytes(Path())).object();
    EXPECT_EQ(root["format"], "brisko-score-list");
    EXPECT_EQ(root["last"].toObject()["seats"].toArray(),
              QJsonArray({"player", "computer1", "computer2", "computer3"}));

    // A failed save leaves the file as it was.
    TScoreLists more = lists;
    more.Current.Rows.push_back({1, false, {4, 0}});
    {
        const TWatchedSaveCalls full("write");
        EXPECT_FALSE(WriteScoreLists(Path(), more));
    }
    EXPECT_EQ(ReadScoreLists(Path()).Lists, lists);
}

TEST_F(ScoreListFileTest, DamagedAndCraftedFilesAreRefusedAndKeptAside) {
    const QByteArray good = ScoreListsText(Rich());
    const QByteArray tooLong = ChangedList([](QJsonObject& list) {
        QJsonArray rows;
        for (int i = 0; i <= MaxListGames; ++i) {
            rows.append(QJsonObject{{"winner", 0}, {"handRomme", false}, {"points", QJsonArray{0, 0}}});
        }
        list["rows"] = rows;
    });
    const std::pair<QByteArray, const char*> files[] = {
        {"", "not a JSON object"},
        {good.left(good.size() / 2), "not a JSON object"},
        {Changed([](QJsonObject& r) { r["format"] = "brisko-kept-game"; }), "not a list"},
        {Changed([](QJsonObject& r) { r["version"] = "1"; }), "a version other than 1"},
        {Changed([](QJsonObject& r) { r.remove("last"); }), "a list is no object"},
        {ChangedList([](QJsonObject& l) { l["id"] = "12ab"; }), "a list's id is not 32 hexadecimal digits"},
        {ChangedList([](QJsonObject& l) { l["seats"] = QJsonArray{"player"}; }),
         "the seats are not those of a table"},
        {ChangedList([](QJsonObject& l) {
             l["seats"] = QJsonArray{"player", "Eve"};
         }),
         "the seats are not those of a table"},
        {ChangedList([](QJsonObject& l) { l["state"] = "paused"; }),
         "a list's state is none of open, ended, givenUp"},
        {ChangedList([](QJsonObject& l) { l["state"] = "ended"; }), "the list in play is not open"},
        {Changed([](QJsonObject& r) {
             QJsonObject last = r["last"].toObject();
             last["state"] = "open";
             r["last"] = last;
         }),
         "the last list did not end"},
        {ChangedList([](QJsonObject& l) { l["rows"] = "35, 0"; }),
         "the rows are no list of a size a list can have"},
        {tooLong, "the rows are no list of a size a list can have"},
        {ChangedRow([](QJsonObject& r) { r["winner"] = 2; }), "a number is no whole number in range"},
        {ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{-5, 0};
         }),
         "a number is no whole number in range"},
        {ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{MaxRowPoints + 1, 0};
         }),
         "a number is no whole number in range"},
        {ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{2.5, 0};
         }),
         "a number is no whole number in range"},
        {ChangedRow([](QJsonObject& r) { r["points"] = QJsonArray{35}; }),
         "a row of numbers is not one per seat"},
        {ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{36, 4};
         }),
         "the seat that went out has minus points"},
        {ChangedRow([](QJsonObject& r) { r["handRomme"] = true; }),
         "a Hand-Rommé row has points that are not doubled"},
        {ChangedRow([](QJsonObject& r) { r["handRomme"] = "ja"; }), "a row's Hand-Rommé is no true or false"},
        {ChangedList([](QJsonObject& l) {
             l["totals"] = QJsonArray{30, 86};
         }),
         "the totals are not the sums of the rows"},
        {QByteArray(MaxScoreListSize + 1, ' '), "too large"},
    };
    ASSERT_TRUE(QDir().mkpath(Dir.path() + "/brisko"));
    for (const auto& [text, problem] : files) {
        SCOPED_TRACE(problem);
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        const TScoreListsReading reading = ReadScoreLists(Path());
        EXPECT_EQ(reading.Result, TScoreListRead::Refused);
        EXPECT_EQ(reading.Problem, problem);
        EXPECT_EQ(reading.Lists.Current.Rows.size(), 0u);  // a fresh list
        EXPECT_FALSE(QFileInfo::exists(Path()));
        EXPECT_EQ(ReadBytes(Path() + ".bak"), text);
        EXPECT_EQ(reading.Message, "Die Liste ließ sich nicht lesen. Die Datei ist unverändert als " +
                                       Path() + ".bak aufbewahrt. Eine neue Liste beginnt.");
        QFile::remove(Path() + ".bak");
    }
    // A link is moved aside unread, never over an older backup.
    QFile older(Path() + ".bak");
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.close();
    ASSERT_EQ(::symlink("/etc/passwd", QFile::encodeName(Path()).constData()), 0);
    EXPECT_EQ(ReadScoreLists(Path()).Problem, "a link");
    EXPECT_TRUE(QFileInfo(Path() + ".bak1").isSymLink());
}

TEST(ListCsvTest, OneLinePerGameAndAColumnPerSeatQuotedWhereNeeded) {
    TScoreList list = TScoreList::Begin(3);
    list.Rows = {{1, false, {35, 0, 1204}}, {0, true, {0, 22, 40}}};
    const TCsvWords words{"Spiel", "Ausgegangen", "Hand-Rommé", "ja", {"Sie", "Computer 1", "Computer 2"}};
    EXPECT_EQ(ListCsv(list, words), QString("Spiel,Ausgegangen,Hand-Rommé,Sie,Computer 1,Computer 2\r\n"
                                            "1,Computer 1,,35,0,1204\r\n"
                                            "2,Sie,ja,0,22,40\r\n")
                                        .toUtf8());
    const TCsvWords odd{"Game, no.", "Went \"out\"", "Two\nlines", "yes", {"You", "A,B", "C\r"}};
    EXPECT_EQ(ListCsv(TScoreList::Begin(3), odd),
              "\"Game, no.\",\"Went \"\"out\"\"\",\"Two\nlines\",You,\"A,B\",\"C\r\"\r\n");
}

TEST(ListStatisticsTest, ListsAreCountedBesideTheGamesAndAMissingCountReadsZero) {
    TTempConfig config;
    const QByteArray games =
        "[Statistik]\nKlassischGewonnen=3\nKlassischVerloren=1\nKlassischSerie=1\n"
        "KlassischLaengsteSerie=2\nKlassischWenigsteZuege=9\n";
    for (const char* lists :
         {"", "ListenGewonnen=-2\n", "ListenGewonnen=zwei\n", "ListenGewonnen=99999999999\n"}) {
        config.WriteIni(games + lists);
        const TGameStatistics read = TGameStatistics::Read(TProfileFile(config.IniPath()));
        EXPECT_EQ(read.ListsWon, 0) << lists;
        EXPECT_EQ(read.ListsLost, 0) << lists;
        EXPECT_EQ(read.For(TOpponentKind::Classic), (TOpponentRecord{3, 1, 1, 2, 9})) << lists;
    }
    TGameStatistics totals;
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {{TOpponentKind::Strong, true, 7}}, totals,
                                    {{true}, {false}, {true}}));
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {}, totals, {{false}}));
    EXPECT_EQ(TGameStatistics::Read(TProfileFile(config.IniPath())), totals);
    EXPECT_TRUE(config.IniLines().contains("ListenGewonnen=2"));
    EXPECT_TRUE(config.IniLines().contains("ListenVerloren=2"));
    EXPECT_EQ(totals.For(TOpponentKind::Strong).Won, 1);
}

}  // namespace
