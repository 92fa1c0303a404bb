#include "settings/ViewSettings.h"

#include <optional>

#include "settings/FormSection.h"
#include "settings/ProfileFile.h"

namespace {

const QString Section = "Ansicht";
const QString SpeedKey = "ZugDesComputers";
const QString MarksKey = "ZuegeMarkieren";

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

TViewSettings ReadViewSettings(const TProfileFile& ini) {
    TViewSettings settings;
    const QString speed = ini.ReadString(Section, SpeedKey, QString());
    for (TMoveSpeed candidate : MoveSpeeds) {
        if (speed.compare(StoredSpeedName(candidate), Qt::CaseInsensitive) == 0) {
            settings.Speed = candidate;
        }
    }
    // Marked unless the file says "False".
    settings.MarkMoves = ParseBoolText(ini.ReadString(Section, MarksKey, QString())).value_or(true);
    return settings;
}

void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings) {
    ini.WriteString(Section, SpeedKey, StoredSpeedName(settings.Speed));
    ini.WriteString(Section, MarksKey, BoolText(settings.MarkMoves));
}
