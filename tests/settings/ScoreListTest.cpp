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
#include "settings/ListSettings.h"
#include "settings/ProfileFile.h"
#include "settings/ScoreList.h"
#include "settings/ScoreListFile.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WatchedSaveCalls.h"

namespace {

TScoreList ListOf(std::vector<std::vector<int32_t>> rows) {
    TScoreList list = TScoreList::Begin(static_cast<int32_t>(rows.empty() ? 2 : rows[0].size()));
    for (const std::vector<int32_t>& points : rows) {
        const auto winner = std::find(points.begin(), points.end(), 0) - points.begin();
        list.Rows.push_back({static_cast<int32_t>(winner), false, points});
    }
    return list;
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

TEST(ScoreListTest, AListEndsWhenASeatPassesTheLimitOrTheGamesArePlayed) {
    struct TCase {
        TListLimit Limit;
        std::vector<std::vector<int32_t>> Rows;
        bool Over;
        std::vector<int32_t> Leaders;
    };
    const std::vector<std::vector<int32_t>> nine(9, {0, 12});
    std::vector<std::vector<int32_t>> ten = nine;
    ten.push_back({30, 0});
    const TCase cases[] = {
        {TListLimit::Points500, {{0, 250}, {0, 250}}, false, {0}},  // reached, not passed
        {TListLimit::Points500, {{0, 250}, {0, 251}}, true, {0}},
        {TListLimit::Points500, {{400, 0, 20}, {101, 0, 0}}, true, {1}},
        {TListLimit::Points1000, {{0, 501}, {0, 499}}, false, {0}},
        {TListLimit::Points1000, {{0, 501}, {0, 500}}, true, {0}},
        {TListLimit::Games10, nine, false, {0}},
        {TListLimit::Games10, ten, true, {0}},
        {TListLimit::Games20, ten, false, {0}},
        {TListLimit::None, {{0, 5000}, {0, 5000}}, false, {0}},
        // Fewest shared: every one of them leads.
        {TListLimit::Points500, {{600, 0, 0, 30}, {0, 30, 30, 0}}, true, {1, 2, 3}},
        {TListLimit::Games10, {{0, 0}}, false, {0, 1}},
    };
    for (const TCase& c : cases) {
        const TScoreList list = ListOf(c.Rows);
        EXPECT_EQ(list.Over(c.Limit), c.Over)
            << StoredLimitName(c.Limit).toStdString() << " " << c.Rows.size();
        EXPECT_EQ(list.Leaders(), c.Leaders) << c.Rows.size();
    }
    // Without a limit a list still ends before its file grows without bound.
    TScoreList longest = ListOf({});
    longest.Rows.assign(MaxListGames - 1, {0, false, {0, 2}});
    EXPECT_FALSE(longest.Over(TListLimit::None));
    longest.Rows.push_back({0, false, {0, 2}});
    EXPECT_TRUE(longest.Over(TListLimit::None));
}

TEST(ScoreListTest, TheEndedListIsKeptAsTheLastAndANewOneBegins) {
    TScoreLists lists;
    const QString firstId = lists.Current.Id;
    EXPECT_FALSE(GiveUpList(lists));  // nothing to give up
    EXPECT_EQ(lists.Current.Id, firstId);
    EXPECT_FALSE(lists.Finished);

    TFinishedGame game{{{}, {}}, 0, false};
    game.Hands[1] = {TCard{Kreuz, Ass, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(RowOf(game, DefaultJokerPoints), (TListRow{0, false, {0, 11}}));
    EXPECT_FALSE(AddGame(lists, {1, false, {300, 0}}, TListLimit::Points500));
    const std::optional<TScoreList> ended = AddGame(lists, {1, true, {202, 0}}, TListLimit::Points500);
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->State, TListState::Ended);
    EXPECT_EQ(ended->Id, firstId);
    EXPECT_EQ(ended->Totals(), (std::vector<int32_t>{502, 0}));
    EXPECT_EQ(lists.Finished, ended);
    EXPECT_TRUE(lists.Current.Rows.empty());
    EXPECT_EQ(lists.Current.State, TListState::Open);
    EXPECT_NE(lists.Current.Id, firstId);
    EXPECT_EQ(lists.Current.Id.size(), 32);

    // Given up, and a game at a table of three: the old list goes as given up.
    AddGame(lists, {0, false, {0, 8}}, TListLimit::Points500);
    const QString secondId = lists.Current.Id;
    EXPECT_TRUE(GiveUpList(lists));
    EXPECT_EQ(lists.Finished->State, TListState::GivenUp);
    EXPECT_EQ(lists.Finished->Id, secondId);
    AddGame(lists, {0, false, {0, 8}}, TListLimit::Points500);
    EXPECT_FALSE(AddGame(lists, {2, false, {5, 6, 0}}, TListLimit::Points500));
    EXPECT_EQ(lists.Finished->Seats, 2);
    EXPECT_EQ(lists.Current.Seats, 3);
    EXPECT_EQ(lists.Current.Totals(), (std::vector<int32_t>{5, 6, 0}));
}

TEST(ListSettingsTest, TheirOwnSectionRoundTripsAndBadValuesGiveTheDefaults) {
    TTempConfig config;
    const QByteArray others = "[TOptionsForm]\nAnzCardEd_Value=14\n";
    config.WriteIni(others);
    EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), TListSettings{});
    for (const TListLimit limit : ListLimits) {
        for (const int32_t joker : {20, 25}) {
            TProfileFile ini(config.IniPath());
            WriteListSettings(ini, {limit, joker});
            ASSERT_TRUE(ini.UpdateFile());
            EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), (TListSettings{limit, joker}));
        }
    }
    EXPECT_TRUE(config.IniLines().contains("[Liste]"));
    EXPECT_TRUE(config.IniLines().contains("Grenze=Keine"));
    EXPECT_TRUE(config.IniLines().contains("Joker=25"));
    const std::pair<const char*, TListSettings> texts[] = {
        {"Grenze=1000\nJoker=25\n", {TListLimit::Points1000, 25}},
        {"Grenze=spiele10\n", {TListLimit::Games10, 20}},
        {"Grenze=Spiele20\nJoker=20\n", {TListLimit::Games20, 20}},
        {"Grenze=700\nJoker=30\n", {}},
        {"Grenze=Spiele7\nJoker=-25\n", {}},
        {"Grenze=\nJoker=zwanzig\n", {}},
    };
    for (const auto& [text, settings] : texts) {
        config.WriteIni(others + "[Liste]\n" + text);
        EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), settings) << text;
        EXPECT_EQ(TProfileFile(config.IniPath()).ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
    }
}

