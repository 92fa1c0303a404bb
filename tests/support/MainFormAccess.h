// The one door through which tests and measurements reach the main window's
// insides: its game, its controls, the fields of its last painting and the
// handlers the window's own events would call.
#pragma once

#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

class TMainFormAccess {
  public:
    explicit TMainFormAccess(TMainForm& form)
        : Form(form),
          Controller(form.Table),
          Game(form.Table.Game),
          SpielMenu(form.SpielMenu),
          NeuesSpiel1(form.NeuesSpiel1),
          ContinueAction(form.ContinueAction),
          OpponentGroup(form.OpponentGroup),
          ClassicOpponentAction(form.ClassicOpponentAction),
          StrongOpponentAction(form.StrongOpponentAction),
          HintAction(form.HintAction),
          StatisticsAction(form.StatisticsAction),
          ListAction(form.ListAction),
          Einstellungen1(form.Einstellungen1),
          Beenden1(form.Beenden1),
          HilfeMenu(form.HilfeMenu),
          Hilfe2(form.Hilfe2),
          berdasProgramm1(form.berdasProgramm1),
          ViewMenu(form.ViewMenu),
          ComputerTurnMenu(form.ComputerTurnMenu),
          MarkMovesAction(form.MarkMovesAction),
          CardSizeMenu(form.CardSizeMenu),
          Panel1(form.Panel1),
          UndoBtn(form.UndoBtn),
          StatusPanel(form.StatusPanel),
          Panel2(form.Panel2),
          PaintBox1(form.PaintBox1),
          ScrollBar1(form.ScrollBar1),
          StatusBar1(form.StatusBar1),
          StatusBarText(form.StatusBarText),
          ListLine(form.ListLine),
          Timer1(form.Timer1),
          SettleTimer(form.SettleTimer),
          OptionsForm(form.OptionsForm),
          HelpViewer(form.HelpViewer),
          StatisticsForm(form.StatisticsForm),
          ListForm(form.ListForm),
          StockRect(form.StockRect),
          DiscardRect(form.DiscardRect),
          CardBack(form.CardBack),
          TableScale(form.TableScale),
          PaintCount(form.PaintCount),
          DragMoves(form.DragMoves),
          DragOffsets(form.DragOffsets),
          MouseX(form.MouseX),
          MouseY(form.MouseY),
          SettingsLoaded(form.SettingsLoaded),
          Dragging(form.Dragging),
          ProgramDir(form.ProgramDir),
          ArtworkError(form.ArtworkError),
          View(form.View),
          Playback(form.Table.Playback()),
          KeyFocus(form.KeyFocus),
          TellScreenReaders(form.TellScreenReaders),
          HintMarks(form.HintMarks),
          Statistics(form.Statistics),
          Lists(form.Lists),
          ListSettings(form.ListSettings),
          ChooseExportFile(form.ChooseExportFile),
          Keeper(*form.Keeper),
          BlinkClock(form.BlinkClock),
          TicksCounted(form.TicksCounted),
          NextBlinkTick(form.NextBlinkTick) {}

    static constexpr int64_t BlinkTickMs = TMainForm::BlinkTickMs;

