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
#include "settings/GameStatistics.h"
#include "settings/OpponentChoice.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/MenuTexts.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

class GameRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        In(form).SetMessageBoxes(&boxes);
        form.show();
        Named<QTimer>(form, "Timer1")->stop();
    }
    // The player holds one card after the draw; its discard wins the game.
    void WinNow() {
        SetHand(In(form).Controller.Game, "Kr7");
        In(form).Controller.Game.SetStatus(MayLayOut);
        In(form).Controller.Game.ToggleHandCard(0);
        In(form).Controller.Discard();
    }
    // The computer has laid out all its cards: it draws one and throws it away.
    void LoseNow() {
        while (!In(form).Controller.Game.OpponentCards.Empty()) {
            MoveCard(In(form).Controller.Game.OpponentCards, 0, In(form).Controller.Game.Stock);
        }
        SetHand(In(form).Controller.Game, "Kr7 Kr8");
        In(form).Controller.Game.SetStatus(MayLayOut);
        In(form).Controller.Game.ToggleHandCard(0);
        In(form).Controller.Discard();  // the computer draws, finds nothing to lay and throws away
    }
    QString Figure(TOpponentKind opponent, int row) {
        return Named<TStatisticsForm>(form, "StatisticsForm")->Figure(opponent, row)->text();
    }

    TTempConfig config;
    TScriptedBoxes boxes;
    TMainForm form{3};
};

TEST_F(GameRecordsTest, TheGameMenuOffersOpponentsHintAndStatistics) {
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "SpielMenu")),
              (QStringList{"Neues Spiel", "Letztes Spiel fortsetzen", "-", "Gegner: Klassisch",
                           "Gegner: Stark", "Tisch", "-", "Tipp", "Statistik...", "Liste...", "-",
                           "Einstellungen...", "-", "Beenden"}));
    EXPECT_EQ(Named<QAction>(form, "HintAction")->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_EQ(Named<QAction>(form, "NeuesSpiel1")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(Named<QAction>(form, "ClassicOpponentAction")->isChecked());
    EXPECT_FALSE(Named<QAction>(form, "StrongOpponentAction")->isChecked());
    EXPECT_TRUE(Named<QAction>(form, "ClassicOpponentAction")->actionGroup()->isExclusive());
}

TEST_F(GameRecordsTest, TheOpponentChangesAtTheNextGameAndIsKeptWithTheView) {
    Named<QAction>(form, "StrongOpponentAction")->trigger();
    EXPECT_TRUE(Named<QAction>(form, "StrongOpponentAction")->isChecked());
    EXPECT_FALSE(Named<QAction>(form, "ClassicOpponentAction")->isChecked());
    EXPECT_EQ(In(form).Controller.Game.Opponent, TOpponentKind::Classic);  // this game goes on as it began
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(),
              "Ab dem nächsten Spiel spielen Sie gegen den Gegner „Stark“.");
    EXPECT_TRUE(config.IniLines().contains("[Gegner]"));
    EXPECT_TRUE(config.IniLines().contains("Gegner=Stark"));
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(In(form).Controller.Game.Opponent, TOpponentKind::Strong);
    EXPECT_TRUE(boxes.Shown.empty());

    // The next start plays against the strong opponent from its first deal,
    // and shows the computer's turn as it was set.
    form.findChild<QAction*>("SpeedLangsam")->trigger();
    Named<QAction>(form, "MarkMovesAction")->trigger();
    TMainForm again(4);
    In(again).SetMessageBoxes(&boxes);
    again.show();
    EXPECT_TRUE(Named<QAction>(again, "StrongOpponentAction")->isChecked());
    EXPECT_EQ(In(again).Controller.Game.Opponent, TOpponentKind::Strong);
    EXPECT_TRUE(again.findChild<QAction*>("SpeedLangsam")->isChecked());
    EXPECT_FALSE(Named<QAction>(again, "MarkMovesAction")->isChecked());
}

TEST_F(GameRecordsTest, FinishedAndGivenUpGamesAreCountedAndWritten) {
    WinNow();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic).Won, 1);
    EXPECT_TRUE(config.IniLines().contains("KlassischGewonnen=1"));

    LoseNow();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[1].Caption, "Sie haben verloren!");
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic).Lost, 1);

    // Given up before the first draw: not counted; after a draw: lost.
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic).Lost, 1);
    ASSERT_TRUE(In(form).Controller.Draw(true));
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic), (TOpponentRecord{1, 2, 0, 1, 1}));
    EXPECT_TRUE(config.IniLines().contains("KlassischVerloren=2"));

    // Against the strong opponent, a record of its own.
    Named<QAction>(form, "StrongOpponentAction")->trigger();
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    ASSERT_TRUE(In(form).Controller.Draw(true));
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Strong).Lost, 1);
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic).Lost, 2);
    EXPECT_EQ(boxes.Shown.size(), 2u);
}

