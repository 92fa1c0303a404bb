// The list on the real main window: each finished game adds its row, a
// Hand-Rommé doubled, the list's end told after the win, the list back at the
// next start or refused there, and the window "Liste" with its export.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "settings/ListCsv.h"
#include "settings/SafeFile.h"
#include "settings/ScoreListFile.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "ui/dialogs/ListForm.h"
#include "ui/window/ListLine.h"
#include "ui/window/MainForm.h"

namespace {

class ScoreListUiTest : public ::testing::Test {
  protected:
    std::unique_ptr<TMainForm> Start(uint64_t seed = 3) {
        auto form = std::make_unique<TMainForm>(seed);
        In(*form).SetMessageBoxes(&boxes);
        form->show();
        In(*form).Timer1->stop();
        return form;
    }
    // The player's turn with `hand` after the draw, the computer holding `computer`.
    static void SetUp(TMainForm& form, const char* hand, const char* computer) {
        TGame& game = In(form).Game;
        for (TCardArray* pile : {&game.OpponentCards, &game.DiscardPile}) {
            while (!pile->Empty()) {
                MoveCard(*pile, 0, game.Stock);
            }
        }
        SetHand(game, "");
        PutCards(game, game.OpponentCards, computer, TFrom::Deck);
        SetHand(game, hand);
        game.SetStatus(MayLayOut);
    }
    static void Select(TMainForm& form, std::initializer_list<const char*> cards) {
        TGame& game = In(form).Game;
        game.ClearHandSelection();
        for (const char* card : cards) {
            game.ToggleHandCard(HandIndex(game, card));
        }
    }
    // The stock's top card is `card`.
    static void OnTopOfStock(TGame& game, const char* card) {
        const TCard wanted = ParseCard(card);
        for (int i = 0; i < game.Stock.Count(); ++i) {
            const TCard found = game.Stock.At(i);
            if (found.Suit == wanted.Suit && found.Rank == wanted.Rank) {
                game.Stock.DeleteAt(i);
                *game.Stock.InsertAt(0) = found;
                return;
            }
        }
        ADD_FAILURE() << card << " not in the stock";
    }

    TTempConfig config;
    TScriptedBoxes boxes;
};

// The rows as the checker counts them: the other seat's hand, doubled after
// a Hand-Rommé; the line and the file follow each game.
TEST_F(ScoreListUiTest, EachFinishedGameAddsItsRowAndAHandRommeDoubles) {
    auto form = Start();
    TGame& game = In(*form).Game;
    EXPECT_EQ(In(*form).ListLine->FullText(), "Liste: Sie 0 · Computer 0");
    QCoreApplication::processEvents();
    EXPECT_EQ(In(*form).ListLine->text(), In(*form).ListLine->FullText());  // room enough, nothing shortened

    // Out before this turn: the computer's hand counts once.
    SetUp(*form, "Kr7", "He2 KaA * BlK Kr10");
    game.PlayerCameOut = game.ComeOutAtTurnStart = 1;
    Select(*form, {"Kr7"});
    In(*form).DiscardSelected();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(boxes.Shown[0].Text, "Herzlichen Glückwunsch! Sie haben das Spiel gewonnen!");

    // Everything laid in the last turn: a Hand-Rommé.
    SetUp(*form, "KrB KrD KrK Kr7", "Ka3 Ka3 Bl10");
    Select(*form, {"KrB", "KrD", "KrK"});
    game.PlayerLayOut(-1);
    ASSERT_EQ(game.OwnCards.Count(), 1);
    Select(*form, {"Kr7"});
    In(*form).DiscardSelected();

    // The computer lays its whole hand after its draw and throws the last card.
    SetUp(*form, "Kr10 He5 Bl9 *", "KaB KaD KaK");
    OnTopOfStock(game, "Kr2");
    Select(*form, {"Kr10"});
    In(*form).DiscardSelected();
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[2].Caption, "Sie haben verloren!");

    const std::vector<TListRow> rows{{0, false, {0, 53}}, {0, true, {0, 32}}, {1, true, {68, 0}}};
    EXPECT_EQ(In(*form).Lists.Current.Rows, rows);
    EXPECT_EQ(In(*form).ListLine->FullText(), "Liste: Sie 68 · Computer 85");
    EXPECT_EQ(In(*form).ListLine->accessibleName(), "Liste: Sie 68, Computer 85");
    EXPECT_EQ(ReadScoreLists(ScoreListFilePath()).Lists, In(*form).Lists);
    EXPECT_EQ(boxes.Shown.size(), 3u);  // no list has ended

    // A game given up leaves no row; the list comes back at the next start.
    ASSERT_TRUE(game.PlayerDrawFromStock());
    In(*form).NeuesSpiel1Click();
    const TScoreLists lists = In(*form).Lists;
    form.reset();
    auto again = Start(4);
    EXPECT_EQ(In(*again).Lists, lists);
    EXPECT_EQ(In(*again).ListLine->FullText(), "Liste: Sie 68 · Computer 85");
}

