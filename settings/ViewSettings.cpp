#include "settings/ViewSettings.h"

#include <optional>

#include "settings/FormSection.h"
#include "settings/ProfileFile.h"

namespace {

const QString Section = "Ansicht";
const QString SpeedKey = "ZugDesComputers";
const QString MarksKey = "ZuegeMarkieren";
const QString CardSizeKey = "Kartengroesse";

// The value whose name in the file the text is, without regard to case; `def` for any other text.
template <class T, size_t N>
T ByStoredName(const QString& text, const T (&values)[N], QString (*name)(T), T def) {
    for (const T value : values) {
        if (text.compare(name(value), Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    return def;
}

}  // namespace

QString StoredSpeedName(TMoveSpeed speed) {
    switch (speed) {
        case TMoveSpeed::Instant:
            return "Sofort";
        case TMoveSpeed::Fast:
            return "Schnell";
        case TMoveSpeed::Normal:
            return "Normal";
        case TMoveSpeed::Slow:
            return "Langsam";
    }
    return {};
}

QString StoredCardSizeName(TCardSize size) {
    switch (size) {
        case TCardSize::Normal:
            return "Normal";
        case TCardSize::Larger125:
            return "125";
        case TCardSize::Larger150:
            return "150";
        case TCardSize::Larger200:
            return "200";
        case TCardSize::FitWindow:
            return "Fenster";
    }
    return {};
}

double FixedCardScale(TCardSize size) {
    switch (size) {
        case TCardSize::Normal:
            return 1;
        case TCardSize::Larger125:
            return 1.25;
        case TCardSize::Larger150:
            return 1.5;
        case TCardSize::Larger200:
            return 2;
        case TCardSize::FitWindow:
            break;
    }
    return 0;
}

TViewSettings ReadViewSettings(const TProfileFile& ini) {
    TViewSettings settings;
    settings.Speed = ByStoredName(ini.ReadString(Section, SpeedKey, QString()), MoveSpeeds, StoredSpeedName,
                                  settings.Speed);
    settings.CardSize = ByStoredName(ini.ReadString(Section, CardSizeKey, QString()), CardSizes,
                                     StoredCardSizeName, settings.CardSize);
    // Marked unless the file says "False".
    settings.MarkMoves = ParseBoolText(ini.ReadString(Section, MarksKey, QString())).value_or(true);
    return settings;
}

void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings) {
    ini.WriteString(Section, SpeedKey, StoredSpeedName(settings.Speed));
    ini.WriteString(Section, MarksKey, BoolText(settings.MarkMoves));
    ini.WriteString(Section, CardSizeKey, StoredCardSizeName(settings.CardSize));
}
