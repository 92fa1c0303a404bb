#include "settings/ListSettings.h"

#include "settings/ProfileFile.h"

namespace {

const QString Section = "Liste";
const QString LimitKey = "Grenze";
const QString JokerKey = "Joker";

}  // namespace

int32_t LimitPoints(TListLimit limit) {
    switch (limit) {
        case TListLimit::Points500:
            return 500;
        case TListLimit::Points1000:
            return 1000;
        default:
            return 0;
    }
}

int32_t LimitGames(TListLimit limit) {
    switch (limit) {
        case TListLimit::Games10:
            return 10;
        case TListLimit::Games20:
            return 20;
        default:
            return 0;
    }
}

QString StoredLimitName(TListLimit limit) {
    if (limit == TListLimit::None) {
        return "Keine";
    }
    return LimitGames(limit) > 0 ? "Spiele" + QString::number(LimitGames(limit))
                                 : QString::number(LimitPoints(limit));
}

TListSettings ReadListSettings(const TProfileFile& ini) {
    TListSettings settings;
    const QString limit = ini.ReadString(Section, LimitKey, QString());
    for (const TListLimit choice : ListLimits) {
        if (limit.compare(StoredLimitName(choice), Qt::CaseInsensitive) == 0) {
            settings.Limit = choice;
        }
    }
    const int32_t joker = ini.ReadInteger(Section, JokerKey, DefaultJokerPoints);
    settings.JokerPoints = joker == HighJokerPoints ? HighJokerPoints : DefaultJokerPoints;
    return settings;
}

void WriteListSettings(TProfileFile& ini, const TListSettings& settings) {
    ini.WriteString(Section, LimitKey, StoredLimitName(settings.Limit));
    ini.WriteInteger(Section, JokerKey, settings.JokerPoints);
}
