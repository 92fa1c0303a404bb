// The player's turn driven through the real mouse handlers of the table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "game/Invariants.h"
#include "render/TableLayout.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

QPoint Centre(const TRect& r) {
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

class PlayerTurnUiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        In(form).SetMessageBoxes(&boxes);
        form.show();
        Named<QTimer>(form, "Timer1")->stop();  // the blinking would only add paintings
    }

    QWidget* Table() { return TableOf(form); }
    int Height() { return TableOf(form)->height(); }
    QPoint HandCard(int i) {
        const TRect r = HandCardRect(i, Height());
        return QPoint(r.Left + 10, r.Top + 40);  // left part: this card lies on top there
    }
    QPoint FreeTable() { return QPoint(TableOf(form)->width() - 60, MiddleRowTop(Height()) + 50); }

    void Press(QPoint p) { QTest::mousePress(Table(), Qt::LeftButton, {}, p); }
    void Release(QPoint p) { QTest::mouseRelease(Table(), Qt::LeftButton, {}, p); }
    void Click(QPoint p) {
        Press(p);
        Release(p);
    }
    // Presses on a hand card and lets go of the selection at `to`.
    void Drag(int card, QPoint to) {
        Press(HandCard(card));
        QTest::mouseMove(Table(), to);
        Release(to);
    }
    // Puts the game into the player's turn with the given hand.
    void StartTurn(const std::string& hand) {
        SetHand(In(form).Controller.Game, hand);
        In(form).Controller.Game.SetStatus(1);
        In(form).Paint();
    }
    void SelectByClick(const std::string& card) {
        const int i = HandIndex(In(form).Controller.Game, card);
        ASSERT_GE(i, 0);
        ASSERT_EQ(In(form).Controller.Game.OwnCards.At(i).Selected, 0);
        Click(HandCard(i));
    }
    // Selects the cards and drops them at `to`, dragging by the last one.
    void DropCards(const std::string& text, QPoint to) {
        const std::vector<TCard> cards = ParseCards(text);
        for (size_t k = 0; k + 1 < cards.size(); ++k) {
            SelectByClick(CardName(cards[k]));
        }
        const int last = HandIndex(In(form).Controller.Game, CardName(cards.back()));
        ASSERT_GE(last, 0);
        Drag(last, to);
    }
    // Whether pressed cards follow the mouse: a move of it would show them where it went.
    bool Dragging() {
        const QPoint to(In(form).Drawn().Scene.MouseX + 1, In(form).Drawn().Scene.MouseY);
        QMouseEvent move(QEvent::MouseMove, to, Table()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(Table(), &move);
        return In(form).Drawn().Scene.Dragging;
    }
    QStringList Captions() const {
        QStringList out;
        for (const auto& box : boxes.Shown) {
            out << box.Caption;
        }
        return out;
    }

    TScriptedBoxes boxes;
    TMainForm form{9};
};

TEST_F(PlayerTurnUiTest, DrawsFromTheStockOrTheDiscardPileOnly) {
    ASSERT_EQ(In(form).Controller.Game.GameState, 0);
    Click(Centre(In(form).Drawn().Layout.DiscardRect));  // empty discard pile
    Click(HandCard(3));
    Click(FreeTable());
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 12);
    EXPECT_EQ(In(form).Controller.Game.GameState, 0);

    Click(Centre(In(form).Drawn().Layout.StockRect));
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 13);
    EXPECT_EQ(In(form).Controller.Game.Stock.Count(), 85);
    EXPECT_EQ(In(form).Controller.Game.GameState, 1);
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 1);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(),
              "Sie dürfen nun auslegen und dann eine Karte wegwerfen!");
    Click(Centre(In(form).Drawn().Layout.StockRect));  // drawn already: this only clears the selection
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 13);
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 0);

    // Next turn, from the discard pile.
    In(form).Controller.Game.SetStatus(0);
    MoveCard(In(form).Controller.Game.Stock, 0, In(form).Controller.Game.DiscardPile);
    const int32_t top = In(form).Controller.Game.DiscardPile.Last().Id;
    In(form).Paint();
    Click(Centre(In(form).Drawn().Layout.DiscardRect));
    EXPECT_TRUE(In(form).Controller.Game.DiscardPile.Empty());
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 14);
    bool found = false;
    for (int i = 0; i < In(form).Controller.Game.OwnCards.Count(); ++i) {
        found |= In(form).Controller.Game.OwnCards.At(i).Id == top &&
                 In(form).Controller.Game.OwnCards.At(i).Selected == 1;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(CheckCards(In(form).Controller.Game), "");
}

