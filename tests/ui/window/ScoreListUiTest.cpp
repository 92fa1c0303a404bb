// The list on the real main window: each finished game adds its row, a
// Hand-Rommé doubled, the list's end told after the win, the list back at the
// next start or refused there, and the window "Liste" with its export.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "game/Scoring.h"
#include "settings/ListSettings.h"
#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"
#include "settings/ScoreListFile.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TableMouse.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/ListForm.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/ListLine.h"
#include "ui/window/MainForm.h"

namespace {

class ScoreListUiTest : public ::testing::Test {
  protected:
    std::unique_ptr<TMainForm> Start(uint64_t seed = 3) {
        auto form = std::make_unique<TMainForm>(seed);
        In(*form).SetMessageBoxes(&boxes);
        form->show();
        Named<QTimer>(*form, "Timer1")->stop();
        return form;
    }
    // The player's turn with `hand` after the draw, the computer holding `computer`.
    static TGame& SetUp(TMainForm& form, const char* hand, const char* computer) {
        TGame& game = In(form).Controller.Game;
        for (TCardArray* pile : {&game.OpponentCards, &game.DiscardPile}) {
            while (!pile->Empty()) {
                MoveCard(*pile, 0, game.Stock);
            }
        }
        SetHand(game, "");
        PutCards(game, game.OpponentCards, computer, TFrom::Deck);
        SetHand(game, hand);
        game.SetStatus(MayLayOut);
        return game;
    }
    // The stock's first card of `suit` and `rank` brought to place `at`, to be drawn.
    static void ToStock(TGame& game, int at, int32_t suit, int32_t rank) {
        int i = 0;
        while (game.Stock.At(i).Suit != suit || game.Stock.At(i).Rank != rank) {
            ++i;
        }
        game.Stock.Exchange(at, i);
    }
    // The selected cards, dropped on free table space or (one) on the discard pile.
    static void Drop(TMainForm& form, std::initializer_list<const char*> cards, bool discard) {
        TGame& game = In(form).Controller.Game;
        game.ClearHandSelection();
        if (discard) {
            DragToDiscard(form, HandIndex(game, *cards.begin()));
            return;
        }
        for (const char* card : cards) {
            game.ToggleHandCard(HandIndex(game, card));
        }
        game.PlayerLayOut(-1);
    }

