// The program's own help window: the German HTML pages shipped in the help
// folder next to the program, with contents, back and forward.
#pragma once

#include <QTextBrowser>
#include <QWidget>

class QListWidget;
class QToolButton;

// Shows only what lies in the help folder: regular, readable files of a
// bounded size, found there after links and ".." are resolved; pages, images
// and style sheets alike. A page that is not there gives a page saying so, an
// image that is not there gives none. Pipes, devices and huge files are never
// opened for reading, so nothing a page links to can stall the game.
class THelpBrowser final : public QTextBrowser {
    Q_OBJECT
  public:
    static constexpr qint64 MaxFileSize = 2 << 20;

    explicit THelpBrowser(QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

    QString Folder;  // the help folder
};

class THelpViewer final : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* HomePage = "index.html";

    explicit THelpViewer(QWidget* parent);

    // Shows a page of the help folder, e.g. "regeln.html".
    void ShowPage(const QString& page);
    // Where the help pages are expected: the folder found next to the
    // program, or where it should have been.
    static QString HelpFolder();
    // The page reported in place of a missing file.
    static QString MissingPageHtml(const QString& path);

    QListWidget* Contents;
    THelpBrowser* Browser;
    QToolButton* HomeBtn;
    QToolButton* BackBtn;
    QToolButton* ForwardBtn;

  private:
    void SourceChanged(const QUrl& url);
};
