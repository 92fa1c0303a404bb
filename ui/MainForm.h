// The one main window: menu, take-back button, status line, the table and its scroll bar.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "game/Game.h"
#include "game/GameScreen.h"
#include "game/Hint.h"
#include "render/Artwork.h"
#include "render/FaceComposer.h"
#include "render/TablePainter.h"
#include "ui/GameStatistics.h"
#include "ui/MessageBoxes.h"
#include "ui/TableStops.h"
#include "ui/TurnPlayback.h"
#include "ui/ViewSettings.h"

class QAction;
class QAccessibleEvent;
class QActionGroup;
class QEventLoop;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;
class TAboutBox;
class TElidedLabel;
class THelpViewer;
class TOptionsForm;
class TProfileFile;
class TStatisticsForm;
class TMainForm;

// The table's size at the window's first showing.
inline const QSize DesignTableSize(680, 338);
// Lower than this, the hand row would cover the middle row; narrower, the
// piles and the start of the meld row would no longer fit.
inline const QSize MinimumTableSize(400, 334);

// The playing surface. It shows the table the main window composed last and
// hands its mouse events to the main window.
class TPaintBox final : public QWidget {
    Q_OBJECT
  public:
    explicit TPaintBox(TMainForm* form, QWidget* parent);
    QSize sizeHint() const override;
    TMainForm* MainForm() const { return Form; }
    // The window is going: from now on the paint box hands nothing on.
    void Detach() { Form = nullptr; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TMainForm* Form;
};

class TMainForm final : public QMainWindow, public TGameScreen {
    Q_OBJECT
  public:
    // FormCreate. The seed feeds the game's random generator.
    explicit TMainForm(uint64_t seed, QWidget* parent = nullptr);
    // FormDestroy.
    ~TMainForm() override;

    // Message boxes go here; tests replace them. Null restores the real ones.
    void SetMessageBoxes(TMessageBoxes* boxes);

