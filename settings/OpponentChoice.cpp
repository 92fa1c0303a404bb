#include "settings/OpponentChoice.h"

#include "settings/ProfileFile.h"

QString StoredOpponentName(TOpponentKind opponent) {
    return opponent == TOpponentKind::Strong ? "Stark" : "Klassisch";
}

TOpponentKind OpponentNamed(const QString& name) {
    return name.compare(StoredOpponentName(TOpponentKind::Strong), Qt::CaseInsensitive) == 0
               ? TOpponentKind::Strong
               : TOpponentKind::Classic;
}

TOpponentKind ReadOpponentChoice(const TProfileFile& ini) {
    return OpponentNamed(ini.ReadString(OpponentSection, OpponentKey, QString()));
}

void WriteOpponentChoice(TProfileFile& ini, TOpponentKind opponent) {
    ini.WriteString(OpponentSection, OpponentKey, StoredOpponentName(opponent));
}
