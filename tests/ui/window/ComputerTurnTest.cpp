// The computer's turn on the window: its sentence, its marks, its playing-out,
// the tooltips and the settings of the menu "Ansicht".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "render/TableMarks.h"
#include "settings/ProfileFile.h"
#include "settings/ViewSettings.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TableMouse.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/PrismColorComboBox.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

const char* const Sentence =
    "Computer: zieht Karo 6 vom Ablagestapel, tauscht Herz 6 gegen einen Joker, legt Karo 4, 5, Joker aus, "
    "legt Karo 9 an, legt Blatt 9 an, wirft Kreuz 2 ab.";

class ComputerTurnTest : public testing::Test {
  protected:
    ComputerTurnTest() {
        In(form).SetMessageBoxes(&boxes);
        form.show();
        QApplication::processEvents();
    }
    ~ComputerTurnTest() override { SpeedAction(form, TMoveSpeed::Instant)->trigger(); }

    // The computer has come out; its turn draws the player's Karo 6, swaps a
    // joker, lays out a run, lays off twice and discards.
    void SetUpTurn() {
        TGame& game = In(form).Controller.Game;
        for (TCardArray* pile : {&game.OpponentCards, &game.DiscardPile}) {
            while (!pile->Empty()) {
                MoveCard(*pile, 0, game.Stock);
            }
        }
        SetHand(game, "");  // whatever the deal, every card the turn needs is free
        game.OpponentCameOut = 1;
        PutMeld(game, "He7 *He6 He5", TFrom::Deck);
        PutMeld(game, "Bl8 Bl7 Bl6", TFrom::Deck);
        PutMeld(game, "Kr9 Bl9 He9", TFrom::Deck);
        PutCards(game, game.OpponentCards, "Ka4 Ka5 He6 Bl9 Kr2 Kr2 Ka9", TFrom::Deck);
        SetHand(game, "Ka6 Kr10 KrB");
        game.SetStatus(MayLayOut);
        game.OwnCards.At(HandIndex(game, "Ka6")).Selected = 1;
        In(form).Paint();
    }
    // The player drags the Karo 6 onto the discard pile.
    void Discard() {
        TGame& game = In(form).Controller.Game;
        game.ClearHandSelection();
        DragToDiscard(form, HandIndex(game, "Ka6"));
    }
    QColor Pixel(int x, int y) const { return QColor(In(form).Table().pixel(x, y)); }

    TScriptedBoxes boxes;
    TMainForm form{21};
};

TEST_F(ComputerTurnTest, AtOnceTheSentenceAndTheMarksOnEveryTableColourUntilTheNextDraw) {
    SpeedAction(form, TMoveSpeed::Instant)->trigger();
    SetUpTurn();
    Discard();
    EXPECT_FALSE(PlayingOut(form));
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText().toStdString(), Sentence);
    const std::vector<TTableMark> marks =
        MoveMarks(In(form).Controller.Game, In(form).Controller.Game.OpponentTurn);
    // The Herz 6 in the first run, the Blatt 9 on top of the second, the Karo 9
    // in the set, the new run whole, and the discard.
    ASSERT_EQ(marks.size(), 5u);
    EXPECT_EQ(marks[0], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 0, 1, 1}));
    EXPECT_EQ(marks[1], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 1, 0, 0}));
    EXPECT_EQ(marks[3], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 3, 0, 2}));
    EXPECT_EQ(marks[4], (TTableMark{TMarkStyle::Move, TMarkPlace::DiscardPile}));

    const TRect run = In(form).Drawn().Layout.Meld(3);
    const QPoint above((run.Left + run.Right) / 2, run.Top - 1);
    const QPoint beside(
        In(form).Drawn().Layout.DiscardRect.Right,
        (In(form).Drawn().Layout.DiscardRect.Top + In(form).Drawn().Layout.DiscardRect.Bottom) / 2);
    std::vector<QColor> tables;
    TPrismColorComboBox picker;
    for (int i = 0; i < TPrismColorComboBox::CustomIndex; ++i) {
        tables.push_back(picker.EntryColor(i));
    }
    tables.push_back(QColor(90, 60, 200));  // one of the player's own
    for (const QColor& table : tables) {
        SCOPED_TRACE(table.name().toStdString());
        QPalette palette = Named<QFrame>(form, "Panel2")->palette();
        palette.setColor(QPalette::Window, table);
        Named<QFrame>(form, "Panel2")->setPalette(palette);
        In(form).PaintCount = 1;  // no blinking frame
        In(form).Paint();
        const QColor mark = MoveMarkColour(table);
        EXPECT_GE(ContrastRatio(mark, table), 3.0);
        EXPECT_NE(mark, QColor(255, 0, 0)) << "not the draw hint's red";
        EXPECT_EQ(Pixel(above.x(), above.y()), mark);
        EXPECT_EQ(Pixel(beside.x(), beside.y()), mark);
    }

    // Too long for the status bar: shortened there, whole for its tooltip and for screen readers.
    EXPECT_TRUE(Named<TElidedLabel>(form, "StatusBarText")->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->toolTip(), Sentence);
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->accessibleName(), Sentence);

    // Switched off, and after the player's draw, no marks.
    Named<QAction>(form, "MarkMovesAction")->trigger();  // off
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    Named<QAction>(form, "MarkMovesAction")->trigger();  // on again
    ASSERT_TRUE(In(form).Controller.Game.PlayerDrawFromStock());
    In(form).Paint();
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(), Sentence)
        << "the sentence stays until the next turn";
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(), "");
}

