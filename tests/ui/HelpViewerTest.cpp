#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include "tests/ui/ProfileTestSupport.h"
#include "ui/HelpViewer.h"
#include "ui/MainForm.h"
#include "ui/ProgramDir.h"

namespace {

// Runs the test body from another working directory.
class TOtherWorkingDirectory {
  public:
    TOtherWorkingDirectory() : Previous(QDir::currentPath()) { QDir::setCurrent(Dir.path()); }
    ~TOtherWorkingDirectory() { QDir::setCurrent(Previous); }

  private:
    QTemporaryDir Dir;
    QString Previous;
};

QString PageText(const THelpViewer& viewer) {
    return viewer.Browser->toPlainText();
}

TEST(HelpViewerTest, HelpIsFoundFromAnyWorkingDirectory) {
    TOtherWorkingDirectory elsewhere;
    ASSERT_FALSE(FindDataPath("help/index.html").isEmpty());
    THelpViewer viewer(nullptr);
    viewer.ShowPage(THelpViewer::HomePage);
    EXPECT_TRUE(PageText(viewer).contains("Willkommen bei Brisko"));
    EXPECT_EQ(viewer.windowTitle(), "Brisko – Hilfe");
}

TEST(HelpViewerTest, EveryPageAndLinkIsThere) {
    THelpViewer viewer(nullptr);
    const QString folder = THelpViewer::HelpFolder();
    static const QRegularExpression link(R"(href="([^"#]+)(#[^"]*)?")");
    for (int i = 0; i < viewer.Contents->count(); ++i) {
        const QString file = viewer.Contents->item(i)->data(Qt::UserRole).toString();
        QFile page(folder + "/" + file);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << file.toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            EXPECT_TRUE(QFile::exists(folder + "/" + m.captured(1)))
                << file.toStdString() << " -> " << m.captured(1).toStdString();
        }
        viewer.ShowPage(file);
        EXPECT_TRUE(PageText(viewer).contains(viewer.Contents->item(i)->text()) || i == 0)
            << file.toStdString();
        EXPECT_EQ(viewer.Contents->currentRow(), i);
    }
}

TEST(HelpViewerTest, RulesPageCoversWhatTheGameEnforces) {
    THelpViewer viewer(nullptr);
    viewer.ShowPage("regeln.html");
    const QString text = PageText(viewer);
    for (const char* topic : {"Sätze", "Reihen", "König–Ass–2", "Joker", "30 Punkte", "40 Punkte",
                              "jedes einzelne Auslegen", "letzte Karte abwirft", "zurücknehmen"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
}

TEST(HelpViewerTest, OpponentPageCoversTheOpponentsTheHintAndTheStatistics) {
    THelpViewer viewer(nullptr);
    viewer.ShowPage("gegner.html");
    const QString text = PageText(viewer);
    for (const char* topic :
         {"Gegner: Klassisch", "Gegner: Stark", "nächsten Spiel", "Taste H", "ändert nichts", "Siegesserie",
          "wenigsten Züge", "Neues Spiel", "gezogen", "Zurücksetzen", "[Statistik]", "[Gegner]"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
}

TEST(HelpViewerTest, BackAndForward) {
    THelpViewer viewer(nullptr);
    viewer.ShowPage(THelpViewer::HomePage);
    EXPECT_FALSE(viewer.BackBtn->isEnabled());
    viewer.ShowPage("regeln.html");
    viewer.ShowPage("tisch.html");
    EXPECT_TRUE(viewer.BackBtn->isEnabled());
    EXPECT_FALSE(viewer.ForwardBtn->isEnabled());
    viewer.BackBtn->click();
    EXPECT_TRUE(PageText(viewer).startsWith("Die Regeln"));
    EXPECT_TRUE(viewer.ForwardBtn->isEnabled());
    viewer.ForwardBtn->click();
    EXPECT_TRUE(PageText(viewer).startsWith("Der Spieltisch"));
    viewer.HomeBtn->click();
    EXPECT_TRUE(PageText(viewer).contains("Willkommen bei Brisko"));
    viewer.Contents->setCurrentRow(1);
    emit viewer.Contents->itemClicked(viewer.Contents->item(1));
    EXPECT_TRUE(PageText(viewer).startsWith("So wird gespielt"));
}

TEST(HelpViewerTest, MissingPageIsReportedInTheWindow) {
    THelpViewer viewer(nullptr);
    viewer.ShowPage("fehlt.html");
    EXPECT_TRUE(PageText(viewer).contains("Hilfe nicht gefunden"));
    EXPECT_TRUE(PageText(viewer).contains("fehlt.html"));
    viewer.ShowPage(THelpViewer::HomePage);
    EXPECT_TRUE(PageText(viewer).contains("Willkommen bei Brisko"));
}

TEST(HelpViewerTest, HelpCommandShowsOneWindow) {
    TTempConfig config;
    TMainForm form(1);
    form.show();
    form.Hilfe2->trigger();
    ASSERT_NE(form.HelpViewer, nullptr);
    THelpViewer* first = form.HelpViewer;
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(PageText(*first).contains("Willkommen bei Brisko"));
    first->ShowPage("regeln.html");
    form.Hilfe2Click();
    EXPECT_EQ(form.HelpViewer, first);
    EXPECT_TRUE(PageText(*first).contains("Willkommen bei Brisko"));  // back at the start page
    EXPECT_FALSE(form.Game.OwnCards.Empty());                         // the game is untouched
}

}  // namespace
