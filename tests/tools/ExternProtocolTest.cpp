// The open seat's messages and the reading of answers, hostile ones included.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "ExternProtocol.h"
#include "game/Game.h"
#include "game/record/CardNotation.h"
#include "tests/support/TestCards.h"

namespace {

TEST(ExternProtocolTest, CardsAreWrittenAndReadInOneNotation) {
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        for (int32_t rank = 2; rank <= Ass; ++rank) {
            TCardCode card;
            ASSERT_TRUE(ParseCardText(CardText(TCardCode{suit, rank}), card));
            EXPECT_EQ(card, (TCardCode{suit, rank}));
        }
    }
    EXPECT_EQ(CardText(TCardCode{Herz, 7}), "He7");
    EXPECT_EQ(CardText(TCardCode{Karo, 10}), "Ka10");
    EXPECT_EQ(CardText(TCardCode{Kreuz, Dame}), "KrD");
    EXPECT_EQ(CardText(TCardCode{Blatt, Ass}), "BlA");
    EXPECT_EQ(CardText(TCardCode{}), "*");
    TCardCode card{Herz, 7};
    EXPECT_TRUE(ParseCardText("*", card));
    EXPECT_EQ(card, TCardCode{});
    for (const char* bad :
         {"", "he7", "He1", "He11", "HeZ", "He7 ", " He7", "*He7", "**", "He", "Ka010", "Pi7"}) {
        EXPECT_FALSE(ParseCardText(bad, card)) << bad;
    }
}

QJsonObject Parsed(const std::string& line) {
    EXPECT_EQ(line.find('\n'), std::string::npos);
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

QStringList Strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        list.append(item.toString());
    }
    return list;
}

// The seat sees its own hand, the whole table, the pile, and of the other side
// only counts and what it did in the open.
TEST(ExternProtocolTest, TheSeatIsShownWhatThePlayerMaySee) {
    TGame game(nullptr, 4);
    game.NextDeal.MeldMinimum = 40;
    game.NeuesSpiel();
    SetHand(game, "He7 Kr2 *");
    PutMeld(game, "*He9 He8 He7", TFrom::Deck);
    PutMeld(game, "*Kr9 Bl9 Ka9", TFrom::Deck);
    // A joker thrown away after an exchange still carries the card it stood for; the pile shows it plain.
    PutCards(game, game.DiscardPile, "Ka2 Bl5 *Kr4", TFrom::Deck);
    game.Seen.Discarded(ComputerSeat, ParseCard("Bl5"));
    game.Seen.Discarded(PlayerSeat, ParseCard("Ka2"));
    game.Seen.TakenFromPile(ComputerSeat, ParseCard("*"));
    game.Seen.TakenFromPile(ComputerSeat, ParseCard("HeD"));
    game.Seen.TakenFromPile(PlayerSeat, ParseCard("KaD"));
    game.OpponentCameOut = 1;

    const QJsonObject draw = Parsed(SeatMessage(game, 3, nullptr));
    EXPECT_EQ(draw.keys(),
              QStringList({"came_out", "hand", "melds", "minimum", "other_came_out", "other_hand",
                           "other_threw", "other_took", "pile", "stock", "turn", "type"}));
    EXPECT_EQ(draw["type"].toString(), "draw");
    EXPECT_EQ(draw["turn"].toInt(), 3);
    EXPECT_EQ(Strings(draw["hand"]), QStringList({"Kr2", "He7", "*"}));
    ASSERT_EQ(draw["melds"].toArray().size(), 2);
    EXPECT_EQ(Strings(draw["melds"].toArray()[0]), QStringList({"*He9", "He8", "He7"}));
    EXPECT_EQ(Strings(draw["melds"].toArray()[1]), QStringList({"*Kr9", "Bl9", "Ka9"}));
    EXPECT_EQ(Strings(draw["pile"]), QStringList({"Ka2", "Bl5", "*"}));
    EXPECT_EQ(draw["stock"].toInt(), game.Stock.Count());
    EXPECT_EQ(draw["other_hand"].toInt(), game.OpponentCards.Count());
    EXPECT_FALSE(draw["came_out"].toBool());
    EXPECT_TRUE(draw["other_came_out"].toBool());
    EXPECT_EQ(Strings(draw["other_took"]), QStringList({"*", "HeD"}));
    EXPECT_EQ(Strings(draw["other_threw"]), QStringList({"Bl5"}));
    EXPECT_EQ(draw["minimum"].toInt(), 40);

    const TCard drawn = game.OwnCards.At(0);
    const QJsonObject play = Parsed(SeatMessage(game, 3, &drawn, 8));
    EXPECT_EQ(play["type"].toString(), "play");
    EXPECT_FALSE(draw.contains("id"));
    EXPECT_EQ(play["id"].toInt(), 8);
    EXPECT_EQ(play["drawn"].toString(), "Kr2");
}