// The win is told first with its own words, then the end of the list; the
// statistics count it, a new list and a new deal follow at once.
TEST_F(ScoreListUiTest, AListRunToItsLimitEndsWithItsMessageAfterTheWin) {
    TScoreLists old;
    old.Current.Rows = {{0, false, {0, 480}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), old));
    auto form = Start();
    SetUp(*form, "Kr7", "He9 Bl9 Ka5");
    In(*form).Game.PlayerCameOut = In(*form).Game.ComeOutAtTurnStart = 1;
    Select(*form, {"Kr7"});
    In(*form).DiscardSelected();
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(boxes.Shown[1].Caption, "Liste beendet");
    EXPECT_EQ(boxes.Shown[1].Text,
              "Sie haben die Liste gewonnen! Endstand: Sie 0, Computer 503. Eine neue Liste beginnt.");
    EXPECT_EQ(boxes.Shown[1].Icon, TMessageIcon::Information);
    EXPECT_EQ(In(*form).Statistics.ListsWon, 1);
    EXPECT_TRUE(config.IniLines().contains("ListenGewonnen=1"));
    EXPECT_TRUE(In(*form).Lists.Current.Rows.empty());
    ASSERT_TRUE(In(*form).Lists.Finished);
    EXPECT_EQ(In(*form).Lists.Finished->Id, old.Current.Id);
    EXPECT_EQ(ReadScoreLists(ScoreListFilePath()).Lists, In(*form).Lists);
    EXPECT_EQ(In(*form).ListLine->FullText(), "Liste: Sie 0 · Computer 0");
    EXPECT_EQ(In(*form).Game.OwnCards.Count(), 12);  // dealt anew

    // Ten games with the computer going out every time: it wins a list of ten.
    In(*form).ListSettings.Limit = TListLimit::Games10;
    In(*form).Lists.Current.Rows.assign(9, {1, false, {3, 0}});
    SetUp(*form, "Kr7 Kr8", "");
    Select(*form, {"Kr7"});
    In(*form).DiscardSelected();
    ASSERT_EQ(boxes.Shown.size(), 4u);
    EXPECT_EQ(boxes.Shown[3].Text,
              "Computer hat die Liste gewonnen. Endstand: Sie 35, Computer 0. Eine neue Liste beginnt.");
    EXPECT_EQ(In(*form).Statistics.ListsLost, 1);
}

// What the file holds is checked at the start; a damaged one is set aside and
// told, and a fresh list begins with the program alive.
TEST_F(ScoreListUiTest, ADamagedListFileIsKeptAsideAndTold) {
    ASSERT_TRUE(MakePrivateFolder(QFileInfo(ScoreListFilePath()).absolutePath()));
    QFile file(ScoreListFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"brisko-score-list\",\"version\":1,\"current\":[]}");
    file.close();
    auto form = Start();
    EXPECT_TRUE(boxes.Shown.empty());  // not before the window shows
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Liste");
    EXPECT_EQ(boxes.Shown[0].Icon, TMessageIcon::Error);
    EXPECT_TRUE(boxes.Shown[0].Text.contains(ScoreListFilePath() + ".bak"));
    EXPECT_TRUE(QFileInfo::exists(ScoreListFilePath() + ".bak"));
    EXPECT_TRUE(In(*form).Lists.Current.Rows.empty());
    EXPECT_EQ(In(*form).ListLine->FullText(), "Liste: Sie 0 · Computer 0");
}

