// Brisko in English: every menu, dialog, message, sentence, name and tooltip
// of a played turn reads without a German word; German stays as it was.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

#include "app/Language.h"
#include "game/record/TurnRecord.h"
#include "render/Artwork.h"
#include "render/FaceComposer.h"
#include "settings/ProfileFile.h"
#include "settings/ProgramDir.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TableMouse.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/table/GameWords.h"
#include "ui/table/TableTexts.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

// Umlauts, ß and German words that no English text holds.
bool LooksGerman(const QString& text) {
    static const QRegularExpression german(
        "[äöüÄÖÜß]|\\b(und|der|die|das|Sie|Karte|Karten|Spiel|Stapel|Ablagestapel|Gegner|Einstellungen|Hilfe|"
        "zieht|legt|wirft|nicht|Tipp|Auslage|Ihre|Herz|Karo|Kreuz|Blatt|Dame|Bube|König|Ass|Zug)\\b");
    return german.match(text).hasMatch();
}

void Collect(QMenu* menu, QStringList& texts) {
    for (QAction* action : menu->actions()) {
        texts << action->text();
        if (action->menu() != nullptr) {
            Collect(action->menu(), texts);
        }
    }
}

// The texts a dialog shows: its title, labels and buttons.
QStringList DialogTexts(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    return texts;
}

class EnglishTest : public ::testing::Test {
  protected:
    EnglishTest() {
        In(form).SetMessageBoxes(&boxes);
        form.show();
        QApplication::processEvents();
    }
    void ExpectEnglish(const QStringList& texts) {
        for (const QString& text : texts) {
            EXPECT_FALSE(LooksGerman(text)) << text.toStdString();
        }
    }

    TTempConfig config;
    TLanguage english{"en"};
    TScriptedBoxes boxes;
    TMainForm form{23};
};

TEST_F(EnglishTest, MenusDialogsAndTheTableSpeakEnglish) {
    QStringList texts{Named<QPushButton>(form, "UndoBtn")->text(),
                      Named<QLabel>(form, "StatusPanel")->text()};
    for (QAction* menu : form.menuBar()->actions()) {
        texts << menu->text();
        Collect(menu->menu(), texts);
    }
    EXPECT_TRUE(texts.contains("&Help..."));
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(), "Draw a card!");

    TGame& game = In(form).Controller.Game;
    PutCards(game, game.DiscardPile, "HeD", TFrom::Deck);
    for (const TTableStop& stop : TableStops(game)) {
        texts << StopName(game, stop);
    }
    EXPECT_TRUE(texts.contains("Discard pile, Queen of Hearts on top"));
    texts << TableName() << StockTip(1) << StockTip(43) << ComputerHandTip(9);
    EXPECT_TRUE(texts.contains("Stock: 1 card") && texts.contains("Stock: 43 cards"));

    Named<QAction>(form, "StrongOpponentAction")->trigger();
    texts << Named<TElidedLabel>(form, "StatusBarText")->FullText();

    Named<TOptionsForm>(form, "OptionsForm")->show();
    texts << DialogTexts(Named<TOptionsForm>(form, "OptionsForm"));
    Named<TOptionsForm>(form, "OptionsForm")->hide();
    QTimer::singleShot(0, &form, [this] { Named<TStatisticsForm>(form, "StatisticsForm")->reject(); });
    Named<QAction>(form, "StatisticsAction")->trigger();
    texts << DialogTexts(Named<TStatisticsForm>(form, "StatisticsForm"));
    TAboutBox about(&form);
    texts << DialogTexts(&about);
    EXPECT_TRUE(texts.contains("Rummy by Taldrin"));  // the line on the logo
    Named<QAction>(form, "Hilfe2")->trigger();
    texts << DialogTexts(Named<THelpViewer>(form, "HelpViewer"));
    const auto* contents = Named<THelpViewer>(form, "HelpViewer")->findChild<QListWidget*>("Contents");
    for (int i = 0; i < contents->count(); ++i) {
        texts << contents->item(i)->text();
    }
    // Every title whole, though English ones are longer than the German.
    QApplication::processEvents();
    EXPECT_EQ(contents->horizontalScrollBar()->maximum(), 0);
    const QString page = Named<THelpViewer>(form, "HelpViewer")->findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(page.contains("Brisko")) << page.toStdString();
    texts << page;
    Named<THelpViewer>(form, "HelpViewer")->close();

    texts << CannotWriteText("/x/brisko.INI") << TProfileFile::KeptAsideMessage("a", "a.bak")
          << ArtworkProblemText("/x", LoadArtwork("/nowhere").Problems);
    ExpectEnglish(texts);
}

