// Where the program file lies, and the data it brings along.
#pragma once

#include <QString>

// The program's folder, always ending in one separator.
QString ProgramDirectory();
// Appends a separator unless the path already ends in one.
QString WithTrailingSeparator(const QString& path);
// A data file or folder shipped with the program: next to the program file in
// the build tree, in the installed data folder (share/brisko, Debian's
// share/games/brisko) when installed. Empty when neither exists.
QString FindDataPath(const QString& relative);
