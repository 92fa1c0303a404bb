// The window's making and ending: its controls, its first showing, closing and
// quitting on a signal, and the messages, status line and status bar.
#include "ui/window/MainForm.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "settings/KeptGame.h"
#include "settings/ProfileFile.h"
#include "settings/ProgramDir.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/FormStorage.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/PaintBox.h"
#include "ui/window/TableAccessible.h"

TMainForm::TMainForm(uint64_t seed, QWidget* parent) : QMainWindow(parent), Table(*this, seed) {
    setObjectName("MainForm");
    setWindowTitle("Taldrin Brisko 1.0");
    move(214, 146);

    InstallTableAccessibility();
    TellScreenReaders = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };
    ProgramDir = ProgramDirectory();

    CreateMenus();
    ShowViewSettings();
    CreateControls();
    // The table was designed at 680 x 338; the window grows around it by
    // whatever the desktop's menu bar, panels and status bar need.
    resize(sizeHint());
    CreateCardBack();

    AboutBox = new TAboutBox(this);
    OptionsForm = new TOptionsForm(this);
    OptionsForm->FormStorage1->OnWriteError = [this](const QString& message) {
        ReportSettingsProblem(message, TMessageIcon::Error);
    };
    TProfileFile::OnNotice = [this](const QString& message) {
        ReportSettingsProblem(message, TMessageIcon::Information);
    };
    Keeper = std::make_unique<TFileKeeper>(KeptGameFilePath(), KeptGamePermissions);
    Keeper->OnDone = [this](TKeeperTask task, bool done) {
        QMetaObject::invokeMethod(
            this, [this, task, done] { ReportKeeping(task, done); }, Qt::QueuedConnection);
    };

    // Armed by each painting for the next tick at which the draw hint changes.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    SettleTimer = new QTimer(this);
    SettleTimer->setObjectName("SettleTimer");
    SettleTimer->setSingleShot(true);
    SettleTimer->setInterval(200);
    connect(SettleTimer, &QTimer::timeout, this, &TMainForm::PaintBox1Paint);
    PlayoutTimer = new QTimer(this);
    PlayoutTimer->setObjectName("PlayoutTimer");
    connect(PlayoutTimer, &QTimer::timeout, this, &TMainForm::AdvancePlayout);
    BlinkElapsed.start();
    BlinkClock = [this] { return BlinkElapsed.elapsed(); };
}

TMainForm::~TMainForm() {
    PaintBox1->Detach();
    Timer1->stop();
    PlayoutTimer->stop();
    qApp->removeEventFilter(this);
    SaveSettingsAtExit();
    TProfileFile::OnNotice = nullptr;
    if (HelpViewer != nullptr) {
        HelpViewer->close();
    }
}

void TMainForm::CreateControls() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = new QFrame(central);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(41);
    UndoBtn = new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload),
                              tr("Ausgelegte Karten zurücknehmen"), Panel1);
    UndoBtn->setObjectName("UndoBtn");
    // Reached by Tab, but a click leaves the keyboard on the table.
    UndoBtn->setFocusPolicy(Qt::TabFocus);
    // The designed width, or wider where the desktop font needs it.
    UndoBtn->setGeometry(16, 8, std::max(201, UndoBtn->sizeHint().width()), 25);
    connect(UndoBtn, &QPushButton::clicked, this, &TMainForm::UndoBtnClick);
    column->addWidget(Panel1);

    StatusPanel = new QLabel(central);
    StatusPanel->setObjectName("StatusPanel");
    StatusPanel->setFixedHeight(24);
    // Lowered outside, raised inside: an etched frame.
    StatusPanel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    StatusPanel->setLineWidth(1);
    StatusPanel->setMidLineWidth(0);
    StatusPanel->setAlignment(Qt::AlignCenter);
    StatusPanel->setAutoFillBackground(true);
    QPalette statusPalette = StatusPanel->palette();
    statusPalette.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    statusPalette.setColor(QPalette::WindowText, Qt::black);
    StatusPanel->setPalette(statusPalette);
    QFont statusFont("Arial");
    statusFont.setBold(true);
    statusFont.setPixelSize(13);
    StatusPanel->setFont(statusFont);
    column->addWidget(StatusPanel);

    Panel2 = new QFrame(central);
    Panel2->setObjectName("Panel2");
    Panel2->setAutoFillBackground(true);
    QPalette tablePalette = Panel2->palette();
    tablePalette.setColor(QPalette::Window, QColor(0, 128, 0));
    Panel2->setPalette(tablePalette);
    auto* tableLayout = new QVBoxLayout(Panel2);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    PaintBox1 = new TPaintBox(this, Panel2);
    PaintBox1->setMinimumSize(MinimumTableSize);
    tableLayout->addWidget(PaintBox1);
    column->addWidget(Panel2, 1);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel2);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(0, 10000);
    ScrollBar1->setPageStep(100);
    ScrollBar1->hide();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TMainForm::ScrollBar1Change);

    setCentralWidget(central);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(true);
    // A label, not a transient message, so that assistive technology reads it
    // like the status line.
    StatusBarText = new TElidedLabel(StatusBar1);
    StatusBarText->setObjectName("StatusBarText");
    StatusBar1->addWidget(StatusBarText, 1);
    CreateListLine();
}

void TMainForm::SetMessageBoxes(TMessageBoxes* boxes) {
    MessageBoxes = boxes != nullptr ? boxes : &QtMessageBoxes;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TMainForm::FormShow() {
    // Without card pictures the window is never shown and no game is dealt.
    if (SettingsLoaded != 0 || !ArtworkError.isEmpty()) {
        return;
    }
    OptionsForm->RestoreSettings();
    RestoreOwnSections();
    LoadScoreList();
    FitWindowToCardSize();
    if (!KeptPlacement) {
        KeptPlacement = CurrentPlacement();  // kept only once the player changes it
    }
    SettingsLoaded = 1;
    ApplySettings();
    Table.Deal();
    ListFollowsTable();
    PaintBox1Paint();
    FocusTheStock();
    OfferKeptGame();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // While the window is still there, so that a failure can be told.
    SaveSettingsAtExit();
    QMainWindow::closeEvent(event);
}

void TMainForm::QuitOnSignal() {
    if (SignalQuit) {
        return;
    }
    SignalQuit = true;
    // An open settings dialog saves what it shows, as closing it would.
    if (OptionsForm->isVisible()) {
        OptionsForm->AnzCardEd->CommitText();
    }
    SaveSettingsAtExit();
    // Hidden, not closed: closing would answer them, and a dialog that refuses
    // to close would stop the quitting. Each one's event loop ends with it.
    for (int i = 0; i < 100; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            break;
        }
        modal->hide();
    }
    QApplication::quit();
}

void TMainForm::ShowInStatusBar(const QString& text) {
    StatusBarText->SetFullText(text);
}

void TMainForm::ShowStatus(const QString& text) {
    StatusPanel->setText(text);
}

void TMainForm::ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) {
    // No new box while the program is ending; a question counts as "No".
    if (SignalQuit) {
        return;
    }
    MessageBoxes->Show(this, QString::fromStdString(text), QString::fromStdString(caption), icon);
}

bool TMainForm::AskYesNo(const std::string& text, const std::string& caption) {
    if (SignalQuit) {
        return false;
    }
    return MessageBoxes->Ask(this, QString::fromStdString(text), QString::fromStdString(caption));
}
