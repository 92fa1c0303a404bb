// The opponent to choose, the hint on the table and the record of games, on
// the real main window and in the settings file.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "render/TableLayout.h"
#include "tests/support/MenuTexts.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "tests/ui/ProfileTestSupport.h"
#include "ui/ElidedLabel.h"
#include "ui/GameStatistics.h"
#include "ui/MainForm.h"
#include "ui/OpponentChoice.h"
#include "ui/StatisticsForm.h"

namespace {

class GameRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.SetMessageBoxes(&boxes);
        form.show();
        form.Timer1->stop();
    }
    // The player holds one card after the draw; its discard wins the game.
    void WinNow() {
        SetHand(form.Game, "Kr7");
        form.Game.SetStatus(MayLayOut);
        form.Game.ToggleHandCard(0);
        form.Game.PlayerDiscard();
    }
    // The computer has laid out all its cards: it draws one and throws it away.
    void LoseNow() {
        while (!form.Game.OpponentCards.Empty()) {
            MoveCard(form.Game.OpponentCards, 0, form.Game.Stock);
        }
        SetHand(form.Game, "Kr7 Kr8");
        form.Game.SetStatus(MayLayOut);
        form.Game.ToggleHandCard(0);
        form.Game.PlayerDiscard();  // the computer draws, finds nothing to lay and throws away
    }
    QString Figure(TOpponentKind opponent, int row) {
        return form.StatisticsForm->Figure(opponent, row)->text();
    }

    TTempConfig config;
    TScriptedBoxes boxes;
    TMainForm form{3};
};

