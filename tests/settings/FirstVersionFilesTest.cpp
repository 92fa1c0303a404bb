// Kept files as the game wrote them before cards had ids (version 1): each
// continues with every card where it lay, carrying every mark it had.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "game/Game.h"
#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"

namespace {

// Version 1 wrote a card as [suit, rank, fromTable, fixedOnTable, takeBack,
// selected, meldOrder, asRank, asSuit, dragDX, dragDY].
void ExpectCards(const std::vector<TCard>& cards, const QJsonValue& written, const char* pile) {
    const QJsonArray raw = written.toArray();
    ASSERT_EQ(cards.size(), static_cast<size_t>(raw.size())) << pile;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QJsonArray f = raw[i].toArray();
        const TCard& c = cards[static_cast<size_t>(i)];
        const int read[] = {c.Suit,     c.Rank,      c.FromTable, c.FixedOnTable, c.TakeBack,
                            c.Selected, c.MeldOrder, c.AsRank,    c.AsSuit};
        for (int field = 0; field < 9; ++field) {
            EXPECT_EQ(read[field], f[field].toInt()) << pile << " card " << i << " field " << field;
        }
    }
}

// The card a step of version 1 names by its place: [pile, meld, index], the
// piles hand, computer, stock, discard pile, meld.
const TCard* Lying(const TGameSnapshot& s, const QJsonArray& place) {
    const std::vector<TCard>* piles[] = {&s.Hand, &s.Computer, &s.Stock, &s.DiscardPile};
    const int pile = place[0].toInt();
    const std::vector<TCard>& cards = pile == 4 ? s.Melds.at(place[1].toInt()) : *piles[pile];
    const int index = place[2].toInt();
    return index >= 0 ? &cards.at(static_cast<size_t>(index)) : nullptr;
}

TEST(FirstVersionFilesTest, EveryCardLiesWhereItLayAndTheLastTurnNamesTheCardsItMoved) {
    const QDir folder(BRISKO_TEST_SOURCE_DIR "/settings/format1");
    const QStringList names = folder.entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 7);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        const QJsonObject raw = QJsonDocument::fromJson(text).object();
        ASSERT_EQ(raw["version"].toInt(), 1);

        const TKeptGameParse parse = ParseKeptGame(text);
        ASSERT_EQ(parse.Problem, "");
        const TGameSnapshot& s = parse.Kept.Game;
        ExpectCards(s.Hand, raw["hand"], "hand");
        ExpectCards(s.Computer, raw["computer"], "computer");
        ExpectCards(s.Stock, raw["stock"], "stock");
        ExpectCards(s.DiscardPile, raw["discardPile"], "discard pile");
        const QJsonArray melds = raw["melds"].toArray();
        ASSERT_EQ(s.Melds.size(), static_cast<size_t>(melds.size()));
        for (qsizetype m = 0; m < melds.size(); ++m) {
            ExpectCards(s.Melds[static_cast<size_t>(m)], melds[m], "meld");
        }
        EXPECT_EQ(s.PlayerDraws, raw["playerDraws"].toInt());
        EXPECT_EQ(parse.Kept.MeldRowScroll, raw["meldRowScroll"].toInt());

        // A step's card is the very card lying where the file said.
        const QJsonArray steps = raw["computerTurn"].toArray();
        ASSERT_EQ(s.OpponentTurn.Steps.size(), static_cast<size_t>(steps.size()));
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const TTurnStep& step = s.OpponentTurn.Steps[static_cast<size_t>(i)];
            const QJsonObject written = steps[i].toObject();
            if (const TCard* lying = Lying(s, written["cardAt"].toArray())) {
                EXPECT_EQ(step.Card.Id, lying->Id) << "step " << i;
            }
            const QJsonArray places = written["cardsAt"].toArray();
            ASSERT_EQ(step.Cards.size(), static_cast<size_t>(places.size()));
            for (qsizetype c = 0; c < places.size(); ++c) {
                EXPECT_EQ(step.Cards[static_cast<size_t>(c)].Id, Lying(s, places[c].toArray())->Id) << i;
            }
        }

        // The game continues from it, and keeps it again as version 2 unchanged.
        TGame game;
        ASSERT_TRUE(RestoreSnapshot(game, s));
        const QByteArray second = KeptGameText({TakeSnapshot(game), parse.Kept.MeldRowScroll});
        EXPECT_EQ(QJsonDocument::fromJson(second).object()["version"].toInt(), 2);
        const TKeptGameParse again = ParseKeptGame(second);
        ASSERT_EQ(again.Problem, "");
        EXPECT_EQ(KeptGameText(again.Kept), second);
    }
}

// A game without a window wrote its last turn's cards as lying nowhere: each
// is then the first card of its kind.
TEST(FirstVersionFilesTest, AStepCardLyingNowhereIsTheFirstOfItsKind) {
    QFile file(BRISKO_TEST_SOURCE_DIR "/settings/format1/drew-from-pile.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject raw = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray steps = raw["computerTurn"].toArray();
    QJsonObject discard = steps.last().toObject();
    discard["cardAt"] = QJsonArray{0, -1, -1};
    steps[steps.size() - 1] = discard;
    raw["computerTurn"] = steps;

    const TKeptGameParse parse = ParseKeptGame(QJsonDocument(raw).toJson());
    ASSERT_EQ(parse.Problem, "");
    const TCard& card = parse.Kept.Game.OpponentTurn.Steps.back().Card;
    int32_t first = 0;
    while (!IdNames(first, card.Suit, card.Rank)) {
        ++first;
    }
    EXPECT_EQ(card.Id, first);
}

}  // namespace
