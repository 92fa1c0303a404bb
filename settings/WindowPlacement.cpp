#include "settings/WindowPlacement.h"

#include <QString>
#include <algorithm>
#include <cstdlib>

#include "settings/FormSection.h"
#include "settings/ProfileFile.h"

namespace {

const QString Section = "Fenster";
const QString LeftKey = "Links";
const QString TopKey = "Oben";
const QString WidthKey = "Breite";
const QString HeightKey = "Hoehe";
const QString MaximizedKey = "Maximiert";

// No screen is larger; a larger size is no size a window had.
constexpr int32_t LargestSide = 1 << 15;

}  // namespace

std::optional<TWindowPlacement> ReadWindowPlacement(const TProfileFile& ini) {
    int32_t numbers[4] = {};
    const QString keys[4] = {LeftKey, TopKey, WidthKey, HeightKey};
    for (int i = 0; i < 4; ++i) {
        if (!ParseDecimal(ini.ReadString(Section, keys[i], QString()), numbers[i])) {
            return std::nullopt;
        }
    }
    const auto [left, top, width, height] = numbers;
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide ||
        std::abs(left) > LargestSide || std::abs(top) > LargestSide) {
        return std::nullopt;
    }
    TWindowPlacement placement;
    placement.Normal = QRect(left, top, width, height);
    placement.Maximized = ParseBoolText(ini.ReadString(Section, MaximizedKey, QString())).value_or(false);
    return placement;
}

void WriteWindowPlacement(TProfileFile& ini, const TWindowPlacement& placement) {
    ini.WriteInteger(Section, LeftKey, placement.Normal.left());
    ini.WriteInteger(Section, TopKey, placement.Normal.top());
    ini.WriteInteger(Section, WidthKey, placement.Normal.width());
    ini.WriteInteger(Section, HeightKey, placement.Normal.height());
    ini.WriteString(Section, MaximizedKey, BoolText(placement.Maximized));
}

QRect PlaceInside(const QRect& stored, const QRect& available, const QMargins& frame) {
    const QRect room = available.marginsRemoved(frame);
    if (room.isEmpty()) {
        return stored;
    }
    QRect placed(stored.topLeft(), stored.size().boundedTo(room.size()));
    placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() + 1 - placed.width()));
    placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() + 1 - placed.height()));
    return placed;
}
