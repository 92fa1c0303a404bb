#include "ui/ViewSettings.h"

#include "ui/ProfileFile.h"

namespace {

const QString Section = "Ansicht";
const QString SpeedKey = "ZugDesComputers";
const QString MarksKey = "ZuegeMarkieren";

constexpr TMoveSpeed Speeds[] = {TMoveSpeed::Sofort, TMoveSpeed::Schnell, TMoveSpeed::Normal,
                                 TMoveSpeed::Langsam};

}  // namespace

int StepMilliseconds(TMoveSpeed speed) {
    switch (speed) {
        case TMoveSpeed::Sofort:
            return 0;
        case TMoveSpeed::Schnell:
            return 150;
        case TMoveSpeed::Normal:
            return 350;
        case TMoveSpeed::Langsam:
            return 700;
    }
    return 0;
}

QString SpeedName(TMoveSpeed speed) {
    switch (speed) {
        case TMoveSpeed::Sofort:
            return "Sofort";
        case TMoveSpeed::Schnell:
            return "Schnell";
        case TMoveSpeed::Normal:
            return "Normal";
        case TMoveSpeed::Langsam:
            return "Langsam";
    }
    return {};
}

TViewSettings ReadViewSettings(const TProfileFile& ini) {
    TViewSettings settings;
    const QString speed = ini.ReadString(Section, SpeedKey, QString());
    for (TMoveSpeed candidate : Speeds) {
        if (speed.compare(SpeedName(candidate), Qt::CaseInsensitive) == 0) {
            settings.Speed = candidate;
        }
    }
    const QString marks = ini.ReadString(Section, MarksKey, QString());
    if (marks.compare("False", Qt::CaseInsensitive) == 0) {
        settings.MarkMoves = false;
    }
    return settings;
}

void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings) {
    ini.WriteString(Section, SpeedKey, SpeedName(settings.Speed));
    ini.WriteString(Section, MarksKey, settings.MarkMoves ? "True" : "False");
}
