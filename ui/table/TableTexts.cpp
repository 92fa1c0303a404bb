#include "ui/table/TableTexts.h"

#include <QCoreApplication>

#include "game/record/TurnRecord.h"
#include "ui/table/GameWords.h"

QString TableName() {
    return QCoreApplication::translate("TableTexts", "Spieltisch");
}

QString CardCount(int cards) {
    return QCoreApplication::translate("TableTexts", "%n Karten", nullptr, cards);
}

QString StockTip(int cards) {
    return QCoreApplication::translate("TableTexts", "Stapel: %n Karten", nullptr, cards);
}

QString DiscardPileTip(int cards) {
    return QCoreApplication::translate("TableTexts", "Ablagestapel: %n Karten", nullptr, cards);
}

QString ComputerHandTip(int cards) {
    return QCoreApplication::translate("TableTexts", "Computer: %n Karten", nullptr, cards);
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
        if (meld.Cards == nullptr || !layout.Meld(m).Contains(x, y)) {
            continue;
        }
        // The card on top where cards overlap: the later one.
        for (int j = meld.Cards->Count() - 1; j >= 0; --j) {
            if (MeldCardRect(layout.Meld(m), j).Contains(x, y)) {
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
            return QCoreApplication::translate("TableTexts", "Computer, %n Karten", nullptr,
                                               game.OpponentCards.Count());
        case TStopKind::Stock:
            return QCoreApplication::translate("TableTexts", "Stapel, %n Karten", nullptr,
                                               game.Stock.Count());
        case TStopKind::DiscardPile:
            return game.DiscardPile.Empty()
                       ? QCoreApplication::translate("TableTexts", "Ablagestapel, leer")
                       : QCoreApplication::translate("TableTexts", "Ablagestapel, oben %1")
                             .arg(QString::fromStdString(CardWords(game.DiscardPile.Last())));
        case TStopKind::Meld: {
            if (!StopExists(game, stop) || game.TableMelds.At(stop.Index).Cards == nullptr) {
                return {};
            }
            const TCardArray& cards = *game.TableMelds.At(stop.Index).Cards;
            // Told from the low end up, as a run is said aloud and as the status
            // sentence tells melds; the table draws it from the high end.
            QString name = QCoreApplication::translate("TableTexts", "Auslage %1:").arg(stop.Index + 1);
            for (int j = cards.Count() - 1; j >= 0; --j) {
                name += (j == cards.Count() - 1 ? " " : ", ") +
                        QString::fromStdString(MeldCardWords(cards.At(j)));
            }
            return name;
        }
        case TStopKind::FreeTable:
            return QCoreApplication::translate("TableTexts", "Freier Platz für eine neue Auslage");
        case TStopKind::HandCard: {
            if (!StopExists(game, stop)) {
                return {};
            }
            const TCard& card = game.OwnCards.At(stop.Index);
            const QString words = QString::fromStdString(CardWords(card));
            return (card.Selected != 0
                        ? QCoreApplication::translate("TableTexts", "Ihre Karte %1 von %2: %3, ausgewählt")
                        : QCoreApplication::translate("TableTexts", "Ihre Karte %1 von %2: %3"))
                .arg(stop.Index + 1)
                .arg(game.OwnCards.Count())
                .arg(words);
        }
    }
    return {};
}
