// The computer's turn on the window: its sentence, its marks, its playing-out,
// the tooltips and the settings of the menu "Ansicht".
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "render/TableMarks.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "ui/ElidedLabel.h"
#include "ui/MainForm.h"
#include "ui/PrismColorComboBox.h"
#include "ui/ProfileFile.h"
#include "ui/ViewSettings.h"

namespace {

const char* const Sentence =
    "Computer: zieht Karo 6 vom Ablagestapel, tauscht Herz 6 gegen einen Joker, legt Karo 4, 5, Joker aus, "
    "legt Karo 9 an, legt Blatt 9 an, wirft Kreuz 2 ab.";

class ComputerTurnTest : public testing::Test {
  protected:
    ComputerTurnTest() {
        form.SetMessageBoxes(&boxes);
        form.show();
        QApplication::processEvents();
    }
    ~ComputerTurnTest() override { form.SetMoveSpeed(TMoveSpeed::Sofort); }

    // The computer has come out; its turn draws the player's Karo 6, swaps a
    // joker, lays out a run, lays off twice and discards.
    void SetUpTurn() {
        TGame& game = form.Game;
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
        form.PaintBox1Paint();
    }
    // The player lets go of the selected card on the discard pile.
    void Discard() {
        form.Dragging = 1;
        form.PaintBox1MouseUp(form.DiscardRect.Left + 10, form.DiscardRect.Top + 10);
    }
    QColor Pixel(int x, int y) const { return QColor(form.Table.pixel(x, y)); }

    TScriptedBoxes boxes;
    TMainForm form{21};
};

TEST_F(ComputerTurnTest, AtOnceTheSentenceAndTheMarksOnEveryTableColourUntilTheNextDraw) {
    form.SetMoveSpeed(TMoveSpeed::Sofort);
    SetUpTurn();
    Discard();
    EXPECT_FALSE(form.PlayingOut());
    EXPECT_EQ(form.StatusBarText->FullText(), Sentence);
    const std::vector<TTableMark> marks = MoveMarks(form.Game, form.Game.OpponentTurn);
    // The Herz 6 in the first run, the Blatt 9 on top of the second, the Karo 9
    // in the set, the new run whole, and the discard.
    ASSERT_EQ(marks.size(), 5u);
    EXPECT_EQ(marks[0], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 0, 1, 1}));
    EXPECT_EQ(marks[1], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 1, 0, 0}));
    EXPECT_EQ(marks[3], (TTableMark{TMarkStyle::Move, TMarkPlace::MeldCards, 3, 0, 2}));
    EXPECT_EQ(marks[4], (TTableMark{TMarkStyle::Move, TMarkPlace::DiscardPile}));

    const TRect run = form.Game.TableMelds.At(3).Bounds;
    const QPoint above((run.Left + run.Right) / 2, run.Top - 1);
    const QPoint beside(form.DiscardRect.Right, (form.DiscardRect.Top + form.DiscardRect.Bottom) / 2);
    std::vector<QColor> tables;
    TPrismColorComboBox picker;
    for (int i = 0; i < TPrismColorComboBox::CustomIndex; ++i) {
        tables.push_back(picker.EntryColor(i));
    }
    tables.push_back(QColor(90, 60, 200));  // one of the player's own
    for (const QColor& table : tables) {
        SCOPED_TRACE(table.name().toStdString());
        QPalette palette = form.Panel2->palette();
        palette.setColor(QPalette::Window, table);
        form.Panel2->setPalette(palette);
        form.PaintCount = 1;  // no blinking frame
        form.PaintBox1Paint();
        const QColor mark = MoveMarkColour(table);
        EXPECT_GE(ContrastRatio(mark, table), 3.0);
        EXPECT_NE(mark, QColor(255, 0, 0)) << "not the draw hint's red";
        EXPECT_EQ(Pixel(above.x(), above.y()), mark);
        EXPECT_EQ(Pixel(beside.x(), beside.y()), mark);
    }

    // Too long for the status bar: shortened there, whole for its tooltip and for screen readers.
    EXPECT_TRUE(form.StatusBarText->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(form.StatusBarText->toolTip(), Sentence);
    EXPECT_EQ(form.StatusBarText->accessibleName(), Sentence);

    // Switched off, and after the player's draw, no marks.
    form.SetMarkMoves(false);
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    form.SetMarkMoves(true);
    ASSERT_TRUE(form.Game.PlayerDrawFromStock());
    EXPECT_EQ(Pixel(above.x(), above.y()), tables.back());
    EXPECT_EQ(form.StatusBarText->FullText(), Sentence) << "the sentence stays until the next turn";
    form.NeuesSpiel1->trigger();
    EXPECT_EQ(form.StatusBarText->FullText(), "");
}