// The window shows a row per game and the totals as a table with its headers,
// changes the settings, begins a new list only when confirmed, and saves CSV.
TEST_F(ScoreListUiTest, TheListWindowShowsTheRowsAsATableAndSavesThem) {
    TScoreLists lists;
    lists.Current.Rows = {{1, false, {35, 0}}, {0, true, {0, 1204}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), lists));
    auto form = Start();
    EXPECT_EQ(In(*form).ListAction->shortcut(), QKeySequence(Qt::Key_F3));
    const QString csv = config.Path() + "/liste.csv";
    In(*form).ChooseExportFile = [&] { return csv; };
    boxes.Answers = {false, true};
    QTimer::singleShot(0, form.get(), [&] {
        TListForm* dialog = In(*form).ListForm;
        QTableWidget* table = dialog->Table;
        EXPECT_EQ(dialog->windowTitle(), "Liste");
        EXPECT_FALSE(dialog->WhichRow->isVisible());  // no last list yet
        ASSERT_EQ(table->columnCount(), 5);
        ASSERT_EQ(table->rowCount(), 3);
        QStringList heads;
        for (int c = 0; c < 5; ++c) {
            heads << table->horizontalHeaderItem(c)->text();
        }
        EXPECT_EQ(heads, QStringList({"Spiel", "Ausgegangen", "Hand-Rommé", "Sie", "Computer"}));
        QStringList cells;
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 5; ++c) {
                cells << (table->item(r, c) != nullptr ? table->item(r, c)->text() : "");
            }
        }
        EXPECT_EQ(cells, QStringList({"1", "Computer", "", "35", "0", "2", "Sie", "✓", "0", "1.204", "Summe",
                                      "", "", "35", "1.204"}));
        EXPECT_EQ(table->item(1, 2)->data(Qt::AccessibleTextRole), "Hand-Rommé, doppelt");
        // A screen reader meets a table whose cells know their column's head.
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(table);
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->role(), QAccessible::Table);
        ASSERT_NE(access->tableInterface(), nullptr);
        EXPECT_EQ(access->tableInterface()->rowCount(), 3);
        QAccessibleInterface* cell = access->tableInterface()->cellAt(0, 3);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), "35");
        const QList<QAccessibleInterface*> headCells = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headCells.size(), 1);
        EXPECT_EQ(headCells[0]->text(QAccessible::Name), "Sie");
        // Made for the asking and owned by no one: handed to the registry, which deletes it.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(headCells[0]));
        EXPECT_TRUE(dialog->Note->text().contains("mehr als 500 Minuspunkte"));

        dialog->LimitBox->setCurrentIndex(2);
        emit dialog->LimitBox->activated(2);
        EXPECT_TRUE(dialog->Note->text().contains("nach 10 Spielen (noch 8)"));
        dialog->JokerBox->setCurrentIndex(1);
        emit dialog->JokerBox->activated(1);

        QTest::mouseClick(dialog->SaveBtn, Qt::LeftButton);
        QTest::mouseClick(dialog->NewBtn, Qt::LeftButton);  // "No"
        EXPECT_EQ(table->rowCount(), 3);
        QTest::mouseClick(dialog->NewBtn, Qt::LeftButton);  // "Yes"
        EXPECT_EQ(table->rowCount(), 1);
        EXPECT_FALSE(dialog->NewBtn->isEnabled());
        EXPECT_TRUE(dialog->WhichRow->isVisibleTo(dialog));
        dialog->Which->setCurrentIndex(1);
        emit dialog->Which->activated(1);
        EXPECT_EQ(table->rowCount(), 3);
        EXPECT_EQ(dialog->Note->text(), "Diese Liste wurde vor ihrem Ende aufgegeben.");
        EXPECT_FALSE(dialog->LimitBox->isEnabled());
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    In(*form).OpenList();
    ASSERT_EQ(boxes.Asked.size(), 2u);
    EXPECT_EQ(boxes.Asked[0].Caption, "Neue Liste");
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(In(*form).ListSettings, (TListSettings{TListLimit::Games10, 25}));
    EXPECT_TRUE(config.IniLines().contains("Grenze=Spiele10"));
    EXPECT_TRUE(config.IniLines().contains("Joker=25"));
    EXPECT_EQ(In(*form).Statistics.ListsLost, 1);
    EXPECT_EQ(ReadScoreLists(ScoreListFilePath()).Lists.Finished->Rows, lists.Current.Rows);
    QFile saved(csv);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QString("Spiel,Ausgegangen,Hand-Rommé,Sie,Computer\r\n1,Computer,,35,0\r\n"
                                       "2,Sie,ja,0,1204\r\n")
                                   .toUtf8());

    // A place that cannot be written is told, and nothing else changes.
    In(*form).ChooseExportFile = [&] { return config.Path() + "/no/such/folder/liste.csv"; };
    QTimer::singleShot(0, form.get(), [&] {
        QTest::mouseClick(In(*form).ListForm->SaveBtn, Qt::LeftButton);
        QTest::mouseClick(In(*form).ListForm->CloseBtn, Qt::LeftButton);
    });
    In(*form).OpenList();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text,
              "Die Liste ließ sich nicht in " + config.Path() + "/no/such/folder/liste.csv speichern.");
}

TEST_F(ScoreListUiTest, TheListSpeaksEnglishToo) {
    const TLanguage english("en");
    TScoreList list = TScoreList::Begin(2);
    list.Rows = {{0, false, {0, 1204}}};
    EXPECT_EQ(ListLineText(list), "Scores: You 0 · Computer 1,204");
    EXPECT_EQ(ListEndText(list),
              "You won the score sheet! Final score: You 0, Computer 1,204. A new sheet begins.");
    TScoreList four = TScoreList::Begin(4);
    four.Rows = {{1, false, {9, 0, 0, 4}}};
    EXPECT_EQ(ListWinnersText(four), "Computer 1 and Computer 2 share the win of the score sheet.");
    const TCsvWords words = CsvWords(3);
    EXPECT_EQ(words.Seats, QStringList({"You", "Computer 1", "Computer 2"}));
    EXPECT_EQ(words.HandRomme, "Hand rummy");
}

}  // namespace
