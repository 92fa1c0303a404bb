// The computer's turn on the window: its sentence, its marks, its playing-out,
// the tooltips and the settings of the menu "Ansicht".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "render/TableMarks.h"
#include "settings/ProfileFile.h"
#include "settings/ViewSettings.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
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
    ~ComputerTurnTest() override { In(form).SetMoveSpeed(TMoveSpeed::Instant); }

    // The computer has come out; its turn draws the player's Karo 6, swaps a
    // joker, lays out a run, lays off twice and discards.
    void SetUpTurn() {
        TGame& game = In(form).Game;
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
        In(form).PaintBox1Paint();
    }
    // The player lets go of the selected card on the discard pile.
    void Discard() {
        In(form).Dragging = 1;
        In(form).PaintBox1MouseUp(In(form).DiscardRect.Left + 10, In(form).DiscardRect.Top + 10);
    }
    QColor Pixel(int x, int y) const { return QColor(In(form).Table().pixel(x, y)); }

    TScriptedBoxes boxes;
    TMainForm form{21};
};

TEST_F(ComputerTurnTest, AtOnceTheSentenceAndTheMarksOnEveryTableColourUntilTheNextDraw) {
    In(form).SetMoveSpeed(TMoveSpeed::Instant);
    SetUpTurn();
    Discard();
    EXPECT_FALSE(In(form).PlayingOut());
    EXPECT_EQ(In(form).StatusBarText->FullText().toStdString(), Sentence);
    const std::vector<TTableMark> marks = MoveMarks(In(form).Game, In(form).Game.OpponentTurn);
    // The Herz 6 in the first run, the Blatt 9 on top of the second, the Karo 9
    // in the set, the new run whole, and the discard.
    ASSERT_EQ(marks.size(), 5u);
    EXPECT_EQ(marks[0], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 0, 1, 1}));
    EXPECT_EQ(marks[1], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 1, 0, 0}));
    EXPECT_EQ(marks[3], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 3, 0, 2}));
    EXPECT_EQ(marks[4], (TTableMark{TMarkStyle::Move, TMarkPlace::DiscardPile}));

    const TRect run = In(form).MeldRect(3);
    const QPoint above((run.Left + run.Right) / 2, run.Top - 1);
    const QPoint beside(In(form).DiscardRect.Right,
                        (In(form).DiscardRect.Top + In(form).DiscardRect.Bottom) / 2);
    std::vector<QColor> tables;
    TPrismColorComboBox picker;
    for (int i = 0; i < TPrismColorComboBox::CustomIndex; ++i) {
        tables.push_back(picker.EntryColor(i));
    }
    tables.push_back(QColor(90, 60, 200));  // one of the player's own
    for (const QColor& table : tables) {
        SCOPED_TRACE(table.name().toStdString());
        QPalette palette = In(form).Panel2->palette();
        palette.setColor(QPalette::Window, table);
        In(form).Panel2->setPalette(palette);
        In(form).PaintCount = 1;  // no blinking frame
        In(form).PaintBox1Paint();
        const QColor mark = MoveMarkColour(table);
        EXPECT_GE(ContrastRatio(mark, table), 3.0);
        EXPECT_NE(mark, QColor(255, 0, 0)) << "not the draw hint's red";
        EXPECT_EQ(Pixel(above.x(), above.y()), mark);
        EXPECT_EQ(Pixel(beside.x(), beside.y()), mark);
    }

    // Too long for the status bar: shortened there, whole for its tooltip and for screen readers.
    EXPECT_TRUE(In(form).StatusBarText->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(In(form).StatusBarText->toolTip(), Sentence);
    EXPECT_EQ(In(form).StatusBarText->accessibleName(), Sentence);

    // Switched off, and after the player's draw, no marks.
    In(form).SetMarkMoves(false);
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    In(form).SetMarkMoves(true);
    ASSERT_TRUE(In(form).Game.PlayerDrawFromStock());
    In(form).PaintBox1Paint();
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    EXPECT_EQ(In(form).StatusBarText->FullText(), Sentence) << "the sentence stays until the next turn";
    In(form).NeuesSpiel1->trigger();
    EXPECT_EQ(In(form).StatusBarText->FullText(), "");
}

