#include "ui/dialogs/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QListWidget>
#include <QLocale>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/ProgramDir.h"

namespace {

struct TTopic {
    const char* File;
    const char* Title;
};

constexpr TTopic Topics[] = {
    {"index.html", QT_TRANSLATE_NOOP("THelpViewer", "Willkommen")},
    {"spielablauf.html", QT_TRANSLATE_NOOP("THelpViewer", "So wird gespielt")},
    {"regeln.html", QT_TRANSLATE_NOOP("THelpViewer", "Die Regeln")},
    {"tisch.html", QT_TRANSLATE_NOOP("THelpViewer", "Der Spieltisch")},
    {"ansicht.html", QT_TRANSLATE_NOOP("THelpViewer", "Der Zug des Computers")},
    {"gegner.html", QT_TRANSLATE_NOOP("THelpViewer", "Gegner, Tipp und Statistik")},
    {"tastatur.html", QT_TRANSLATE_NOOP("THelpViewer", "Tastatur")},
    {"einstellungen.html", QT_TRANSLATE_NOOP("THelpViewer", "Einstellungen")},
};

QToolButton* MakeButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text,
                        const QString& name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// The bytes of `path` if it is a regular file inside `folder` of at most
// `limit` bytes. The file is opened without waiting (a pipe would block) and
// checked again once open.
bool ReadHelpFile(const QString& folder, const QString& path, qint64 limit, QByteArray& data) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (root.isEmpty() || file.isEmpty() || !file.startsWith(root + '/')) {
        return false;
    }
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit;
    if (ok) {
        // One byte more than the file holds, to see that it did not grow.
        data.resize(static_cast<qsizetype>(st.st_size) + 1);
        qsizetype got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, static_cast<size_t>(data.size() - got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            got += n;
        }
        ok = ok && got < data.size();
        data.truncate(got);
    }
    ::close(fd);
    return ok;
}

}  // namespace

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("HelpBrowser");
    setOpenExternalLinks(false);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.isRelative()) {
        url = (source().isLocalFile() ? source() : QUrl::fromLocalFile(Folder + "/")).resolved(url);
    }
    QByteArray data;
    const bool found = url.isLocalFile() && ReadHelpFile(Folder, url.toLocalFile(), MaxFileSize, data);
    // Never an empty answer: Qt would then open the file itself, and wait on
    // a pipe for good. An image that cannot be shown is one clear pixel.
    switch (type) {
        case QTextDocument::HtmlResource:
            return found
                       ? QString::fromUtf8(data)
                       : THelpViewer::MissingPageHtml(url.isLocalFile() ? url.toLocalFile() : url.toString());
        case QTextDocument::ImageResource: {
            QImage image = QImage::fromData(data);
            if (image.isNull()) {
                image = QImage(1, 1, QImage::Format_ARGB32);
                image.fill(Qt::transparent);
            }
            return image;
        }
        case QTextDocument::StyleSheetResource:
        case QTextDocument::MarkdownResource:
            return QString::fromUtf8(data);
        default:
            return data;
    }
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle(tr("Brisko – Hilfe"));
    resize(760, 560);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    HomeBtn = MakeButton(this, QStyle::SP_DirHomeIcon, tr("Inhalt"), "HomeBtn");
    BackBtn = MakeButton(this, QStyle::SP_ArrowBack, tr("Zurück"), "BackBtn");
    ForwardBtn = MakeButton(this, QStyle::SP_ArrowForward, tr("Vor"), "ForwardBtn");
    bar->addWidget(HomeBtn);
    bar->addWidget(BackBtn);
    bar->addWidget(ForwardBtn);
    bar->addStretch(1);
    column->addLayout(bar);

    auto* splitter = new QSplitter(this);
    Contents = new QListWidget(splitter);
    Contents->setObjectName("Contents");
    for (const TTopic& topic : Topics) {
        auto* item = new QListWidgetItem(tr(topic.Title), Contents);
        item->setData(Qt::UserRole, QString::fromUtf8(topic.File));
    }
    Browser = new THelpBrowser(splitter);
    Browser->Folder = HelpFolder();
    splitter->addWidget(Contents);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    // The contents as wide as their longest title, which a language may make
    // longer than the 170 pixels the German ones need.
    const int contentsWidth = std::max(170, Contents->sizeHintForColumn(0) + 2 * Contents->frameWidth() + 8);
    splitter->setSizes({contentsWidth, 760 - contentsWidth});
    column->addWidget(splitter, 1);

    BackBtn->setEnabled(false);
    ForwardBtn->setEnabled(false);
    connect(HomeBtn, &QToolButton::clicked, this, [this] { ShowPage(HomePage); });
    connect(BackBtn, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardBtn, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardBtn, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpViewer::SourceChanged);
    connect(Contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(Contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
}

QString THelpViewer::HelpFolder() {
    const QString found = FindDataPath("help");
    const QString all = found.isEmpty() ? ProgramDirectory() + "help" : found;
    // The pages of the player's language lie in a folder of their own; the
    // German ones, the source of all, lie at the top.
    const QString own = all + "/" + QLocale().name().section('_', 0, 0);
    return QFileInfo(own + "/" + HomePage).isFile() ? own : all;
}

QString THelpViewer::MissingPageHtml(const QString& path) {
    return tr("<html><body><h2>Hilfe nicht gefunden</h2>"
              "<p>Die Hilfeseite <b>%1</b> ist nicht vorhanden.</p>"
              "<p>Die Hilfe gehört in den Ordner „help“ neben dem Programm. Bitte installieren Sie "
              "Brisko erneut. Das Spiel selbst läuft ungestört weiter.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

void THelpViewer::ShowPage(const QString& page) {
    const QUrl url = QUrl::fromLocalFile(Browser->Folder + "/" + page);
    if (Browser->source() == url) {
        Browser->reload();
    } else {
        Browser->setSource(url);
    }
}

void THelpViewer::SourceChanged(const QUrl& url) {
    const QString file = QFileInfo(url.toLocalFile()).fileName();
    for (int i = 0; i < Contents->count(); ++i) {
        if (Contents->item(i)->data(Qt::UserRole).toString() == file) {
            Contents->setCurrentRow(i);
            return;
        }
    }
    Contents->clearSelection();
}
