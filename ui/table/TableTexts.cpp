#include "ui/table/TableTexts.h"

#include "game/TurnRecord.h"

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

QString TableTip(const TGame& game, const TTableLayout& layout, int x, int y) {
    // From the top: the hand rows cover nothing of each other.
    if (layout.StockRect.Contains(x, y)) {
        return StockTip(game.Stock.Count());
    }
    if (layout.DiscardRect.Contains(x, y)) {
        return DiscardPileTip(game.DiscardPile.Count());
    }
    for (int i = game.OpponentCards.Count() - 1; i >= 0; --i) {
        if (OpponentCardRect(i).Contains(x, y)) {
            return ComputerHandTip(game.OpponentCards.Count());
        }
    }
    if (!MeldRowClip(layout.Width, layout.Height).Contains(x, y)) {
        return {};
    }
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TMeld& meld = game.TableMelds.At(m);
        if (meld.Cards == nullptr || !meld.Bounds.Contains(x, y)) {
            continue;
        }
        // The card on top where cards overlap: the later one.
        for (int j = meld.Cards->Count() - 1; j >= 0; --j) {
            if (MeldCardRect(meld.Bounds, j).Contains(x, y)) {
                const TCard& card = meld.Cards->At(j);
                return IsJoker(card) ? QString::fromStdString(MeldCardWords(card)) : QString();
            }
        }
    }
    return {};
}

QString StopName(const TGame& game, const TTableStop& stop) {
    switch (stop.Kind) {
        case TStopKind::ComputerHand:
            return "Computer, " + CardCount(game.OpponentCards.Count());
        case TStopKind::Stock:
            return "Stapel, " + CardCount(game.Stock.Count());
        case TStopKind::DiscardPile:
            return game.DiscardPile.Empty()
                       ? QString("Ablagestapel, leer")
                       : "Ablagestapel, oben " + QString::fromStdString(CardWords(game.DiscardPile.Last()));
        case TStopKind::Meld: {
            if (!StopExists(game, stop) || game.TableMelds.At(stop.Index).Cards == nullptr) {
                return {};
            }
            const TCardArray& cards = *game.TableMelds.At(stop.Index).Cards;
            // Told from the low end up, as a run is said aloud and as the status
            // sentence tells melds; the table draws it from the high end.
            QString name = QString("Auslage %1:").arg(stop.Index + 1);
            for (int j = cards.Count() - 1; j >= 0; --j) {
                name += (j == cards.Count() - 1 ? " " : ", ") +
                        QString::fromStdString(MeldCardWords(cards.At(j)));
            }
            return name;
        }
        case TStopKind::FreeTable:
            return "Freier Platz für eine neue Auslage";
        case TStopKind::HandCard: {
            if (!StopExists(game, stop)) {
                return {};
            }
            const TCard& card = game.OwnCards.At(stop.Index);
            return QString("Ihre Karte %1 von %2: ").arg(stop.Index + 1).arg(game.OwnCards.Count()) +
                   QString::fromStdString(CardWords(card)) + (card.Selected != 0 ? ", ausgewählt" : "");
        }
    }
    return {};
}
