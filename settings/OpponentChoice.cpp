#include "settings/OpponentChoice.h"

#include "settings/ProfileFile.h"

QString StoredOpponentName(TOpponentKind opponent) {
    return opponent == TOpponentKind::Strong ? "Stark" : "Klassisch";
}

TOpponentKind ReadOpponentChoice(const TProfileFile& ini) {
    const QString name = ini.ReadString(OpponentSection, OpponentKey, QString());
    return name.compare(StoredOpponentName(TOpponentKind::Strong), Qt::CaseInsensitive) == 0
               ? TOpponentKind::Strong
               : TOpponentKind::Classic;
}

void WriteOpponentChoice(TProfileFile& ini, TOpponentKind opponent) {
    ini.WriteString(OpponentSection, OpponentKey, StoredOpponentName(opponent));
}
