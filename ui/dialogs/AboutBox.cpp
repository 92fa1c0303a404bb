#include "ui/dialogs/AboutBox.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "settings/ProgramDir.h"
#include "ui/dialogs/JpegImage.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setGeometry(x, y, width, 16);
    label->setFixedHeight(label->heightForWidth(width));
    return label;
}

// The globe on the web button, drawn in two states: normal and disabled.
QIcon WebGlyph() {
    QIcon icon;
    for (const bool enabled : {true, false}) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = enabled ? QColor(20, 70, 150) : QColor(150, 150, 150);
        painter.setBrush(enabled ? QColor(170, 210, 250) : QColor(225, 225, 225));
        painter.setPen(QPen(ink, 1.2));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(5, 1.5, 6, 13));
        painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
        painter.end();
        icon.addPixmap(pixmap, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

}  // namespace

TBevelPanel::TBevelPanel(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    auto bevel = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    bevel(r, dark, light);                         // lowered outer edge
    bevel(r.adjusted(1, 1, -1, -1), light, dark);  // raised inner edge
}

TAboutBox::TAboutBox(QWidget* parent, QDate today)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName("AboutBox");
    setWindowTitle(tr("Info"));
    QFont designFont = font();
    designFont.setFamilies({"MS Sans Serif", "Liberation Sans"});
    designFont.setPixelSize(11);
    setFont(designFont);
    setFixedSize(664, 453);

    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 649, 385);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, QColor(240, 202, 166));
    panelPalette.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(panelPalette);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(16, 40, 306, 322);
    ProgramIcon->setScaledContents(true);
    // A missing or broken picture leaves the place empty; the dialog works all the same.
    const QImage logo = LoadJpegFile(FindDataPath("artwork/logo.jpg"));
    if (!logo.isNull()) {
        ProgramIcon->setPixmap(QPixmap::fromImage(logo));
    }
    // The maker's line on the logo, below its suits: a text of its own, so that
    // it reads in the player's language.
    LogoCaption = new QLabel(tr("Rommé von Taldrin"), ProgramIcon);
    LogoCaption->setObjectName("LogoCaption");
    LogoCaption->setGeometry(0, 292, ProgramIcon->width(), 22);
    LogoCaption->setAlignment(Qt::AlignCenter);
    QFont captionFont("Liberation Sans");
    captionFont.setItalic(true);
    captionFont.setPixelSize(13);
    LogoCaption->setFont(captionFont);
    QPalette captionPalette = LogoCaption->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(252, 244, 222));
    LogoCaption->setPalette(captionPalette);
    LogoCaption->setVisible(!logo.isNull());  // cream on the panel would be unreadable

    Label1 = new QLabel("Taldrin Brisko", Panel1);
    Label1->setObjectName("Label1");
    QFont titleFont("Arial Narrow");
    titleFont.setBold(true);
    titleFont.setPixelSize(24);
    Label1->setFont(titleFont);
    Label1->move(8, 8);
    Label1->adjustSize();

    constexpr int TextLeft = 336;
    constexpr int TextWidth = 296;
    Label2 = MakeLabel(Panel1, "Label2",
                       WithYear(tr("Copyright © XXXX Taldrin. Alle Rechte vorbehalten."), today.year()),
                       TextLeft, 40, TextWidth);
    Label3 = MakeLabel(Panel1, "Label3", tr("Brisko 1.0 – Rommé für eine Person gegen den Computer."),
                       TextLeft, 72, TextWidth);
    Label4 = MakeLabel(Panel1, "Label4",
                       tr("Spielidee nach dem klassischen Rommé; Programm, Grafik und Hilfe: Taldrin."),
                       TextLeft, 104, TextWidth);
    Label5 =
        MakeLabel(Panel1, "Label5",
                  tr("Brisko ist freie Software: Sie dürfen es weitergeben und verändern (GNU GPL, Version 3 "
                     "oder neuer)."),
                  TextLeft, 144, TextWidth);
    Label6 =
        MakeLabel(Panel1, "Label6", tr("Neue Versionen, Tipps und Antworten auf Fragen finden Sie hier:"),
                  TextLeft, 208, TextWidth);

    BitBtnXP1 = new QPushButton(WebGlyph(), "www.taldrin.example/brisko", Panel1);
    BitBtnXP1->setObjectName("BitBtnXP1");
    BitBtnXP1->setGeometry(TextLeft, 240, 169, 25);
    BitBtnXP1->setAutoDefault(false);
    BitBtnXP1->setToolTip(MakerWebAddress);
    connect(BitBtnXP1, &QPushButton::clicked, this, &TAboutBox::BitBtnXP1Click);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(241, 404, 181, 37);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

QString TAboutBox::WithYear(const QString& text, int year) {
    QString result = text;
    const qsizetype at = result.indexOf("XXXX");
    if (at >= 0) {
        result.replace(at, 4, QString("%1").arg(year, 4, 10, QChar('0')));
    }
    return result;
}

void TAboutBox::BitBtnXP1Click() {
    if (OpenUrl) {
        OpenUrl(QUrl(MakerWebAddress));
    }
}
