// The table by keyboard and for screen readers: the focus walk, a whole turn
// played by keys that ends as the same turn played by mouse, and the accessible
// tree of a fixed position.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "game/Invariants.h"
#include "render/TableLayout.h"
#include "tests/support/EventLog.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/table/TableStops.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

TEST(TableStopsTest, TheFocusWalksTheMiddleRowAndTheHand) {
    TEventLog screen;
    TGame game(&screen, 4);
    PutMeld(game, "He8 He7 He6", TFrom::Nowhere);
    PutMeld(game, "Kr9 Bl9 He9", TFrom::Nowhere);
    PutCards(game, game.OwnCards, "KrA He5 *", TFrom::Nowhere);
    using K = TStopKind;
    using M = TStopMove;
    const TTableStop stock{K::Stock}, discard{K::DiscardPile}, meld0{K::Meld, 0}, meld1{K::Meld, 1},
        free{K::FreeTable}, card0{K::HandCard, 0}, card1{K::HandCard, 1}, card2{K::HandCard, 2};
    const struct {
        TTableStop From;
        TStopMove Move;
        TTableStop To;
    } walk[] = {
        {stock, M::Right, discard}, {discard, M::Right, meld0}, {meld0, M::Right, meld1},
        {meld1, M::Right, free},    {free, M::Right, free},     {free, M::Left, meld1},
        {stock, M::Left, stock},    {meld1, M::Home, stock},    {stock, M::End, free},
        {stock, M::Up, stock},      {meld1, M::Down, card0},    {free, M::Down, card0},
        {card0, M::Right, card1},   {card2, M::Right, card2},   {card0, M::Left, card0},
        {card1, M::End, card2},     {card2, M::Home, card0},    {card2, M::Up, stock},
        {card1, M::Down, card1},
    };
    for (const auto& step : walk) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(step.From.Kind) << "/" << step.From.Index << " "
                                        << static_cast<int>(step.Move));
        EXPECT_EQ(MoveStop(game, step.From, step.Move), step.To);
    }
    // Places that went: the nearest that is there.
    EXPECT_EQ(ValidStop(game, {K::HandCard, 7}), card2);
    EXPECT_EQ(ValidStop(game, {K::Meld, 5}), free);
    game.ClearTCard(game.OwnCards);
    EXPECT_EQ(MoveStop(game, meld0, M::Down), meld0) << "no hand, no hand row";
    EXPECT_EQ(ValidStop(game, card1), stock);
}

class KeyboardTest : public testing::Test {
  protected:
    KeyboardTest() {
        for (TMainForm* form : {&mouse, &keys}) {
            In(*form).SetMessageBoxes(&boxes);
            form->show();
        }
        QApplication::processEvents();
    }
    // The same position in both windows: a run to lay out, a card to lay off,
    // one to discard.
    void SetUpPosition(TMainForm& form) {
        SetHand(In(form).Controller.Game, "KrA KrK KrD He9 Ka2 Bl7");
        PutMeld(In(form).Controller.Game, "He8 He7 He6", TFrom::Deck);
        In(form).Paint();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(TableOf(keys), static_cast<Qt::Key>(key), modifiers);
    }
    // From the middle row down to a hand card, and Space on it.
    void SelectByKeys(const std::string& card) {
        Key(Qt::Key_Down);
        Key(Qt::Key_Home);
        for (int i = HandIndex(In(keys).Controller.Game, card); i > 0; --i) {
            Key(Qt::Key_Right);
        }
        Key(Qt::Key_Space);
        Key(Qt::Key_Up);
    }
    void Click(const QPoint& p) { QTest::mouseClick(TableOf(mouse), Qt::LeftButton, {}, p); }
    void Drag(const std::string& card, const QPoint& to) {
        const TRect r = HandCardRect(HandIndex(In(mouse).Controller.Game, card), TableOf(mouse)->height());
        QTest::mousePress(TableOf(mouse), Qt::LeftButton, {}, QPoint(r.Left + 10, r.Top + 40));
        QTest::mouseMove(TableOf(mouse), to);
        QTest::mouseRelease(TableOf(mouse), Qt::LeftButton, {}, to);
    }
    static std::string State(const TMainForm& form) {
        std::string state = "hand " + ShowHand(In(form).Controller.Game.OwnCards) + "; discards " +
                            ShowCards(In(form).Controller.Game.DiscardPile) + "; computer " +
                            std::to_string(In(form).Controller.Game.OpponentCards.Count()) + "; state " +
                            std::to_string(In(form).Controller.Game.GameState) + "; out " +
                            std::to_string(In(form).Controller.Game.PlayerCameOut) + "; ";
        for (int m = 0; m < In(form).Controller.Game.TableMelds.Count(); ++m) {
            state += "meld " + ShowCards(*In(form).Controller.Game.TableMelds.At(m).Cards) + "; ";
        }
        return state + Named<TElidedLabel>(form, "StatusBarText")->FullText().toStdString();
    }

