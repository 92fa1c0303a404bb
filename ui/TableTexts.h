// What the table says about its places, in German: the tooltips.
#pragma once

#include <QString>

// "1 Karte", "43 Karten".
QString CardCount(int cards);
QString StockTip(int cards);         // "Stapel: 43 Karten"
QString DiscardPileTip(int cards);   // "Ablagestapel: 5 Karten"
QString ComputerHandTip(int cards);  // "Computer: 9 Karten"
