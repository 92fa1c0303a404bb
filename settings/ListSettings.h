// How the list is kept: when it ends and what a held joker costs. They live in
// the settings file's section "[Liste]".
#pragma once

#include <QString>
#include <cstdint>

#include "game/Scoring.h"

class TProfileFile;

// When a list ends: once a seat has more minus points than a bound, after a
// number of games, or never.
enum class TListLimit { Points500, Points1000, Games10, Games20, None };
inline constexpr TListLimit ListLimits[] = {TListLimit::Points500, TListLimit::Points1000,
                                            TListLimit::Games10, TListLimit::Games20, TListLimit::None};

// The minus points a seat must pass to end the list; 0 when games or nothing end it.
int32_t LimitPoints(TListLimit limit);
// The games after which the list ends; 0 when points or nothing end it.
int32_t LimitGames(TListLimit limit);

struct TListSettings {
    TListLimit Limit = TListLimit::Points500;
    int32_t JokerPoints = DefaultJokerPoints;  // or HighJokerPoints
    bool operator==(const TListSettings&) const = default;
};

// The file's name of a limit: "500", "1000", "Spiele10", "Spiele20", "Keine".
QString StoredLimitName(TListLimit limit);

// A missing section, a missing key or a value not understood gives the default.
TListSettings ReadListSettings(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteListSettings(TProfileFile& ini, const TListSettings& settings);
