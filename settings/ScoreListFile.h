// The list's file beside the kept game: versioned JSON, written whole or not
// at all after every game, readable by the player alone, and read back with
// every check a file from outside needs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>

#include "settings/ScoreList.h"

// "score-list.json" in the folder "brisko" of the XDG data folder; the name
// never changes with the language.
QString ScoreListFilePath();

inline constexpr unsigned ScoreListPermissions = 0600;
// Two lists of the longest take about 1 MB; larger files are never read.
inline constexpr qint64 MaxScoreListSize = 2 * 1024 * 1024;

// How the file names the seats: "player", then "computer" at a table of two,
// else "computer1", "computer2", ...
QStringList StoredSeatNames(int32_t seats);

QByteArray ScoreListsText(const TScoreLists& lists);

// A text read back. Problem is empty when it holds lists that add up, else it
// says in English what is wrong.
struct TScoreListsParse {
    TScoreLists Lists;
    std::string Problem;
};
TScoreListsParse ParseScoreLists(const QByteArray& text);

enum class TScoreListRead { Read, Missing, Refused };
struct TScoreListsReading {
    TScoreListRead Result = TScoreListRead::Missing;
    TScoreLists Lists;  // a fresh list unless read
    std::string Problem;
    QString Message;  // what the player is told about a refused file
};

// Reads the lists. Only a regular file of bounded size is read, never through
// a link or from a pipe; anything else, and a text that does not hold lists
// that add up, is refused and moved aside as "<name>.bak" (.bak1, ... never
// over an older one).
TScoreListsReading ReadScoreLists(const QString& path);

// Writes the lists whole or not at all, the folder made for the player alone
// if missing. False when the file could not be written.
bool WriteScoreLists(const QString& path, const TScoreLists& lists);
