#include "settings/TableSettings.h"

#include "settings/OpponentChoice.h"
#include "settings/ProfileFile.h"

namespace {

const QString Section = "Tisch";
const QString OpponentsKey = "Mitspieler";

// "Gegner1" for computer 1.
QString LevelKey(int32_t computer) {
    return "Gegner" + QString::number(computer);
}

}  // namespace

std::vector<TOpponentKind> SeatedOpponents(const TTableSettings& table, TOpponentKind oneOpponent) {
    if (table.Opponents <= 1 || table.Opponents > MostOpponents) {
        return {oneOpponent};
    }
    return {table.Levels.begin(), table.Levels.begin() + table.Opponents};
}

TTableSettings ReadTableSettings(const TProfileFile& ini) {
    TTableSettings settings;
    int32_t opponents = 0;
    if (ParseDecimal(ini.ReadString(Section, OpponentsKey, QString()), opponents) && opponents >= 1 &&
        opponents <= MostOpponents) {
        settings.Opponents = opponents;
    }
    for (int32_t c = 0; c < MostOpponents; ++c) {
        settings.Levels[c] = OpponentNamed(ini.ReadString(Section, LevelKey(c + 1), QString()));
    }
    return settings;
}

void WriteTableSettings(TProfileFile& ini, const TTableSettings& settings) {
    ini.WriteInteger(Section, OpponentsKey, settings.Opponents);
    for (int32_t c = 0; c < MostOpponents; ++c) {
        ini.WriteString(Section, LevelKey(c + 1), StoredOpponentName(settings.Levels[c]));
    }
}
