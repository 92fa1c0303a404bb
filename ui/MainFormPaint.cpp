// Painting the table and the card pictures.
#include <QCoreApplication>
#include <QFrame>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "render/CardFace.h"
#include "render/TableLayout.h"
#include "ui/MainForm.h"
#include "ui/ProgramDir.h"

bool TMainForm::LoadCardArtwork(const QString& directory) {
    TArtworkLoad plain = LoadArtwork(directory, 1);
    if (!plain.Problems.isEmpty()) {
        ArtworkError = ArtworkProblemText(directory, plain.Problems);
        return false;
    }
    // The finer set only sharpens HiDPI screens; without it they scale the plain one.
    TArtworkLoad fine = LoadArtwork(directory, 2);
    Artwork = plain.Artwork;
    ArtworkHiDpi = fine.Problems.isEmpty() ? fine.Artwork : TArtwork{};
    ArtworkError.clear();
    if (CardBack != nullptr) {
        UsePictures(devicePixelRatioF());
    }
    return true;
}

void TMainForm::ReportArtworkError() {
    // Without artwork there is nothing to play with: no window, only the message.
    setAttribute(Qt::WA_DontShowOnScreen);
    MessageBoxes->Show(nullptr, ArtworkError, "Kartenbilder fehlen", TMessageIcon::Error);
    // Queued, so that it also ends an event loop that has not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
}

const TArtwork* TMainForm::ArtworkFor(qreal devicePixelRatio) const {
    return devicePixelRatio > 1 && ArtworkHiDpi.Loaded() ? &ArtworkHiDpi : &Artwork;
}

void TMainForm::CreateCardBack() {
    const QString found = FindDataPath("artwork");
    if (!LoadCardArtwork(found.isEmpty() ? ProgramDir + "artwork" : found)) {
        ReportArtworkError();
    }
    UsePictures(devicePixelRatioF());
}

// Faces and back are composed at the screen's pixel ratio.
void TMainForm::FollowScreenResolution() {
    const qreal dpr = devicePixelRatioF();
    if (dpr != Composer.DevicePixelRatio()) {
        UsePictures(dpr);
    }
}

// Every card gets its picture anew, in place, so that its owner stays the same.
void TMainForm::UsePictures(qreal devicePixelRatio) {
    Composer.SetUp(ArtworkFor(devicePixelRatio), devicePixelRatio);
    if (CardBack == nullptr) {
        CardBack = new CardFace;
    }
    CardBack->Image = Composer.ComposeBack();
    auto refresh = [this](TCardArray& cards) {
        for (int i = 0; i < cards.Count(); ++i) {
            TCard& card = cards.At(i);
            if (card.Image != nullptr) {
                card.Image->Image = Composer.Face(card.Suit, card.Rank);
            }
        }
    };
    refresh(Game.OwnCards);
    refresh(Game.OpponentCards);
    refresh(Game.Stock);
    refresh(Game.DiscardPile);
    for (int i = 0; i < Game.TableMelds.Count(); ++i) {
        if (Game.TableMelds.At(i).Cards != nullptr) {
            refresh(*Game.TableMelds.At(i).Cards);
        }
    }
}

CardFace* TMainForm::ComposeFace(int32_t suit, int32_t rank) {
    // The pixels are shared with every other card of the same face.
    return new CardFace{Composer.Face(suit, rank)};
}

void TMainForm::FreeFace(CardFace* face) {
    delete face;
}

void TMainForm::Repaint() {
    PaintBox1Paint();
}

void TMainForm::PaintBox1Paint() {
    ComposeTable(nullptr);
}

void TMainForm::ComposeTable(const TRect* area) {
    FollowScreenResolution();
    CardWidth = CardBitmapWidth;
    CardHeight = CardBitmapHeight;

    TTableScene scene;
    scene.Width = PaintBox1->width();
    scene.Height = PaintBox1->height();
    scene.DevicePixelRatio = devicePixelRatioF();
    scene.TableColor = Panel2->palette().color(QPalette::Window);
    scene.Back = CardBack != nullptr ? &CardBack->Image : nullptr;
    scene.PaintCount = PaintCount;
    scene.ScrollPosition = ScrollBar1->value();
    scene.Dragging = Dragging != 0;
    scene.DragMoves = DragMoves;
    scene.MouseX = MouseX;
    scene.MouseY = MouseY;
    TTablePainted painted = TablePainter.Paint(Table, Game, scene, area);
    StockRect = painted.StockRect;
    DiscardRect = painted.DiscardRect;
    PaintCount = NextPaintCount(PaintCount);

    // A partial painting only redraws the blinking piles: the meld row and its
    // scroll bar are as the last full painting left them.
    if (area == nullptr) {
        PlaceScrollBar(scene, painted);
    }

    LastStockHint = painted.StockHint;
    LastDiscardHint = painted.DiscardHint;
    CollectTableInputs(LastTableInputs);
    if (painted.WholeTable || area == nullptr) {
        PaintBox1->update();
        return;
    }
    PaintBox1->update(area->Left, area->Top, area->Right - area->Left, area->Bottom - area->Top);
}