TEST_F(GameRecordsTest, TheGameMenuOffersOpponentsHintAndStatistics) {
    EXPECT_EQ(MenuTexts(form.SpielMenu),
              (QStringList{"Neues Spiel", "-", "Gegner: Klassisch", "Gegner: Stark", "-", "Tipp",
                           "Statistik...", "-", "Einstellungen...", "-", "Beenden"}));
    EXPECT_EQ(form.Tipp1->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_EQ(form.NeuesSpiel1->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(form.GegnerKlassisch1->isChecked());
    EXPECT_FALSE(form.GegnerStark1->isChecked());
    EXPECT_TRUE(form.GegnerGroup->isExclusive());
}

TEST_F(GameRecordsTest, TheOpponentChangesAtTheNextGameAndIsKeptWithTheView) {
    form.GegnerStark1->trigger();
    EXPECT_TRUE(form.GegnerStark1->isChecked());
    EXPECT_FALSE(form.GegnerKlassisch1->isChecked());
    EXPECT_EQ(form.Game.Opponent, TOpponentKind::Klassisch);  // this game goes on as it began
    EXPECT_EQ(form.StatusBarText->FullText(), "Ab dem nächsten Spiel spielen Sie gegen den Gegner „Stark“.");
    EXPECT_TRUE(config.IniLines().contains("[Gegner]"));
    EXPECT_TRUE(config.IniLines().contains("Gegner=Stark"));
    form.NeuesSpiel1Click();
    EXPECT_EQ(form.Game.Opponent, TOpponentKind::Stark);
    EXPECT_TRUE(boxes.Shown.empty());

    // The next start plays against the strong opponent from its first deal,
    // and shows the computer's turn as it was set.
    form.findChild<QAction*>("SpeedLangsam")->trigger();
    form.MarkMoves1->trigger();
    TMainForm again(4);
    again.SetMessageBoxes(&boxes);
    again.show();
    EXPECT_TRUE(again.GegnerStark1->isChecked());
    EXPECT_EQ(again.Game.Opponent, TOpponentKind::Stark);
    EXPECT_EQ(again.View, (TViewSettings{TMoveSpeed::Langsam, false}));
    EXPECT_TRUE(again.findChild<QAction*>("SpeedLangsam")->isChecked());
    EXPECT_FALSE(again.MarkMoves1->isChecked());
}

TEST(OpponentChoiceTest, AnythingButStarkReadsAsKlassisch) {
    TTempConfig config;
    for (const char* text : {"", "Gegner=Stark\n", "Gegner=stark\n", "Gegner=Sehr stark\n", "Gegner=1\n"}) {
        config.WriteIni(QByteArray("[Gegner]\n") + text);
        const TProfileFile ini(config.IniPath());
        const bool strong =
            QByteArray(text).startsWith("Gegner=Stark") || QByteArray(text) == "Gegner=stark\n";
        EXPECT_EQ(ReadOpponentChoice(ini), strong ? TOpponentKind::Stark : TOpponentKind::Klassisch) << text;
    }
}

TEST(GameStatisticsTest, CountsWinsLossesStreaksAndTheFewestTurns) {
    TGameStatistics s;
    const TOpponentKind k = TOpponentKind::Klassisch;
    s.CountWin(k, 12);
    s.CountWin(k, 9);
    s.CountLoss(k);
    s.CountWin(k, 15);
    s.CountWin(TOpponentKind::Stark, 20);
    EXPECT_EQ(s.For(k), (TOpponentRecord{3, 1, 1, 2, 9}));
    EXPECT_EQ(s.For(TOpponentKind::Stark), (TOpponentRecord{1, 0, 1, 1, 20}));
    EXPECT_EQ(ShareWon(s.For(k)), "75 %");
    EXPECT_EQ(ShareWon(TOpponentRecord{}), "–");
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
    EXPECT_EQ(read.For(TOpponentKind::Klassisch), (TOpponentRecord{3, 1, 1, 2, 9}));
    EXPECT_EQ(read.For(TOpponentKind::Stark), (TOpponentRecord{0, 4, 0, 0, 0}));

    for (const char* damage : {"KlassischGewonnen=drei\n", "KlassischVerloren=-1\n", "KlassischSerie=5\n",
                               "KlassischLaengsteSerie=7\n", "KlassischWenigsteZuege=0\n",
                               "StarkWenigsteZuege=4\n", "KlassischGewonnen=99999999999\n"}) {
        SCOPED_TRACE(damage);
        // The damaged value comes first and so is the one read.
        config.WriteIni(others + "[Statistik]\n" + damage + good.mid(good.indexOf('\n') + 1));
        TProfileFile ini(config.IniPath());
        EXPECT_EQ(TGameStatistics::Read(ini), TGameStatistics{});
        TGameStatistics counted;
        counted.CountWin(TOpponentKind::Stark, 7);
        counted.Write(ini);
        ASSERT_TRUE(ini.UpdateFile());
        const TProfileFile after(config.IniPath());
        EXPECT_EQ(after.ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
        EXPECT_EQ(after.ReadString("Gegner", "Gegner", ""), "Stark");
        EXPECT_EQ(TGameStatistics::Read(after), counted);
    }
}

TEST_F(GameRecordsTest, FinishedAndGivenUpGamesAreCountedAndWritten) {
    WinNow();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch).Won, 1);
    EXPECT_TRUE(config.IniLines().contains("KlassischGewonnen=1"));

    LoseNow();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[1].Caption, "Sie haben verloren!");
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch).Lost, 1);

    // Given up before the first draw: not counted; after a draw: lost.
    form.NeuesSpiel1Click();
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch).Lost, 1);
    ASSERT_TRUE(form.Game.PlayerDrawFromStock());
    form.NeuesSpiel1Click();
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch), (TOpponentRecord{1, 2, 0, 1, 1}));
    EXPECT_TRUE(config.IniLines().contains("KlassischVerloren=2"));

    // Against the strong opponent, a record of its own.
    form.GegnerStark1->trigger();
    form.NeuesSpiel1Click();
    ASSERT_TRUE(form.Game.PlayerDrawFromStock());
    form.NeuesSpiel1Click();
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Stark).Lost, 1);
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch).Lost, 2);
    EXPECT_EQ(boxes.Shown.size(), 2u);
}

