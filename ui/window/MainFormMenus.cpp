// The menus and the commands of the window: the game, the opponent, the hint,
// the statistics, the list (its window in MainFormList.cpp), the settings, the view, help and info; the
// take-back button and the scroll bar.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <algorithm>

#include "game/strong/Hint.h"
#include "settings/OpponentChoice.h"
#include "settings/ProfileFile.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/table/GameWords.h"
#include "ui/table/HintMarks.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"
#include "ui/window/MenuBarKey.h"

namespace {

// The menu's names of the speeds and of the card sizes, in the order of their kinds.
// Every entry of a menu has a letter of its own after its '&', which Qt does not show.
const char* const SpeedTexts[] = {
    QT_TRANSLATE_NOOP("TMainForm", "&Sofort"), QT_TRANSLATE_NOOP("TMainForm", "S&chnell"),
    QT_TRANSLATE_NOOP("TMainForm", "&Normal"), QT_TRANSLATE_NOOP("TMainForm", "&Langsam")};
const char* const CardSizeTexts[] = {
    QT_TRANSLATE_NOOP("TMainForm", "&Normal"), QT_TRANSLATE_NOOP("TMainForm", "&125 %"),
    QT_TRANSLATE_NOOP("TMainForm", "1&50 %"), QT_TRANSLATE_NOOP("TMainForm", "&200 %"),
    QT_TRANSLATE_NOOP("TMainForm", "&An das Fenster anpassen")};

}  // namespace

void TMainForm::ApplySettings() {
    // A changed minimum applies from the next meld check on; otherwise the game
    // in play keeps its own, which a game continued brought along.
    const int32_t minimum = OptionsForm->Raus30Check->isChecked() ? 30 : 40;
    if (minimum != Table.Game.NextDeal.MeldMinimum) {
        Table.Game.NextDeal.MeldMinimum = minimum;
        Table.Game.MeldMinimum = minimum;
        KeepGame();
    }
    Table.Game.NextDeal.Cards = std::clamp(static_cast<int32_t>(OptionsForm->AnzCardEd->Value()), 10, 16);
    QPalette palette = Panel2->palette();
    palette.setColor(QPalette::Window, OptionsForm->TableColor());
    Panel2->setPalette(palette);
    PaintBox1Paint();
}

void TMainForm::Einstellungen1Click() {
    // However the dialog was closed, what it shows now applies.
    OptionsForm->exec();
    ApplySettings();
}

void TMainForm::Hilfe2Click() {
    if (HelpViewer == nullptr) {
        HelpViewer = new THelpViewer(this);
        // Over the middle of the game, but wholly on the screen.
        QRect place(QPoint(0, 0), HelpViewer->size());
        place.moveCenter(frameGeometry().center());
        const QRect screenArea = screen()->availableGeometry();
        place.moveLeft(std::clamp(place.left(), screenArea.left(),
                                  std::max(screenArea.left(), screenArea.right() - place.width())));
        place.moveTop(std::clamp(place.top(), screenArea.top(),
                                 std::max(screenArea.top(), screenArea.bottom() - place.height())));
        HelpViewer->move(place.topLeft());
    }
    HelpViewer->ShowPage(THelpViewer::HomePage);
    HelpViewer->show();
    HelpViewer->raise();
    HelpViewer->activateWindow();
}

void TMainForm::berdasProgramm1Click() {
    AboutBox->exec();
}