class ScoreListFileTest : public ::testing::Test {
  protected:
    QString Path() const { return Dir.path() + "/brisko/score-list.json"; }

    // Two lists with rows of every kind: Hand-Rommé, each seat going out.
    static TScoreLists Rich() {
        TScoreLists lists;
        lists.Current.Rows = {{1, false, {35, 0}}, {0, true, {0, 86}}, {0, false, {0, 0}}};
        TScoreList last = TScoreList::Begin(4);
        last.Rows = {{3, false, {501, 20, 7, 0}}};
        last.State = TListState::Ended;
        lists.Finished = last;
        return lists;
    }
    // The good text with one change made to its JSON.
    static QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
        QJsonObject root = QJsonDocument::fromJson(ScoreListsText(Rich())).object();
        change(root);
        return QJsonDocument(root).toJson(QJsonDocument::Compact);
    }
    // A change to the list in play.
    static QByteArray ChangedList(const std::function<void(QJsonObject&)>& change) {
        return Changed([&](QJsonObject& root) {
            QJsonObject list = root["current"].toObject();
            change(list);
            root["current"] = list;
        });
    }
    // A change to the first row of the list in play; the totals follow it.
    static QByteArray ChangedRow(const std::function<void(QJsonObject&)>& change) {
        return ChangedList([&](QJsonObject& list) {
            QJsonArray rows = list["rows"].toArray();
            QJsonObject row = rows[0].toObject();
            change(row);
            rows[0] = row;
            list["rows"] = rows;
            QJsonArray totals{0, 0};
            for (const QJsonValue& each : rows) {
                const QJsonArray points = each.toObject()["points"].toArray();
                for (int seat = 0; seat < 2; ++seat) {
                    totals[seat] = totals[seat].toInt() + points[seat].toInt();
                }
            }
            list["totals"] = totals;
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
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(Dir.path() + "/brisko").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    const QJsonObject root = QJsonDocument::fromJson(ReadBytes(Path())).object();
    EXPECT_EQ(root["format"], "brisko-score-list");
    EXPECT_EQ(root["version"], 1);
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
    ASSERT_TRUE(WriteScoreLists(Path(), more));
    EXPECT_EQ(ReadScoreLists(Path()).Lists, more);

    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(ScoreListFilePath(), "/somewhere/data/brisko/score-list.json");
    qputenv("XDG_DATA_HOME", previous);
}

TEST_F(ScoreListFileTest, DamagedAndCraftedFilesAreRefusedAndKeptAside) {
    const QByteArray good = ScoreListsText(Rich());
    QByteArray tooLong = Changed([](QJsonObject& root) {
        QJsonObject list = root["current"].toObject();
        QJsonArray rows;
        for (int i = 0; i <= MaxListGames; ++i) {
            rows.append(QJsonObject{{"winner", 0}, {"handRomme", false}, {"points", QJsonArray{0, 0}}});
        }
        list["rows"] = rows;
        list["totals"] = QJsonArray{0, 0};
        root["current"] = list;
    });
    struct TCase {
        const char* Fault;
        QByteArray Text;
        const char* Problem;
    };
    const TCase files[] = {
        {"empty", "", "not a JSON object"},
        {"truncated", good.left(good.size() / 2), "not a JSON object"},
        {"an array", "[]", "not a JSON object"},
        {"another format", Changed([](QJsonObject& r) { r["format"] = "brisko-kept-game"; }), "not a list"},
        {"a later version", Changed([](QJsonObject& r) { r["version"] = 2; }), "a version other than 1"},
        {"a version in words", Changed([](QJsonObject& r) { r["version"] = "1"; }), "a version other than 1"},
        {"no list in play", Changed([](QJsonObject& r) { r.remove("current"); }), "a list is no object"},
        {"no last list", Changed([](QJsonObject& r) { r.remove("last"); }), "a list is no object"},
        {"a short id", ChangedList([](QJsonObject& l) { l["id"] = "12ab"; }),
         "a list's id is not 32 hexadecimal digits"},
        {"one seat", ChangedList([](QJsonObject& l) { l["seats"] = QJsonArray{"player"}; }),
         "the seats are not those of a table"},
        {"a seat of its own name", ChangedList([](QJsonObject& l) {
             l["seats"] = QJsonArray{"player", "Eve"};
         }),
         "the seats are not those of a table"},
        {"five seats", ChangedList([](QJsonObject& l) {
             l["seats"] = QJsonArray{"player", "computer1", "computer2", "computer3", "computer4"};
         }),
         "the seats are not those of a table"},
        {"a state unknown", ChangedList([](QJsonObject& l) { l["state"] = "paused"; }),
         "a list's state is none of open, ended, givenUp"},
        {"the list in play ended", ChangedList([](QJsonObject& l) { l["state"] = "ended"; }),
         "the list in play is not open"},
        {"the last list open", Changed([](QJsonObject& r) {
             QJsonObject last = r["last"].toObject();
             last["state"] = "open";
             r["last"] = last;
         }),
         "the last list did not end"},
        {"rows in words", ChangedList([](QJsonObject& l) { l["rows"] = "35, 0"; }),
         "the rows are no list of a size a list can have"},
        {"more rows than a list holds", tooLong, "the rows are no list of a size a list can have"},
        {"no winner", ChangedRow([](QJsonObject& r) { r.remove("winner"); }),
         "a number is no whole number in range"},
        {"a winner beyond the seats", ChangedRow([](QJsonObject& r) { r["winner"] = 2; }),
         "a number is no whole number in range"},
        {"negative points", ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{-5, 0};
         }),
         "a number is no whole number in range"},
        {"points no hand can cost", ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{MaxRowPoints + 1, 0};
         }),
         "a number is no whole number in range"},
        {"a fraction", ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{2.5, 0};
         }),
         "a number is no whole number in range"},
        {"points in words", ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{"35", 0};
         }),
         "a number is no whole number in range"},
        {"points for one seat of two", ChangedRow([](QJsonObject& r) { r["points"] = QJsonArray{35}; }),
         "a row of numbers is not one per seat"},
        {"the winner with points", ChangedRow([](QJsonObject& r) {
             r["points"] = QJsonArray{35, 4};
         }),
         "the seat that went out has minus points"},
        {"a Hand-Rommé not doubled", ChangedRow([](QJsonObject& r) { r["handRomme"] = true; }),
         "a Hand-Rommé row has points that are not doubled"},
        {"a Hand-Rommé in words", ChangedRow([](QJsonObject& r) { r["handRomme"] = "ja"; }),
         "a row's Hand-Rommé is no true or false"},
        {"totals that do not add up", ChangedList([](QJsonObject& l) {
             l["totals"] = QJsonArray{30, 0};
         }),
         "the totals are not the sums of the rows"},
        {"no totals", ChangedList([](QJsonObject& l) { l.remove("totals"); }),
         "a row of numbers is not one per seat"},
        {"too large", QByteArray(MaxScoreListSize + 1, ' '), "too large"},
    };
    ASSERT_TRUE(QDir().mkpath(Dir.path() + "/brisko"));
    for (const TCase& file : files) {
        SCOPED_TRACE(file.Fault);
        WriteBytes(Path(), file.Text);
        const TScoreListsReading reading = ReadScoreLists(Path());
        EXPECT_EQ(reading.Result, TScoreListRead::Refused);
        EXPECT_EQ(reading.Problem, file.Problem);
        EXPECT_EQ(reading.Lists.Current.Rows.size(), 0u);  // a fresh list
        EXPECT_FALSE(reading.Lists.Finished);
        EXPECT_FALSE(QFileInfo::exists(Path()));
        EXPECT_EQ(ReadBytes(Path() + ".bak"), file.Text);
        EXPECT_EQ(reading.Message, "Die Liste ließ sich nicht lesen. Die Datei ist unverändert als " +
                                       Path() + ".bak aufbewahrt. Eine neue Liste beginnt.");
        QFile::remove(Path() + ".bak");
    }

    // A link is moved aside unread, and an older backup stays.
    WriteBytes(Path() + ".bak", "older");
    WriteBytes(Dir.path() + "/elsewhere.json", good);
    ASSERT_EQ(::symlink("../elsewhere.json", QFile::encodeName(Path()).constData()), 0);
    const TScoreListsReading link = ReadScoreLists(Path());
    EXPECT_EQ(link.Problem, "a link");
    EXPECT_TRUE(QFileInfo(Path() + ".bak1").isSymLink());
    EXPECT_EQ(ReadBytes(Path() + ".bak"), "older");
    WriteBytes(Path(), good);
    EXPECT_EQ(ReadScoreLists(Path()).Result, TScoreListRead::Read);
}