TEST_F(GameRecordsTest, TheDialogShowsTheFiguresAndResetsOnlyWhenConfirmed) {
    form.Statistics.CountWin(TOpponentKind::Klassisch, 11);
    form.Statistics.CountLoss(TOpponentKind::Klassisch);
    form.Statistics.CountWin(TOpponentKind::Stark, 14);
    boxes.Answers = {false, true};
    QTimer::singleShot(0, &form, [this] {
        TStatisticsForm* dialog = form.StatisticsForm;
        EXPECT_EQ(dialog->windowTitle(), "Statistik");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 0), "1");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 1), "1");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 2), "50 %");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 3), "0");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 4), "1");
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 5), "11");
        EXPECT_EQ(Figure(TOpponentKind::Stark, 2), "100 %");
        EXPECT_TRUE(dialog->Note->text().contains("„Neues Spiel“"));
        EXPECT_TRUE(dialog->Note->text().contains("gezogen"));

        QTest::mouseClick(dialog->ResetBtn, Qt::LeftButton);  // "No"
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 0), "1");
        QTest::mouseClick(dialog->ResetBtn, Qt::LeftButton);  // "Yes"
        EXPECT_EQ(Figure(TOpponentKind::Klassisch, 0), "0");
        EXPECT_EQ(Figure(TOpponentKind::Stark, 2), "–");
        EXPECT_EQ(Figure(TOpponentKind::Stark, 5), "–");
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    form.Statistik1Click();
    ASSERT_EQ(boxes.Asked.size(), 2u);
    EXPECT_EQ(boxes.Asked[0].Caption, "Statistik zurücksetzen");
    EXPECT_EQ(form.Statistics, TGameStatistics{});
    EXPECT_TRUE(config.IniLines().contains("KlassischGewonnen=0"));
    EXPECT_FALSE(form.StatisticsForm->isVisible());
}

TEST_F(GameRecordsTest, AFailedWriteIsReportedAndTheCountKept) {
    // The settings file's folder is a file: nothing can be written there.
    config.WriteIni("");
    qputenv("XDG_CONFIG_HOME", config.IniPath().toUtf8());
    WinNow();
    qputenv("XDG_CONFIG_HOME", config.Path().toUtf8());
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(boxes.Shown[1].Text, "nach " + config.IniPath() + "/brisko.INI kann nicht geschrieben werden.");
    EXPECT_EQ(boxes.Shown[1].Caption, "Brisko");
    EXPECT_EQ(boxes.Shown[1].Icon, TMessageIcon::Error);
    EXPECT_EQ(form.Statistics.For(TOpponentKind::Klassisch).Won, 1);
}

TEST_F(GameRecordsTest, TheHintFramesItsAdviceUntilTheNextAction) {
    form.ShowInStatusBar("Computer: zieht eine Karte vom Stapel.");
    form.Tipp1->trigger();
    ASSERT_FALSE(form.HintMarks.empty());
    for (const TTableMark& mark : form.HintMarks) {
        EXPECT_EQ(mark.Style, TMarkStyle::Hint);
    }
    EXPECT_TRUE(form.StatusBarText->FullText().startsWith("Tipp: "));
    EXPECT_EQ(form.HintMarks.back().Place, TMarkPlace::Stock);  // nothing lies on the discard pile yet

    // Any click on the table takes it away.
    QTest::mouseClick(form.PaintBox1, Qt::LeftButton, {}, QPoint(form.PaintBox1->width() - 20, 5));
    EXPECT_TRUE(form.HintMarks.empty());
    EXPECT_EQ(form.StatusBarText->FullText(), "");

    // After the draw it names cards of the hand.
    ASSERT_TRUE(form.Game.PlayerDrawFromStock());
    form.Tipp1->trigger();
    bool handCard = false;
    for (const TTableMark& mark : form.HintMarks) {
        handCard = handCard || (mark.Place == TMarkPlace::HandCard && mark.First >= 0 &&
                                mark.First < form.Game.OwnCards.Count());
    }
    EXPECT_TRUE(handCard);
    form.UndoBtnClick();
    EXPECT_TRUE(form.HintMarks.empty());
    EXPECT_TRUE(boxes.Shown.empty());
}

}  // namespace