// Version 3 shows every other seat, in turn order from the seat after the
// player's, and each only by counts and what it did in the open.
TEST(ExternProtocolTest, AtATableOfThreeTheSeatSeesEveryOtherSeatInTurnOrder) {
    TGame game(nullptr, 4);
    game.NextDeal.Seats = 3;
    game.NextDeal.Cards = 10;
    game.NeuesSpiel();
    MoveCard(game.Seats[2].Hand, 0, game.DiscardPile);
    game.Seen.Discarded(2, game.DiscardPile.Last());
    game.Seen.TakenFromPile(1, ParseCard("HeD"));
    game.Seen.TakenFromPile(1, ParseCard("*"));
    game.Seen.Discarded(PlayerSeat, ParseCard("Ka2"));
    game.Seats[2].CameOut = 1;
    const std::string thrown = HeldNotation(game.DiscardPile.Last());

    const QJsonObject draw = Parsed(SeatMessage(game, 2, nullptr, 5, 3));
    EXPECT_EQ(draw.keys(), QStringList({"came_out", "hand", "id", "melds", "minimum", "others", "pile",
                                        "stock", "turn", "type"}));
    const QJsonArray others = draw["others"].toArray();
    ASSERT_EQ(others.size(), 2);
    struct TOther {
        int Hand;
        bool CameOut;
        QStringList Took, Threw;
    } const expected[] = {{10, false, {"*", "HeD"}, {}}, {9, true, {}, {QString::fromStdString(thrown)}}};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject other = others[i].toObject();
        EXPECT_EQ(other.keys(), QStringList({"came_out", "hand", "threw", "took"}));
        EXPECT_EQ(other["hand"].toInt(), expected[i].Hand) << "seat " << i + 1;
        EXPECT_EQ(other["came_out"].toBool(), expected[i].CameOut) << "seat " << i + 1;
        EXPECT_EQ(Strings(other["took"]), expected[i].Took) << "seat " << i + 1;
        EXPECT_EQ(Strings(other["threw"]), expected[i].Threw) << "seat " << i + 1;
    }
    // Version 1 and 2 see the seat after theirs only, as ever.
    const QJsonObject old = Parsed(SeatMessage(game, 2, nullptr, 5, 2));
    EXPECT_FALSE(old.contains("others"));
    EXPECT_EQ(old["other_hand"].toInt(), 10);
    EXPECT_EQ(Strings(old["other_took"]), QStringList({"*", "HeD"}));

    TGameStart start{3, 7, false, TStrategy::Classic};
    start.Others = {TStrategy::Classic, TStrategy::Strong};
    start.Place = 2;
    game.CardsDealt = 10;
    EXPECT_EQ(GameMessage(game, start, 3),
              R"({"cards":10,"deal":3,"first":false,"game":7,"minimum":30,"opponents":["klassisch","stark"],)"
              R"("place":2,"type":"game"})");
    EXPECT_EQ(
        GameMessage(game, start, 2),
        R"({"cards":10,"deal":3,"first":false,"game":7,"minimum":30,"opponent":"klassisch","type":"game"})");
    EXPECT_EQ(HelloMessage(3), R"({"protocol":1,"type":"hello","versions":[3]})");
    EXPECT_EQ(HelloMessage(4), R"({"protocol":1,"type":"hello","versions":[3]})");
}

