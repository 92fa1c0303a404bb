// What the table says about its places, in German: the tooltips, and the names
// a screen reader reads.
#pragma once

#include <QString>

#include "game/Game.h"
#include "render/TableLayout.h"
#include "ui/table/TableStops.h"

// "1 Karte", "43 Karten".
QString CardCount(int cards);
// The table as a whole: "Spieltisch".
QString TableName();
QString StockTip(int cards);         // "Stapel: 43 Karten"
QString DiscardPileTip(int cards);   // "Ablagestapel: 5 Karten"
QString ComputerHandTip(int cards);  // "Computer: 9 Karten"
// The tooltip at (x, y) of a table laid out as `layout`, the painting's: a
// pile or the computer's hand with its count, a joker in a meld with what it
// stands for. Empty elsewhere.
QString TableTip(const TGame& game, const TTableLayout& layout, int x, int y);

// A place of the table: "Stapel, 43 Karten", "Ablagestapel, oben Herz Dame",
// "Auslage 2: Karo 4, Karo 5, Joker für Karo 6", "Ihre Karte 3 von 13: Kreuz Ass, ausgewählt".
QString StopName(const TGame& game, const TTableStop& stop);