    TTempConfig config;
    TScriptedBoxes boxes;
};

// The rows as players count them: the other seat's hand, doubled after a
// Hand-Rommé; the line and the file follow each game.
TEST_F(ScoreListUiTest, EachFinishedGameAddsItsRowAndAHandRommeDoubles) {
    auto form = Start();
    QCoreApplication::processEvents();
    EXPECT_EQ(Named<TListLine>(*form, "ListLine")->text(),
              "Liste: Sie 0 · Computer 0");  // room enough, nothing shortened

    // Out before this turn: the computer's hand counts once.
    TGame& game = SetUp(*form, "Kr7", "He2 KaA * BlK Kr10");
    game.PlayerCameOut = game.ComeOutAtTurnStart = game.Seats[PlayerSeat].OutAtTurnStart = 1;
    Drop(*form, {"Kr7"}, true);
    // Everything laid in the last turn: a Hand-Rommé.
    SetUp(*form, "KrB KrD KrK Kr7", "Ka3 Ka3 Bl10");
    Drop(*form, {"KrB", "KrD", "KrK"}, false);
    Drop(*form, {"Kr7"}, true);
    // The computer draws Kreuz 2, lays its whole hand and throws the 2.
    SetUp(*form, "Kr10 He5 Bl9 *", "KaB KaD KaK");
    ToStock(game, 0, Kreuz, 2);
    Drop(*form, {"Kr10"}, true);

    ASSERT_EQ(boxes.Shown.size(), 3u);  // the game's own boxes, and no list has ended
    EXPECT_EQ(boxes.Shown[0].Text, "Herzlichen Glückwunsch! Sie haben das Spiel gewonnen!");
    EXPECT_EQ(boxes.Shown[2].Caption, "Sie haben verloren!");
    const std::vector<TListRow> rows{{0, false, {0, 53}}, {0, true, {0, 32}}, {1, true, {68, 0}}};
    EXPECT_EQ(In(*form).Lists.Current.Rows, rows);
    EXPECT_EQ(Named<TListLine>(*form, "ListLine")->FullText(), "Liste: Sie 68 · Computer 85");
    EXPECT_EQ(Named<TListLine>(*form, "ListLine")->accessibleName(), "Liste: Sie 68, Computer 85");

    // A list that cannot be written is told once and goes on in memory.
    ASSERT_TRUE(QFile::rename(ScoreListFilePath(), ScoreListFilePath() + ".old"));
    ASSERT_TRUE(QDir().mkpath(ScoreListFilePath()));
    for (int game = 0; game < 2; ++game) {
        SetUp(*form, "Kr7", "He9");
        Drop(*form, {"Kr7"}, true);
    }
    ASSERT_EQ(boxes.Shown.size(), 6u);
    EXPECT_EQ(boxes.Shown[3].Text, "Die Liste ließ sich nicht in " + ScoreListFilePath() +
                                       " speichern. Sie gilt weiter, solange Brisko läuft.");
    EXPECT_EQ(In(*form).Lists.Current.Rows.size(), 5u);
    ASSERT_TRUE(QDir(ScoreListFilePath()).removeRecursively());
    ASSERT_TRUE(QFile::rename(ScoreListFilePath() + ".old", ScoreListFilePath()));
    In(*form).Lists.Current.Rows.resize(3);

    // A game given up counts the player's hand as lost; the list comes back at the next start.
    ASSERT_TRUE(game.PlayerDrawFromStock());
    const int32_t held = HandPoints(game.OwnCards.Records(), DefaultJokerPoints);
    Named<QAction>(*form, "NeuesSpiel1")->trigger();
    ASSERT_EQ(In(*form).Lists.Current.Rows.size(), 4u);
    EXPECT_EQ(In(*form).Lists.Current.Rows.back(), (TListRow{1, false, {held, 0}}));
    const TScoreLists lists = In(*form).Lists;
    form.reset();
    EXPECT_EQ(In(*Start(4)).Lists, lists);
}

// Out in an earlier turn of the game, a seat's last turn is no Hand-Rommé:
// the other hands count once.
TEST_F(ScoreListUiTest, ASeatOutInAnEarlierTurnWinsSingle) {
    auto form = Start();
    TGame& game = SetUp(*form, "KrB KrD KrK Kr7 Kr2", "Ka3 He9 Bl5");
    // The computer draws the stock's top, the player Kreuz 10 under it.
    ToStock(game, 1, Kreuz, 10);
    Drop(*form, {"KrB", "KrD", "KrK"}, false);
    Drop(*form, {"Kr7"}, true);
    ASSERT_TRUE(game.PlayerDrawFromStock());
    game.ClearHandSelection();
    game.ToggleHandCard(HandIndex(game, "Kr10"));
    ASSERT_EQ(game.PlayerLayOut(0), TRefusal::None);
    Drop(*form, {"Kr2"}, true);

    // The computer, out before, draws Kreuz 2, lays its three cards and throws the 2.
    SetUp(*form, "Kr10 He5", "KaB KaD KaK");
    game.OpponentCameOut = 1;
    ToStock(game, 0, Kreuz, 2);
    Drop(*form, {"Kr10"}, true);

    const std::vector<TListRow>& rows = In(*form).Lists.Current.Rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Winner, 0);
    EXPECT_EQ(rows[1].Winner, 1);
    EXPECT_FALSE(rows[0].HandRomme);
    EXPECT_FALSE(rows[1].HandRomme);
}

