#include "settings/ListCsv.h"

#include <algorithm>

namespace {

QString CsvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        quoted << CsvField(field);
    }
    return quoted.join(',') + "\r\n";
}

}  // namespace

QString CsvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); });
    if (plain) {
        return text;
    }
    return '"' + QString(text).replace('"', "\"\"") + '"';
}

QByteArray ListCsv(const TScoreList& list, const TCsvWords& words) {
    QString text = CsvLine(QStringList{words.Game, words.WentOut, words.HandRomme} + words.Seats);
    for (size_t game = 0; game < list.Rows.size(); ++game) {
        const TListRow& row = list.Rows[game];
        QStringList fields{QString::number(game + 1), words.Seats.value(row.Winner),
                           row.HandRomme ? words.Yes : QString()};
        for (const int32_t points : row.Points) {
            fields << QString::number(points);
        }
        text += CsvLine(fields);
    }
    return text.toUtf8();
}
