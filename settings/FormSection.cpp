#include "settings/FormSection.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "settings/ProfileFile.h"

namespace {

const QString FormVersionKey = "FormVersion";
const QString FlagsKey = "Flags";
const QString ShowCmdKey = "ShowCmd";
const QString PixelsKey = "PixelsPerInch";
const QString MinMaxPosKey = "MinMaxPos";
const QString NormPosKey = "NormPos";
const QString VisibleKey = "Visible";

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

// The value for this screen size, else the plain one.
QString ReadPosStr(const TProfileFile& ini, const QString& section, const QString& key,
                   const QString& suffix) {
    const QString sized = ini.ReadString(section, key + suffix, QString());
    return sized.isEmpty() ? ini.ReadString(section, key, QString()) : sized;
}

}  // namespace

TStoredPlacement ReadPlacement(const TProfileFile& ini, const QString& section, const QString& screenSuffix,
                               int32_t pixelsPerInch, const int32_t frame[4]) {
    TStoredPlacement placement;
    std::copy(frame, frame + 4, placement.Pos);
    // "Flags" only concern the platform's own placement call; the minimised and
    // maximised positions are the desktop's business: present, they count as found.
    if (!ReadPosStr(ini, section, MinMaxPosKey, screenSuffix).isEmpty()) {
        placement.Found = true;
    }
    const QString norm = ReadPosStr(ini, section, NormPosKey, screenSuffix);
    if (!norm.isEmpty()) {
        placement.Found = true;
        ReadFour(norm, placement.Pos);
    }
    if (ini.ReadInteger(section, PixelsKey, pixelsPerInch) != pixelsPerInch) {
        placement.Found = false;
    }
    placement.ShowCmd = ini.ReadInteger(section, ShowCmdKey, 0);
    return placement;
}

void WritePlacement(TProfileFile& ini, const QString& section, const QString& screenSuffix,
                    int32_t pixelsPerInch, int32_t version, int32_t showCmd, const int32_t frame[4],
                    bool visible) {
    // Minimised and maximised positions are left to the desktop: "unset".
    const QString minMax = FourText(-1, -1, -1, -1);
    const QString norm = FourText(frame[0], frame[1], frame[2], frame[3]);
    ini.WriteInteger(section, FormVersionKey, version);
    ini.WriteInteger(section, FlagsKey, 0);
    ini.WriteInteger(section, ShowCmdKey, showCmd);
    ini.WriteInteger(section, PixelsKey, pixelsPerInch);
    ini.WriteString(section, MinMaxPosKey + screenSuffix, minMax);
    ini.WriteString(section, MinMaxPosKey, minMax);
    ini.WriteString(section, NormPosKey + screenSuffix, norm);
    ini.WriteString(section, NormPosKey, norm);
    ini.WriteInteger(section, VisibleKey, visible ? 1 : 0);
}

int32_t ReadFormVersion(const TProfileFile& ini, const QString& section) {
    return ini.ReadInteger(section, FormVersionKey, 0);
}

std::optional<QVariant> ReadStoredValue(const TProfileFile& ini, const QString& section, const QString& key,
                                        const QVariant& current) {
    switch (current.metaType().id()) {
        case QMetaType::Int: {
            const QString text = ini.ReadString(section, key, QString::number(current.toInt()));
            int32_t value = 0;
            if (!ParseDecimal(text, value)) {
                value = 0;
            }
            return QVariant(value);
        }
        case QMetaType::Bool: {
            const std::optional<bool> value =
                ParseBoolText(ini.ReadString(section, key, BoolText(current.toBool())));
            return value ? std::optional<QVariant>(QVariant(*value)) : std::nullopt;
        }
        case QMetaType::Double: {
            const QString text = ini.ReadString(section, key, NumberText(current.toDouble()));
            double value = 0;
            return ParseNumber(text, value) ? std::optional<QVariant>(QVariant(value)) : std::nullopt;
        }
        case QMetaType::QString:
            return QVariant(ini.ReadString(section, key, current.toString()));
        default:
            return std::nullopt;
    }
}

void WriteStoredValue(TProfileFile& ini, const QString& section, const QString& key, const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::Int:
            ini.WriteInteger(section, key, value.toInt());
            break;
        case QMetaType::Bool:
            ini.WriteString(section, key, BoolText(value.toBool()));
            break;
        case QMetaType::Double:
            ini.WriteString(section, key, NumberText(value.toDouble()));
            break;
        case QMetaType::QString:
            ini.WriteString(section, key, value.toString());
            break;
        default:
            break;
    }
}

QString BoolText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> ParseBoolText(const QString& text) {
    if (text.compare("True", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare("False", Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}