void TMainForm::CreateMenus() {
    SpielMenu = menuBar()->addMenu(tr("&Spiel"));
    SpielMenu->setObjectName("SpielMenu");
    NeuesSpiel1 = SpielMenu->addAction(tr("&Neues Spiel"), this, &TMainForm::NeuesSpiel1Click);
    NeuesSpiel1->setObjectName("NeuesSpiel1");
    NeuesSpiel1->setShortcut(QKeySequence(Qt::Key_F2));
    ContinueAction =
        SpielMenu->addAction(tr("&Letztes Spiel fortsetzen"), this, &TMainForm::ContinueKeptGame);
    ContinueAction->setObjectName("ContinueAction");
    ContinueAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ContinueAction->setEnabled(false);
    SpielMenu->addSeparator();
    // The opponent of the next game, one of two.
    OpponentGroup = new QActionGroup(this);
    OpponentGroup->setExclusive(true);
    ClassicOpponentAction = SpielMenu->addAction(tr("Gegner: &Klassisch"), this,
                                                 [this] { ChooseOpponent(TOpponentKind::Classic); });
    ClassicOpponentAction->setObjectName("ClassicOpponentAction");
    StrongOpponentAction =
        SpielMenu->addAction(tr("Gegner: St&ark"), this, [this] { ChooseOpponent(TOpponentKind::Strong); });
    StrongOpponentAction->setObjectName("StrongOpponentAction");
    for (QAction* choice : {ClassicOpponentAction, StrongOpponentAction}) {
        choice->setCheckable(true);
        OpponentGroup->addAction(choice);
    }
    ClassicOpponentAction->setChecked(true);
    CreateTableMenu();
    SpielMenu->addSeparator();
    HintAction = SpielMenu->addAction(tr("&Tipp"), this, &TMainForm::ShowHint);
    HintAction->setObjectName("HintAction");
    HintAction->setShortcut(QKeySequence(Qt::Key_H));
    StatisticsAction = SpielMenu->addAction(tr("&Statistik..."), this, &TMainForm::OpenStatistics);
    StatisticsAction->setObjectName("StatisticsAction");
    ListAction = SpielMenu->addAction(tr("L&iste..."), this, &TMainForm::OpenList);
    ListAction->setObjectName("ListAction");
    ListAction->setShortcut(QKeySequence(Qt::Key_F3));
    SpielMenu->addSeparator();
    Einstellungen1 = SpielMenu->addAction(tr("&Einstellungen..."), this, &TMainForm::Einstellungen1Click);
    Einstellungen1->setObjectName("Einstellungen1");
    SpielMenu->addSeparator();
    Beenden1 = SpielMenu->addAction(tr("&Beenden"), this, &TMainForm::Beenden1Click);
    Beenden1->setObjectName("Beenden1");
    Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    CreateViewMenu();

    HilfeMenu = menuBar()->addMenu(tr("&Hilfe"));
    HilfeMenu->setObjectName("HilfeMenu");
    Hilfe2 = HilfeMenu->addAction(tr("&Hilfe..."), this, &TMainForm::Hilfe2Click);
    Hilfe2->setObjectName("Hilfe2");
    Hilfe2->setShortcut(QKeySequence(Qt::Key_F1));
    HilfeMenu->addSeparator();
    berdasProgramm1 =
        HilfeMenu->addAction(tr("Über das &Programm..."), this, &TMainForm::berdasProgramm1Click);
    berdasProgramm1->setObjectName("berdasProgramm1");

    new TMenuBarKey(this);  // the window owns it
}

void TMainForm::NeuesSpiel1Click() {
    ClearHint();
    // A game given up after the first draw is lost: the player's hand counts
    // against the list as if the computer had gone out.
    if (Table.Game.PlayerDraws > 0) {
        ForgetKeptGame();
        const QString listEnded = ScoreFinishedGame(FinishedGameAtTable(Table.Game, 1, true));
        if (!CountGame(false)) {
            ReportCannotWrite(SettingsFilePath());
        }
        if (!listEnded.isEmpty()) {
            ShowMessage(listEnded.toStdString(), tr("Liste beendet").toStdString(),
                        TMessageIcon::Information);
        }
    }
    PendingEnd = {};
    Table.Deal();
    ListFollowsTable();
    ComputerMoved = false;
    ShowInStatusBar({});
    PaintBox1Paint();
    FocusTheStock();
}

void TMainForm::Beenden1Click() {
    close();
}

void TMainForm::UndoBtnClick() {
    ClearHint();
    Table.TakeBack();
}

void TMainForm::ScrollBar1Change(int) {
    PaintBox1Paint();
    KeepGame();
}

