#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>

#include <sys/stat.h>
#include <QAction>

#include "settings/ProgramDir.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/window/MainForm.h"

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

// Whatever a help page links to, only regular files inside the help folder
// are read; pipes, devices, huge files and anything outside never are, and
// nothing waits. A page that regressed here would hang this test.
TEST(HelpViewerTest, OnlyRegularFilesInsideTheHelpFolderAreRead) {
    QTemporaryDir root;
    const QString folder = root.path() + "/help";
    ASSERT_TRUE(QDir().mkpath(folder + "/sub"));
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder + "/ok.png"));
    ASSERT_TRUE(picture.save(root.path() + "/outside.png"));
    ASSERT_TRUE(QFile::copy(folder + "/ok.png", root.path() + "/outside.html"));
    for (const QString name : {"pipe.png", "pipe.html"}) {
        ASSERT_EQ(mkfifo((folder + "/" + name).toUtf8().constData(), 0600), 0);
    }
    for (const QString name : {"zero.png", "zero.html"}) {
        ASSERT_TRUE(QFile::link("/dev/zero", folder + "/" + name));
        // Sparse: big on paper, no room on the disk.
        QFile huge(folder + "/huge" + name.mid(4));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(THelpBrowser::MaxFileSize + 1));
    }
    ASSERT_TRUE(QFile::link(root.path() + "/outside.png", folder + "/linked.png"));
    QFile index(folder + "/index.html");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        "<html><body><p>Bilder</p><img src=\"ok.png\"><img src=\"pipe.png\"><img src=\"zero.png\">"
        "<img src=\"huge.png\"><img src=\"../outside.png\"><img src=\"linked.png\">"
        "<img src=\"/dev/zero\"><img src=\"file:///dev/zero\"></body></html>");
    index.close();

    THelpViewer viewer(nullptr);
    viewer.Browser->Folder = folder;
    viewer.ShowPage("index.html");
    EXPECT_TRUE(PageText(viewer).contains("Bilder"));
    viewer.grab();  // lays out and paints the page with its images
    const auto imageSize = [&viewer](const char* name) {
        return viewer.Browser->loadResource(QTextDocument::ImageResource, QUrl(name)).value<QImage>().size();
    };
    for (const char* image : {"ok.png", "sub/../ok.png"}) {
        EXPECT_EQ(imageSize(image), QSize(2, 2)) << image;
    }
    // No image: one clear pixel, never an empty answer that Qt would follow up by itself.
    for (const char* image :
         {"pipe.png", "zero.png", "huge.png", "../outside.png", "linked.png", "/dev/zero", "file:///dev/zero",
          "sub", "missing.png", "index.html", "http://example.org/a.png"}) {
        EXPECT_EQ(imageSize(image), QSize(1, 1)) << image;
    }
    for (const char* page : {"pipe.html", "zero.html", "huge.html", "../outside.html", "sub"}) {
        viewer.ShowPage(page);
        EXPECT_TRUE(PageText(viewer).contains("Hilfe nicht gefunden")) << page;
    }
    viewer.ShowPage("sub/../index.html");
    EXPECT_TRUE(PageText(viewer).contains("Bilder"));
}

TEST(HelpViewerTest, HelpCommandShowsOneWindow) {
    TTempConfig config;
    TMainForm form(1);
    form.show();
    Named<QAction>(form, "Hilfe2")->trigger();
    THelpViewer* first = Named<THelpViewer>(form, "HelpViewer");
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(PageText(*first).contains("Willkommen bei Brisko"));
    first->ShowPage("regeln.html");
    Named<QAction>(form, "Hilfe2")->trigger();
    EXPECT_EQ(Named<THelpViewer>(form, "HelpViewer"), first);
    EXPECT_TRUE(PageText(*first).contains("Willkommen bei Brisko"));  // back at the start page
    EXPECT_FALSE(In(form).Controller.Game.OwnCards.Empty());          // the game is untouched
}

}  // namespace
