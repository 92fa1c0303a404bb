// The kept game on the real main window: kept as it is played, offered at the
// next start, continued exactly, counted once, and never a box for a save.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "game/record/Snapshot.h"
#include "render/TableMarks.h"
#include "settings/KeptGame.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TableMouse.h"
#include "tests/support/TestCards.h"
#include "tests/support/WatchedSaveCalls.h"
#include "tests/support/WindowParts.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

const QString Offer = "Das letzte Spiel ist aufgehoben: Spiel › Letztes Spiel fortsetzen (Strg+L)";

class KeptGameUiTest : public ::testing::Test {
  protected:
    std::unique_ptr<TMainForm> Start(uint64_t seed) {
        auto form = std::make_unique<TMainForm>(seed);
        In(*form).SetMessageBoxes(&boxes);
        form->show();
        Named<QTimer>(*form, "Timer1")->stop();
        return form;
    }
    static void DrawByMouse(TMainForm& form) {
        QTest::mouseClick(TableOf(form), Qt::LeftButton, {}, PlaceOf(form, {TStopKind::Stock}).center());
    }
    // A click on hand card i: a change the window keeps.
    static void ClickHandCard(TMainForm& form, int i) {
        const TRect card = HandCardRect(i, TableOf(form)->height());
        QTest::mouseClick(TableOf(form), Qt::LeftButton, {}, QPoint(card.Left + 10, card.Top + 40));
    }
    // A click beside the cards: the selection goes, and the window keeps the game.
    static void ClickBeside(TMainForm& form) {
        QTest::mouseClick(TableOf(form), Qt::LeftButton, {}, QPoint(TableOf(form)->width() - 20, 5));
    }
    // The game as the window would keep it, meld row included.
    static QByteArray Kept(TMainForm& form) {
        return KeptGameText(
            {TakeSnapshot(In(form).Controller.Game), Named<QScrollBar>(form, "ScrollBar1")->value()});
    }
    // Every save carried out and told.
    static void Settle(TMainForm& form) {
        In(form).Keeper.Finish();
        QCoreApplication::processEvents();
    }
    QByteArray FileBytes() const {
        QFile file(config.KeptGamePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TTempConfig config;
    TScriptedBoxes boxes;
};

// Played with draws, a turn of the computer, melds of the player's to take
// back and a meld row scrolled far: after a new start the fresh deal is there
// and offered to be replaced; continuing gives back exactly the game kept.
TEST_F(KeptGameUiTest, ContinuingGivesBackTheGameExactly) {
    QByteArray kept;
    std::vector<TTableMark> marks;
    {
        auto first = Start(5);
        EXPECT_FALSE(Named<QAction>(*first, "ContinueAction")->isEnabled());
        TGame& game = In(*first).Controller.Game;
        // Built while nothing lies on the discard pile, so that the memory of it holds.
        DrawByMouse(*first);
        for (const char* meld :
             {"He2 He3 He4", "Ka5 Ka6 Ka7", "Bl8 Bl9 Bl10", "KrB KrD KrK", "He9 Ka9 Bl9", "Ka2 Ka3 Ka4"}) {
            PutMeld(game, meld, TFrom::Deck);
        }
        game.OpponentCameOut = 1;
        // The hand the player holds after the draw, as it must be without a meld of the player's.
        SetHand(game, "HeB HeD HeK Kr2 Kr3 Ka10 Bl2 Bl3 Bl4 Kr5 Kr6 Kr7 He5");
        game.ClearHandSelection();
        DragToDiscard(*first, HandIndex(game, "Ka10"));  // the computer moves
        ASSERT_FALSE(game.OpponentTurn.Steps.empty());
        DrawByMouse(*first);
        game.ClearHandSelection();
        for (const int card : {HandIndex(game, "HeB"), HandIndex(game, "HeD"), HandIndex(game, "HeK")}) {
            game.ToggleHandCard(card);
        }
        In(*first).Controller.LayOut(-1);
        ASSERT_EQ(game.OwnCards.Count(), 10);
        In(*first).Paint();
        ASSERT_TRUE(Named<QScrollBar>(*first, "ScrollBar1")->isVisible());
        Named<QScrollBar>(*first, "ScrollBar1")
            ->setValue(Named<QScrollBar>(*first, "ScrollBar1")->maximum());  // kept with the scroll
        kept = Kept(*first);
        marks = MoveMarks(game, game.OpponentTurn);
        ASSERT_FALSE(marks.empty());
        Settle(*first);
        EXPECT_EQ(FileBytes(), kept);
    }
    auto second = Start(6);
    EXPECT_TRUE(Named<QAction>(*second, "ContinueAction")->isEnabled());
    EXPECT_EQ(Named<QAction>(*second, "ContinueAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(Named<TElidedLabel>(*second, "StatusBarText")->FullText(), Offer);
    EXPECT_NE(Kept(*second), kept);

    Named<QAction>(*second, "ContinueAction")->trigger();
    EXPECT_EQ(Kept(*second), kept);
    EXPECT_EQ(MoveMarks(In(*second).Controller.Game, In(*second).Controller.Game.OpponentTurn),
              marks);  // the computer's cards by face
    EXPECT_EQ(Named<QLabel>(*second, "StatusPanel")->text(),
              "Sie dürfen nun auslegen und dann eine Karte wegwerfen!");
    EXPECT_FALSE(Named<QAction>(*second, "ContinueAction")->isEnabled());
    EXPECT_TRUE(boxes.Shown.empty());

    // The cards laid in the interrupted turn can still be taken back.
    const int melds = In(*second).Controller.Game.TableMelds.Count();
    Named<QPushButton>(*second, "UndoBtn")->click();
    EXPECT_EQ(In(*second).Controller.Game.OwnCards.Count(), 13);
    EXPECT_GE(HandIndex(In(*second).Controller.Game, "HeD"), 0);
    EXPECT_EQ(In(*second).Controller.Game.TableMelds.Count(), melds - 1);
    EXPECT_EQ(In(*second).Controller.Game.PlayerCameOut, 0);
}

// At the start only a look: a damaged file stays as it is until the player
// asks for it, is then refused with one box, kept aside, and the fresh deal
// stays; drawn into, a game of its own is kept.
TEST_F(KeptGameUiTest, ADamagedFileIsOnlyReadWhenAskedForAndThenKeptAside) {
    ASSERT_TRUE(QDir().mkpath(config.Path() + "/data/brisko"));
    QFile file(config.KeptGamePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"brisko-kept-game\",\"vers");
    file.close();

    auto form = Start(7);
    EXPECT_EQ(FileBytes(), "{\"format\":\"brisko-kept-game\",\"vers");
    EXPECT_EQ(Named<TElidedLabel>(*form, "StatusBarText")->FullText(), Offer);
    const QByteArray fresh = Kept(*form);
    Named<QAction>(*form, "ContinueAction")->trigger();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Letztes Spiel fortsetzen");
    EXPECT_EQ(boxes.Shown[0].Text,
              "Das aufgehobene Spiel ließ sich nicht lesen und kann nicht fortgesetzt werden. "
              "Die Datei ist unverändert als " +
                  config.KeptGamePath() + ".bak aufbewahrt.");
    EXPECT_EQ(Kept(*form), fresh);
    EXPECT_FALSE(Named<QAction>(*form, "ContinueAction")->isEnabled());
    EXPECT_TRUE(QFile::exists(config.KeptGamePath() + ".bak"));

    DrawByMouse(*form);
    Settle(*form);
    EXPECT_EQ(FileBytes(), Kept(*form));
    EXPECT_EQ(boxes.Shown.size(), 1u);
}

// A kept game not continued is lost once the player draws in another; a
// continued one counts when it ends, once; a start without a draw changes
// nothing; a finished or given-up game is no longer offered.
TEST_F(KeptGameUiTest, AKeptGameCountsOnce) {
    {
        auto first = Start(11);
        Named<QAction>(*first, "StrongOpponentAction")->trigger();
        Named<QAction>(*first, "NeuesSpiel1")->trigger();
        DrawByMouse(*first);
    }
    QByteArray strongGame = FileBytes();
    ASSERT_FALSE(strongGame.isEmpty());
    {
        auto idle = Start(12);  // ends without a draw
    }
    EXPECT_EQ(FileBytes(), strongGame);
    {
        auto second = Start(13);
        Named<QAction>(*second, "ClassicOpponentAction")->trigger();
        Named<QAction>(*second, "NeuesSpiel1")->trigger();
        EXPECT_TRUE(Named<QAction>(*second, "ContinueAction")
                        ->isEnabled());  // a fresh deal of its own gives nothing up
        DrawByMouse(*second);
        EXPECT_EQ(In(*second).Statistics.For(TOpponentKind::Strong), (TOpponentRecord{0, 1, 0, 0, 0}));
        EXPECT_EQ(In(*second).Statistics.For(TOpponentKind::Classic), TOpponentRecord{});
        EXPECT_FALSE(Named<QAction>(*second, "ContinueAction")->isEnabled());
        EXPECT_TRUE(Named<TElidedLabel>(*second, "StatusBarText")->FullText().isEmpty());
        Settle(*second);
        EXPECT_EQ(FileBytes(), Kept(*second));
    }
    {
        auto third = Start(14);
        Named<QAction>(*third, "ContinueAction")->trigger();
        TGame& game = In(*third).Controller.Game;
        EXPECT_EQ(game.Opponent, TOpponentKind::Classic);
        EXPECT_EQ(game.PlayerDraws, 1);
        SetHand(game, "Kr7");
        DragToDiscard(*third, 0);  // won
        EXPECT_EQ(In(*third).Statistics.For(TOpponentKind::Classic), (TOpponentRecord{1, 0, 1, 1, 1}));
        EXPECT_EQ(In(*third).Statistics.For(TOpponentKind::Strong).Lost, 1);
        Settle(*third);
        EXPECT_FALSE(QFile::exists(config.KeptGamePath()));
        DrawByMouse(*third);  // the next game is kept again
    }
    {
        auto fourth = Start(15);
        Named<QAction>(*fourth, "ContinueAction")->trigger();
        Named<QAction>(*fourth, "NeuesSpiel1")->trigger();  // given up after a draw: lost, once
        EXPECT_EQ(In(*fourth).Statistics.For(TOpponentKind::Classic), (TOpponentRecord{1, 1, 0, 1, 1}));
        Settle(*fourth);
        EXPECT_FALSE(QFile::exists(config.KeptGamePath()));
    }
    auto fifth = Start(16);
    EXPECT_FALSE(Named<QAction>(*fifth, "ContinueAction")->isEnabled());
    EXPECT_TRUE(Named<TElidedLabel>(*fifth, "StatusBarText")->FullText().isEmpty());
    EXPECT_TRUE(boxes.Shown.size() == 1u && boxes.Shown[0].Caption == "Sie haben gewonnen!");
}

// A save the disk refuses is told once in the status bar, never in a box, and
// play goes on; once saving works again, a new failure is told again.
TEST_F(KeptGameUiTest, AFailedSaveIsToldOnceWithoutABox) {
    auto form = Start(21);
    const QString told =
        "Das Spiel ließ sich nicht in " + config.KeptGamePath() + " aufheben; Sie können weiterspielen.";
    {
        const TFileSizeLimit full(100);
        DrawByMouse(*form);
        Settle(*form);
        EXPECT_EQ(Named<TElidedLabel>(*form, "StatusBarText")->FullText(), told);
        Named<TElidedLabel>(*form, "StatusBarText")->SetFullText("Ein anderer Satz");
        ClickHandCard(*form, 0);
        Settle(*form);
        EXPECT_EQ(Named<TElidedLabel>(*form, "StatusBarText")->FullText(), "Ein anderer Satz");
    }
    ClickHandCard(*form, 0);
    Settle(*form);
    EXPECT_EQ(FileBytes(), Kept(*form));
    {
        const TFileSizeLimit full(100);
        ClickHandCard(*form, 0);
        Settle(*form);
        EXPECT_EQ(Named<TElidedLabel>(*form, "StatusBarText")->FullText(), told);
    }
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(In(*form).Controller.Game.GameState, MayLayOut);
}

// Ended by a signal, the program keeps the game as it stands.
TEST_F(KeptGameUiTest, TheGameIsKeptWhenASignalEndsTheProgram) {
    auto form = Start(31);
    DrawByMouse(*form);
    In(*form).Controller.Game.ToggleHandCard(2);  // no save of its own
    form->QuitOnSignal();
    EXPECT_EQ(FileBytes(), Kept(*form));
}

// Only a game the player has drawn in is kept, and after the computer's turn
// it is kept as the computer left it; a waiting game is not continued in the
// middle of a drag.
TEST_F(KeptGameUiTest, OnlyAGameDrawnIntoIsKeptAndAsTheComputerLeftIt) {
    {
        auto untouched = Start(41);
        Named<QPushButton>(*untouched, "UndoBtn")->click();  // nothing to take back: the game is only kept
    }
    EXPECT_FALSE(QFile::exists(config.KeptGamePath())) << "nothing drawn, nothing kept, also at quit";
    QByteArray kept;
    {
        auto form = Start(42);
        TGame& game = In(*form).Controller.Game;
        DrawByMouse(*form);
        game.ClearHandSelection();
        DragToDiscard(*form, 0);  // the computer moves
        ASSERT_EQ(game.GameState, MustDraw);
        ASSERT_FALSE(game.OpponentTurn.Steps.empty());
        Settle(*form);
        kept = Kept(*form);
        EXPECT_EQ(FileBytes(), kept);
    }
    auto next = Start(43);
    In(*next).Controller.Game.SetStatus(MayLayOut);  // so that a press on a card starts a drag
    const TRect card = HandCardRect(0, TableOf(*next)->height());
    const QPoint onCard(card.Left + 10, card.Top + 40);
    QTest::mousePress(TableOf(*next), Qt::LeftButton, {}, onCard);
    const QByteArray fresh = Kept(*next);
    Named<QAction>(*next, "ContinueAction")->trigger();
    EXPECT_EQ(Kept(*next), fresh);
    EXPECT_TRUE(Named<QAction>(*next, "ContinueAction")->isEnabled());
    QTest::mouseRelease(TableOf(*next), Qt::LeftButton, {}, onCard);
    Named<QAction>(*next, "ContinueAction")->trigger();
    EXPECT_EQ(Kept(*next), kept);
}

// The kept game counts against the opponent it was played against, whichever
// its file names for the next game; continuing it leaves the player's later
// choice of the next opponent.
TEST_F(KeptGameUiTest, AKeptGamesOpponentIsItsOwnAndThePlayersLaterChoiceStands) {
    {
        auto first = Start(51);
        Named<QAction>(*first, "StrongOpponentAction")->trigger();
        Named<QAction>(*first, "NeuesSpiel1")->trigger();
        DrawByMouse(*first);
        Named<QAction>(*first, "ClassicOpponentAction")->trigger();
        ClickBeside(*first);
    }
    {
        auto second = Start(52);
        Named<QAction>(*second, "StrongOpponentAction")->trigger();
        Named<QAction>(*second, "ContinueAction")->trigger();
        EXPECT_EQ(In(*second).Controller.Game.Opponent, TOpponentKind::Strong);
        EXPECT_EQ(In(*second).Controller.Game.ChosenOpponent, TOpponentKind::Strong);
        Named<QAction>(*second, "ClassicOpponentAction")->trigger();
        ClickBeside(*second);
    }
    auto third = Start(53);
    ASSERT_EQ(In(*third).Controller.Game.Opponent, TOpponentKind::Classic);
    DrawByMouse(*third);  // gives the kept game up
    EXPECT_EQ(In(*third).Statistics.For(TOpponentKind::Strong).Lost, 1);
    EXPECT_EQ(In(*third).Statistics.For(TOpponentKind::Classic).Lost, 0);
}

// In a folder that cannot be written each failure is told once as what it is:
// the game waiting from an earlier run is not removed and comes again, the
// new game is not kept, and at the end it is lost.
TEST_F(KeptGameUiTest, AFolderThatCannotBeWrittenIsToldTruthfully) {
    {
        auto first = Start(61);
        DrawByMouse(*first);
    }
    const QByteArray waiting = FileBytes();
    ASSERT_FALSE(waiting.isEmpty());
    TWatchedSaveCalls readOnly;
    readOnly.AlwaysFailing = {"open", "unlink"};
    auto second = Start(62);
    DrawByMouse(*second);
    EXPECT_EQ(Named<TElidedLabel>(*second, "StatusBarText")->FullText(),
              "Das nicht fortgesetzte Spiel ließ sich nicht aus " + config.KeptGamePath() +
                  " entfernen; es wird beim nächsten Start wieder angeboten.");
    Settle(*second);
    const QString notKept =
        "Das Spiel ließ sich nicht in " + config.KeptGamePath() + " aufheben; Sie können weiterspielen.";
    EXPECT_EQ(Named<TElidedLabel>(*second, "StatusBarText")->FullText(), notKept);
    EXPECT_EQ(In(*second).Statistics.For(TOpponentKind::Classic).Lost, 0);  // counted once it is gone
    EXPECT_TRUE(boxes.Shown.empty());
    second->close();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Text, CannotWriteText(config.IniPath()));  // the settings cannot be saved either
    EXPECT_EQ(boxes.Shown[1].Text, "Das Spiel ließ sich nicht in " + config.KeptGamePath() +
                                       " aufheben und geht mit dem Beenden verloren.");
    EXPECT_EQ(FileBytes(), waiting);
}

// Where another copy of the game keeps the games, this window says so at its
// start, offers nothing and keeps nothing.
TEST_F(KeptGameUiTest, AWindowBesideAnotherCopyKeepsNothing) {
    {
        auto first = Start(71);
        DrawByMouse(*first);
    }
    const QByteArray waiting = FileBytes();
    auto form = std::make_unique<TMainForm>(72);
    In(*form).SetMessageBoxes(&boxes);
    form->KeepNoGame();
    form->show();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.startsWith("Brisko läuft bereits in einem anderen Fenster"));
    EXPECT_FALSE(Named<QAction>(*form, "ContinueAction")->isEnabled());
    DrawByMouse(*form);
    Settle(*form);
    form.reset();
    EXPECT_EQ(FileBytes(), waiting);
    EXPECT_EQ(boxes.Shown.size(), 1u);
}

}  // namespace