// The scroll bar sits above the hand row and scrolls the melds that do not fit.
void TMainForm::PlaceScrollBar(TTableScene& scene, TTablePainted& painted) {
    const int barHeight = ScrollBar1->sizeHint().height();
    const TRect bar = ScrollBarRect(scene.Width, scene.Height, barHeight);
    ScrollBar1->setGeometry(bar.Left, bar.Top, std::max(0, bar.Right - bar.Left), barHeight);
    const int32_t overflow = MeldRowOverflow(painted.MeldRowEnd, scene.Width, scene.ScrollPosition);
    {
        // Setting the range is not the user scrolling: no change event.
        const QSignalBlocker quiet(ScrollBar1);
        if (overflow > 0) {
            ScrollBar1->setMaximum(overflow);
            ScrollBar1->setEnabled(true);
            ScrollBar1->setVisible(true);
        } else {
            ScrollBar1->setEnabled(false);
            ScrollBar1->setVisible(false);
            ScrollBar1->setValue(0);
        }
    }
    if (ScrollBar1->value() != scene.ScrollPosition) {
        // The new range moved the bar: the melds and their Bounds follow it in
        // this same painting, so picture and hit tests agree.
        scene.ScrollPosition = ScrollBar1->value();
        painted = TablePainter.Paint(Table, Game, scene, nullptr);
    }
}

// Everything the picture of the table depends on, except PaintCount.
void TMainForm::CollectTableInputs(std::vector<int64_t>& inputs) const {
    inputs.clear();
    auto faceKey = [](const TCard& card) { return card.Image != nullptr ? card.Image->Image.cacheKey() : 0; };
    inputs.insert(inputs.end(),
                  {PaintBox1->width(), PaintBox1->height(), qRound64(devicePixelRatioF() * 1000),
                   Panel2->palette().color(QPalette::Window).rgba(),
                   CardBack != nullptr ? CardBack->Image.cacheKey() : 0, Table.cacheKey(),
                   ScrollBar1->value(), Game.GameState, Dragging, DragMoves <= 3 ? 1 : 0, MouseX, MouseY,
                   Game.OpponentCards.Count(), Game.DiscardPile.Count()});
    if (!Game.DiscardPile.Empty()) {
        inputs.push_back(faceKey(Game.DiscardPile.Last()));
    }
    inputs.push_back(Game.TableMelds.Count());
    for (int m = 0; m < Game.TableMelds.Count(); ++m) {
        const TCardArray* cards = Game.TableMelds.At(m).Cards;
        inputs.push_back(cards != nullptr ? cards->Count() : -1);
        for (int j = 0; cards != nullptr && j < cards->Count(); ++j) {
            inputs.push_back(faceKey(cards->At(j)));
        }
    }
    inputs.push_back(Game.OwnCards.Count());
    for (int i = 0; i < Game.OwnCards.Count(); ++i) {
        const TCard& card = Game.OwnCards.At(i);
        inputs.insert(inputs.end(), {faceKey(card), card.Selected, card.DragDX, card.DragDY});
    }
}

void TMainForm::Timer1Timer() {
    if (Game.GameState != 0) {
        return;
    }
    // A tick only makes the draw hint blink. When nothing else changed since the
    // last painting, only the piles can look different, and mostly not even they.
    CollectTableInputs(TableInputs);
    if (TableInputs == LastTableInputs) {
        const bool stock = StockHintAt(Game.GameState, PaintCount);
        const bool discard = DiscardHintAt(Game.GameState, PaintCount, !Game.DiscardPile.Empty());
        if (stock == LastStockHint && discard == LastDiscardHint) {
            PaintCount = NextPaintCount(PaintCount);
            return;
        }
        // Only the frame that comes or goes, and with it the outline of the
        // empty discard place when no card has set the pen black before it.
        const int32_t h = PaintBox1->height();
        TRect area = HintFrameArea(stock != LastStockHint ? StockPileRect(h) : DiscardPileRect(h));
        if (stock != LastStockHint && (discard != LastDiscardHint || Game.OpponentCards.Empty())) {
            area = HintArea(h);
        }
        ComposeTable(&area);
        return;
    }
    PaintBox1Paint();
}