    void SetMessageBoxes(TMessageBoxes* boxes) { Form.SetMessageBoxes(boxes); }
    void ShowInStatusBar(const QString& text) { Form.ShowInStatusBar(text); }
    bool QuittingOnSignal() const { return Form.QuittingOnSignal(); }
    void NeuesSpiel1Click() { Form.NeuesSpiel1Click(); }
    void ChooseOpponent(TOpponentKind opponent) { Form.ChooseOpponent(opponent); }
    void ShowHint() { Form.ShowHint(); }
    void OpenStatistics() { Form.OpenStatistics(); }
    void OpenList() { Form.OpenList(); }
    void Einstellungen1Click() { Form.Einstellungen1Click(); }
    void Hilfe2Click() { Form.Hilfe2Click(); }
    void berdasProgramm1Click() { Form.berdasProgramm1Click(); }
    void UndoBtnClick() { Form.UndoBtnClick(); }
    void SetMoveSpeed(TMoveSpeed speed) { Form.SetMoveSpeed(speed); }
    void SetMarkMoves(bool mark) { Form.SetMarkMoves(mark); }
    void SetCardSize(TCardSize size) { Form.SetCardSize(size); }
    QRect PlaceRect(const TTableStop& stop) const { return Form.PlaceRect(stop); }
    void PaintBox1MouseDown(int x, int y) { Form.PaintBox1MouseDown(x, y); }
    void PaintBox1MouseMove(int x, int y) { Form.PaintBox1MouseMove(x, y); }
    void PaintBox1MouseUp(int x, int y) { Form.PaintBox1MouseUp(x, y); }
    bool PaintBox1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
        return Form.PaintBox1KeyDown(key, modifiers);
    }
    bool KeyFocusShown() const { return Form.KeyFocusShown(); }
    TRect StopRect(const TTableStop& stop) const { return Form.StopRect(stop); }
    void PaintBox1Paint() { Form.PaintBox1Paint(); }
    bool LoadCardArtwork(const QString& directory) { return Form.LoadCardArtwork(directory); }
    void ReportArtworkError() { Form.ReportArtworkError(); }
    QString TableToolTip(int x, int y) const { return Form.TableToolTip(x, y); }
    void Timer1Timer() { Form.Timer1Timer(); }
    int64_t CurrentTick() const { return Form.CurrentTick(); }
    void AdvancePlayout() { Form.AdvancePlayout(); }
    bool PlayingOut() const { return Form.PlayingOut(); }
    void DiscardSelected() { Form.DiscardSelected(); }
    void KeepGame() { Form.KeepGame(); }
    // What the paint box shows of the table after the last painting, and of
    // the step being played out.
    QImage Table() const { return Form.TablePainter.Picture().ToImage(); }
    QImage StepTable() const { return Form.StepPainter.Picture().ToImage(); }
    // A card's face as the window draws it.
    TFaceSource Faces() { return Form.Composer.Source(); }
    QImage Face(const TCard& card, TFaceUse use = TFaceUse::Whole) {
        return Form.Composer.Source()(card, use);
    }
    // Where the last painting put meld m, in table units.
    TRect MeldRect(int32_t m) const { return Form.TablePainter.Drawn().Layout.Meld(m); }

    TMainForm& Form;
    TTableController& Controller;
    TGame& Game;
    QMenu*& SpielMenu;
    QAction*& NeuesSpiel1;
    QAction*& ContinueAction;
    QActionGroup*& OpponentGroup;
    QAction*& ClassicOpponentAction;
    QAction*& StrongOpponentAction;
    QAction*& HintAction;
    QAction*& StatisticsAction;
    QAction*& ListAction;
    QAction*& Einstellungen1;
    QAction*& Beenden1;
    QMenu*& HilfeMenu;
    QAction*& Hilfe2;
    QAction*& berdasProgramm1;
    QMenu*& ViewMenu;
    QMenu*& ComputerTurnMenu;
    QAction*& MarkMovesAction;
    QMenu*& CardSizeMenu;
    QFrame*& Panel1;
    QPushButton*& UndoBtn;
    QLabel*& StatusPanel;
    QFrame*& Panel2;
    TPaintBox*& PaintBox1;
    QScrollBar*& ScrollBar1;
    QStatusBar*& StatusBar1;
    TElidedLabel*& StatusBarText;
    TListLine*& ListLine;
    QTimer*& Timer1;
    QTimer*& SettleTimer;
    TOptionsForm*& OptionsForm;
    THelpViewer*& HelpViewer;
    TStatisticsForm*& StatisticsForm;
    TListForm*& ListForm;
    TRect& StockRect;
    TRect& DiscardRect;
    QImage& CardBack;
    qreal& TableScale;
    int32_t& PaintCount;
    int32_t& DragMoves;
    std::vector<TDragOffset>& DragOffsets;
    int32_t& MouseX;
    int32_t& MouseY;
    uint8_t& SettingsLoaded;
    uint8_t& Dragging;
    QString& ProgramDir;
    QString& ArtworkError;
    TViewSettings& View;
    TTurnPlayback& Playback;
    TTableStop& KeyFocus;
    std::function<void(QAccessibleEvent*)>& TellScreenReaders;
    std::vector<TTableMark>& HintMarks;
    TGameStatistics& Statistics;
    TScoreLists& Lists;
    TListSettings& ListSettings;
    std::function<QString()>& ChooseExportFile;
    TFileKeeper& Keeper;
    std::function<int64_t()>& BlinkClock;
    int64_t& TicksCounted;
    int64_t& NextBlinkTick;
};

// In(form).Game, In(form).PaintBox1Paint(), ...
inline TMainFormAccess In(TMainForm& form) {
    return TMainFormAccess(form);
}
inline TMainFormAccess In(const TMainForm& form) {
    return TMainFormAccess(const_cast<TMainForm&>(form));
}