TEST_F(EnglishTest, APlayedTurnItsMessagesAndTheComputersSentenceSpeakEnglish) {
    TGame& game = In(form).Controller.Game;
    // A joker on the table the player may swap for a card of the hand.
    SetHand(game, "");
    PutMeld(game, "He7 *He6 He5", TFrom::Deck);
    SetHand(game, "He6 Kr2 Ka9 Bl4");
    game.PlayerCameOut = 1;
    boxes.Answers = {false};
    game.SetStatus(MayLayOut);
    In(form).Controller.OfferJokerExchanges();
    ASSERT_EQ(boxes.Asked.size(), 1u);
    EXPECT_EQ(boxes.Asked[0].Text, "Would you like to exchange your 6 of Hearts for the Joker?");

    game.SetStatus(MayLayOut);
    Named<QAction>(form, "HintAction")->trigger();
    QStringList texts{Named<TElidedLabel>(form, "StatusBarText")->FullText(),
                      Named<QLabel>(form, "StatusPanel")->text()};
    // Two cards that are no meld: refused.
    game.ToggleHandCard(HandIndex(game, "Kr2"));
    game.ToggleHandCard(HandIndex(game, "Ka9"));
    In(form).Controller.LayOut(-1);
    game.ClearHandSelection();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    texts << boxes.Shown[0].Text << boxes.Shown[0].Caption;
    // A discard, and the computer's turn told in one sentence.
    DragToDiscard(form, HandIndex(game, "Bl4"));
    const QString sentence = Named<TElidedLabel>(form, "StatusBarText")->FullText();
    EXPECT_TRUE(sentence.startsWith("Computer: ")) << sentence.toStdString();
    EXPECT_TRUE(sentence.contains(", discards ")) << sentence.toStdString();
    texts << sentence;
    // A won game is told too.
    SetHand(game, "Kr7");
    game.SetStatus(MayLayOut);
    game.ToggleHandCard(0);
    In(form).Controller.Discard();
    texts << boxes.Shown.back().Text << boxes.Shown.back().Caption;
    EXPECT_EQ(boxes.Shown.back().Caption, "You have won!");
    ExpectEnglish(texts);
}

// A meld names its natural cards and counts its jokers: there is no "Joker of Hearts".
TEST_F(EnglishTest, MeldsJokersShareAndTheJokersCornerReadAsInEnglish) {
    const std::pair<const char*, const char*> melds[] = {
        {"Ka6 Ka5 Ka4", "4, 5, 6 of Diamonds"},
        {"*Ka6 Ka5 Ka4", "4, 5 of Diamonds and a Joker"},
        {"Ka6 *Ka5 Ka4", "4, 6 of Diamonds and a Joker"},
        {"*Ka7 *Ka6 Ka5 *Ka4", "5 of Diamonds and 3 Jokers"},
        {"*He3 He2 HeA", "Ace, 2 of Hearts and a Joker"},
        {"Kr9 *Bl9 He9", "9 of Hearts, 9 of Clubs and a Joker"},
    };
    for (const auto& [cards, words] : melds) {
        EXPECT_EQ(MeldWords(ParseCards(cards)), words) << cards;
    }
    EXPECT_EQ(MeldCardWords(ParseCard("*He6")), "Joker as the 6 of Hearts");
    EXPECT_EQ(ShareWon(TOpponentRecord{3, 1, 1, 2, 9}), "75%");

    // Above the court picture and the jester, the corner of a jack and of a joker differ.
    const TArtworkLoad art = LoadArtwork(ProgramDirectory() + "artwork");
    ASSERT_TRUE(art.Problems.isEmpty());
    TFaceComposer composer;
    composer.SetUp(&art.Artwork, 1);
    const QRect corner(2, 2, 20, 8);
    EXPECT_NE(composer.ComposeFace(Joker, JokerRank).copy(corner),
              composer.ComposeFace(Kreuz, Bube).copy(corner));
}

TEST(LanguageTest, GermanIsTheSourceAndQtsOwnTextsFollow) {
    UseLanguage("de");
    EXPECT_EQ(StockTip(1), "Stapel: 1 Karte");
    EXPECT_EQ(StockTip(43), "Stapel: 43 Karten");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    {
        const TLanguage english("en");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
        EXPECT_EQ(StockTip(1), "Stock: 1 card");
    }
    EXPECT_EQ(StockTip(1), "Stapel: 1 Karte");
}

}  // namespace
