// The one main window: menu, take-back button, status line, the table and its
// scroll bar. The game reaches it as its screen, the table's widget and screen
// readers through TTableHost; tests and measurements reach its insides through
// TMainFormAccess (tests/support).
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/Game.h"
#include "game/Scoring.h"
#include "render/Artwork.h"
#include "render/ArtworkShelf.h"
#include "render/FaceComposer.h"
#include "render/TablePainter.h"
#include "settings/FileKeeper.h"
#include "settings/GameStatistics.h"
#include "settings/ListSettings.h"
#include "settings/ScoreList.h"
#include "settings/TableSettings.h"
#include "settings/ViewSettings.h"
#include "settings/WindowPlacement.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/table/TableController.h"
#include "ui/table/TableStops.h"
#include "ui/table/TurnPlayback.h"
#include "ui/window/TableHost.h"

class QAction;
class QAccessibleEvent;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;
class TAboutBox;
class TElidedLabel;
class TListForm;
class TListLine;
class THelpViewer;
class TOptionsForm;
class TPaintBox;
class TProfileFile;
class TStatisticsForm;

class TMainForm final : public QMainWindow, private TTableView, private TTableHost {
    Q_OBJECT
  public:
    // FormCreate. The seed feeds the game's random generator.
    explicit TMainForm(uint64_t seed, QWidget* parent = nullptr);
    // FormDestroy.
    ~TMainForm() override;

    // The card pictures could not be read: the player has been told, and the
    // program ends without showing the window.
    bool ArtworkMissing() const { return !ArtworkError.isEmpty(); }

    // Another copy of the game runs on the same data folder and does not
    // answer: this window neither offers nor keeps a game, and says so when
    // it is first shown.
    void KeepNoGame() { KeepingOff = true; }

    // A signal ends the program: the settings are saved once, with failures
    // going to standard error, every open box and dialog goes away without
    // an answer, and the event loop ends.
    void QuitOnSignal();

