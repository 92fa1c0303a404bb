// The records of the settings file's own sections: the view, the opponent, the
// table, the statistics and the window's place, each read and written without
// touching the rest of the file.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "settings/GameStatistics.h"
#include "settings/OpponentChoice.h"
#include "settings/ProfileFile.h"
#include "settings/TableSettings.h"
#include "settings/ViewSettings.h"
#include "settings/WindowPlacement.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WatchedSaveCalls.h"

namespace {

TEST(ViewSettingsTest, TheirOwnSectionRoundTripsAndBadValuesGiveTheDefaults) {
    QTemporaryDir dir;
    const QString file = dir.filePath("brisko.INI");
    const auto load = [&file] { return ReadViewSettings(TProfileFile(file)); };
    const auto save = [&file](const TViewSettings& settings) {
        TProfileFile ini(file);
        WriteViewSettings(ini, settings);
        return ini.UpdateFile();
    };
    EXPECT_EQ(load(), TViewSettings{});  // no file
    {
        TProfileFile ini(file);
        ini.WriteString("TOptionsForm", "AnzCardEd_Value", "14");
        ini.WriteString("Ansicht", "ZugDesComputers", "Blitz");
        ini.WriteString("Ansicht", "ZuegeMarkieren", "vielleicht");
        ini.WriteString("Ansicht", "Kartengroesse", "175");
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(load(), TViewSettings{});
    ASSERT_TRUE(save({TMoveSpeed::Slow, false}));
    EXPECT_EQ(load(), (TViewSettings{TMoveSpeed::Slow, false}));
    EXPECT_EQ(TProfileFile(file).ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
    for (TMoveSpeed speed : {TMoveSpeed::Instant, TMoveSpeed::Fast, TMoveSpeed::Normal}) {
        ASSERT_TRUE(save({speed, true}));
        EXPECT_EQ(load().Speed, speed);
    }
    const char* const sizes[] = {"Normal", "125", "150", "200", "Fenster"};
    for (TCardSize size : CardSizes) {
        ASSERT_TRUE(save({TMoveSpeed::Instant, true, size}));
        EXPECT_EQ(load().CardSize, size);
        EXPECT_EQ(TProfileFile(file).ReadString("Ansicht", "Kartengroesse", ""),
                  sizes[static_cast<int>(size)]);
    }
    EXPECT_EQ(FixedCardScale(TCardSize::Larger125), 1.25);
    EXPECT_EQ(FixedCardScale(TCardSize::FitWindow), 0);
}

TEST(WindowPlacementTest, ItsOwnSectionRoundTripsAndDamagedValuesGiveNone) {
    TTempConfig config;
    const auto load = [&config] { return ReadWindowPlacement(TProfileFile(config.IniPath())); };
    EXPECT_EQ(load(), std::nullopt);  // no file
    {
        TProfileFile ini(config.IniPath());
        ini.WriteString("TOptionsForm", "AnzCardEd_Value", "14");
        WriteWindowPlacement(ini, {QRect(-20, 30, 1500, 900), true});
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(load(), (TWindowPlacement{QRect(-20, 30, 1500, 900), true}));
    EXPECT_TRUE(config.IniLines().contains("Hoehe=900"));
    EXPECT_TRUE(config.IniLines().contains("Maximiert=True"));
    struct TCase {
        const char* Section;
        std::optional<TWindowPlacement> Read;
    } cases[] = {
        {"Links=10\nOben=20\nBreite=700\nHoehe=500\n", TWindowPlacement{QRect(10, 20, 700, 500), false}},
        {"Links=10\nOben=20\nBreite=700\nHoehe=500\nMaximiert=ja\n",
         TWindowPlacement{QRect(10, 20, 700, 500)}},
        {"Links=10\nOben=20\nBreite=700\n", std::nullopt},
        {"Links=10\nOben=zwanzig\nBreite=700\nHoehe=500\n", std::nullopt},
        {"Links=10\nOben=20\nBreite=0\nHoehe=500\n", std::nullopt},
        {"Links=10\nOben=20\nBreite=700\nHoehe=-5\n", std::nullopt},
        {"Links=10\nOben=20\nBreite=700\nHoehe=99999\n", std::nullopt},
        {"Links=-99999\nOben=20\nBreite=700\nHoehe=500\n", std::nullopt},
        {"Links=10\nOben=20\nBreite=2.5e3\nHoehe=500\n", std::nullopt},
        {"Maximiert=True\n", std::nullopt},
    };
    for (const TCase& c : cases) {
        config.WriteIni(QByteArray("[Fenster]\n") + c.Section);
        EXPECT_EQ(load(), c.Read) << c.Section;
    }
}

// A stored place is kept where the screen holds it, and otherwise moved and
// shrunk just enough that the window with its frame lies inside the room.
TEST(WindowPlacementTest, AStoredPlaceIsBroughtInsideTheScreen) {
    const QRect screen(0, 0, 1920, 1050);
    const QMargins frame(4, 30, 4, 4);
    struct TCase {
        QRect Stored;
        QRect Placed;
    } cases[] = {
        {{100, 80, 800, 600}, {100, 80, 800, 600}},   {{4, 30, 1912, 1016}, {4, 30, 1912, 1016}},
        {{3000, 80, 800, 600}, {1116, 80, 800, 600}}, {{-900, -400, 800, 600}, {4, 30, 800, 600}},
        {{100, 900, 800, 600}, {100, 446, 800, 600}}, {{100, 80, 3840, 2160}, {4, 30, 1912, 1016}},
        {{1500, 80, 1913, 500}, {4, 80, 1912, 500}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(PlaceInside(c.Stored, screen, frame), c.Placed) << c.Stored.x() << "," << c.Stored.y();
    }
    // A second screen right of the first has its own room.
    EXPECT_EQ(PlaceInside({3000, 80, 800, 600}, QRect(1920, 0, 1920, 1080), {}), QRect(3000, 80, 800, 600));
}

TEST(OpponentChoiceTest, AnythingButStarkReadsAsKlassisch) {
    TTempConfig config;
    for (const char* text : {"", "Gegner=Stark\n", "Gegner=stark\n", "Gegner=Sehr stark\n", "Gegner=1\n"}) {
        config.WriteIni(QByteArray("[Gegner]\n") + text);
        const TProfileFile ini(config.IniPath());
        const bool strong =
            QByteArray(text).startsWith("Gegner=Stark") || QByteArray(text) == "Gegner=stark\n";
        EXPECT_EQ(ReadOpponentChoice(ini), strong ? TOpponentKind::Strong : TOpponentKind::Classic) << text;
    }
}

// Each value of "[Tisch]" stands alone: a damaged one gives its default and
// the others are read as they stand.
TEST(TableSettingsTest, EachValueIsReadOnItsOwnAndDamageGivesItsDefault) {
    TTempConfig config;
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    struct TCase {
        const char* Section;
        TTableSettings Read;
    } cases[] = {
        {"", {}},
        {"Mitspieler=3\nGegner1=Stark\nGegner3=stark\n", {3, {S, C, S}}},
        {"Mitspieler=2\nGegner2=STARK\n", {2, {C, S, C}}},
        {"Mitspieler= 2 \n", {2, {C, C, C}}},
        {"Mitspieler=4\nGegner1=Stark\n", {1, {S, C, C}}},
        {"Mitspieler=0\n", {}},
        {"Mitspieler=-2\n", {}},
        {"Mitspieler=2.5\n", {}},
        {"Mitspieler=zwei\nGegner2=Stark\n", {1, {C, S, C}}},
        {"Mitspieler=99999999999\n", {}},
        {"Mitspieler=3\nGegner1=Sehr stark\nGegner2=1\nGegner3=\n", {3, {C, C, C}}},
        {"Mitspieler=3\nMitspieler=2\n", {3, {C, C, C}}},  // the first of repeated keys
    };
    for (const TCase& c : cases) {
        config.WriteIni(QByteArray("[TOptionsForm]\nAnzCardEd_Value=14\n[Tisch]\n") + c.Section +
                        "[Gegner]\nGegner=Stark\n");
        EXPECT_EQ(ReadTableSettings(TProfileFile(config.IniPath())), c.Read) << c.Section;
    }
}

TEST(TableSettingsTest, ItsOwnSectionRoundTripsAndTheRestOfTheFileStays) {
    TTempConfig config;
    config.WriteIni("[TOptionsForm]\nAnzCardEd_Value=14\n[Gegner]\nGegner=Stark\n");
    ASSERT_TRUE(TProfileFile(config.IniPath()).UpdateFile());  // as the file writes them
    const QByteArray others = config.ReadIni();
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    for (const TTableSettings& table : {TTableSettings{3, {S, C, S}}, TTableSettings{2, {C, S, S}},
                                        TTableSettings{1, {S, S, S}}, TTableSettings{}}) {
        {
            TProfileFile ini(config.IniPath());
            WriteTableSettings(ini, table);
            ASSERT_TRUE(ini.UpdateFile());
        }
        const TProfileFile ini(config.IniPath());
        EXPECT_EQ(ReadTableSettings(ini), table);
        EXPECT_EQ(ini.ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
        EXPECT_EQ(ReadOpponentChoice(ini), S);
    }
    EXPECT_TRUE(config.ReadIni().startsWith(others));
    EXPECT_TRUE(config.IniLines().contains("Mitspieler=1"));
    EXPECT_TRUE(config.IniLines().contains("Gegner3=Klassisch"));
}

// A table of two is today's game: its computer plays as "[Gegner]" says,
// whatever the levels of the larger tables.
TEST(TableSettingsTest, TheSeatedComputersFollowTheTableSize) {
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    using TKinds = std::vector<TOpponentKind>;
    EXPECT_EQ(SeatedOpponents(TTableSettings{1, {S, S, S}}, C), TKinds{C});
    EXPECT_EQ(SeatedOpponents(TTableSettings{1, {C, C, C}}, S), TKinds{S});
    EXPECT_EQ(SeatedOpponents(TTableSettings{2, {S, C, S}}, C), (TKinds{S, C}));
    EXPECT_EQ(SeatedOpponents(TTableSettings{3, {C, C, S}}, S), (TKinds{C, C, S}));
}

TEST(GameStatisticsTest, CountsWinsLossesStreaksAndTheFewestTurns) {
    TGameStatistics s;
    const TOpponentKind k = TOpponentKind::Classic;
    s.CountWin(k, 12);
    s.CountWin(k, 9);
    s.CountLoss(k);
    s.CountWin(k, 15);
    s.CountWin(TOpponentKind::Strong, 20);
    EXPECT_EQ(s.For(k), (TOpponentRecord{3, 1, 1, 2, 9}));
    EXPECT_EQ(s.For(TOpponentKind::Strong), (TOpponentRecord{1, 0, 1, 1, 20}));
    s.CountWin(k, 0);  // a win counts at least one turn
    EXPECT_EQ(s.For(k).FewestTurns, 1);
    s.Reset();
    EXPECT_EQ(s, TGameStatistics{});
}

TEST(GameStatisticsTest, ADamagedSectionReadsAsZerosAndTheRestOfTheFileStays) {
    TTempConfig config;
    const QByteArray others = "[TOptionsForm]\nAnzCardEd_Value=14\n[Gegner]\nGegner=Stark\n";
    const QByteArray good =
        "[Statistik]\nKlassischGewonnen=3\nKlassischVerloren=1\nKlassischSerie=1\n"
        "KlassischLaengsteSerie=2\nKlassischWenigsteZuege=9\nStarkVerloren=4\n";
    config.WriteIni(others + good);
    TGameStatistics read = TGameStatistics::Read(TProfileFile(config.IniPath()));
    EXPECT_EQ(read.For(TOpponentKind::Classic), (TOpponentRecord{3, 1, 1, 2, 9}));
    EXPECT_EQ(read.For(TOpponentKind::Strong), (TOpponentRecord{0, 4, 0, 0, 0}));

    for (const char* damage : {"KlassischGewonnen=drei\n", "KlassischVerloren=-1\n", "KlassischSerie=5\n",
                               "KlassischLaengsteSerie=7\n", "KlassischWenigsteZuege=0\n",
                               "StarkWenigsteZuege=4\n", "KlassischGewonnen=99999999999\n"}) {
        SCOPED_TRACE(damage);
        // The damaged value comes first and so is the one read.
        config.WriteIni(others + "[Statistik]\n" + damage + good.mid(good.indexOf('\n') + 1));
        TProfileFile ini(config.IniPath());
        EXPECT_EQ(TGameStatistics::Read(ini), TGameStatistics{});
        TGameStatistics counted;
        counted.CountWin(TOpponentKind::Strong, 7);
        counted.Write(ini);
        ASSERT_TRUE(ini.UpdateFile());
        const TProfileFile after(config.IniPath());
        EXPECT_EQ(after.ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
        EXPECT_EQ(after.ReadString("Gegner", "Gegner", ""), "Stark");
        EXPECT_EQ(TGameStatistics::Read(after), counted);
    }
}

// Games at tables of three and four are counted apart from the game of two,
// by the table's size and whether a strong computer sat at it.
TEST(GameStatisticsTest, LargerTablesAreCountedApartBySizeAndStrength) {
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    TGameStatistics s;
    for (const TCountedGame& game :
         {CountedGame({C, C}, true, 12), CountedGame({C, C}, false, 0), CountedGame({C, C}, true, 9),
          CountedGame({C, S}, true, 20), CountedGame({S, C, C}, false, 0), CountedGame({C, C, C}, true, 0)}) {
        s.Count(game);
    }
    EXPECT_EQ(s.ForTable(3, false), (TOpponentRecord{2, 1, 1, 1, 9}));
    EXPECT_EQ(s.ForTable(3, true), (TOpponentRecord{1, 0, 1, 1, 20}));
    EXPECT_EQ(s.ForTable(4, true), (TOpponentRecord{0, 1, 0, 0, 0}));
    EXPECT_EQ(s.ForTable(4, false), (TOpponentRecord{1, 0, 1, 1, 1}));
    EXPECT_EQ(s.For(C), TOpponentRecord{});
    EXPECT_EQ(s.For(S), TOpponentRecord{});
    // One computer is the game of two, counted as it always was.
    s.Count(CountedGame({S}, true, 7));
    EXPECT_EQ(s.For(S), (TOpponentRecord{1, 0, 1, 1, 7}));
    EXPECT_EQ(s.ForTable(3, true), (TOpponentRecord{1, 0, 1, 1, 20}));
}

TEST(GameStatisticsTest, LargerTablesHaveASectionOfTheirOwnThatOnlyTheirGamesWrite) {
    TTempConfig config;
    TGameStatistics totals;
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {{TOpponentKind::Classic, true, 9}}, totals));
    EXPECT_FALSE(config.ReadIni().contains("Tischstatistik"));
    const QByteArray twoOnly = config.ReadIni();

    ASSERT_TRUE(AddToStatisticsFile(
        config.IniPath(),
        {CountedGame({TOpponentKind::Classic, TOpponentKind::Strong, TOpponentKind::Classic}, true, 14)},
        totals));
    EXPECT_TRUE(config.IniLines().contains("VierMitStarkGewonnen=1"));
    EXPECT_TRUE(config.ReadIni().startsWith(twoOnly));  // the game of two's counts stay where they were
    EXPECT_EQ(TGameStatistics::Read(TProfileFile(config.IniPath())), totals);

    // A damaged record of a larger table reads as zeros; nothing else is lost.
    config.WriteIni(config.ReadIni().replace("VierMitStarkLaengsteSerie=1", "VierMitStarkLaengsteSerie=x") +
                    "DreiOhneStarkVerloren=2\n");
    const TGameStatistics read = TGameStatistics::Read(TProfileFile(config.IniPath()));
    EXPECT_EQ(read.ForTable(4, true), TOpponentRecord{});
    EXPECT_EQ(read.ForTable(3, false), (TOpponentRecord{0, 2, 0, 0, 0}));
    EXPECT_EQ(read.For(TOpponentKind::Classic), (TOpponentRecord{1, 0, 1, 1, 9}));

    // A reset sets the figures the file has back to zero.
    {
        TProfileFile ini(config.IniPath());
        TGameStatistics().Write(ini);
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_TRUE(config.IniLines().contains("DreiOhneStarkVerloren=0"));
    EXPECT_TRUE(config.IniLines().contains("VierMitStarkGewonnen=0"));
    EXPECT_EQ(TGameStatistics::Read(TProfileFile(config.IniPath())), TGameStatistics{});
}

// Two copies of the game on one settings file: each adds its games to what the
// file holds when it counts, so none is lost; a game the file could not take
// is counted again into the next writing.
TEST(GameStatisticsTest, CopiesOfTheGameAddTheirGamesToTheFile) {
    TTempConfig config;
    TGameStatistics first;
    TGameStatistics second;
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {{TOpponentKind::Classic, true, 9}}, first));
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {{TOpponentKind::Classic, false, 0}}, second));
    EXPECT_EQ(second.For(TOpponentKind::Classic), (TOpponentRecord{1, 1, 0, 1, 9}));

    const std::vector<TCountedGame> games{{TOpponentKind::Strong, false, 0},
                                          {TOpponentKind::Strong, true, 5}};
    {
        const TWatchedSaveCalls full("write");
        EXPECT_FALSE(AddToStatisticsFile(config.IniPath(), {games[0]}, first));
        EXPECT_EQ(first.For(TOpponentKind::Strong).Lost, 1);
    }
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), games, first));
    const TGameStatistics stored = TGameStatistics::Read(TProfileFile(config.IniPath()));
    EXPECT_EQ(stored.For(TOpponentKind::Strong), (TOpponentRecord{1, 1, 1, 1, 5}));
    EXPECT_EQ(stored.For(TOpponentKind::Classic), (TOpponentRecord{1, 1, 0, 1, 9}));
    EXPECT_EQ(stored, first);
}

}  // namespace
