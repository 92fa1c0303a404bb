// What the table says about its places, in German: the tooltips, and the names
// a screen reader reads.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

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
// At a table of three or four, computer 1, 2 or 3: "Computer 2".
QString OpponentName(int32_t computer);
QString OpponentHandTip(int32_t computer, int cards);  // "Computer 2: 9 Karten"
// The computers' hands as the table shows them, computer 1 first: each with
// its words, unless it is the only one.
std::vector<TOpponentHand> OpponentHands(const TOpponentCounts& cards);
// The tooltip at (x, y) of a table laid out as `layout`, the painting's: a
// pile or a computer's hand with its count, a joker in a meld with what it
// stands for. Empty elsewhere.
QString TableTip(const TGame& game, const TTableLayout& layout, int x, int y);

// A place of the table: "Stapel, 43 Karten", "Ablagestapel, oben Herz Dame",
// "Auslage 2: Karo 4, Karo 5, Joker für Karo 6", "Ihre Karte 3 von 13: Kreuz Ass, ausgewählt",
// "Computer 2, 9 Karten".
QString StopName(const TGame& game, const TTableStop& stop);
