// A list as comma-separated values for a spreadsheet: a header line, then one
// line per game with a column per seat, in UTF-8.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "settings/ScoreList.h"

// The words of the table in the player's language.
struct TCsvWords {
    QString Game;       // the column of the game's number
    QString WentOut;    // the column of who went out
    QString HandRomme;  // the column of the Hand-Rommé mark
    QString Yes;        // that mark
    QStringList Seats;  // every seat's name, in seat order
};

// A field quoted where it holds a comma, a quote or a line break, with its
// quotes doubled.
QString CsvField(const QString& text);
// Lines end in CR LF; numbers stand plain.
QByteArray ListCsv(const TScoreList& list, const TCsvWords& words);