TEST_F(ComputerTurnTest, PlayedOutStepByStepEndingInTheSameTableAndAClickEndsIt) {
    form.SetMoveSpeed(TMoveSpeed::Langsam);
    SetUpTurn();
    Discard();
    // The game is done with the turn; only the picture lags.
    ASSERT_TRUE(form.PlayingOut());
    EXPECT_EQ(form.Game.GameState, MustDraw);
    EXPECT_EQ(form.Game.OpponentCards.Count(), 2);
    EXPECT_EQ(form.StatusBarText->FullText(), "");
    EXPECT_EQ(form.Playback.Count(), 7);  // the start and six steps
    std::vector<QImage> steps;
    while (form.PlayingOut()) {
        steps.push_back(form.StepTable);
        form.AdvancePlayout();
    }
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_NE(steps[0], steps[1]);
    EXPECT_EQ(form.StatusBarText->FullText(), Sentence);
    form.PaintCount = 1;  // the pictures are played out without the blinking frame
    form.PaintBox1Paint();
    EXPECT_EQ(steps.back(), form.Table);

    // Again, ended at once by a click on the table that does nothing else.
    form.Game.NeuesSpiel();
    form.ShowInStatusBar({});
    SetUpTurn();
    Discard();
    ASSERT_TRUE(form.PlayingOut());
    const std::string hand = ShowHand(form.Game.OwnCards);
    const int stock = form.Game.Stock.Count();
    QTest::mouseClick(form.PaintBox1, Qt::LeftButton, {},
                      QPoint(form.StockRect.Left + 5, form.StockRect.Top + 5));
    EXPECT_FALSE(form.PlayingOut());
    EXPECT_EQ(form.Game.GameState, MustDraw) << "the click on the stock drew nothing";
    EXPECT_EQ(ShowHand(form.Game.OwnCards), hand);
    EXPECT_EQ(form.Game.Stock.Count(), stock);
    EXPECT_EQ(form.StatusBarText->FullText(), Sentence);
    // A key ends it too.
    form.Game.NeuesSpiel();
    SetUpTurn();
    Discard();
    ASSERT_TRUE(form.PlayingOut());
    QTest::keyClick(form.PaintBox1, Qt::Key_Space);
    EXPECT_FALSE(form.PlayingOut());

    // A discard by keys, with the keyboard's frame on the table, plays out as well;
    // the frame waits at the stock.
    form.Game.NeuesSpiel();
    SetUpTurn();
    form.activateWindow();
    form.PaintBox1->setFocus();
    QApplication::processEvents();
    form.KeyFocus = {TStopKind::Stock};
    QTest::keyClick(form.PaintBox1, Qt::Key_Right);
    ASSERT_TRUE(form.KeyFocusShown());
    QTest::keyClick(form.PaintBox1, Qt::Key_Return);
    ASSERT_TRUE(form.PlayingOut());
    EXPECT_EQ(form.Game.GameState, MustDraw);
    while (form.PlayingOut()) {
        form.AdvancePlayout();
    }
    EXPECT_EQ(form.StatusBarText->FullText(), Sentence);
    EXPECT_EQ(form.KeyFocus.Kind, TStopKind::Stock);
    EXPECT_TRUE(form.KeyFocusShown());
}