    // TGameScreen
    void Repaint() override;
    void SetStatusLine(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    CardFace* ComposeFace(int32_t suit, int32_t rank) override;
    void FreeFace(CardFace* face) override;
    // Counts the game in the statistics, shows the computer's last turn to its
    // end, then announces the game's end.
    void ShowGameEnd(TGameEnd end, const std::string& text, const std::string& caption) override;
    void OpponentStep(const TTurnRecord& record) override;

    // Event handlers.
    void FormShow();
    void NeuesSpiel1Click();
    // "Gegner: Klassisch" / "Gegner: Stark": the opponent of the next game.
    void ChooseOpponent(TOpponentKind opponent);
    void Tipp1Click();
    void Statistik1Click();
    void Einstellungen1Click();
    void Beenden1Click();
    void Hilfe2Click();
    void berdasProgramm1Click();
    void UndoBtnClick();
    void ScrollBar1Change(int position);
    void Timer1Timer();
    void PaintBox1Paint();
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp(int x, int y);

    // Copies the settings dialog's values into the game.
    void ApplySettings();
    // The sentence in the status bar; empty clears it.
    void ShowInStatusBar(const QString& text);
    // The hint's frames and sentence go with the next action.
    void ClearHint();
    // Reads the opponent choice and the statistics from the settings file.
    // The view, the opponent and the record of games, from one reading of the settings file.
    void RestoreOwnSections();

    // --- The computer's turn on screen ---
    // The selected card onto the discard pile, and with it the computer's turn.
    void DiscardSelected();
    // After a turn of the computer: its sentence, at once or after playing it out.
    void ShowComputerTurn();
    // Shows the computer's turn step by step, at the chosen speed.
    void StartPlayout();
    // The next step, or the end after the last.
    void AdvancePlayout();
    // Ends the playing-out: the final table and the sentence.
    void FinishPlayout();
    bool PlayingOut() const { return PlayoutStep >= 0; }
    void SetMoveSpeed(TMoveSpeed speed);
    void SetMarkMoves(bool mark);
    // The tooltip of the table at (x, y), from the rectangles of the last painting.
    QString TableToolTip(int x, int y) const;

    // --- The keyboard on the table ---
    // A key pressed on the table; false when it is not one of the table's keys.
    bool PaintBox1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The table takes the keyboard (unless a dialog has it), at the stock.
    void FocusTheStock();
    // The table gained or lost the keyboard; `byKeyboard` when Tab brought it.
    void TableFocusChanged(bool byKeyboard);
    // Where a place lies on the table, as the last painting drew it.
    TRect StopRect(const TTableStop& stop) const;
    // Whether the keyboard's frame shows: the table has the focus and the
    // player has used the keyboard on it since the last click.
    bool KeyFocusShown() const;
    // The table holds the window's keyboard focus (also while another window is active).
    bool TableHasKeyboard() const { return focusWidget() == PaintBox1; }

    // The one save of the settings at program end, by "Beenden", the close
    // box or a signal; later calls do nothing.
    void SaveSettingsAtExit();
    // A signal ends the program: the settings are saved once, with failures
    // going to standard error, every open box and dialog goes away without
    // an answer, and the event loop ends.
    void QuitOnSignal();
    bool QuittingOnSignal() const { return SignalQuit; }

    // Controls.
    QMenu* SpielMenu;
    QAction* NeuesSpiel1;
    QActionGroup* GegnerGroup;
    QAction* GegnerKlassisch1;
    QAction* GegnerStark1;
    QAction* Tipp1;
    QAction* Statistik1;
    QAction* Einstellungen1;
    QAction* Beenden1;
    QMenu* HilfeMenu;
    QAction* Hilfe2;
    QAction* berdasProgramm1;
    QMenu* AnsichtMenu;
    QMenu* ZugDesComputers1;
    QActionGroup* SpeedGroup;
    QAction* MarkMoves1;
    QFrame* Panel1;
    QPushButton* UndoBtn;
    QLabel* StatusPanel;
    QFrame* Panel2;
    TPaintBox* PaintBox1;
    QScrollBar* ScrollBar1;
    QStatusBar* StatusBar1;
    TElidedLabel* StatusBarText;  // one sentence about what happened: the computer's move, a hint
    QTimer* Timer1;
    TAboutBox* AboutBox;
    TOptionsForm* OptionsForm;
    THelpViewer* HelpViewer = nullptr;          // created by the first "&Hilfe..."
    TStatisticsForm* StatisticsForm = nullptr;  // created by the first "Statistik..."

    // The game and the window's own fields.
    TGame Game;
    TRect StockRect{};
    TRect DiscardRect{};
    CardFace* CardBack = nullptr;
    int32_t PaintCount = 0;
    int32_t DragMoves = 0;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    int32_t CardWidth = 72;
    int32_t CardHeight = 108;
    uint8_t SettingsLoaded = 0;
    uint8_t Dragging = 0;
    QString ProgramDir;  // the program's folder, ending in a separator
    QString HelpFile;    // ProgramDir + "brisko.hlp"

    // The table as composed by the last painting; the paint box shows it.
    QImage Table;

    // The menu "Ansicht".
    TViewSettings View;
    // The computer's turn kept for playing it out; the step shown, -1 when none.
    TTurnPlayback Playback;
    int PlayoutStep = -1;
    QImage StepTable;           // the picture of that step
    bool SwallowMouse = false;  // the click that ended a playing-out does nothing else

    // Where the keyboard is on the table, and whether it is being used.
    TTableStop KeyFocus;
    bool KeyboardShown = false;
    // Where the table's notes for screen readers go; tests listen here.
    std::function<void(QAccessibleEvent*)> TellScreenReaders;
    QTimer* PlayoutTimer;
    // The hint on show: its frames over the table, its sentence in the status bar.
    std::vector<TTableMark> HintMarks;
    QString HintSentence;
    // Finished games, as last read from or written to the settings file.
    TGameStatistics Statistics;

    // The timer's tick. Ticks are counted from the window's creation on
    // BlinkClock (milliseconds), which tests may replace.
    static constexpr int64_t BlinkTickMs = 10;
    std::function<int64_t()> BlinkClock;
    int64_t CurrentTick() const;
    int64_t TicksCounted = 0;    // the last tick counted into PaintCount
    bool TicksPaint = false;     // the ticks since the last painting would have painted
    int64_t NextBlinkTick = -1;  // when the timer is due; -1 while it sleeps for good

    // Reads the card artwork from `directory`. False, with ArtworkError set to
    // the message for the user, when a file is missing or damaged.
    bool LoadCardArtwork(const QString& directory);
    // Shows ArtworkError and ends the program; the window never appears.
    void ReportArtworkError();
    QString ArtworkError;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A settings file problem: a box while playing, standard error while quitting on a signal.
    void ReportSettingsProblem(const QString& message, TMessageIcon icon);
    void CreateMenus();
    // Counts this game into the statistics and writes them; false when the
    // file could not be written.
    bool CountGame(bool won);
    void ResetStatistics();
    // Writes the settings file, reporting a failure; false then.
    bool UpdateSettingsFile(TProfileFile& ini);
    void ReportCannotWrite(const QString& fileName);
    void CreateControls();
    void CreateCardBack();
    // Painting.
    const TArtwork* ArtworkFor(qreal devicePixelRatio) const;
    void FollowScreenResolution();
    void UsePictures(qreal devicePixelRatio);
    bool PlaceScrollBar(const TTableLayout& layout);
    // What a painting of `game` reads besides it and its layout; marks included.
    TTableScene Scene(const TGame& game, int32_t paintCount, const TTurnRecord& turn) const;
    void PaintStep(int step);
    // Moves the keyboard to a place and tells screen readers.
    void SetKeyFocus(const TTableStop& stop);
    void TellAccessibleFocus();
    // Space or Return on the keyboard's place: the same routines as the mouse.
    void ActOnKeyFocus(bool space);
    // Shifts the meld row so that the keyboard's place shows; true when it moved.
    bool ScrollToKeyFocus(const TTableLayout& layout);
    void CreateViewMenu();
    void ShowViewSettings();
    void StoreViewSettings();
    // The draw hint's blink.
    void CountQuietTicks(int64_t tick);
    void ArmBlink();

    TArtwork Artwork;        // the artwork as drawn for ordinary screens
    TArtwork ArtworkHiDpi;   // twice as fine, when present
    TFaceComposer Composer;  // faces at the screen's pixel ratio
    TTablePainter TablePainter;
    QElapsedTimer BlinkElapsed;
    TGame StepGame;                     // the table of a step being played out; only painted
    TTablePainter StepPainter;          // keeps the table's own painter's memory as it is
    QEventLoop* PlayoutLoop = nullptr;  // while the loss waits for the playing-out
    bool ComputerMoved = false;         // a turn of the computer began since the last look

    TQtMessageBoxes QtMessageBoxes;
    TMessageBoxes* MessageBoxes = &QtMessageBoxes;
    bool SettingsSavedAtExit = false;
    bool SignalQuit = false;
};
