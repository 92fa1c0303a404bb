#include "ui/dialogs/OptionsForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <cmath>

#include "ui/dialogs/FormStorage.h"
#include "ui/dialogs/PrismColorComboBox.h"

namespace {

constexpr int MinCards = 10;
constexpr int MaxCards = 16;

}  // namespace

// --- TSpinEdit ---

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(MinCards, MaxCards);
    setSingleStep(1);
}

void TSpinEdit::SetValue(double value) {
    if (std::isnan(value)) {
        return;
    }
    const double clamped = std::clamp(value, static_cast<double>(minimum()), static_cast<double>(maximum()));
    setValue(static_cast<int>(std::rint(clamped)));
}

void TSpinEdit::CommitText() {
    interpretText();
}

void TSpinEdit::fixup(QString& input) const {
    bool ok = false;
    const qlonglong typed = input.trimmed().toLongLong(&ok);
    const qlonglong value = ok ? std::clamp<qlonglong>(typed, minimum(), maximum()) : minimum();
    input = QString::number(value);
}

// --- TRadioButton ---

TRadioButton::TRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

void TRadioButton::SetChecked(bool checked) {
    if (checked) {
        setChecked(true);
        return;
    }
    // The group would refuse to lose its only checked button.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

// --- TBevel ---

TBevel::TBevel(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width() - 1, 1);
}

// --- TOptionsForm ---

TOptionsForm::TOptionsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName("OptionsForm");
    setWindowTitle(tr("Einstellungen"));
    QFont designFont = font();
    designFont.setFamilies({"MS Sans Serif", "Liberation Sans"});
    designFont.setPixelSize(11);
    setFont(designFont);
    setFixedSize(264, 156);

    Label1 = new QLabel(tr("Hintergrundfarbe:"), this);
    Label1->setObjectName("Label1");
    Label1->move(8, 8);
    Label1->adjustSize();

    PrismColorComboBox1 = new TPrismColorComboBox(this);
    PrismColorComboBox1->setObjectName("PrismColorComboBox1");
    PrismColorComboBox1->setGeometry(104, 8, 137, 22);
    PrismColorComboBox1->SetColorValue(ColorToValue(QColor(0, 128, 0)));

    Raus30Check = new TRadioButton(tr("Raus bei 30"), this);
    Raus30Check->setObjectName("Raus30Check");
    Raus30Check->setGeometry(8, 40, 113, 17);
    Raus30Check->setChecked(true);
    Raus40Check = new TRadioButton(tr("Raus bei 40"), this);
    Raus40Check->setObjectName("Raus40Check");
    Raus40Check->setGeometry(128, 40, 113, 17);

    Label2 = new QLabel(tr("Anzahl der Karten pro Spieler:"), this);
    Label2->setObjectName("Label2");
    Label2->move(8, 72);
    Label2->adjustSize();

    AnzCardEd = new TSpinEdit(this);
    AnzCardEd->setObjectName("AnzCardEd");
    AnzCardEd->setGeometry(168, 72, 73, 21);
    AnzCardEd->setValue(12);

    // The labels name their fields for a screen reader.
    Label1->setBuddy(PrismColorComboBox1);
    Label2->setBuddy(AnzCardEd);

    Bevel1 = new TBevel(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setGeometry(0, 106, 264, 50);

    OkBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(75, 120, 113, 25);
    OkBtn->setDefault(true);
    OkBtn->setAutoDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    FormStorage1 = new TFormStorage(this);
    FormStorage1->SetStoredProps(
        {"AnzCardEd.Value", "PrismColorComboBox1.ColorValue", "Raus30Check.Checked", "Raus40Check.Checked"});

    CenterOnScreen();
}

void TOptionsForm::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.left() + (area.width() - frame.width()) / 2, area.top() + (area.height() - frame.height()) / 2);
}

void TOptionsForm::Restore() {
    FormStorage1->RestoreFormPlacement();
    if (FormStorage1->PlacementApplied()) {
        ScreenCenter = false;
    }
}

void TOptionsForm::RestoreSettings() {
    Restore();
}

void TOptionsForm::FormDestroy() {
    FormStorage1->FormDestroy();
    ProgramEnding = true;
}

QColor TOptionsForm::TableColor() const {
    return PrismColorComboBox1->Color();
}

void TOptionsForm::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Restore();
        if (ScreenCenter) {
            CenterOnScreen();
        }
    }
    QDialog::setVisible(visible);
}

void TOptionsForm::done(int result) {
    AnzCardEd->CommitText();
    if (!ProgramEnding) {
        FormStorage1->SaveFormPlacement();
    }
    QDialog::done(result);
}