TEST_F(PlayerTurnUiTest, ClicksToggleTheTopmostCardAndBesideAllCardsClear) {
    StartTurn("KrA KrK KrD He5 Ka2");
    const int y = HandCardRect(0, Height()).Top + 50;
    Click(QPoint(50, y));  // inside cards 0 and 1: the upper one, 1
    EXPECT_EQ(In(form).Controller.Game.OwnCards.At(0).Selected, 0);
    EXPECT_EQ(In(form).Controller.Game.OwnCards.At(1).Selected, 1);
    EXPECT_EQ(Dragging(), false);  // released

    Press(QPoint(50, y));  // a selected card is deselected and starts no drag
    EXPECT_EQ(In(form).Controller.Game.OwnCards.At(1).Selected, 0);
    EXPECT_EQ(Dragging(), false);
    Release(QPoint(50, y));

    Click(HandCard(0));
    Click(HandCard(4));
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 2);
    Press(FreeTable());  // beside every hand card
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 0);
    EXPECT_EQ(Dragging(), false);
    Release(FreeTable());
}

TEST_F(PlayerTurnUiTest, DiscardingTwoCardsIsRefusedAndDropsElsewhereDoNothing) {
    StartTurn("KrA Kr9 He5 Ka2");
    SelectByClick("Kr9");
    Drag(HandIndex(In(form).Controller.Game, "He5"), Centre(In(form).Drawn().Layout.DiscardRect));
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Sie können nur einen Karte wegwerfen!");
    EXPECT_EQ(boxes.Shown[0].Caption, "Wegwerfen: zu viele Karten");
    EXPECT_EQ(boxes.Shown[0].Icon, TMessageIcon::Error);
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 4);
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 2);
    EXPECT_TRUE(In(form).Controller.Game.DiscardPile.Empty());

    // On the stock, the hand row and the computer's row nothing happens.
    const std::string hand = ShowHand(In(form).Controller.Game.OwnCards);
    const TRect opponent = OpponentCardRect(2);
    for (QPoint to : {Centre(In(form).Drawn().Layout.StockRect), HandCard(3), Centre(opponent)}) {
        In(form).Controller.Game.ClearHandSelection();
        Drag(0, to);
        EXPECT_EQ(ShowHand(In(form).Controller.Game.OwnCards), hand);
        EXPECT_EQ(SelectedCount(In(form).Controller.Game), 1);
    }
    EXPECT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(In(form).Controller.Game.TableMelds.Empty());
    EXPECT_EQ(In(form).Controller.Game.GameState, 1);
}

// The widget hands its mouse to the table: pressed cards follow every move,
// and hovering asks the table what to tell.
TEST_F(PlayerTurnUiTest, DraggedCardsFollowTheMouseAndHoverShowsTheTablesTip) {
    StartTurn("KrA Kr9 He5 Ka2");
    Press(HandCard(1));
    for (const QPoint to : {QPoint(300, 150), QPoint(320, 170)}) {
        QTest::mouseMove(Table(), to);
        EXPECT_EQ(In(form).Drawn().Scene.MouseX, to.x());
        EXPECT_EQ(In(form).Drawn().Scene.MouseY, to.y());
    }
    EXPECT_EQ(In(form).Drawn().Scene.DragMoves, 2);
    Release(HandCard(1));

    const QPoint stock = Centre(In(form).Drawn().Layout.StockRect);
    EXPECT_EQ(ToolTipAt(Table(), stock),
              QString("Stapel: %1 Karten").arg(In(form).Controller.Game.Stock.Count()));
}

TEST_F(PlayerTurnUiTest, FirstMeldNeedsTheMinimumInOneDrop) {
    StartTurn("BlB Bl10 Bl9 HeA HeK HeD Ka2");
    DropCards("BlB Bl10 Bl9", FreeTable());  // 29 points
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Sie können beim Ersten Mal erst ab 30 Punkte auslegen!");
    EXPECT_EQ(boxes.Shown[0].Caption, "Zu wenige Punkte");
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 7);
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 3);
    EXPECT_TRUE(In(form).Controller.Game.TableMelds.Empty());

    Press(FreeTable());  // deselect
    Release(FreeTable());
    DropCards("HeA HeK HeD", FreeTable());  // 31 points
    EXPECT_EQ(boxes.Shown.size(), 1u);
    ASSERT_EQ(In(form).Controller.Game.TableMelds.Count(), 1);
    EXPECT_EQ(In(form).Controller.Game.PlayerCameOut, 1);

    // Now out: the 29 points go too, and single cards may be laid off.
    DropCards("BlB Bl10 Bl9", FreeTable());
    EXPECT_EQ(In(form).Controller.Game.TableMelds.Count(), 2);
    EXPECT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(CheckCards(In(form).Controller.Game), "");
}

