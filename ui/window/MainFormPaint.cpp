// Painting the table and the card pictures.
#include <QCoreApplication>
#include <QFrame>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include <malloc.h>

#include "render/ArtworkFiles.h"
#include "render/TableLayout.h"
#include "settings/ProgramDir.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/table/TableTexts.h"
#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

bool TMainForm::LoadCardArtwork(const QString& directory) {
    const TArtworkLoad plain = Artwork.Open(directory);
    if (!plain.Problems.isEmpty()) {
        ArtworkError = ArtworkProblemText(directory, plain.Problems);
        return false;
    }
    ArtworkError.clear();
    if (PicturesMade) {
        UsePictures(Composer.DevicePixelRatio());
    }
    return true;
}

void TMainForm::ReportArtworkError() {
    // Without artwork there is nothing to play with: no window, only the message.
    setAttribute(Qt::WA_DontShowOnScreen);
    MessageBoxes->Show(nullptr, ArtworkError, tr("Kartenbilder fehlen"), TMessageIcon::Error);
    // Queued, so that it also ends an event loop that has not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
}

void TMainForm::CreateCardBack() {
    const QString found = FindDataPath("artwork");
    if (!LoadCardArtwork(found.isEmpty() ? ProgramDir + "artwork" : found)) {
        ReportArtworkError();
    }
    UsePictures(devicePixelRatioF());
}

// Faces and back are composed at the screen's pixel ratio times the table's
// scale. While the window's size changes, the faces it has are drawn fitted;
// new ones are made once the size has settled.
bool TMainForm::FollowScreenResolution() {
    const qreal wanted = devicePixelRatioF() * TableScale;
    if (wanted != Composer.DevicePixelRatio() && !SettleTimer->isActive()) {
        // The faces of the old size, their fitted copies and the picture that
        // shows them go before the artwork of the new size is read; this
        // painting records the whole table anew.
        TablePainter.Forget();
        StepPainter.Forget();
        UsePictures(wanted);
        return true;
    }
    return false;
}

// Large faces of fine screens take much memory: the artwork is let go once
// the pieces the faces take are cut from it, and a face is made only when a
// card first shows it.
void TMainForm::UsePictures(qreal devicePixelRatio) {
    PicturesMade = true;
    // Every face and piece of the old size goes before the new artwork is
    // read, and that one strip at a time.
    CardBack = QImage();
    Composer.SetUp(nullptr, devicePixelRatio);
    for (int32_t strip = 0; strip < static_cast<int32_t>(ArtworkStrips.size()); ++strip) {
        const TArtwork part = Artwork.Strip(devicePixelRatio, strip);
        Composer.UseArtwork(&part);
        if (CardBack.isNull() && !part.Back.isNull()) {
            CardBack = Composer.ComposeBack();
        }
        Composer.PrepareAndForgetArtwork();
    }
    if (CardBack.isNull()) {
        CardBack = Composer.ComposeBack();  // blue, without artwork
    }
}

void TMainForm::PaintBox1Paint() {
    // Whatever made this painting happen also ends a playing-out.
    if (PlayingOut()) {
        FinishPlayout();
    }
    CountQuietTicks(CurrentTick());
    TableScale = WantedScale();
    const bool newFaces = FollowScreenResolution();
    const QSize units = TableUnits();
    const std::vector<TOpponentHand> opponents = OpponentHands(OpponentCountsOf(Table.Game));
    TTableLayout layout =
        LayOutTable(Table.Game.TableMelds, units.width(), units.height(), ScrollBar1->value(), opponents);
    KeyFocus = ValidStop(Table.Game, KeyFocus);
    // Where the bar moves, for a new range or to show the keyboard's place, the
    // melds' rectangles follow it in this same painting, so that picture
    // and hit tests agree.
    if (PlaceScrollBar(layout)) {
        layout =
            LayOutTable(Table.Game.TableMelds, layout.Width, layout.Height, ScrollBar1->value(), opponents);
    }
    if (ScrollToKeyFocus(layout)) {
        layout =
            LayOutTable(Table.Game.TableMelds, layout.Width, layout.Height, ScrollBar1->value(), opponents);
    }
    StockRect = layout.StockRect;
    DiscardRect = layout.DiscardRect;

    TTableScene scene = Scene(Table.Game, PaintCount, Table.Game.OpponentTurn);
    scene.Marks.insert(scene.Marks.end(), HintMarks.begin(), HintMarks.end());
    if (KeyFocusShown()) {
        scene.Marks.push_back(FocusMark(Table.Game, KeyFocus));
    }
    TablePainter.Record(Table.Game, layout, scene);
    if (newFaces) {
        // Only now, with the last picture of the old size gone, are the old
        // faces and their fitted copies free; their memory goes back to the system.
        malloc_trim(0);
    }
    // A painting does not move the blink: only the clock's ticks do.
    PaintBox1->update();
    ArmBlink();
}

TTableScene TMainForm::Scene(const TGame& game, int32_t paintCount, const TTurnRecord& turn) {
    TTableScene scene;
    scene.DevicePixelRatio = devicePixelRatioF();
    scene.Scale = TableScale;
    scene.Box = PaintBox1->size();
    scene.TableColor = Panel2->palette().color(QPalette::Window);
    scene.Back = &CardBack;
    scene.Faces = Composer.Source();
    scene.PaintCount = paintCount;
    scene.Dragging = Dragging != 0;
    scene.DragOffsets = DragOffsets;
    scene.DragMoves = DragMoves;
    scene.MouseX = MouseX;
    scene.MouseY = MouseY;
    // The computer's cards of its last turn, until the player draws.
    if (View.MarkMoves && game.GameState == MustDraw) {
        scene.Marks = MoveMarks(game, turn);
    }
    return scene;
}

// The scroll bar sits above the hand row and scrolls the melds that do not fit.
// True when the new range moved the bar.
bool TMainForm::PlaceScrollBar(const TTableLayout& layout) {
    // Its height is the desktop's, whatever the cards' size.
    const int barHeight = ScrollBar1->sizeHint().height();
    const QRect line = ToWidget(ScrollBarRect(layout.Width, layout.Height, 0));
    ScrollBar1->setGeometry(line.left(), line.top() - barHeight,
                            std::max(0, PaintBox1->width() - line.left()), barHeight);
    // Setting the range is not the user scrolling: no change event.
    const QSignalBlocker quiet(ScrollBar1);
    if (layout.Overflow > 0) {
        ScrollBar1->setMaximum(layout.Overflow);
        ScrollBar1->setEnabled(true);
        ScrollBar1->setVisible(true);
    } else {
        ScrollBar1->setEnabled(false);
        ScrollBar1->setVisible(false);
        ScrollBar1->setValue(0);
    }
    return ScrollBar1->value() != layout.ScrollPosition;
}

QString TMainForm::TableToolTip(int x, int y) const {
    return TableTip(Table.Game, TablePainter.Drawn().Layout, ToTable(x), ToTable(y));
}

const TTablePicture& TMainForm::ShownPicture() {
    const TTablePicture& table = TablePainter.Picture();
    if (!table.Empty() && table.DevicePixelRatio() != PaintBox1->devicePixelRatioF()) {
        PaintBox1Paint();  // moved to a screen of another pixel ratio
    }
    return PlayingOut() ? StepPainter.Picture() : TablePainter.Picture();
}