    TScriptedBoxes boxes;
    TMainForm mouse{33};
    TMainForm keys{33};
};

TEST_F(KeyboardTest, AWholeTurnByKeysEndsAsTheSameTurnByMouse) {
    SetUpPosition(mouse);
    SetUpPosition(keys);
    ASSERT_EQ(State(mouse), State(keys));

    // By mouse: draw, clear the drawn card's mark, lay out, lay off, discard.
    Click(QPoint(In(mouse).Drawn().Layout.StockRect.Left + 30, In(mouse).Drawn().Layout.StockRect.Top + 50));
    Click(QPoint(TableOf(mouse)->width() - 40, MiddleRowTop(TableOf(mouse)->height()) + 50));
    const QPoint free(TableOf(mouse)->width() - 60, MiddleRowTop(TableOf(mouse)->height()) + 40);
    for (const char* card : {"KrA", "KrK"}) {
        const TRect r = HandCardRect(HandIndex(In(mouse).Controller.Game, card), TableOf(mouse)->height());
        Click(QPoint(r.Left + 10, r.Top + 40));
    }
    Drag("KrD", free);
    const TRect run = In(mouse).Drawn().Layout.Meld(0);
    Drag("He9", QPoint(run.Left + 10, run.Top + 40));
    Drag("Bl7", QPoint(In(mouse).Drawn().Layout.DiscardRect.Left + 30,
                       In(mouse).Drawn().Layout.DiscardRect.Top + 50));

    // By keys: the table has the keyboard at the stock after the deal.
    EXPECT_EQ(KeyboardStopOf(keys), (TTableStop{TStopKind::Stock}));
    Key(Qt::Key_Space);
    EXPECT_EQ(In(keys).Controller.Game.GameState, MayLayOut);
    // On to the card just drawn, which is the one selected.
    ASSERT_EQ(KeyboardStopOf(keys).Kind, TStopKind::HandCard);
    EXPECT_NE(In(keys).Controller.Game.OwnCards.At(KeyboardStopOf(keys).Index).Selected, 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(SelectedCount(In(keys).Controller.Game), 0);
    for (const char* card : {"KrA", "KrK", "KrD"}) {
        SelectByKeys(card);
    }
    Key(Qt::Key_End);  // the free place
    Key(Qt::Key_Return);
    SelectByKeys("He9");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);  // the first meld
    Key(Qt::Key_Return);
    SelectByKeys("Bl7");
    Key(Qt::Key_Right);  // the discard pile
    Key(Qt::Key_Return);

    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(State(keys), State(mouse));
    EXPECT_GE(In(keys).Controller.Game.TableMelds.Count(), 2);
    EXPECT_EQ(In(keys).Controller.Game.GameState, MustDraw);
    EXPECT_EQ(CheckCards(In(keys).Controller.Game), "");
    // The computer has played: the keyboard is back at the stock.
    EXPECT_EQ(KeyboardStopOf(keys), (TTableStop{TStopKind::Stock}));

    // Take back and Escape by keys, as the button and a click beside the hand do.
    Key(Qt::Key_Space);
    SelectByKeys(ShowHand(In(keys).Controller.Game.OwnCards).substr(0, 3));
    EXPECT_GT(SelectedCount(In(keys).Controller.Game), 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(SelectedCount(In(keys).Controller.Game), 0);
}

TEST_F(KeyboardTest, TheFocusFrameShowsOnlyOnceTheKeyboardIsUsedAndTheRowFollowsIt) {
    keys.activateWindow();
    TableOf(keys)->setFocus();
    QApplication::processEvents();
    In(keys).PaintCount = 1;
    In(keys).Paint();
    const QPoint outside(In(keys).Drawn().Layout.StockRect.Left - 4,
                         In(keys).Drawn().Layout.StockRect.Top + 50);
    const QColor table = Named<QFrame>(keys, "Panel2")->palette().color(QPalette::Window);
    EXPECT_EQ(QColor(In(keys).Table().pixel(outside)), table) << "no frame for the mouse player";
    Key(Qt::Key_Home);
    const QColor frame(In(keys).Table().pixel(outside));
    EXPECT_TRUE(frame == QColor(Qt::black) || frame == QColor(Qt::white)) << frame.name().toStdString();

    // Enough melds to scroll: the focus on the last one brings it into view.
    for (int rank = 2; rank <= 10; ++rank) {
        const std::string r = std::to_string(rank);
        PutMeld(In(keys).Controller.Game, "Ka" + r + " He" + r + " Bl" + r, TFrom::Deck);
    }
    In(keys).Paint();
    ASSERT_TRUE(Named<QScrollBar>(keys, "ScrollBar1")->isVisible());
    Key(Qt::Key_End);
    Key(Qt::Key_Left);
    ASSERT_EQ(KeyboardStopOf(keys), (TTableStop{TStopKind::Meld, 8}));
    const TRect last = In(keys).Drawn().Layout.Meld(8);
    EXPECT_LE(last.Right, TableOf(keys)->width());
    EXPECT_GE(last.Left, 2 * 72 + 48);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_GE(In(keys).Drawn().Layout.Meld(0).Left, 2 * 72 + 48);

    // Tab goes between the table and the take-back button.
    QTest::keyClick(TableOf(keys), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Named<QPushButton>(keys, "UndoBtn"));
    EXPECT_FALSE(KeyboardFrameShown(keys));
    QTest::keyClick(Named<QPushButton>(keys, "UndoBtn"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), TableOf(keys));
    EXPECT_TRUE(KeyboardFrameShown(keys));

    // A click on the table puts the frame away.
    QTest::mouseClick(TableOf(keys), Qt::LeftButton, {}, QPoint(300, 20));
    In(keys).Paint();
    EXPECT_FALSE(KeyboardFrameShown(keys));
}

TEST_F(KeyboardTest, AScreenReaderSeesEveryPlaceByNameAndFollowsTheFocus) {
    TGame& game = In(keys).Controller.Game;
    SetHand(game, "KrA He5 *");
    PutMeld(game, "*Ka6 Ka5 Ka4", TFrom::Deck);
    while (!game.DiscardPile.Empty()) {
        MoveCard(game.DiscardPile, 0, game.Stock);
    }
    PutCards(game, game.DiscardPile, "HeD", TFrom::Deck);
    while (game.OpponentCards.Count() > 9) {
        MoveCard(game.OpponentCards, 0, game.Stock);
    }
    game.OwnCards.At(0).Selected = 1;
    keys.activateWindow();
    TableOf(keys)->setFocus();
    QApplication::processEvents();
    In(keys).Paint();

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(TableOf(keys));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::List);
    EXPECT_EQ(table->text(QAccessible::Name), "Spieltisch");
    QStringList names;
    for (int i = 0; i < table->childCount(); ++i) {
        names << table->child(i)->text(QAccessible::Name);
        EXPECT_EQ(table->child(i)->parent(), table);
        EXPECT_EQ(table->indexOfChild(table->child(i)), i);
        EXPECT_EQ(table->child(i)->role(), QAccessible::ListItem);
    }
    EXPECT_EQ(names,
              (QStringList{"Computer, 9 Karten", QString("Stapel, %1 Karten").arg(game.Stock.Count()),
                           "Ablagestapel, oben Herz Dame", "Auslage 1: Karo 4, Karo 5, Joker für Karo 6",
                           "Freier Platz für eine neue Auslage", "Ihre Karte 1 von 3: Kreuz Ass, ausgewählt",
                           "Ihre Karte 2 von 3: Herz 5", "Ihre Karte 3 von 3: Joker"}));
    EXPECT_FALSE(table->child(0)->state().focusable) << "the computer's hand is no stop";
    EXPECT_TRUE(table->child(5)->state().selected);
    EXPECT_FALSE(table->child(6)->state().selected);
    EXPECT_TRUE(table->child(1)->state().focused) << "the stock after the deal";
    EXPECT_EQ(table->focusChild(), table->child(1));
    // The same object for the same place, every time it is asked for.
    EXPECT_EQ(table->child(3), table->child(3));
    EXPECT_TRUE(table->child(3)->rect().contains(TableOf(keys)->mapToGlobal(
        QPoint(In(keys).Drawn().Layout.Meld(0).Left + 5, In(keys).Drawn().Layout.Meld(0).Top + 5))));

    // Moving the keyboard tells the screen reader which place has the focus.
    std::vector<int> focusedChildren;
    In(keys).TellScreenReaders = [&focusedChildren, this](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Focus) {
            EXPECT_EQ(event->object(), TableOf(keys));
            focusedChildren.push_back(event->child());
        }
    };
    Key(Qt::Key_Down);
    EXPECT_EQ(focusedChildren, std::vector<int>{5});
    EXPECT_TRUE(table->child(5)->state().focused);
    EXPECT_FALSE(table->child(1)->state().focused);
}

}  // namespace