TEST_F(ComputerTurnTest, PlayedOutStepByStepEndingInTheSameTableAndAClickEndsIt) {
    In(form).SetMoveSpeed(TMoveSpeed::Slow);
    SetUpTurn();
    Discard();
    // The game is done with the turn; only the picture lags.
    ASSERT_TRUE(In(form).PlayingOut());
    EXPECT_EQ(In(form).Game.GameState, MustDraw);
    EXPECT_EQ(In(form).Game.OpponentCards.Count(), 2);
    EXPECT_EQ(In(form).StatusBarText->FullText(), "");
    EXPECT_EQ(In(form).Playback.Count(), 7);  // the start and six steps
    std::vector<QImage> steps;
    while (In(form).PlayingOut()) {
        steps.push_back(In(form).StepTable());
        In(form).AdvancePlayout();
    }
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_NE(steps[0], steps[1]);
    EXPECT_EQ(In(form).StatusBarText->FullText().toStdString(), Sentence);
    In(form).PaintCount = 1;  // the pictures are played out without the blinking frame
    In(form).PaintBox1Paint();
    EXPECT_EQ(steps.back(), In(form).Table());

    // Again, ended at once by a click on the table that does nothing else.
    In(form).Game.NeuesSpiel();
    In(form).ShowInStatusBar({});
    SetUpTurn();
    Discard();
    ASSERT_TRUE(In(form).PlayingOut());
    const std::string hand = ShowHand(In(form).Game.OwnCards);
    const int stock = In(form).Game.Stock.Count();
    QTest::mouseClick(In(form).PaintBox1, Qt::LeftButton, {},
                      QPoint(In(form).StockRect.Left + 5, In(form).StockRect.Top + 5));
    EXPECT_FALSE(In(form).PlayingOut());
    EXPECT_EQ(In(form).Game.GameState, MustDraw) << "the click on the stock drew nothing";
    EXPECT_EQ(ShowHand(In(form).Game.OwnCards), hand);
    EXPECT_EQ(In(form).Game.Stock.Count(), stock);
    EXPECT_EQ(In(form).StatusBarText->FullText().toStdString(), Sentence);
    // A key ends it too.
    In(form).Game.NeuesSpiel();
    SetUpTurn();
    Discard();
    ASSERT_TRUE(In(form).PlayingOut());
    QTest::keyClick(In(form).PaintBox1, Qt::Key_Space);
    EXPECT_FALSE(In(form).PlayingOut());

    // A discard by keys, with the keyboard's frame on the table, plays out as well;
    // the frame waits at the stock.
    In(form).Game.NeuesSpiel();
    SetUpTurn();
    form.activateWindow();
    In(form).PaintBox1->setFocus();
    QApplication::processEvents();
    In(form).KeyFocus = {TStopKind::Stock};
    QTest::keyClick(In(form).PaintBox1, Qt::Key_Right);
    ASSERT_TRUE(In(form).KeyFocusShown());
    QTest::keyClick(In(form).PaintBox1, Qt::Key_Return);
    ASSERT_TRUE(In(form).PlayingOut());
    EXPECT_EQ(In(form).Game.GameState, MustDraw);
    while (In(form).PlayingOut()) {
        In(form).AdvancePlayout();
    }
    EXPECT_EQ(In(form).StatusBarText->FullText().toStdString(), Sentence);
    EXPECT_EQ(In(form).KeyFocus.Kind, TStopKind::Stock);
    EXPECT_TRUE(In(form).KeyFocusShown());
}

// While the turn plays out, screen readers hear the table as it is shown, told
// anew at each step, not the position the turn ends in.
TEST_F(ComputerTurnTest, ScreenReadersFollowThePlayingOut) {
    In(form).SetMoveSpeed(TMoveSpeed::Slow);
    SetUpTurn();
    int told = 0;
    In(form).TellScreenReaders = [&told](QAccessibleEvent* event) {
        told += event->type() == QAccessible::ObjectReorder ? 1 : 0;
    };
    Discard();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(In(form).PaintBox1);
    QStringList hands;
    while (In(form).PlayingOut()) {
        hands << table->child(0)->text(QAccessible::Name);
        In(form).AdvancePlayout();
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
        PlayingOutThen = In(Form).PlayingOut();
        SentenceThen = In(Form).StatusBarText->FullText();
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
    In(form).SetMoveSpeed(TMoveSpeed::Fast);
    TGame& game = In(form).Game;
    while (!game.OpponentCards.Empty()) {
        MoveCard(game.OpponentCards, 0, game.Stock);
    }
    SetHand(game, "Ka6 Kr10");
    game.SetStatus(MayLayOut);
    game.OwnCards.At(HandIndex(game, "Ka6")).Selected = 1;
    In(form).PaintBox1Paint();
    Discard();
    // Played out from the event loop; the loss waits for its end.
    EXPECT_TRUE(In(form).PlayingOut());
    EXPECT_EQ(loss.Text, "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !loss.Text.isEmpty(); }, 10000));
    EXPECT_EQ(loss.Text, "Tut mir Leid, Sie haben leider verloren!");
    EXPECT_FALSE(loss.PlayingOutThen);
    EXPECT_TRUE(loss.SentenceThen.startsWith("Computer: zieht eine Karte vom Stapel, wirft "));
    // A new deal follows, and with it an empty status bar.
    EXPECT_EQ(game.OpponentCards.Count(), 12);
    EXPECT_EQ(In(form).StatusBarText->FullText(), "");
    In(form).SetMessageBoxes(&boxes);
}

TEST_F(ComputerTurnTest, TooltipsFollowTheLastPainting) {
    SetUpTurn();
    const TGame& game = In(form).Game;
    const TRect first = In(form).MeldRect(0);
    // The joker lies second in He7 *He6 He5: what shows of it is its left third.
    EXPECT_EQ(In(form).TableToolTip(first.Left + 24 + 5, first.Top + 50), "Joker für Herz 6");
    EXPECT_EQ(In(form).TableToolTip(first.Left + 5, first.Top + 50), "");
    EXPECT_EQ(In(form).TableToolTip(In(form).StockRect.Left + 5, In(form).StockRect.Top + 5),
              QString("Stapel: %1 Karten").arg(game.Stock.Count()));
    EXPECT_EQ(In(form).TableToolTip(In(form).DiscardRect.Left + 5, In(form).DiscardRect.Top + 5),
              "Ablagestapel: 0 Karten");
    EXPECT_EQ(In(form).TableToolTip(10, 10), "Computer: 7 Karten");
    EXPECT_EQ(In(form).TableToolTip(In(form).PaintBox1->width() - 5, 10), "");
}

}  // namespace
