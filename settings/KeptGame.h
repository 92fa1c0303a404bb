// The game in play, kept in a file of its own so that an interrupted game is
// never lost: where the file lives, its text, and reading it back with every
// check that a file from outside needs.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>

#include "game/record/Snapshot.h"

// The game as kept, with what the window needs to show it as it was.
struct TKeptGame {
    TGameSnapshot Game;
    int32_t MeldRowScroll = 0;  // how far the meld row was scrolled
};

// "kept-game.json" in the folder "brisko" of the XDG data folder
// ($XDG_DATA_HOME, else ~/.local/share); the name never changes with the language.
QString KeptGameFilePath();

// Only the player may read the file.
inline constexpr unsigned KeptGamePermissions = 0600;
// Larger files are never read; a kept game takes about 10 KB.
inline constexpr qint64 MaxKeptGameSize = 256 * 1024;
inline constexpr int32_t MaxMeldRowScroll = 1 << 20;

// The file's text: versioned JSON.
QByteArray KeptGameText(const TKeptGame& kept);

// A text read back. Problem is empty when it holds a game that could occur,
// else it says in English what is wrong (for standard error and tests).
struct TKeptGameParse {
    TKeptGame Kept;
    std::string Problem;
};
TKeptGameParse ParseKeptGame(const QByteArray& text);

enum class TKeptGameRead { Read, Missing, Refused };
struct TKeptGameReading {
    TKeptGameRead Result = TKeptGameRead::Missing;
    TKeptGame Kept;
    std::string Problem;  // why it was refused
    QString Message;      // what the player is told about a refused file
};

// Reads the kept game. Only a regular file of bounded size is read, never
// through a link or from a pipe; anything else, and a text that is no game
// that could occur, is refused and moved aside as "<name>.bak" (.bak1, ...
// when taken, never over an older one).
TKeptGameReading ReadKeptGame(const QString& path);

// Whether anything lies where the file would: one look, nothing read.
bool KeptGameLies(const QString& path);