void TMainForm::CreateViewMenu() {
    ViewMenu = menuBar()->addMenu(tr("&Ansicht"));
    ViewMenu->setObjectName("ViewMenu");
    ComputerTurnMenu = ViewMenu->addMenu(tr("&Zug des Computers"));
    ComputerTurnMenu->setObjectName("ComputerTurnMenu");
    SpeedGroup = new QActionGroup(this);
    for (TMoveSpeed speed : MoveSpeeds) {
        QAction* action = ComputerTurnMenu->addAction(tr(SpeedTexts[static_cast<int>(speed)]));
        action->setObjectName("Speed" + StoredSpeedName(speed));
        action->setCheckable(true);
        action->setData(static_cast<int>(speed));
        SpeedGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { SetMoveSpeed(speed); });
    }
    CardSizeMenu = ViewMenu->addMenu(tr("&Kartengröße"));
    CardSizeMenu->setObjectName("CardSizeMenu");
    CardSizeGroup = new QActionGroup(this);
    for (TCardSize size : CardSizes) {
        QAction* action = CardSizeMenu->addAction(tr(CardSizeTexts[static_cast<int>(size)]));
        action->setObjectName("CardSize" + StoredCardSizeName(size));
        action->setCheckable(true);
        action->setData(static_cast<int>(size));
        CardSizeGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, size] { SetCardSize(size); });
    }
    MarkMovesAction = ViewMenu->addAction(tr("Züge des Computers &markieren"));
    MarkMovesAction->setObjectName("MarkMovesAction");
    MarkMovesAction->setCheckable(true);
    connect(MarkMovesAction, &QAction::triggered, this, [this](bool on) { SetMarkMoves(on); });
}

void TMainForm::ShowViewSettings() {
    for (QAction* action : SpeedGroup->actions()) {
        action->setChecked(action->data().toInt() == static_cast<int>(View.Speed));
    }
    for (QAction* action : CardSizeGroup->actions()) {
        action->setChecked(action->data().toInt() == static_cast<int>(View.CardSize));
    }
    MarkMovesAction->setChecked(View.MarkMoves);
}

void TMainForm::SetMoveSpeed(TMoveSpeed speed) {
    View.Speed = speed;
    ShowViewSettings();
    StoreViewSettings();
}

void TMainForm::SetMarkMoves(bool mark) {
    View.MarkMoves = mark;
    ShowViewSettings();
    StoreViewSettings();
    PaintBox1Paint();
}

void TMainForm::ChooseOpponent(TOpponentKind opponent) {
    (opponent == TOpponentKind::Strong ? StrongOpponentAction : ClassicOpponentAction)->setChecked(true);
    if (opponent != OneOpponent) {
        OneOpponent = opponent;
        TProfileFile ini(SettingsFilePath());
        WriteOpponentChoice(ini, opponent);
        UpdateSettingsFile(ini);
    }
    SeatNextTable();
    ShowInStatusBar(
        opponent == Table.Game.Opponent
            ? tr("Sie spielen gegen den Gegner „%1“.").arg(OpponentName(opponent))
            : tr("Ab dem nächsten Spiel spielen Sie gegen den Gegner „%1“.").arg(OpponentName(opponent)));
}

void TMainForm::ShowHint() {
    if (Dragging != 0) {
        return;
    }
    const THint hint = HintFor(Table.Game);
    HintMarks = MarksOfHint(hint, Table.Game);
    HintSentence = QString::fromStdString(::HintSentence(hint));
    ShowInStatusBar(HintSentence);
    PaintBox1Paint();
}

void TMainForm::ClearHint() {
    const bool marked = !HintMarks.empty();
    HintMarks.clear();
    // Only the hint's own sentence goes; another may have taken its place.
    if (!HintSentence.isEmpty() && StatusBarText->FullText() == HintSentence) {
        ShowInStatusBar(QString());
    }
    HintSentence.clear();
    if (marked) {
        PaintBox1Paint();
    }
}

void TMainForm::OpenStatistics() {
    if (StatisticsForm == nullptr) {
        StatisticsForm = new TStatisticsForm(this);
        StatisticsForm->OnReset = [this] { ResetStatistics(); };
    }
    // As the file holds them now: another copy of the game may have counted.
    Statistics = TGameStatistics::Read(TProfileFile(SettingsFilePath()));
    for (const TCountedGame& game : UncountedGames) {
        Statistics.Count(game);
    }
    for (const TCountedList& list : UncountedLists) {
        Statistics.Count(list);
    }
    StatisticsForm->ShowStatistics(Statistics);
    StatisticsForm->exec();
}

void TMainForm::ResetStatistics() {
    if (!MessageBoxes->Ask(
            StatisticsForm,
            tr("Möchten Sie die Statistik wirklich zurücksetzen? Die gezählten Spiele gegen beide "
               "Gegner und die gezählten Listen werden gelöscht."),
            tr("Statistik zurücksetzen"))) {
        return;
    }
    Statistics.Reset();
    UncountedGames.clear();
    UncountedLists.clear();
    TProfileFile ini(SettingsFilePath());
    Statistics.Write(ini);
    UpdateSettingsFile(ini);
    StatisticsForm->ShowStatistics(Statistics);
}