TEST_F(ComputerTurnTest, PlayedOutStepByStepEndingInTheSameTableAndAClickEndsIt) {
    SpeedAction(form, TMoveSpeed::Slow)->trigger();
    SetUpTurn();
    Discard();
    // The game is done with the turn; only the picture lags.
    ASSERT_TRUE(PlayingOut(form));
    EXPECT_EQ(In(form).Controller.Game.GameState, MustDraw);
    EXPECT_EQ(In(form).Controller.Game.OpponentCards.Count(), 2);
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(), "");
    EXPECT_EQ(In(form).Controller.Playback().Count(), 7);  // the start and six steps
    std::vector<QImage> steps;
    while (PlayingOut(form)) {
        steps.push_back(In(form).Table());
        Fire(Named<QTimer>(form, "PlayoutTimer"));
    }
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_NE(steps[0], steps[1]);
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText().toStdString(), Sentence);
    In(form).PaintCount = 1;  // the pictures are played out without the blinking frame
    In(form).Paint();
    EXPECT_EQ(steps.back(), In(form).Table());

    // Again, ended at once by a click on the table that does nothing else.
    In(form).Controller.Game.NeuesSpiel();
    Named<TElidedLabel>(form, "StatusBarText")->SetFullText({});
    SetUpTurn();
    Discard();
    ASSERT_TRUE(PlayingOut(form));
    const std::string hand = ShowHand(In(form).Controller.Game.OwnCards);
    const int stock = In(form).Controller.Game.Stock.Count();
    QTest::mouseClick(
        TableOf(form), Qt::LeftButton, {},
        QPoint(In(form).Drawn().Layout.StockRect.Left + 5, In(form).Drawn().Layout.StockRect.Top + 5));
    EXPECT_FALSE(PlayingOut(form));
    EXPECT_EQ(In(form).Controller.Game.GameState, MustDraw) << "the click on the stock drew nothing";
    EXPECT_EQ(ShowHand(In(form).Controller.Game.OwnCards), hand);
    EXPECT_EQ(In(form).Controller.Game.Stock.Count(), stock);
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText().toStdString(), Sentence);
    // A key ends it too.
    In(form).Controller.Game.NeuesSpiel();
    SetUpTurn();
    Discard();
    ASSERT_TRUE(PlayingOut(form));
    QTest::keyClick(TableOf(form), Qt::Key_Space);
    EXPECT_FALSE(PlayingOut(form));

    // A discard by keys, with the keyboard's frame on the table, plays out as well;
    // the frame waits at the stock.
    In(form).Controller.Game.NeuesSpiel();
    SetUpTurn();
    form.activateWindow();
    TableOf(form)->setFocus();
    QApplication::processEvents();
    QTest::keyClick(TableOf(form), Qt::Key_Up);
    QTest::keyClick(TableOf(form), Qt::Key_Home);  // the stock
    QTest::keyClick(TableOf(form), Qt::Key_Right);
    ASSERT_TRUE(KeyboardFrameShown(form));
    QTest::keyClick(TableOf(form), Qt::Key_Return);
    ASSERT_TRUE(PlayingOut(form));
    EXPECT_EQ(In(form).Controller.Game.GameState, MustDraw);
    while (PlayingOut(form)) {
        Fire(Named<QTimer>(form, "PlayoutTimer"));
    }
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText().toStdString(), Sentence);
    EXPECT_EQ(KeyboardStopOf(form).Kind, TStopKind::Stock);
    EXPECT_TRUE(KeyboardFrameShown(form));
}

