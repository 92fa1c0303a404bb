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

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;
class TAboutBox;
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

  protected:
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
    // Counts the game in the statistics, then announces it.
    void ShowGameEnd(TGameEnd end, const std::string& text, const std::string& caption) override;
    CardFace* ComposeFace(int32_t suit, int32_t rank) override;
    void FreeFace(CardFace* face) override;

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
    void RestoreGameRecords();

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
    QFrame* Panel1;
    QPushButton* UndoBtn;
    QLabel* StatusPanel;
    QFrame* Panel2;
    TPaintBox* PaintBox1;
    QScrollBar* ScrollBar1;
    QStatusBar* StatusBar1;
    QLabel* StatusBarText;  // one sentence about what happened: the computer's move, a hint
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

  private:
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
    // The draw hint's blink.
    void CountQuietTicks(int64_t tick);
    void ArmBlink();

    TArtwork Artwork;        // the artwork as drawn for ordinary screens
    TArtwork ArtworkHiDpi;   // twice as fine, when present
    TFaceComposer Composer;  // faces at the screen's pixel ratio
    TTablePainter TablePainter;
    QElapsedTimer BlinkElapsed;

    TQtMessageBoxes QtMessageBoxes;
    TMessageBoxes* MessageBoxes = &QtMessageBoxes;
};