    // Modal message box with an OK button.
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon);
    // Modal Yes/No question with the question icon; true for Yes.
    bool AskYesNo(const std::string& text, const std::string& caption);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class TMainFormAccess;

    // --- Construction (MainForm.cpp) ---
    void CreateControls();
    void CreateCardBack();
    // Message boxes go here; tests replace them. Null restores the real ones.
    void SetMessageBoxes(TMessageBoxes* boxes);
    void FormShow();
    // The one save of the settings at program end, by "Beenden", the close
    // box or a signal; later calls do nothing.
    void SaveSettingsAtExit();
    // The sentence in the status bar; empty clears it.
    void ShowInStatusBar(const QString& text);

    // --- Menus and their commands (MainFormMenus.cpp) ---
    void CreateMenus();
    void CreateViewMenu();
    void NeuesSpiel1Click();
    // "Gegner: Klassisch" / "Gegner: Stark": the opponent of the next game of two.
    void ChooseOpponent(TOpponentKind opponent);

    // --- Spiel › Tisch (MainFormTable.cpp) ---
    void CreateTableMenu();
    // The menu's checks and which computers' levels may be chosen.
    void ShowTableChoice();
    // The table of the next game, kept in the settings file.
    void ChooseTable(const TTableSettings& table);
    // The next deal seats the chosen table with the chosen computers.
    void SeatNextTable();
    void ShowHint();
    // The hint's frames and sentence go with the next action.
    void ClearHint();
    void OpenStatistics();
    void ResetStatistics();
    void Einstellungen1Click();
    // Copies the settings dialog's values into the game.
    void ApplySettings();
    void Beenden1Click();
    void Hilfe2Click();
    void berdasProgramm1Click();
    void UndoBtnClick();
    void ScrollBar1Change(int position);
    void SetMoveSpeed(TMoveSpeed speed);
    void SetMarkMoves(bool mark);
    void ShowViewSettings();

    // --- The settings file (MainFormRecords.cpp) ---
    // The view, the opponent, the record of games and the window's place, from one reading of the settings
    // file.
    void RestoreOwnSections();
    void StoreViewSettings();
    // Counts this game into the statistics and writes them; false when the
    // file could not be written.
    bool CountGame(bool won);
    // Counts a lost game against these computers, computer 1 first, the same way.
    bool CountLoss(const std::vector<TOpponentKind>& opponents);
    bool CountInStatistics(const TCountedGame& game);
    // Adds the games and lists not yet written to the file; false when it could not be written.
    bool WriteUncountedStatistics();
    // Writes the settings file, reporting a failure; false then.
    bool UpdateSettingsFile(TProfileFile& ini);
    void ReportCannotWrite(const QString& fileName);
    // A settings file problem: a box while playing, standard error while quitting on a signal.
    void ReportSettingsProblem(const QString& message, TMessageIcon icon);

    // --- The window's place and size (MainFormPlacement.cpp) ---
    // Opens the window where the settings file says it was, inside the screen.
    void RestoreWindowPlacement(const std::optional<TWindowPlacement>& stored);
    // Writes where the window is, when it is no longer where the file, or
    // without one the first showing, put it.
    void StoreWindowPlacement();
    TWindowPlacement CurrentPlacement() const;

    // --- The kept game (MainFormKeptGame.cpp) ---
    // At the start: a game an earlier run kept is offered, not yet read.
    void OfferKeptGame();
    // "Letztes Spiel fortsetzen": the kept game takes the fresh deal's place.
    void ContinueKeptGame();
    // The player's draw, by mouse or keyboard; true when a card was drawn.
    // A kept game not continued is given up by it.
    bool DrawForPlayer(bool fromStock);
    void GiveUpWaitingGame();
    // Hands the game in play to the keeper, unless it has not begun, is over,
    // or an earlier run's game still waits in the file.
    void KeepGame();
    // The game in play is over or given up: its file goes.
    void ForgetKeptGame();
    // The last save, written before the program ends.
    void KeepGameAtExit();
    // How a save went, told by the keeper.
    void ReportKeeping(TKeeperTask task, bool done);
    // The kept file goes, awaited; a failure is told. True when it is gone.
    enum class TKeepingFailure { Save, RemoveEnded, RemoveGivenUp };
    bool RemoveKeptFile(TKeepingFailure failure);
    // Each kind of failure is told once, until that kind of task succeeds again.
    void TellKeepingFailure(TKeepingFailure failure);
    bool GameOver() const;

    // --- The list (MainFormList.cpp) ---
    // The list's line in the status bar.
    void CreateListLine();
    // The list's settings and file, read at the first showing; a refused file is told.
    void LoadScoreList();
    // The one place where a finished game reaches the list: its row is added
    // and written, and a list it ends is counted (written with the game's own
    // count, which follows). The message that the list ended, empty while it goes on.
    QString ScoreFinishedGame(const TFinishedGame& game);
    // "Liste...": the list window.
    void OpenList();
    // "Neue Liste", asked first; the list given up counts as lost.
    void NewList();
    // "Liste speichern…": the list shown, as CSV, where the player chooses.
    void ExportList(const TScoreList& list);
    void ChangeListSettings(const TListSettings& settings);
    // Writes the lists; a failure is told once, until a write succeeds.
    void SaveScoreLists();
    void ShowListLine();
    // A list without a game takes the size of the table in play, so that its
    // line names the seats there; one with games waits for the first game
    // scored at the new table (a game abandoned before then leaves it as it is).
    void ListFollowsTable();

    // --- Mouse (MainFormMouse.cpp) ---
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp(int x, int y);

    // --- Keyboard and screen readers (MainFormKeys.cpp) ---
    // A key pressed on the table; false when it is not one of the table's keys.
    bool PaintBox1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The table takes the keyboard (unless a dialog has it), at the stock.
    void FocusTheStock();
    // Whether the keyboard's frame shows: the table has the focus and the
    // player has used the keyboard on it since the last click.
    bool KeyFocusShown() const;
    // Moves the keyboard to a place and tells screen readers.
    void SetKeyFocus(const TTableStop& stop);
    void TellAccessibleFocus();
    // Space or Return on the keyboard's place: the same routines as the mouse.
    void ActOnKeyFocus(bool space);
    // Shifts the meld row so that the keyboard's place shows; true when it moved.
    bool ScrollToKeyFocus(const TTableLayout& layout);

    // --- Painting (MainFormPaint.cpp) ---
    void PaintBox1Paint();
    // Reads the card artwork from `directory`. False, with ArtworkError set to
    // the message for the user, when a file is missing or damaged.
    bool LoadCardArtwork(const QString& directory);
    // Shows ArtworkError and ends the program; the window never appears.
    void ReportArtworkError();
    // True when the faces were made anew.
    bool FollowScreenResolution();
    void UsePictures(qreal devicePixelRatio);
    bool PlaceScrollBar(const TTableLayout& layout);
    // What a painting of `game` reads besides it and its layout; marks included.
    TTableScene Scene(const TGame& game, int32_t paintCount, const TTurnRecord& turn);

    // --- Larger cards (MainFormScale.cpp) ---
    // The scale the table is to be drawn at now: the card size chosen, as far
    // as the screen holds it, or the window's.
    qreal WantedScale() const;
    // The table's size in units of the layout at TableScale.
    QSize TableUnits() const;
    // A widget coordinate as a table one, and a place of the table in the widget.
    int32_t ToTable(int coordinate) const;
    QRect ToWidget(const TRect& place) const;
    // "Kartengröße": keeps the choice and shows the table at it.
    void SetCardSize(TCardSize size);
    // The minimum size of the table at the chosen card size, and a window large enough for it.
    void FitWindowToCardSize();

    // --- The draw hint's blink (MainFormBlink.cpp) ---
    void Timer1Timer();
    int64_t CurrentTick() const;
    void CountQuietTicks(int64_t tick);
    void ArmBlink();

    // --- The computer's turn on screen (MainFormComputerTurn.cpp) ---
    // TTableView
    void TableChanged() override;
    void ShowStatus(const QString& text) override;
    void ShowRefusal(const QString& text, const QString& caption) override;
    bool TakeJokerExchange(const TJokerOffer& offer, const QString& question,
                           const QString& caption) override;
    void ComputerTurnBegins() override;
    // Counts the game in the statistics and the list; the computer's last turn
    // is played out to its end before the end is told.
    void GameWon(int32_t seat) override;
    // Tells a game's end and deals the next.
    void AnnounceEnd();
    // After a turn of the computer: its sentence, at once or after playing it out.
    void ShowComputerTurn();
    // Shows the computer's turn step by step, at the chosen speed.
    void StartPlayout();
    // The next step, or the end after the last.
    void AdvancePlayout();
    void PaintStep(int step);
    // Ends the playing-out: the final table and the sentence.
    void FinishPlayout();
    void TellTableChanged();
    bool PlayingOut() const { return PlayoutStep >= 0; }

    // TTableHost
    const TTablePicture& ShownPicture() override;
    void TableMousePress(int x, int y) override;
    void TableMouseMove(int x, int y) override { PaintBox1MouseMove(ToTable(x), ToTable(y)); }
    void TableMouseRelease(int x, int y) override;
    bool TableKey(int key, Qt::KeyboardModifiers modifiers) override {
        return PaintBox1KeyDown(key, modifiers);
    }
    void TableFocusChanged(bool byKeyboard) override;
    void TableResized() override;
    QString TableToolTip(int x, int y) const override;
    // What the table shows: while the computer's turn plays out, its step.
    const TGame& TableGame() const override { return PlayingOut() ? StepGame : Table.Game; }
    bool TableHasKeyboard() const override;
    TTableStop KeyboardStop() const override { return KeyFocus; }
    QRect PlaceRect(const TTableStop& stop) const override { return ToWidget(StopRect(stop)); }
    // Where a place lies on the table, as the last painting drew it.
    TRect StopRect(const TTableStop& stop) const;

    // Controls.
    QMenu* SpielMenu;
    QAction* NeuesSpiel1;
    QAction* ContinueAction;
    QActionGroup* OpponentGroup;
    QAction* ClassicOpponentAction;
    QAction* StrongOpponentAction;
    QMenu* TableMenu;
    QAction* TableSizeActions[MostOpponents];
    QMenu* LevelMenus[MostOpponents];
    QAction* LevelActions[MostOpponents][2];  // classic, strong
    QAction* HintAction;
    QAction* StatisticsAction;
    QAction* ListAction;
    QAction* Einstellungen1;
    QAction* Beenden1;
    QMenu* HilfeMenu;
    QAction* Hilfe2;
    QAction* berdasProgramm1;
    QMenu* ViewMenu;
    QMenu* ComputerTurnMenu;
    QActionGroup* SpeedGroup;
    QAction* MarkMovesAction;
    QMenu* CardSizeMenu;
    QActionGroup* CardSizeGroup;
    QFrame* Panel1;
    QPushButton* UndoBtn;
    QLabel* StatusPanel;
    QFrame* Panel2;
    TPaintBox* PaintBox1;
    QScrollBar* ScrollBar1;
    QStatusBar* StatusBar1;
    TElidedLabel* StatusBarText;  // one sentence about what happened: the computer's move, a hint
    TListLine* ListLine;          // the list's totals
    QTimer* Timer1;
    QTimer* PlayoutTimer;
    QTimer* SettleTimer;  // runs while the window's size changes: faces are made anew once it stops
    TAboutBox* AboutBox;
    TOptionsForm* OptionsForm;
    THelpViewer* HelpViewer = nullptr;          // created by the first "&Hilfe..."
    TStatisticsForm* StatisticsForm = nullptr;  // created by the first "Statistik..."
    TListForm* ListForm = nullptr;              // created by the first "Liste..."

    // The game and the window's own fields.
    TTableController Table;
    TRect StockRect{};
    TRect DiscardRect{};
    QImage CardBack;
    bool PicturesMade = false;  // the card pictures of a size have been made once
    int32_t PaintCount = 0;
    int32_t DragMoves = 0;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    qreal TableScale = 1;                  // of the last painting: widget pixels per unit of the table
    std::vector<TDragOffset> DragOffsets;  // of each hand card to the mouse at the last press
    uint8_t SettingsLoaded = 0;
    uint8_t Dragging = 0;
    QString ProgramDir;  // the program's folder, ending in a separator
    QString ArtworkError;

    // The menu "Ansicht".
    TViewSettings View;
    // The window's place as the settings file has it, or as it first opened.
    std::optional<TWindowPlacement> KeptPlacement;
    // The step of the computer's turn shown, -1 when none.
    int PlayoutStep = -1;
    bool SwallowMouse = false;  // the click that ended a playing-out does nothing else
    TGame StepGame;             // the table of a step being played out; only painted
    TTablePainter StepPainter;  // the picture of that step; keeps the table's own painter's memory as it is
    struct TPendingEnd {
        int32_t Winner = -1;  // -1: none waits
        QString ListEnded;    // the list's message, when the game ended it
        bool Counted = true;  // the statistics took the game
    };
    TPendingEnd PendingEnd;      // a game's end waits for its last turn to be played out
    bool ComputerMoved = false;  // a turn of the computer began since the last look

    // Where the keyboard is on the table, and whether it is being used.
    TTableStop KeyFocus;
    bool KeyboardShown = false;
    // Where the table's notes for screen readers go; tests listen here.
    std::function<void(QAccessibleEvent*)> TellScreenReaders;
    // The hint on show: its frames over the table, its sentence in the status bar.
    std::vector<TTableMark> HintMarks;
    QString HintSentence;
    // Finished games, as last read from or written to the settings file, and
    // the games counted since that the file could not take yet.
    TGameStatistics Statistics;
    TOpponentKind OneOpponent = TOpponentKind::Classic;  // "[Gegner]": the computer of a table of two
    TTableSettings TableChoice;                          // "[Tisch]"
    std::vector<TCountedGame> UncountedGames;
    std::vector<TCountedList> UncountedLists;
    // The list in play and the last one, as kept in their file, and how they are kept.
    TScoreLists Lists;
    TListSettings ListSettings;
    bool ListFailureTold = false;
    // Where "Liste speichern…" writes; tests answer in place of the file dialog.
    std::function<QString()> ChooseExportFile;
    // The game in play, kept in its own file after each change.
    std::unique_ptr<TFileKeeper> Keeper;
    bool KeptGameWaiting = false;  // an earlier run's game lies there, neither continued nor given up
    QByteArray LastKept;           // the text last handed to the keeper
    bool FailuresTold[3] = {};     // by TKeepingFailure
    bool KeepingOff = false;       // another copy keeps the games of this data folder

    // The timer's tick. Ticks are counted from the window's creation on
    // BlinkClock (milliseconds), which tests may replace.
    static constexpr int64_t BlinkTickMs = 10;
    std::function<int64_t()> BlinkClock;
    QElapsedTimer BlinkElapsed;
    int64_t TicksCounted = 0;    // the last tick counted into PaintCount
    bool TicksPaint = false;     // the ticks since the last painting would have painted
    int64_t NextBlinkTick = -1;  // when the timer is due; -1 while it sleeps for good

    TArtworkShelf Artwork;   // every scale of the artwork, read when first needed
    TFaceComposer Composer;  // faces at the screen's pixel ratio times the table's scale
    TTablePainter TablePainter;

    TQtMessageBoxes QtMessageBoxes;
    TMessageBoxes* MessageBoxes = &QtMessageBoxes;
    bool SettingsSavedAtExit = false;
    bool SignalQuit = false;
};