// While the turn plays out, screen readers hear the table as it is shown, told
// anew at each step, not the position the turn ends in.
TEST_F(ComputerTurnTest, ScreenReadersFollowThePlayingOut) {
    SpeedAction(form, TMoveSpeed::Slow)->trigger();
    SetUpTurn();
    int told = 0;
    In(form).TellScreenReaders = [&told](QAccessibleEvent* event) {
        told += event->type() == QAccessible::ObjectReorder ? 1 : 0;
    };
    Discard();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(TableOf(form));
    QStringList hands;
    while (PlayingOut(form)) {
        hands << table->child(0)->text(QAccessible::Name);
        Fire(Named<QTimer>(form, "PlayoutTimer"));
    }
    hands << table->child(0)->text(QAccessible::Name);
    EXPECT_EQ(hands, QStringList({"Computer, 7 Karten", "Computer, 8 Karten", "Computer, 8 Karten",
                                  "Computer, 5 Karten", "Computer, 4 Karten", "Computer, 3 Karten",
                                  "Computer, 2 Karten", "Computer, 2 Karten"}));
    EXPECT_EQ(told, 8);  // each step shown, and the end
}

// Notes what the window shows as the loss is told.
class TLossBoxes final : public TMessageBoxes {
  public:
    explicit TLossBoxes(const TMainForm& form) : Form(form) {}
    void Show(QWidget*, const QString& text, const QString&, TMessageIcon) override {
        Text = text;
        PlayingOutThen = PlayingOut(Form);
        SentenceThen = Named<TElidedLabel>(Form, "StatusBarText")->FullText();
    }
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    const TMainForm& Form;
    QString Text;
    bool PlayingOutThen = true;
    QString SentenceThen;
};

TEST_F(ComputerTurnTest, TheLossIsToldOnlyAfterTheLastStepHasBeenShown) {
    TLossBoxes loss(form);
    In(form).SetMessageBoxes(&loss);
    SpeedAction(form, TMoveSpeed::Fast)->trigger();
    TGame& game = In(form).Controller.Game;
    while (!game.OpponentCards.Empty()) {
        MoveCard(game.OpponentCards, 0, game.Stock);
    }
    SetHand(game, "Ka6 Kr10");
    game.SetStatus(MayLayOut);
    game.OwnCards.At(HandIndex(game, "Ka6")).Selected = 1;
    In(form).Paint();
    Discard();
    // Played out from the event loop; the loss waits for its end.
    EXPECT_TRUE(PlayingOut(form));
    EXPECT_EQ(loss.Text, "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !loss.Text.isEmpty(); }, 10000));
    EXPECT_EQ(loss.Text, "Tut mir Leid, Sie haben leider verloren!");
    EXPECT_FALSE(loss.PlayingOutThen);
    EXPECT_TRUE(loss.SentenceThen.startsWith("Computer: zieht eine Karte vom Stapel, wirft "));
    // A new deal follows, and with it an empty status bar.
    EXPECT_EQ(game.OpponentCards.Count(), 12);
    EXPECT_EQ(Named<TElidedLabel>(form, "StatusBarText")->FullText(), "");
    In(form).SetMessageBoxes(&boxes);
}

TEST_F(ComputerTurnTest, TooltipsFollowTheLastPainting) {
    SetUpTurn();
    const TGame& game = In(form).Controller.Game;
    const TRect first = In(form).Drawn().Layout.Meld(0);
    // The joker lies second in He7 *He6 He5: what shows of it is its left third.
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(first.Left + 24 + 5, first.Top + 50)), "Joker für Herz 6");
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(first.Left + 5, first.Top + 50)), "");
    const TRect stock = In(form).Drawn().Layout.StockRect;
    const TRect discard = In(form).Drawn().Layout.DiscardRect;
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(stock.Left + 5, stock.Top + 5)),
              QString("Stapel: %1 Karten").arg(game.Stock.Count()));
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(discard.Left + 5, discard.Top + 5)), "Ablagestapel: 0 Karten");
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(10, 10)), "Computer: 7 Karten");
    EXPECT_EQ(ToolTipAt(TableOf(form), QPoint(TableOf(form)->width() - 5, 10)), "");
}

}  // namespace
