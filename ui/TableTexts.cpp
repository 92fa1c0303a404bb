#include "ui/TableTexts.h"

QString CardCount(int cards) {
    return cards == 1 ? QString("1 Karte") : QString("%1 Karten").arg(cards);
}

QString StockTip(int cards) {
    return "Stapel: " + CardCount(cards);
}

QString DiscardPileTip(int cards) {
    return "Ablagestapel: " + CardCount(cards);
}

QString ComputerHandTip(int cards) {
    return "Computer: " + CardCount(cards);
}
