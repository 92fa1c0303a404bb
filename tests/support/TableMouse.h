// The player's mouse on the main window's table.
#pragma once

#include <QTest>

#include "render/TableLayout.h"
#include "tests/support/WindowParts.h"

// The player drags hand card `index` (not selected) onto the discard pile, at the designed card size.
inline void DragToDiscard(QObject& form, int index) {
    TPaintBox* table = TableOf(form);
    const TRect card = HandCardRect(index, table->height());
    const QPoint from(card.Left + 10, card.Top + 40);  // the left part: this card lies on top there
    const QPoint to = PlaceOf(form, {TStopKind::DiscardPile}).center();
    QTest::mousePress(table, Qt::LeftButton, {}, from);
    QTest::mouseMove(table, to);
    QTest::mouseRelease(table, Qt::LeftButton, {}, to);
}
