#include "ui/OpponentChoice.h"

#include "ui/GameStatistics.h"
#include "ui/ProfileFile.h"

TOpponentKind ReadOpponentChoice(const TProfileFile& ini) {
    const QString name = ini.ReadString(OpponentSection, OpponentKey, QString());
    return name.compare(OpponentName(TOpponentKind::Stark), Qt::CaseInsensitive) == 0
               ? TOpponentKind::Stark
               : TOpponentKind::Klassisch;
}

void WriteOpponentChoice(TProfileFile& ini, TOpponentKind opponent) {
    ini.WriteString(OpponentSection, OpponentKey, OpponentName(opponent));
}
