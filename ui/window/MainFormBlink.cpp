// The draw hint's blink, by the clock: while the player has to draw, every
// tick of 10 ms counts into PaintCount, whatever else is painted meanwhile,
// and a tick differs from the one before only when a red frame comes or goes.
// The timer therefore sleeps until such a tick and counts the ticks in between.
#include <QTimer>
#include <algorithm>
#include <limits>
#include <optional>

#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

int64_t TMainForm::CurrentTick() const {
    return BlinkClock() / BlinkTickMs;
}

void TMainForm::CountQuietTicks(int64_t tick) {
    if (tick <= TicksCounted) {
        return;
    }
    if (TicksPaint) {
        // As many steps of NextPaintCount: counting from 0 again past the largest value.
        constexpr int64_t period = int64_t{std::numeric_limits<int32_t>::max()} + 1;
        PaintCount = static_cast<int32_t>((PaintCount + (tick - TicksCounted)) % period);
    }
    TicksCounted = tick;
}

void TMainForm::ArmBlink() {
    TicksPaint = Table.Game.GameState == MustDraw;
    const int32_t quiet = TicksPaint ? TablePainter.PaintingsUntilBlink(Table.Game, PaintCount) : -1;
    if (quiet < 0) {
        Timer1->stop();
        NextBlinkTick = -1;
        return;
    }
    NextBlinkTick = TicksCounted + 1 + quiet;
    Timer1->start(static_cast<int>(std::max<int64_t>(0, NextBlinkTick * BlinkTickMs - BlinkClock())));
}

void TMainForm::Timer1Timer() {
    const int64_t now = CurrentTick();
    if (NextBlinkTick < 0 || now < NextBlinkTick) {
        ArmBlink();  // woken early: sleep on until the tick is due
        return;
    }
    CountQuietTicks(now - 1);
    TicksCounted = now;
    if (TicksPaint) {
        if (devicePixelRatioF() != TablePainter.Drawn().Scene.DevicePixelRatio) {
            PaintBox1Paint();  // another screen: every picture is made anew
            return;
        }
        if (const std::optional<TRect> area = TablePainter.Blink(Table.Game, PaintCount)) {
            PaintBox1->update(ToWidget(*area));
        }
        PaintCount = NextPaintCount(PaintCount);
    }
    ArmBlink();
}
