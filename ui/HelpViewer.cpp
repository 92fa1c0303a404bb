#include "ui/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/ProgramDir.h"

namespace {

struct TTopic {
    const char* File;
    const char* Title;
};

constexpr TTopic Topics[] = {
    {"index.html", "Willkommen"},
    {"spielablauf.html", "So wird gespielt"},
    {"regeln.html", "Die Regeln"},
    {"tisch.html", "Der Spieltisch"},
    {"einstellungen.html", "Einstellungen"},
    {"gegner.html", "Gegner, Tipp und Statistik"},
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

}  // namespace

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("HelpBrowser");
    setOpenExternalLinks(false);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource) {
        const QString path = name.isLocalFile() ? name.toLocalFile() : name.toString();
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            return THelpViewer::MissingPageHtml(path);
        }
    }
    return QTextBrowser::loadResource(type, name);
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle("Brisko – Hilfe");
    resize(760, 560);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    HomeBtn = MakeButton(this, QStyle::SP_DirHomeIcon, "Inhalt", "HomeBtn");
    BackBtn = MakeButton(this, QStyle::SP_ArrowBack, "Zurück", "BackBtn");
    ForwardBtn = MakeButton(this, QStyle::SP_ArrowForward, "Vor", "ForwardBtn");
    bar->addWidget(HomeBtn);
    bar->addWidget(BackBtn);
    bar->addWidget(ForwardBtn);
    bar->addStretch(1);
    column->addLayout(bar);

    auto* splitter = new QSplitter(this);
    Contents = new QListWidget(splitter);
    Contents->setObjectName("Contents");
    for (const TTopic& topic : Topics) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.Title), Contents);
        item->setData(Qt::UserRole, QString::fromUtf8(topic.File));
    }
    Browser = new THelpBrowser(splitter);
    splitter->addWidget(Contents);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 590});
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
    return found.isEmpty() ? ProgramDirectory() + "help" : found;
}

QString THelpViewer::MissingPageHtml(const QString& path) {
    return QString(
               "<html><body><h2>Hilfe nicht gefunden</h2>"
               "<p>Die Hilfeseite <b>%1</b> ist nicht vorhanden.</p>"
               "<p>Die Hilfe gehört in den Ordner „help“ neben dem Programm. Bitte installieren Sie "
               "Brisko erneut. Das Spiel selbst läuft ungestört weiter.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

void THelpViewer::ShowPage(const QString& page) {
    const QUrl url = QUrl::fromLocalFile(HelpFolder() + "/" + page);
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