TEST(ExternProtocolTest, TheToolsOwnMessages) {
    TGame game;
    game.CardsDealt = 14;
    EXPECT_EQ(HelloMessage(), R"({"protocol":1,"type":"hello","versions":[1,2,3]})");
    EXPECT_EQ(
        GameMessage(game, TGameStart{2, 3, false, TStrategy::Strong}),
        R"({"cards":14,"deal":2,"first":false,"game":3,"minimum":30,"opponent":"stark","type":"game"})");
    EXPECT_EQ(EndMessage(TGameResult::Won, {0, 44}, ""), R"({"points":[0,44],"result":"won","type":"end"})");
    EXPECT_EQ(EndMessage(TGameResult::Lost, {96, 0}, ""),
              R"({"points":[96,0],"result":"lost","type":"end"})");
    EXPECT_EQ(EndMessage(TGameResult::Unfinished, {3, 7}, ""),
              R"({"points":[3,7],"result":"unfinished","type":"end"})");
    EXPECT_EQ(EndMessage(TGameResult::Forfeit, {5, 0}, "garbled answer: \"x\"\n"),
              R"({"points":[5,0],"reason":"garbled answer: \"x\"\n","result":"forfeit","type":"end"})");
}

TEST(ExternProtocolTest, AnswersAreReadInTheirOneShape) {
    std::string name;
    std::string error;
    int version = 0;
    EXPECT_TRUE(ReadHello(R"({"name": "Ada's player\u0007 2"})", name, version, error));
    EXPECT_EQ(name, "\"Ada's player? 2\"");
    EXPECT_EQ(version, 1);
    EXPECT_TRUE(
        ReadHello(R"({"name": ")" + std::string(50, 'n') + "\", \"protocol\": 2}", name, version, error));
    EXPECT_EQ(name, "\"" + std::string(40, 'n') + "...\"");
    EXPECT_EQ(version, 2);
    EXPECT_TRUE(ReadHello(R"({"name": "x", "protocol": 3})", name, version, error, OldestProtocolAt(4)));
    EXPECT_EQ(version, 3);

    // Version 2: an answer repeats its question's id, which its reader then takes.
    EXPECT_EQ(WrongAnswerId(R"({"draw": "pile", "id": 4})", 4), "");
    EXPECT_EQ(WrongAnswerId(R"({"draw": "pile", "id": 3})", 4), "an answer with id 3 to question 4");
    EXPECT_EQ(WrongAnswerId(R"({"draw": "pile"})", 4), "an answer without the id of question 4");
    EXPECT_EQ(WrongAnswerId("no JSON", 4), "");
    TPile numbered = TPile::Stock;
    EXPECT_TRUE(ReadDraw(R"({"draw": "pile", "id": 4})", numbered, error, true));
    EXPECT_FALSE(ReadDraw(R"({"draw": "pile", "id": 4})", numbered, error));

    TPile pile = TPile::Stock;
    EXPECT_TRUE(ReadDraw(R"({"draw": "pile"})", pile, error));
    EXPECT_EQ(pile, TPile::DiscardPile);
    EXPECT_TRUE(ReadDraw("{\"draw\":\"stock\"}\r", pile, error));
    EXPECT_EQ(pile, TPile::Stock);

    TPlay play;
    ASSERT_TRUE(ReadPlay(R"({"exchanges": ["He9"], "melds": [["Kr2", "Kr3", "*"], []],)"
                         R"( "layoffs": [{"cards": ["Ka5"], "meld": 2.0}], "discard": "*"})",
                         play, error))
        << error;
    EXPECT_EQ(play.Exchanges, std::vector<TCardCode>({{Herz, 9}}));
    ASSERT_EQ(play.Melds.size(), 2u);
    EXPECT_EQ(play.Melds[0], std::vector<TCardCode>({{Kreuz, 2}, {Kreuz, 3}, {}}));
    EXPECT_TRUE(play.Melds[1].empty());
    ASSERT_EQ(play.LayOffs.size(), 1u);
    EXPECT_EQ(play.LayOffs[0].Meld, 2);
    EXPECT_EQ(play.LayOffs[0].Cards, std::vector<TCardCode>({{Karo, 5}}));
    EXPECT_EQ(play.Discard, TCardCode{});
    TPlay least;
    EXPECT_TRUE(ReadPlay(R"({"discard": "KaA"})", least, error));
    EXPECT_TRUE(least.Melds.empty() && least.LayOffs.empty() && least.Exchanges.empty());
}

TEST(ExternProtocolTest, AnythingElseIsRefusedWithItsReason) {
    struct TCase {
        std::string Line;
        const char* Error;
    };
    const TCase hellos[] = {
        {"", "not JSON"},
        {R"(["name"])", "not a JSON object"},
        {R"({"name": " "})", "the name is empty"},
        {R"({"name": 7})", "the name is not a string"},
        {R"({})", "no name"},
        {R"({"name": "x", "version": 2})", "unknown field \"version\""},
        {R"({"name": "x", "protocol": 1.5})", "protocol is not a version the tool speaks (1 to 3)"},
        {R"({"name": "x", "protocol": 4})", "protocol is not a version the tool speaks (1 to 3)"},
        {R"({"name": "x", "protocol": "2"})", "protocol is not a version"},
    };
    for (const TCase& c : hellos) {
        std::string name;
        std::string error;
        int version = 0;
        EXPECT_FALSE(ReadHello(c.Line, name, version, error)) << c.Line;
        EXPECT_NE(error.find(c.Error), std::string::npos) << c.Line << ": " << error;
    }
    // A table of three or four takes version 3 only.
    const TCase atBiggerTables[] = {
        {R"({"name": "x"})", "no protocol named, and version 1 sees one other seat only: this table takes 3"},
        {R"({"name": "x", "protocol": 2})", "protocol is not a version the tool speaks (3)"},
        {R"({"name": "x", "protocol": 1})", "protocol is not a version the tool speaks (3)"},
    };
    for (const TCase& c : atBiggerTables) {
        std::string name;
        std::string error;
        int version = 0;
        EXPECT_FALSE(ReadHello(c.Line, name, version, error, OldestProtocolAt(3))) << c.Line;
        EXPECT_EQ(error, c.Error) << c.Line;
    }
    const TCase draws[] = {
        {R"({"draw": "Stock"})", "neither"},
        {R"({"draw": 1})", "neither"},
        {R"({})", "neither"},
        {R"({"draw": "stock"} {)", "not JSON"},
        {R"({"draw": "stock", "discard": "He7"})", "unknown field \"discard\""},
    };
    for (const TCase& c : draws) {
        TPile pile = TPile::Stock;
        std::string error;
        EXPECT_FALSE(ReadDraw(c.Line, pile, error)) << c.Line;
        EXPECT_NE(error.find(c.Error), std::string::npos) << c.Line << ": " << error;
    }
    const TCase plays[] = {
        {R"({})", "no discard"},
        {R"({"discard": 7})", "a card is not a string"},
        {R"({"discard": "He1"})", "not a card: \"He1\""},
        {R"({"discard": "He7", "meld": []})", "unknown field \"meld\""},
        {R"({"discard": "He7", "melds": ["He7"]})", "a list of cards is not an array"},
        {R"({"discard": "He7", "melds": {}})", "melds is not an array"},
        {R"({"discard": "He7", "exchanges": "He9"})", "exchanges is not an array"},
        {R"({"discard": "He7", "layoffs": {}})", "layoffs is not an array"},
        {R"({"discard": "He7", "layoffs": [3]})", "a lay-off is not an object"},
        {R"({"discard": "He7", "layoffs": [{"meld": 0, "cards": ["He9"], "at": 1}]})",
         "unknown field \"at\""},
        {R"({"discard": "He7", "layoffs": [{"cards": ["He9"]}]})", "not a meld number"},
        {R"({"discard": "He7", "layoffs": [{"meld": "0", "cards": ["He9"]}]})", "not a meld number"},
        {R"({"discard": "He7", "layoffs": [{"meld": -1, "cards": ["He9"]}]})", "not a meld number"},
        {R"({"discard": "He7", "layoffs": [{"meld": 0.5, "cards": ["He9"]}]})", "not a meld number"},
        {R"({"discard": "He7", "layoffs": [{"meld": 1e300, "cards": ["He9"]}]})", "not a meld number"},
        {R"({"discard": "He7", "layoffs": [{"meld": 0}]})", "a list of cards is not an array"},
        {std::string(100000, '[') + std::string(100000, ']'), "not JSON"},
        {R"({"discard": "He7", "\u0001": 1})", "unknown field \"?\""},
    };
    for (const TCase& c : plays) {
        TPlay play;
        std::string error;
        EXPECT_FALSE(ReadPlay(c.Line, play, error)) << c.Line.substr(0, 80);
        EXPECT_NE(error.find(c.Error), std::string::npos) << c.Line.substr(0, 80) << ": " << error;
        EXPECT_EQ(error.find('\x01'), std::string::npos);
    }
}

}  // namespace