// The win is told first with its own words, then the end of the list; the
// statistics count it, a new list and a new deal follow at once.
TEST_F(ScoreListUiTest, AListRunToItsLimitEndsWithItsMessageAfterTheWin) {
    TScoreLists old;
    old.Current.Rows = {{0, false, {0, 480}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), old));
    auto form = Start();
    TGame& game = SetUp(*form, "Kr7", "He9 Bl9 Ka5");
    game.PlayerCameOut = game.ComeOutAtTurnStart = game.Seats[PlayerSeat].OutAtTurnStart = 1;
    Drop(*form, {"Kr7"}, true);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Sie haben gewonnen!");
    EXPECT_EQ(boxes.Shown[1].Caption, "Liste beendet");
    EXPECT_EQ(boxes.Shown[1].Text,
              "Sie haben die Liste gewonnen! Endstand: Sie 0, Computer 503. Eine neue Liste beginnt.");
    EXPECT_EQ(In(*form).Statistics.ListsWon, 1);
    EXPECT_TRUE(config.IniLines().contains("ListenGewonnen=1"));
    EXPECT_TRUE(In(*form).Lists.Current.Rows.empty());
    EXPECT_EQ(In(*form).Lists.Finished->Id, old.Current.Id);
    EXPECT_EQ(ReadScoreLists(ScoreListFilePath()).Lists, In(*form).Lists);
    EXPECT_EQ(In(*form).Controller.Game.OwnCards.Count(), 12);  // dealt anew

    // The tenth game of a list of ten, won by the computer's empty hand after its draw.
    QTimer::singleShot(0, form.get(), [&] {  // the player makes it a list of ten games
        TListForm* dialog = Named<TListForm>(*form, "ListForm");
        dialog->LimitBox->setCurrentIndex(2);
        emit dialog->LimitBox->activated(2);
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    Named<QAction>(*form, "ListAction")->trigger();
    In(*form).Lists.Current.Rows.assign(9, {1, false, {3, 0}});
    SetUp(*form, "Kr7 Kr8", "");
    Drop(*form, {"Kr7"}, true);
    ASSERT_EQ(boxes.Shown.size(), 4u);
    EXPECT_EQ(boxes.Shown[3].Text,
              "Computer hat die Liste gewonnen. Endstand: Sie 35, Computer 0. Eine neue Liste beginnt.");
    EXPECT_EQ(In(*form).Statistics.ListsLost, 1);
}

// A damaged file is set aside and told once the window shows; a fresh list begins.
TEST_F(ScoreListUiTest, ADamagedListFileIsKeptAsideAndTold) {
    ASSERT_TRUE(MakePrivateFolder(QFileInfo(ScoreListFilePath()).absolutePath()));
    QFile file(ScoreListFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"brisko-score-list\",\"version\":1,\"current\":[]}");
    file.close();
    auto form = Start();
    EXPECT_TRUE(boxes.Shown.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Liste");
    EXPECT_TRUE(boxes.Shown[0].Text.contains(ScoreListFilePath() + ".bak"));
    EXPECT_TRUE(QFileInfo::exists(ScoreListFilePath() + ".bak"));
    EXPECT_EQ(Named<TListLine>(*form, "ListLine")->FullText(), "Liste: Sie 0 · Computer 0");
}

// A game kept by one window, continued in the next and won there by a
// Hand-Rommé ends in the list it was begun in.
TEST_F(ScoreListUiTest, AKeptGameContinuedEndsInItsList) {
    TScoreLists old;
    old.Current.Rows = {{1, false, {12, 0}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), old));
    {
        auto first = Start();
        TGame& game = In(*first).Controller.Game;
        ASSERT_TRUE(game.PlayerDrawFromStock());
        SetHand(game, "HeB HeD HeK Kr2 Kr3 Kr4 Bl2 Bl3 Bl4 Ka5 Ka6 Ka7 He5");
        // A click beside the cards: the window keeps the game.
        QTest::mouseClick(TableOf(*first), Qt::LeftButton, {}, QPoint(TableOf(*first)->width() - 20, 5));
        ASSERT_TRUE(In(*first).Keeper.Finish());
    }
    auto second = Start(4);
    Named<QAction>(*second, "ContinueAction")->trigger();
    const TCardArray& computer = In(*second).Controller.Game.OpponentCards;
    int32_t held = 0;
    for (int i = 0; i < computer.Count(); ++i) {
        held += HandCardPoints(computer.At(i), DefaultJokerPoints);
    }
    const std::initializer_list<const char*> melds[] = {
        {"HeB", "HeD", "HeK"}, {"Kr2", "Kr3", "Kr4"}, {"Bl2", "Bl3", "Bl4"}, {"Ka5", "Ka6", "Ka7"}};
    for (const auto& meld : melds) {
        Drop(*second, meld, false);
    }
    Drop(*second, {"He5"}, true);
    EXPECT_EQ(In(*second).Lists.Current.Id, old.Current.Id);
    EXPECT_EQ(In(*second).Lists.Current.Rows,
              (std::vector<TListRow>{old.Current.Rows[0], {0, true, {0, 2 * held}}}));
}

// The window shows a row per game and the totals as a table with its headers,
// changes the settings, begins a new list only when confirmed, and saves CSV.
TEST_F(ScoreListUiTest, TheListWindowShowsTheRowsAsATableAndSavesThem) {
    TScoreLists lists;
    lists.Current.Rows = {{1, false, {35, 0}}, {0, true, {0, 1204}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), lists));
    auto form = Start();
    EXPECT_EQ(Named<QAction>(*form, "ListAction")->shortcut(), QKeySequence(Qt::Key_F3));
    QString csv = config.Path() + "/liste.csv";
    In(*form).ChooseExportFile = [&] { return csv; };
    boxes.Answers = {false, true};
    QTimer::singleShot(0, form.get(), [&] {
        TListForm* dialog = Named<TListForm>(*form, "ListForm");
        QTableWidget* table = dialog->Table;
        EXPECT_FALSE(dialog->WhichRow->isVisible());  // no last list yet
        QStringList cells;
        for (int r = -1; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                QTableWidgetItem* item = r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c);
                cells << (item != nullptr ? item->text() : "");
            }
        }
        EXPECT_EQ(cells,
                  QStringList({"Spiel", "Ausgegangen", "Hand-Rommé", "Sie", "Computer", "1",    "Computer",
                               "",      "35",          "0",          "2",   "Sie",      "✓",    "0",
                               "1.204", "Summe",       "",           "",    "35",       "1.204"}));
        // A screen reader meets a table whose cells know their column's head.
        QAccessibleInterface* cell =
            QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(1, 2);
        EXPECT_EQ(cell->text(QAccessible::Name), "Hand-Rommé, doppelt");
        const QList<QAccessibleInterface*> heads = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(heads.size(), 1);
        EXPECT_EQ(heads[0]->text(QAccessible::Name), "Hand-Rommé");
        // Made for the asking and owned by no one: handed to the registry, which deletes it.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(heads[0]));

        dialog->LimitBox->setCurrentIndex(2);
        emit dialog->LimitBox->activated(2);
        EXPECT_TRUE(dialog->Note->text().contains("nach 10 Spielen (noch 8)"));
        dialog->JokerBox->setCurrentIndex(1);
        emit dialog->JokerBox->activated(1);
        QTest::mouseClick(dialog->SaveBtn, Qt::LeftButton);
        csv = config.Path() + "/no/such/folder/liste.csv";
        QTest::mouseClick(dialog->SaveBtn, Qt::LeftButton);  // told
        QTest::mouseClick(dialog->NewBtn, Qt::LeftButton);   // "No"
        EXPECT_EQ(table->rowCount(), 3);
        QTest::mouseClick(dialog->NewBtn, Qt::LeftButton);  // "Yes"
        EXPECT_EQ(table->rowCount(), 1);
        EXPECT_FALSE(dialog->NewBtn->isEnabled());
        EXPECT_TRUE(dialog->WhichRow->isVisibleTo(dialog));
        dialog->Which->setCurrentIndex(1);
        emit dialog->Which->activated(1);
        EXPECT_EQ(table->rowCount(), 3);
        EXPECT_EQ(dialog->Note->text(), "Diese Liste wurde vor ihrem Ende aufgegeben.");
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    Named<QAction>(*form, "ListAction")->trigger();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, "Die Liste ließ sich nicht in " + csv + " speichern.");
    ASSERT_EQ(boxes.Asked.size(), 2u);
    EXPECT_EQ(boxes.Asked[0].Caption, "Neue Liste");
    EXPECT_EQ(ReadListSettings(TProfileFile(config.IniPath())), (TListSettings{TListLimit::Games10, 25}));
    EXPECT_TRUE(config.IniLines().contains("Grenze=Spiele10"));
    EXPECT_EQ(In(*form).Statistics.ListsLost, 1);
    EXPECT_EQ(ReadScoreLists(ScoreListFilePath()).Lists.Finished->Rows, lists.Current.Rows);
    QFile saved(config.Path() + "/liste.csv");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(),
              QString("Spiel,Ausgegangen,Hand-Rommé,Sie,Computer\r\n1,Computer,,35,0\r\n2,Sie,ja,0,1204\r\n")
                  .toUtf8());
}

