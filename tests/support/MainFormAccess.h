// The door through which tests and measurements reach what only the main
// window can answer: the controller that holds its game, its last painting
// and the faces it drew it with, the draw hint's clock, the card artwork, the
// stores it keeps, and the seams tests put in place of message boxes and the
// file dialog. Menus, actions and widgets are reached by object name
// (WindowParts.h), the game through the controller.
#pragma once

#include "ui/window/MainForm.h"

class TMainFormAccess {
  public:
    explicit TMainFormAccess(TMainForm& form)
        : Controller(form.Table),
          PaintCount(form.PaintCount),
          TellScreenReaders(form.TellScreenReaders),
          Statistics(form.Statistics),
          Lists(form.Lists),
          ChooseExportFile(form.ChooseExportFile),
          Keeper(*form.Keeper),
          Form(form) {}

    TTableController& Controller;

    // Paints the table as the game lies now, after a test laid it out by hand.
    void Paint() { Form.PaintBox1Paint(); }
    // What the paint box shows: the last painting, or the step of the
    // computer's turn being played out.
    QImage Table() const {
        return (Form.PlayingOut() ? Form.StepPainter : Form.TablePainter).Picture().ToImage();
    }
    // What the last painting of the table drew: its layout (piles, melds) and
    // its scene (scale, marks, the dragged cards).
    const TTableDrawState& Drawn() const { return Form.TablePainter.Drawn(); }

    // The draw hint's blink: from now on its clock stands at `now` (ms), which
    // starts at the last tick counted and moves only as the test moves it.
    void StopBlinkClock(int64_t& now) {
        now = Form.TicksCounted * TMainForm::BlinkTickMs;
        Form.BlinkClock = [&now] { return now; };
    }
    // When on that clock the blink's timer is due; -1 while it sleeps.
    int64_t BlinkDue() const {
        return Form.NextBlinkTick < 0 ? -1 : Form.NextBlinkTick * TMainForm::BlinkTickMs;
    }
    // The blink's count: the draw hint frames a pile at some counts, at 1 neither.
    int32_t& PaintCount;

    // Reads the card artwork from `directory`; false, with the message ready, when it cannot.
    bool LoadCardArtwork(const QString& directory) { return Form.LoadCardArtwork(directory); }
    // Tells that message and ends the program.
    void ReportArtworkError() { Form.ReportArtworkError(); }

    // Message boxes go to `boxes`; null restores the real ones.
    void SetMessageBoxes(TMessageBoxes* boxes) { Form.SetMessageBoxes(boxes); }
    // Where the table's notes for screen readers go.
    std::function<void(QAccessibleEvent*)>& TellScreenReaders;

    TGameStatistics& Statistics;
    TScoreLists& Lists;
    // Answers in place of the file dialog of "Liste speichern…".
    std::function<QString()>& ChooseExportFile;
    TFileKeeper& Keeper;

  private:
    TMainForm& Form;
};

// In(form).Controller.Game, In(form).Paint(), ...
inline TMainFormAccess In(TMainForm& form) {
    return TMainFormAccess(form);
}
inline TMainFormAccess In(const TMainForm& form) {
    return TMainFormAccess(const_cast<TMainForm&>(form));
}