// The figures come from the file as it is when the dialog opens, where another
// copy of the game may have counted them.
TEST_F(GameRecordsTest, TheDialogShowsTheFiguresAndResetsOnlyWhenConfirmed) {
    {
        TGameStatistics stored;
        stored.CountWin(TOpponentKind::Classic, 11);
        stored.CountLoss(TOpponentKind::Classic);
        stored.CountWin(TOpponentKind::Strong, 14);
        TProfileFile ini(SettingsFilePath());
        stored.Write(ini);
        ASSERT_TRUE(ini.UpdateFile());
    }
    boxes.Answers = {false, true};
    QTimer::singleShot(0, &form, [this] {
        TStatisticsForm* dialog = Named<TStatisticsForm>(form, "StatisticsForm");
        EXPECT_EQ(dialog->windowTitle(), "Statistik");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 0), "1");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 1), "1");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 2), "50 %");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 3), "0");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 4), "1");
        EXPECT_EQ(Figure(TOpponentKind::Classic, 5), "11");
        EXPECT_EQ(Figure(TOpponentKind::Strong, 2), "100 %");
        EXPECT_TRUE(dialog->Note->text().contains("„Neues Spiel“"));
        EXPECT_TRUE(dialog->Note->text().contains("gezogen"));

        QTest::mouseClick(dialog->ResetBtn, Qt::LeftButton);  // "No"
        EXPECT_EQ(Figure(TOpponentKind::Classic, 0), "1");
        QTest::mouseClick(dialog->ResetBtn, Qt::LeftButton);  // "Yes"
        EXPECT_EQ(Figure(TOpponentKind::Classic, 0), "0");
        EXPECT_EQ(Figure(TOpponentKind::Strong, 2), "–");
        EXPECT_EQ(Figure(TOpponentKind::Strong, 5), "–");
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    Named<QAction>(form, "StatisticsAction")->trigger();
    ASSERT_EQ(boxes.Asked.size(), 2u);
    EXPECT_EQ(boxes.Asked[0].Caption, "Statistik zurücksetzen");
    EXPECT_EQ(In(form).Statistics, TGameStatistics{});
    EXPECT_TRUE(config.IniLines().contains("KlassischGewonnen=0"));
    EXPECT_FALSE(Named<TStatisticsForm>(form, "StatisticsForm")->isVisible());
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
    EXPECT_EQ(In(form).Statistics.For(TOpponentKind::Classic).Won, 1);
}

TEST_F(GameRecordsTest, TheHintFramesItsAdviceUntilTheNextAction) {
    Named<TElidedLabel>(form, "StatusBarText")->SetFullText("Computer: zieht eine Karte vom Stapel.");
    Named<QAction>(form, "HintAction")->trigger();
    ASSERT_FALSE(In(form).Drawn().Scene.Marks.empty());
    for (const TTableMark& mark : In(form).Drawn().Scene.Marks) {
        EXPECT_EQ(mark.Style, TMarkStyle::Hint);
    }
    EXPECT_TRUE(Named<TElidedLabel>(form, "StatusBarText")->FullText().startsWith("Tipp: "));
    EXPECT_EQ(In(form).Drawn().Scene.Marks.back().Place,
              TMarkPlace::Stock);  // nothing lies on the discard pile yet

    // Any click on the table takes it away.
    QTest::mouseClick(TableOf(form), Qt::LeftButton, {}, QPoint(TableOf(form)->width() - 20, 5));
    EXPECT_TRUE(In(form).Drawn().Scene.Marks.empty());
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(), "");

    // After the draw it names cards of the hand.
    ASSERT_TRUE(In(form).Controller.Draw(true));
    Named<QAction>(form, "HintAction")->trigger();
    bool handCard = false;
    for (const TTableMark& mark : In(form).Drawn().Scene.Marks) {
        handCard = handCard || (mark.Place == TMarkPlace::HandCard && mark.First >= 0 &&
                                mark.First < In(form).Controller.Game.OwnCards.Count());
    }
    EXPECT_TRUE(handCard);
    Named<QPushButton>(form, "UndoBtn")->click();
    EXPECT_TRUE(In(form).Drawn().Scene.Marks.empty());
    EXPECT_TRUE(boxes.Shown.empty());
}

}  // namespace