// A list takes the table's size with the first game there when it has no
// game yet; one with games goes on until a game at the new table is scored,
// and the player is told so when choosing it.
TEST_F(ScoreListUiTest, TheListFollowsTheTableItIsPlayedAt) {
    struct Case {
        int32_t Seats;
        std::vector<TListRow> Rows;
        const char* Told;
        const char* Line;
    };
    const Case cases[] = {
        {2,
         {},
         "Ab dem nächsten Spiel spielen Sie zu viert.",
         "Liste: Sie 0 · Computer 1 0 · Computer 2 0 · Computer 3 0"},
        {2,
         {{1, false, {35, 0}}},
         "Ab dem nächsten Spiel spielen Sie zu viert. Mit dem ersten gewerteten Spiel am neuen Tisch beginnt "
         "eine neue Liste.",
         "Liste: Sie 35 · Computer 0"},
        {4,
         {{1, false, {35, 0, 1204, 7}}},
         "Ab dem nächsten Spiel spielen Sie zu viert.",
         "Liste: Sie 35 · Computer 1 0 · Computer 2 1.204 · Computer 3 7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Line);
        TScoreLists lists;
        lists.Current = TScoreList::Begin(c.Seats);
        lists.Current.Rows = c.Rows;
        ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), lists));
        auto form = Start();
        Named<QAction>(*form, "TableOf4")->trigger();
        EXPECT_EQ(Named<TElidedLabel>(*form, "StatusBarText")->FullText(), c.Told);
        Named<QAction>(*form, "NeuesSpiel1")->trigger();
        EXPECT_EQ(Named<TListLine>(*form, "ListLine")->FullText(), c.Line);
        Named<QAction>(*form, "TableOf2")->trigger();  // the next case starts at a table of two
        form.reset();
        QFile::remove(ScoreListFilePath());
    }
}