// Notes what the window shows as the loss is told.
class TLossBoxes final : public TMessageBoxes {
  public:
    explicit TLossBoxes(const TMainForm& form) : Form(form) {}
    void Show(QWidget*, const QString& text, const QString&, TMessageIcon) override {
        Text = text;
        PlayingOutThen = Form.PlayingOut();
        SentenceThen = Form.StatusBarText->FullText();
    }
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    const TMainForm& Form;
    QString Text;
    bool PlayingOutThen = true;
    QString SentenceThen;
};

TEST_F(ComputerTurnTest, TheLossIsToldOnlyAfterTheLastStepHasBeenShown) {
    TLossBoxes loss(form);
    form.SetMessageBoxes(&loss);
    form.SetMoveSpeed(TMoveSpeed::Schnell);
    TGame& game = form.Game;
    while (!game.OpponentCards.Empty()) {
        MoveCard(game.OpponentCards, 0, game.Stock);
    }
    SetHand(game, "Ka6 Kr10");
    game.SetStatus(MayLayOut);
    game.OwnCards.At(HandIndex(game, "Ka6")).Selected = 1;
    form.PaintBox1Paint();
    Discard();
    EXPECT_EQ(loss.Text, "Tut mir Leid, Sie haben leider verloren!");
    EXPECT_FALSE(loss.PlayingOutThen);
    EXPECT_TRUE(loss.SentenceThen.startsWith("Computer: zieht eine Karte vom Stapel, wirft "));
    // A new deal follows, and with it an empty status bar.
    EXPECT_EQ(game.OpponentCards.Count(), 12);
    EXPECT_EQ(form.StatusBarText->FullText(), "");
    form.SetMessageBoxes(&boxes);
}

TEST_F(ComputerTurnTest, TooltipsFollowTheLastPainting) {
    SetUpTurn();
    const TGame& game = form.Game;
    const TRect first = game.TableMelds.At(0).Bounds;
    // The joker lies second in He7 *He6 He5: what shows of it is its left third.
    EXPECT_EQ(form.TableToolTip(first.Left + 24 + 5, first.Top + 50), "Joker für Herz 6");
    EXPECT_EQ(form.TableToolTip(first.Left + 5, first.Top + 50), "");
    EXPECT_EQ(form.TableToolTip(form.StockRect.Left + 5, form.StockRect.Top + 5),
              QString("Stapel: %1 Karten").arg(game.Stock.Count()));
    EXPECT_EQ(form.TableToolTip(form.DiscardRect.Left + 5, form.DiscardRect.Top + 5),
              "Ablagestapel: 0 Karten");
    EXPECT_EQ(form.TableToolTip(10, 10), "Computer: 7 Karten");
    EXPECT_EQ(form.TableToolTip(form.PaintBox1->width() - 5, 10), "");
}

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
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(load(), TViewSettings{});
    ASSERT_TRUE(save({TMoveSpeed::Langsam, false}));
    EXPECT_EQ(load(), (TViewSettings{TMoveSpeed::Langsam, false}));
    EXPECT_EQ(TProfileFile(file).ReadString("TOptionsForm", "AnzCardEd_Value", ""), "14");
    for (TMoveSpeed speed : {TMoveSpeed::Sofort, TMoveSpeed::Schnell, TMoveSpeed::Normal}) {
        ASSERT_TRUE(save({speed, true}));
        EXPECT_EQ(load().Speed, speed);
    }
    EXPECT_EQ(StepMilliseconds(TMoveSpeed::Sofort), 0);
    EXPECT_LT(StepMilliseconds(TMoveSpeed::Schnell), StepMilliseconds(TMoveSpeed::Normal));
    EXPECT_LT(StepMilliseconds(TMoveSpeed::Normal), StepMilliseconds(TMoveSpeed::Langsam));
}

}  // namespace
