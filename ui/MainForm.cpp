#include "ui/MainForm.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <cstdio>

#include "ui/AboutBox.h"
#include "ui/ElidedLabel.h"
#include "ui/FormStorage.h"
#include "ui/HelpViewer.h"
#include "ui/OptionsForm.h"
#include "ui/ProfileFile.h"
#include "ui/ProgramDir.h"
#include "ui/TableAccessible.h"

TPaintBox::TPaintBox(TMainForm* form, QWidget* parent) : QWidget(parent), Form(form) {
    setObjectName("PaintBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize TPaintBox::sizeHint() const {
    return DesignTableSize;
}

bool TPaintBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && Form != nullptr) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = Form->TableToolTip(help->pos().x(), help->pos().y());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void TPaintBox::keyPressEvent(QKeyEvent* event) {
    if (Form == nullptr || !Form->PaintBox1KeyDown(event->key(), event->modifiers())) {
        QWidget::keyPressEvent(event);
    }
}

void TPaintBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (Form == nullptr) {
        return;
    }
    Form->TableFocusChanged(event->reason() == Qt::TabFocusReason ||
                            event->reason() == Qt::BacktabFocusReason);
}

void TPaintBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (Form != nullptr) {
        Form->TableFocusChanged(false);
    }
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (Form == nullptr) {
        return;
    }
    if (!Form->Table.isNull() && Form->Table.devicePixelRatio() != devicePixelRatioF()) {
        Form->PaintBox1Paint();  // moved to a screen of another pixel ratio
    }
    QPainter painter(this);
    const QImage& shown = Form->PlayingOut() ? Form->StepTable : Form->Table;
    if (!shown.isNull()) {
        painter.drawImage(0, 0, shown);
    }
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (Form == nullptr) {
        return;
    }
    Form->SwallowMouse = false;
    Form->KeyboardShown = false;  // the frame goes with the next painting
    const QPoint p = event->position().toPoint();
    Form->PaintBox1MouseDown(p.x(), p.y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (Form == nullptr) {
        return;
    }
    const QPoint p = event->position().toPoint();
    Form->PaintBox1MouseMove(p.x(), p.y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (Form == nullptr) {
        return;
    }
    if (Form->SwallowMouse) {
        Form->SwallowMouse = false;  // the end of the click that ended a playing-out
        return;
    }
    const QPoint p = event->position().toPoint();
    Form->PaintBox1MouseUp(p.x(), p.y());
}

void TPaintBox::resizeEvent(QResizeEvent*) {
    if (Form == nullptr) {
        return;
    }
    Form->PaintBox1Paint();
}

TMainForm::TMainForm(uint64_t seed, QWidget* parent) : QMainWindow(parent), Game(nullptr, seed) {
    setObjectName("MainForm");
    setWindowTitle("Taldrin Brisko 1.0");
    move(214, 146);

    InstallTableAccessibility();
    TellScreenReaders = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };
    ProgramDir = ProgramDirectory();
    HelpFile = ProgramDir + "brisko.hlp";

    CreateMenus();
    ShowViewSettings();
    CreateControls();
    // The table was designed at 680 x 338; the window grows around it by
    // whatever the desktop's menu bar, panels and status bar need.
    resize(sizeHint());
    CreateCardBack();
    Game.SetScreen(this);

    AboutBox = new TAboutBox(this);
    OptionsForm = new TOptionsForm(this);
    OptionsForm->FormStorage1->OnWriteError = [this](const QString& message) {
        ReportSettingsProblem(message, TMessageIcon::Error);
    };
    TProfileFile::OnNotice = [this](const QString& message) {
        ReportSettingsProblem(message, TMessageIcon::Information);
    };

    // Armed by each painting for the next tick at which the draw hint changes.
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
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
    Game.ClearAll();
    FreeFace(CardBack);
    CardBack = nullptr;
    Game.SetScreen(nullptr);
}

