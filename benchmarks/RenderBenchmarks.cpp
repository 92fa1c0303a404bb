// Speed of card faces, table painting and the blink timer.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include "game/Game.h"
#include "render/Artwork.h"
#include "render/ArtworkShelf.h"
#include "render/FaceComposer.h"
#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

// The built artwork at least as fine as faces at this device scale.
const TArtwork& Artwork(qreal deviceScale) {
    static TArtworkShelf shelf;
    static const bool opened =
        shelf.Open(QDir(QCoreApplication::applicationDirPath()).filePath("artwork")).Problems.isEmpty();
    static const TArtwork none;
    return opened ? *shelf.For(deviceScale) : none;
}

// A new game in the main window: 110 faces freed and made, 58000 exchanges, the deal.
void BM_NewGame(benchmark::State& state) {
    TMainForm form(1);
    In(form).Controller.Game.NeuesSpiel();  // the faces of this screen are composed once
    for (auto _ : state) {
        In(form).Controller.Game.NeuesSpiel();
        benchmark::DoNotOptimize(In(form).Controller.Game.OwnCards.Count());
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

// The one-off composition of all 53 faces and the back for a screen.
void BM_ComposeAllFaces(benchmark::State& state) {
    const auto dpr = static_cast<qreal>(state.range(0));
    const TArtwork& artwork = Artwork(dpr);  // read once, as the program does
    TFaceComposer composer;
    for (auto _ : state) {
        composer.SetUp(&artwork, dpr);
        benchmark::DoNotOptimize(composer.ComposeBack());
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            for (int32_t rank = 2; rank <= Ass; ++rank) {
                benchmark::DoNotOptimize(composer.Face(suit, rank));
            }
        }
        benchmark::DoNotOptimize(composer.Face(Joker, JokerRank));
    }
}
BENCHMARK(BM_ComposeAllFaces)->ArgName("scale")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Reading the artwork of one scale from its strips, once per screen and scale.
void BM_ReadArtwork(benchmark::State& state) {
    const auto scale = static_cast<qreal>(state.range(0));
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath("artwork");
    for (auto _ : state) {
        TArtworkShelf shelf;
        shelf.Open(folder);
        benchmark::DoNotOptimize(shelf.For(scale)->Loaded());
    }
}
BENCHMARK(BM_ReadArtwork)->ArgName("scale")->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// A full table: the hands dealt, piles, six melds, two cards selected, painted
// into a box of width x height at pixel ratio dpr, the cards fitted to the
// window or not (the table laid out at 1/s of the box and drawn s times
// larger), with the computers' hands of `opponents` (none: the game's one).
void PaintFullTable(benchmark::State& state, int32_t width, int32_t height, qreal dpr, bool fitted,
                    int32_t dealt, const std::vector<TOpponentHand>& opponents) {
    const double scale = fitted ? FittedTableScale(width, height, 15, MostDeviceScale / dpr) : 1;
    TFaceComposer composer;
    composer.SetUp(&Artwork(dpr * scale), dpr * scale);
    TGame game(nullptr, 3);
    game.NextDeal.Cards = dealt;
    game.NeuesSpiel();
    MoveCard(game.Stock, 0, game.DiscardPile);
    for (int m = 0; m < 6; ++m) {
        TMeld* meld = game.TableMelds.Append();
        meld->Cards = new TCardArray();
        for (int i = 0; i < 3 + m % 2; ++i) {
            MoveCard(game.Stock, 0, *meld->Cards);
        }
    }
    game.OwnCards.At(3).Selected = 1;
    game.OwnCards.At(4).Selected = 1;
    const QImage back = composer.ComposeBack();
    TTableScene scene;
    scene.Faces = composer.Source();
    scene.DevicePixelRatio = dpr;
    scene.Scale = scale;
    scene.Box = QSize(width, height);
    scene.TableColor = QColor(0, 128, 0);
    scene.Back = &back;
    TTablePainter painter;
    QImage table;
    auto paint = [&] {
        ++scene.PaintCount;
        const TTableLayout layout = LayOutTable(game.TableMelds, static_cast<int32_t>(width / scale),
                                                static_cast<int32_t>(height / scale), 0, opponents);
        // As the window does: the steps worked out, then drawn into the screen's picture.
        painter.Record(game, layout, scene);
        const TTablePicture& picture = painter.Picture();
        if (table.size() != picture.DeviceSize()) {
            table = QImage(picture.DeviceSize(), QImage::Format_RGB32);
        }
        QPainter onto(&table);
        picture.Draw(onto);
        benchmark::DoNotOptimize(table.constBits());
    };
    // Faces are composed once per card size (BM_ComposeAllFaces), not per painting.
    paint();
    for (auto _ : state) {
        paint();
    }
}

// 12 + 12 hand cards. Arguments: width, height, device pixel ratio, and 1 for
// cards fitted to the window.
void BM_PaintTable(benchmark::State& state) {
    PaintFullTable(state, static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)),
                   static_cast<qreal>(state.range(2)), state.range(3) != 0, 12, {});
}
BENCHMARK(BM_PaintTable)
    ->ArgNames({"width", "height", "dpr", "fitted"})
    ->Args({680, 338, 1, 0})
    ->Args({1280, 800, 1, 0})
    ->Args({1920, 1080, 1, 0})
    ->Args({1280, 800, 2, 0})
    ->Args({3840, 2160, 1, 1})
    ->Unit(benchmark::kMicrosecond);

