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

// Each value of "[Tisch]" stands alone: a damaged one gives its default. At a
// table of two the computer is the one "[Gegner]" names.
TEST(TableSettingsTest, EachValueStandsAloneAndTheRestOfTheFileStays) {
    TTempConfig config;
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    const struct {
        const char* Section;
        TTableSettings Read;
    } cases[] = {{"", {}},
                 {"Mitspieler=3\nGegner1=Stark\nGegner3=stark\n", {3, {S, C, S}}},
                 {"Mitspieler=4\nGegner2=Stark\n", {1, {C, S, C}}},
                 {"Mitspieler=zwei\nGegner1=Sehr stark\n", {}},
                 {"Mitspieler=0\nGegner3=1\n", {}}};
    for (const auto& c : cases) {
        config.WriteIni(QByteArray("[Tisch]\n") + c.Section + "[Gegner]\nGegner=Stark\n");
        TProfileFile ini(config.IniPath());
        EXPECT_EQ(ReadTableSettings(ini), c.Read) << c.Section;
        WriteTableSettings(ini, {2, {C, S, S}});
        ASSERT_TRUE(ini.UpdateFile());
        EXPECT_EQ(ReadTableSettings(TProfileFile(config.IniPath())), (TTableSettings{2, {C, S, S}}));
        EXPECT_EQ(ReadOpponentChoice(TProfileFile(config.IniPath())), S);
    }
    EXPECT_EQ(SeatedOpponents({1, {S, S, S}}, C), std::vector<TOpponentKind>{C});
    EXPECT_EQ(SeatedOpponents({2, {S, C, C}}, C), (std::vector<TOpponentKind>{S, C}));
    EXPECT_EQ(SeatedOpponents({3, {C, C, S}}, C), (std::vector<TOpponentKind>{C, C, S}));
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

    for (const char* damage :
         {"KlassischGewonnen=drei\n", "KlassischVerloren=-1\n", "KlassischGewonnen=3\nStarkVerloren=vier\n",
          "KlassischSerie=5\n", "KlassischLaengsteSerie=7\n", "KlassischWenigsteZuege=0\n",
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

// Games at tables of three and four have a section of their own, by size and
// whether a strong computer sat at it; a file without such games gains none.
TEST(GameStatisticsTest, LargerTablesAreCountedApartFromTheGameOfTwo) {
    TTempConfig config;
    const TOpponentKind C = TOpponentKind::Classic;
    const TOpponentKind S = TOpponentKind::Strong;
    TGameStatistics totals;
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(), {CountedGame({S}, true, 9)}, totals));
    const QByteArray twoOnly = config.ReadIni();
    EXPECT_FALSE(twoOnly.contains("Tischstatistik"));
    ASSERT_TRUE(AddToStatisticsFile(config.IniPath(),
                                    {CountedGame({C, S, C}, true, 14), CountedGame({C, C}, true, 12),
                                     CountedGame({C, C}, false, 0), CountedGame({C, C}, true, 10)},
                                    totals));
    EXPECT_TRUE(config.ReadIni().startsWith(twoOnly));
    EXPECT_EQ(totals.ForTable(4, true), (TOpponentRecord{1, 0, 1, 1, 14}));
    EXPECT_EQ(totals.ForTable(3, false), (TOpponentRecord{2, 1, 1, 1, 10}));
    EXPECT_EQ(totals.For(S), (TOpponentRecord{1, 0, 1, 1, 9}));
    // A damaged record reads as zeros, the others stay; a reset writes zeros over them.
    config.WriteIni(config.ReadIni().replace("VierMitStarkLaengsteSerie=1", "VierMitStarkLaengsteSerie=x"));
    TProfileFile ini(config.IniPath());
    TGameStatistics read = TGameStatistics::Read(ini);
    EXPECT_EQ(read.ForTable(4, true), TOpponentRecord{});
    EXPECT_EQ(read.ForTable(3, false), totals.ForTable(3, false));
    TGameStatistics().Write(ini);
    ASSERT_TRUE(ini.UpdateFile());
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