void TMainForm::CreateMenus() {
    SpielMenu = menuBar()->addMenu("Spiel");
    NeuesSpiel1 = SpielMenu->addAction("Neues Spiel", this, &TMainForm::NeuesSpiel1Click);
    NeuesSpiel1->setObjectName("NeuesSpiel1");
    NeuesSpiel1->setShortcut(QKeySequence(Qt::Key_F2));
    SpielMenu->addSeparator();
    // The opponent of the next game, one of two.
    GegnerGroup = new QActionGroup(this);
    GegnerGroup->setExclusive(true);
    GegnerKlassisch1 =
        SpielMenu->addAction("Gegner: Klassisch", this, [this] { ChooseOpponent(TOpponentKind::Klassisch); });
    GegnerKlassisch1->setObjectName("GegnerKlassisch1");
    GegnerStark1 =
        SpielMenu->addAction("Gegner: Stark", this, [this] { ChooseOpponent(TOpponentKind::Stark); });
    GegnerStark1->setObjectName("GegnerStark1");
    for (QAction* choice : {GegnerKlassisch1, GegnerStark1}) {
        choice->setCheckable(true);
        GegnerGroup->addAction(choice);
    }
    GegnerKlassisch1->setChecked(true);
    SpielMenu->addSeparator();
    Tipp1 = SpielMenu->addAction("Tipp", this, &TMainForm::Tipp1Click);
    Tipp1->setObjectName("Tipp1");
    Tipp1->setShortcut(QKeySequence(Qt::Key_H));
    Statistik1 = SpielMenu->addAction("Statistik...", this, &TMainForm::Statistik1Click);
    Statistik1->setObjectName("Statistik1");
    SpielMenu->addSeparator();
    Einstellungen1 = SpielMenu->addAction("Einstellungen...", this, &TMainForm::Einstellungen1Click);
    Einstellungen1->setObjectName("Einstellungen1");
    SpielMenu->addSeparator();
    Beenden1 = SpielMenu->addAction("Beenden", this, &TMainForm::Beenden1Click);
    Beenden1->setObjectName("Beenden1");
    Beenden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    CreateViewMenu();

    HilfeMenu = menuBar()->addMenu("Hilfe");
    Hilfe2 = HilfeMenu->addAction("&Hilfe...", this, &TMainForm::Hilfe2Click);
    Hilfe2->setObjectName("Hilfe2");
    Hilfe2->setShortcut(QKeySequence(Qt::Key_F1));
    HilfeMenu->addSeparator();
    berdasProgramm1 = HilfeMenu->addAction("Über das Programm...", this, &TMainForm::berdasProgramm1Click);
    berdasProgramm1->setObjectName("berdasProgramm1");
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
                              "Ausgelegte Karten zurücknehmen", Panel1);
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
    SettingsLoaded = 1;
    ApplySettings();
    Game.NeuesSpiel();
    PaintBox1Paint();
    FocusTheStock();
}

void TMainForm::NeuesSpiel1Click() {
    ClearHint();
    // A game given up after the first draw is lost.
    if (Game.PlayerDraws > 0 && !CountGame(false)) {
        ReportCannotWrite(SettingsFilePath());
    }
    Game.NeuesSpiel();
    ComputerMoved = false;
    Playback.Clear();
    ShowInStatusBar({});
    PaintBox1Paint();
    FocusTheStock();
}

void TMainForm::Beenden1Click() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // While the window is still there, so that a failure can be told.
    SaveSettingsAtExit();
    QMainWindow::closeEvent(event);
}

void TMainForm::SaveSettingsAtExit() {
    if (SettingsSavedAtExit) {
        return;
    }
    SettingsSavedAtExit = true;
    OptionsForm->FormDestroy();
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

void TMainForm::ReportSettingsProblem(const QString& message, TMessageIcon icon) {
    if (SignalQuit) {
        std::fprintf(stderr, "brisko: %s\n", qPrintable(message));
        return;
    }
    ShowMessage(message.toStdString(), ApplicationTitle, icon);
}

void TMainForm::UndoBtnClick() {
    ClearHint();
    Game.TakeBackTurn();
}

void TMainForm::ScrollBar1Change(int) {
    PaintBox1Paint();
}

void TMainForm::ShowInStatusBar(const QString& text) {
    StatusBarText->SetFullText(text);
}

void TMainForm::SetStatusLine(const std::string& text) {
    StatusPanel->setText(QString::fromStdString(text));
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