TEST(ListCsvTest, OneLinePerGameAndAColumnPerSeatQuotedWhereNeeded) {
    TScoreList list = TScoreList::Begin(3);
    list.Rows = {{1, false, {35, 0, 1204}}, {0, true, {0, 22, 40}}};
    const TCsvWords words{"Spiel", "Ausgegangen", "Hand-Rommé", "ja", {"Sie", "Computer 1", "Computer 2"}};
    EXPECT_EQ(ListCsv(list, words), QString("Spiel,Ausgegangen,Hand-Rommé,Sie,Computer 1,Computer 2\r\n"
                                            "1,Computer 1,,35,0,1204\r\n"
                                            "2,Sie,ja,0,22,40\r\n")
                                        .toUtf8());
    const TCsvWords odd{"Game, no.", "Went \"out\"", "Two\nlines", "yes", {"You", "A,B", "C"}};
    EXPECT_EQ(ListCsv(TScoreList::Begin(3), odd),
              "\"Game, no.\",\"Went \"\"out\"\"\",\"Two\nlines\",You,\"A,B\",C\r\n");
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("\r"), "\"\r\"");
}

TEST(ListStatisticsTest, ListsAreCountedBesideTheGamesAndAMissingCountReadsZero) {
    TTempConfig config;
    const QByteArray games =
        "[Statistik]\nKlassischGewonnen=3\nKlassischVerloren=1\nKlassischSerie=1\n"
        "KlassischLaengsteSerie=2\nKlassischWenigsteZuege=9\n";
    config.WriteIni(games);
    TGameStatistics read = TGameStatistics::Read(TProfileFile(config.IniPath()));
    EXPECT_EQ(read.For(TOpponentKind::Classic), (TOpponentRecord{3, 1, 1, 2, 9}));
    EXPECT_EQ(read.ListsWon, 0);
    EXPECT_EQ(read.ListsLost, 0);
    for (const char* damage :
         {"ListenGewonnen=-2\n", "ListenGewonnen=zwei\n", "ListenGewonnen=99999999999\n"}) {
        config.WriteIni(games + damage + "ListenVerloren=4\n");
        read = TGameStatistics::Read(TProfileFile(config.IniPath()));
        EXPECT_EQ(read.ListsWon, 0) << damage;
        EXPECT_EQ(read.ListsLost, 4) << damage;
        EXPECT_EQ(read.For(TOpponentKind::Classic).Won, 3) << damage;
    }

    TGameStatistics totals;
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {{TOpponentKind::Strong, true, 7}}, totals,
                                    {{true}, {false}, {true}}));
    EXPECT_EQ(totals.ListsWon, 2);
    EXPECT_EQ(totals.ListsLost, 5);
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {}, totals, {{false}}));
    EXPECT_EQ(TGameStatistics::Read(TProfileFile(config.IniPath())), totals);
    EXPECT_TRUE(config.IniLines().contains("ListenGewonnen=2"));
    EXPECT_TRUE(config.IniLines().contains("ListenVerloren=6"));
    EXPECT_EQ(totals.For(TOpponentKind::Strong).Won, 1);
}

}  // namespace