TEST_F(PlayerTurnUiTest, LaysOffOntoAComputersMeldAndTakesItBack) {
    StartTurn("He9 Kr2 Kr3");
    PutMeld(In(form).Controller.Game, "He8 He7 He6", TFrom::Deck);
    In(form).Controller.Game.PlayerCameOut = 1;
    In(form).Controller.Game.ComeOutAtTurnStart = 1;
    In(form).Paint();
    const TRect meld = In(form).Drawn().Layout.Meld(0);
    Drag(HandIndex(In(form).Controller.Game, "He9"), QPoint(meld.Left + 5, meld.Top + 50));
    EXPECT_TRUE(boxes.Shown.empty());
    ASSERT_EQ(In(form).Controller.Game.TableMelds.At(0).Cards->Count(), 4);
    EXPECT_EQ(In(form).Controller.Game.TableMelds.At(0).Cards->At(0).Rank, 9);
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 2);

    QTest::mouseClick(Named<QPushButton>(form, "UndoBtn"), Qt::LeftButton);
    EXPECT_EQ(In(form).Controller.Game.TableMelds.At(0).Cards->Count(), 3);
    EXPECT_EQ(ShowHand(In(form).Controller.Game.OwnCards), "Kr3 Kr2 He9");
    EXPECT_EQ(SelectedCount(In(form).Controller.Game), 0);
    EXPECT_EQ(In(form).Controller.Game.GameState, 1);
}

TEST_F(PlayerTurnUiTest, LayingOutTheWholeHandThenTakingItBack) {
    StartTurn("KrA KrK KrD");
    DropCards("KrA KrK KrD", FreeTable());
    EXPECT_TRUE(In(form).Controller.Game.OwnCards.Empty());
    EXPECT_EQ(In(form).Controller.Game.GameState, 1);
    EXPECT_TRUE(boxes.Shown.empty());  // nothing to discard, no win

    QTest::mouseClick(Named<QPushButton>(form, "UndoBtn"), Qt::LeftButton);
    EXPECT_TRUE(In(form).Controller.Game.TableMelds.Empty());
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 3);
    EXPECT_EQ(In(form).Controller.Game.PlayerCameOut, 0);
}

TEST_F(PlayerTurnUiTest, DiscardEndsTheTurnAndNothingCanBeTakenBackAfterIt) {
    StartTurn("KrA KrK KrD He5 Ka9");
    DropCards("KrA KrK KrD", FreeTable());
    ASSERT_EQ(In(form).Controller.Game.TableMelds.Count(), 1);
    Drag(HandIndex(In(form).Controller.Game, "Ka9"), Centre(In(form).Drawn().Layout.DiscardRect));
    EXPECT_EQ(In(form).Controller.Game.GameState, 0);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(), "Ziehen Sie eine Karte!");
    for (int m = 0; m < In(form).Controller.Game.TableMelds.Count(); ++m) {
        const TCardArray& cards = *In(form).Controller.Game.TableMelds.At(m).Cards;
        for (int c = 0; c < cards.Count(); ++c) {
            EXPECT_EQ(cards.At(c).TakeBack, 0);
        }
    }
    const int melds = In(form).Controller.Game.TableMelds.Count();
    const int hand = In(form).Controller.Game.OwnCards.Count();
    QTest::mouseClick(Named<QPushButton>(form, "UndoBtn"), Qt::LeftButton);
    EXPECT_EQ(In(form).Controller.Game.TableMelds.Count(), melds);
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), hand);
    EXPECT_EQ(CheckCards(In(form).Controller.Game), "");
}

TEST_F(PlayerTurnUiTest, ScrolledMeldsAreHitWhereTheyAreDrawn) {
    // Enough melds on the table to overflow the row.
    for (int rank = 2; rank <= 10; ++rank) {
        const std::string r = std::to_string(rank);
        PutMeld(In(form).Controller.Game, "Ka" + r + " He" + r + " Bl" + r, TFrom::Deck);
    }
    StartTurn("Kr9 Kr2 He3");
    In(form).Controller.Game.PlayerCameOut = 1;
    In(form).Paint();
    ASSERT_TRUE(Named<QScrollBar>(form, "ScrollBar1")->isVisible());
    const TRect before = In(form).Drawn().Layout.Meld(7);

    Named<QScrollBar>(form, "ScrollBar1")->setValue(100);
    const TRect after = In(form).Drawn().Layout.Meld(7);
    EXPECT_EQ(after.Left, before.Left - 100);
    EXPECT_EQ(after.Right, before.Right - 100);

    // Drop the Kreuz 9 where the set of 9s is drawn now.
    Drag(HandIndex(In(form).Controller.Game, "Kr9"), QPoint(after.Left + 30, after.Top + 40));
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(In(form).Controller.Game.TableMelds.At(7).Cards->Count(), 4);
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 2);
}

}  // namespace