// At a table of four every seat's head shows whole in the list's window, and
// the seats share the table's width equally.
TEST_F(ScoreListUiTest, TheListWindowShowsEverySeatsNameWhole) {
    TScoreLists lists;
    lists.Current = TScoreList::Begin(4);
    lists.Current.Rows = {{1, false, {35, 0, 1204, 7}}};
    ASSERT_TRUE(WriteScoreLists(ScoreListFilePath(), lists));
    auto form = Start();
    QTimer::singleShot(0, form.get(), [&] {
        TListForm* dialog = Named<TListForm>(*form, "ListForm");
        const QHeaderView* heads = dialog->Table->horizontalHeader();
        ASSERT_EQ(heads->count(), 7);
        for (int column = 0; column < heads->count(); ++column) {
            EXPECT_GE(heads->sectionSize(column), heads->sectionSizeHint(column))
                << dialog->Table->horizontalHeaderItem(column)->text().toStdString();
        }
        EXPECT_EQ(heads->length(), dialog->Table->viewport()->width());
        for (int seat = 4; seat < heads->count(); ++seat) {
            EXPECT_LE(std::abs(heads->sectionSize(seat) - heads->sectionSize(3)), 1) << seat;
        }
        QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
    });
    Named<QAction>(*form, "ListAction")->trigger();
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
    EXPECT_EQ(CsvWords(3).Seats, QStringList({"You", "Computer 1", "Computer 2"}));
}

}  // namespace
