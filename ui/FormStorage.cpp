#include "ui/FormStorage.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/ProfileFile.h"

namespace {

const QString FormVersionKey = "FormVersion";
const QString FlagsKey = "Flags";
const QString ShowCmdKey = "ShowCmd";
const QString PixelsKey = "PixelsPerInch";
const QString MinMaxPosKey = "MinMaxPos";
const QString NormPosKey = "NormPos";
const QString VisibleKey = "Visible";

// Window show states as the file stores them.
constexpr int32_t ShowNormal = 1;
constexpr int32_t ShowMinimized = 2;
constexpr int32_t ShowMaximized = 3;

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

// A number with "." as the decimal separator; nothing else.
bool ParseNumber(const QString& text, double& value) {
    static const QRegularExpression number(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)");
    const QString t = text.trimmed();
    if (t.size() > 64 || !number.match(t).hasMatch()) {
        return false;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) {
        return false;
    }
    value = v;
    return true;
}

QString NumberText(double value) {
    return QString::number(value, 'g', 15);
}

// Four numbers separated by commas or blanks; a missing or bad number keeps
// the default.
void ReadFour(const QString& text, int32_t values[4]) {
    static const QRegularExpression delims("[, ]+");
    const QStringList words = text.split(delims, Qt::SkipEmptyParts);
    for (int i = 0; i < 4 && i < words.size(); ++i) {
        ParseDecimal(words[i], values[i]);
    }
}

QString FourText(int32_t a, int32_t b, int32_t c, int32_t d) {
    return QString("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
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
    if (ini.ReadInteger(IniSection, FormVersionKey, 0) < Version) {
        return;
    }
    RestorePlacement(ini);
    for (const QString& entry : Props) {
        RestoreProperty(ini, entry);
    }
}

QString TFormStorage::ReadPosStr(const TProfileFile& ini, const QString& key) const {
    const QString sized = ini.ReadString(IniSection, key + ScreenSuffix(), QString());
    return sized.isEmpty() ? ini.ReadString(IniSection, key, QString()) : sized;
}

void TFormStorage::RestorePlacement(const TProfileFile& ini) {
    const QRect frame = Form->frameGeometry();
    // "Flags" only concern the platform's own placement call; nothing to apply here.
    bool found = false;
    if (!ReadPosStr(ini, MinMaxPosKey).isEmpty()) {
        found = true;  // the minimised and maximised positions are the desktop's business
    }
    int32_t pos[4] = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    const QString norm = ReadPosStr(ini, NormPosKey);
    if (!norm.isEmpty()) {
        found = true;
        ReadFour(norm, pos);
    }
    if (ini.ReadInteger(IniSection, PixelsKey, ScreenPixelsPerInch()) != ScreenPixelsPerInch()) {
        found = false;
    }
    if (found) {
        // A window of fixed size keeps its own size; only left and top count.
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
    const int32_t show = ini.ReadInteger(IniSection, ShowCmdKey, 0);
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
    const QVariant current = meta.read(target);
    const QString key = PropertyKey(entry);
    switch (meta.metaType().id()) {
        case QMetaType::Int: {
            const QString text = ini.ReadString(IniSection, key, QString::number(current.toInt()));
            int32_t value = 0;
            if (!ParseDecimal(text, value)) {
                value = 0;
            }
            meta.write(target, value);
            break;
        }
        case QMetaType::Bool: {
            const QString text = ini.ReadString(IniSection, key, current.toBool() ? "True" : "False");
            if (text.compare("True", Qt::CaseInsensitive) == 0) {
                meta.write(target, true);
            } else if (text.compare("False", Qt::CaseInsensitive) == 0) {
                meta.write(target, false);
            }
            break;
        }
        case QMetaType::Double: {
            const QString text = ini.ReadString(IniSection, key, NumberText(current.toDouble()));
            double value = 0;
            if (ParseNumber(text, value)) {
                meta.write(target, value);
            }
            break;
        }
        case QMetaType::QString:
            meta.write(target, ini.ReadString(IniSection, key, current.toString()));
            break;
        default:
            break;
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
    // Minimised and maximised positions are left to the desktop: "unset".
    const QString minMax = FourText(-1, -1, -1, -1);
    const QString norm =
        FourText(frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height());
    const QString suffix = ScreenSuffix();
    ini.WriteInteger(IniSection, FormVersionKey, Version);
    ini.WriteInteger(IniSection, FlagsKey, 0);
    ini.WriteInteger(IniSection, ShowCmdKey, show);
    ini.WriteInteger(IniSection, PixelsKey, ScreenPixelsPerInch());
    ini.WriteString(IniSection, MinMaxPosKey + suffix, minMax);
    ini.WriteString(IniSection, MinMaxPosKey, minMax);
    ini.WriteString(IniSection, NormPosKey + suffix, norm);
    ini.WriteString(IniSection, NormPosKey, norm);
    ini.WriteInteger(IniSection, VisibleKey, destroying ? 1 : 0);
}

void TFormStorage::SaveProperty(TProfileFile& ini, const QString& entry) {
    QObject* target = nullptr;
    QMetaProperty meta;
    if (!FindProperty(entry, target, meta)) {
        return;
    }
    const QVariant value = meta.read(target);
    const QString key = PropertyKey(entry);
    switch (meta.metaType().id()) {
        case QMetaType::Int:
            ini.WriteInteger(IniSection, key, value.toInt());
            break;
        case QMetaType::Bool:
            ini.WriteString(IniSection, key, value.toBool() ? "True" : "False");
            break;
        case QMetaType::Double:
            ini.WriteString(IniSection, key, NumberText(value.toDouble()));
            break;
        case QMetaType::QString:
            ini.WriteString(IniSection, key, value.toString());
            break;
        default:
            break;
    }
}