// A table of four at 3840 x 2160, cards fitted to the window, every hand
// dealt as many cards as the argument says; the three computers' face down
// with their words.
void BM_PaintFourSeats(benchmark::State& state) {
    const auto dealt = static_cast<int32_t>(state.range(0));
    const QString words = QString("Computer %1: %2 Karten");
    const std::vector<TOpponentHand> computers{
        {words.arg(1).arg(dealt), dealt}, {words.arg(2).arg(dealt), dealt}, {words.arg(3).arg(dealt), dealt}};
    PaintFullTable(state, 3840, 2160, 1, true, dealt, computers);
}
BENCHMARK(BM_PaintFourSeats)->ArgName("cards")->Arg(12)->Arg(16)->Unit(benchmark::kMicrosecond);

// What this machine needs at least to cover a 3840 x 2160 table with card
// pixels: one picture of that size copied onto it. The tables above copy
// about three quarters of their pixels from faces and backs; their times are
// read against this one.
void BM_CopyFrameFloor(benchmark::State& state) {
    QImage source(3840, 2160, QImage::Format_RGB32);
    source.fill(QColor(128, 0, 128));
    QImage table(source.size(), QImage::Format_RGB32);
    table.fill(Qt::green);
    for (auto _ : state) {
        QPainter onto(&table);
        onto.drawImage(0, 0, source);
        benchmark::DoNotOptimize(table.constBits());
    }
}
BENCHMARK(BM_CopyFrameFloor)->Unit(benchmark::kMicrosecond);

// What the window does per painting at 1280 x 800 before the screen draws it:
// layout, scroll bar, the table's steps, bookkeeping.
void BM_MainWindowPaint(benchmark::State& state) {
    TMainForm form(5);
    form.resize(1296, 800 + 41 + 24 + 19 + form.menuBar()->sizeHint().height());
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        In(form).Paint();
    }
    state.counters["width"] = TableOf(form)->width();
    state.counters["height"] = TableOf(form)->height();
}
BENCHMARK(BM_MainWindowPaint)->Unit(benchmark::kMicrosecond);

// One wake-up of the idle, blinking game: the timer sleeps until a frame comes
// or goes, then paints only that pile.
void BM_IdleTimerTick(benchmark::State& state) {
    TMainForm form(5);
    form.resize(1296, 960);
    form.show();
    QCoreApplication::processEvents();
    int64_t now = 0;
    In(form).StopBlinkClock(now);
    In(form).Paint();
    QTimer* blink = Named<QTimer>(form, "Timer1");
    for (auto _ : state) {
        now = In(form).BlinkDue();
        Fire(blink);
    }
}
BENCHMARK(BM_IdleTimerTick)->Unit(benchmark::kMicrosecond);

}  // namespace
