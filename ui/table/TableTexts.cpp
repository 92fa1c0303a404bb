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

QString OpponentName(int32_t computer) {
    return QCoreApplication::translate("TableTexts", "Computer %1").arg(computer);
}

QString OpponentHandTip(int32_t computer, int cards) {
    return QCoreApplication::translate("TableTexts", "%1: %n Karten", nullptr, cards)
        .arg(OpponentName(computer));
}

std::vector<TOpponentHand> OpponentHands(const TOpponentCounts& cards) {
    std::vector<TOpponentHand> hands;
    for (size_t c = 0; c < cards.size(); ++c) {
        const auto computer = static_cast<int32_t>(c) + 1;
        hands.push_back({cards.size() > 1 ? OpponentHandTip(computer, cards[c]) : QString(), cards[c]});
    }
    return hands;
}

QString TableTip(const TGame& game, const TTableLayout& layout, int x, int y) {
    // From the top: the hand rows cover nothing of each other.
    if (layout.StockRect.Contains(x, y)) {
        return StockTip(game.Stock.Count());
    }
    if (layout.DiscardRect.Contains(x, y)) {
        return DiscardPileTip(game.DiscardPile.Count());
    }
    const std::vector<TOpponentPlace> opponents = ShownOpponents(game, layout);
    if (const int32_t c = OpponentAt(opponents, x, y); c >= 0) {
        const int32_t cards = opponents[c].Seat.Cards;
        return opponents.size() > 1 ? OpponentHandTip(c + 1, cards) : ComputerHandTip(cards);
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
        case TStopKind::OpponentHand: {
            if (!StopExists(game, stop)) {
                return {};
            }
            const int cards = game.Seats[stop.Index + 1].Hand.Count();
            return QCoreApplication::translate("TableTexts", "%1, %n Karten", nullptr, cards)
                .arg(OpponentName(stop.Index + 1));
        }
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
