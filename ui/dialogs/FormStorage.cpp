#include "ui/dialogs/FormStorage.h"

#include <QGuiApplication>
#include <QMetaProperty>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "settings/FormSection.h"
#include "settings/ProfileFile.h"
#include "ui/dialogs/MessageBoxes.h"

namespace {

// Coordinates beyond this are hand-made nonsense; they are cut down before
// any arithmetic can overflow.
constexpr int64_t MaxExtent = 1000000;

QScreen* MainScreen() {
    return QGuiApplication::primaryScreen();
}

bool IsResizable(const QWidget* form) {
    return form->minimumSize() != form->maximumSize();
}

// "Component.Property": split at the first full stop.
bool SplitEntry(const QString& entry, QString& component, QString& property) {
    const qsizetype dot = entry.indexOf('.');
    if (dot <= 0 || dot == entry.size() - 1) {
        return false;
    }
    component = entry.left(dot);
    property = entry.mid(dot + 1);
    return true;
}

// Moves a window rectangle (frame included) onto the screen it mostly lies
// on, so that a hand-edited position can never hide a modal dialog.
QPoint OnScreen(const QRect& frame) {
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = MainScreen();
    }
    if (screen == nullptr) {
        return frame.topLeft();
    }
    const QRect area = screen->availableGeometry();
    int x = frame.x();
    int y = frame.y();
    x = std::max(area.left(), std::min(x, area.left() + area.width() - frame.width()));
    y = std::max(area.top(), std::min(y, area.top() + area.height() - frame.height()));
    return {x, y};
}

}  // namespace

TFormStorage::TFormStorage(QWidget* form) : QObject(form), Form(form) {
    setObjectName("FormStorage1");
    IniFileName = SettingsFilePath();
    IniSection = QString::fromLatin1(form->metaObject()->className()).section("::", -1);
}

void TFormStorage::SetStoredProps(const QStringList& props) {
    Props.clear();
    for (const QString& entry : props) {
        QString component;
        QString property;
        if (SplitEntry(entry, component, property) && Form->findChild<QObject*>(component) != nullptr) {
            Props << entry;
        }
    }
}

QString TFormStorage::ScreenSuffix() {
    const QScreen* screen = MainScreen();
    const QSize size = screen != nullptr ? screen->geometry().size() : QSize(0, 0);
    return QString("(%1x%2)").arg(size.width()).arg(size.height());
}

int32_t TFormStorage::ScreenPixelsPerInch() {
    const QScreen* screen = MainScreen();
    return screen != nullptr ? static_cast<int32_t>(std::lround(screen->logicalDotsPerInch())) : 96;
}

QString TFormStorage::PropertyKey(const QString& entry) const {
    QString component;
    QString property;
    SplitEntry(entry, component, property);
    return component + "_" + property;
}

// --- Restoring ---

void TFormStorage::RestoreFormPlacement() {
    const TProfileFile ini(IniFileName);
    HasRestored = true;
    Saved = false;
    Placed = false;
    if (ReadFormVersion(ini, IniSection) < Version) {
        return;
    }
    RestorePlacement(ini);
    for (const QString& entry : Props) {
        RestoreProperty(ini, entry);
    }
}

void TFormStorage::RestorePlacement(const TProfileFile& ini) {
    const QRect frame = Form->frameGeometry();
    const int32_t current[4] = {frame.left(), frame.top(), frame.left() + frame.width(),
                                frame.top() + frame.height()};
    const TStoredPlacement stored =
        ReadPlacement(ini, IniSection, ScreenSuffix(), ScreenPixelsPerInch(), current);
    if (stored.Found) {
        // A window of fixed size keeps its own size; only left and top count.
        const int32_t* pos = stored.Pos;
        const bool resizable = IsResizable(Form);
        const int64_t width = resizable ? int64_t{pos[2]} - pos[0] : frame.width();
        const int64_t height = resizable ? int64_t{pos[3]} - pos[1] : frame.height();
        if (width > 0 && height > 0 && width <= MaxExtent && height <= MaxExtent) {
            if (resizable) {
                Form->resize(static_cast<int>(width) - (frame.width() - Form->width()),
                             static_cast<int>(height) - (frame.height() - Form->height()));
            }
            const int x = static_cast<int>(std::clamp<int64_t>(pos[0], -MaxExtent, MaxExtent));
            const int y = static_cast<int>(std::clamp<int64_t>(pos[1], -MaxExtent, MaxExtent));
            Form->move(OnScreen(QRect(x, y, Form->frameGeometry().width(), Form->frameGeometry().height())));
            Placed = true;
        }
    }

    // A window of fixed size is always shown normal: minimised, a modal
    // dialog could not be found again.
    const int32_t show = stored.ShowCmd;
    Qt::WindowStates state = Qt::WindowNoState;
    if (IsResizable(Form)) {
        if (show == 2 || show == 6 || show == 7) {
            state = Qt::WindowMinimized;
        } else if (show == 3) {
            state = Qt::WindowMaximized;
        }
    }
    Form->setWindowState(state);
}

// The component and property that a stored entry names; false when the dialog has no such thing.
bool TFormStorage::FindProperty(const QString& entry, QObject*& target, QMetaProperty& meta) const {
    QString component;
    QString property;
    SplitEntry(entry, component, property);
    target = Form->findChild<QObject*>(component);
    if (target == nullptr) {
        return false;
    }
    const int index = target->metaObject()->indexOfProperty(property.toLatin1().constData());
    if (index < 0) {
        return false;
    }
    meta = target->metaObject()->property(index);
    return true;
}

void TFormStorage::RestoreProperty(const TProfileFile& ini, const QString& entry) {
    QObject* target = nullptr;
    QMetaProperty meta;
    if (!FindProperty(entry, target, meta)) {
        return;
    }
    if (const std::optional<QVariant> value =
            ReadStoredValue(ini, IniSection, PropertyKey(entry), meta.read(target))) {
        meta.write(target, *value);
    }
}

// --- Saving ---

bool TFormStorage::SaveFormPlacement() {
    return Save(false);
}

void TFormStorage::FormDestroy() {
    if (!Saved) {
        Save(true);
    }
}

bool TFormStorage::Save(bool destroying) {
    if (!HasRestored) {
        return false;
    }
    TProfileFile ini(IniFileName);
    SavePlacement(ini, destroying);
    for (const QString& entry : Props) {
        SaveProperty(ini, entry);
    }
    if (!ini.UpdateFile()) {
        if (OnWriteError) {
            OnWriteError(CannotWriteText(IniFileName));
        }
        return false;
    }
    Saved = true;
    return true;
}

void TFormStorage::SavePlacement(TProfileFile& ini, bool destroying) {
    const QRect frame = Form->frameGeometry();
    int32_t show = ShowNormal;
    if (Form->isMinimized()) {
        show = ShowMinimized;
    } else if (Form->isMaximized()) {
        show = ShowMaximized;
    }
    const int32_t pos[4] = {frame.left(), frame.top(), frame.left() + frame.width(),
                            frame.top() + frame.height()};
    WritePlacement(ini, IniSection, ScreenSuffix(), ScreenPixelsPerInch(), Version, show, pos, destroying);
}

void TFormStorage::SaveProperty(TProfileFile& ini, const QString& entry) {
    QObject* target = nullptr;
    QMetaProperty meta;
    if (FindProperty(entry, target, meta)) {
        WriteStoredValue(ini, IniSection, PropertyKey(entry), meta.read(target));
    }
}
