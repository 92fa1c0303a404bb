// The record of finished games, one per opponent, kept in the settings file
// in a section of its own; the games at tables of three and four in another,
// apart from those of the game of two.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "game/Game.h"

class TProfileFile;

inline constexpr const char* StatisticsSection = "Statistik";
inline constexpr const char* TableStatisticsSection = "Tischstatistik";

struct TOpponentRecord {
    int32_t Won = 0;
    int32_t Lost = 0;
    int32_t Streak = 0;         // wins in a row up to the last game
    int32_t LongestStreak = 0;  //
    int32_t FewestTurns = 0;    // of a won game; 0 while none is won

    bool operator==(const TOpponentRecord&) const = default;
};

// A finished game, as it is counted.
struct TCountedGame {
    // At a table of three or four: Strong when any of the computers played strong.
    TOpponentKind Opponent = TOpponentKind::Classic;
    bool Won = false;
    int32_t Turns = 0;  // of the player, in a won game
    int32_t Seats = 2;  // the player's and the computers'
};

// A finished game against these computers, computer 1 first.
TCountedGame CountedGame(const std::vector<TOpponentKind>& opponents, bool won, int32_t turns);

// A list that ended, or was given up (lost), as it is counted.
struct TCountedList {
    bool Won = false;
};

struct TGameStatistics {
    TOpponentRecord Of[2];  // by TOpponentKind, at the table of two
    // At the tables of three and four, by whether a strong computer sat at it.
    TOpponentRecord AtTable[2][2];
    // Lists, against whichever opponents they were played.
    int32_t ListsWon = 0;
    int32_t ListsLost = 0;

    TOpponentRecord& For(TOpponentKind opponent) { return Of[static_cast<int>(opponent)]; }
    const TOpponentRecord& For(TOpponentKind opponent) const { return Of[static_cast<int>(opponent)]; }
    // A table of three (`seats` 3) or four (4 or more).
    TOpponentRecord& ForTable(int32_t seats, bool strong) {
        return AtTable[TableIndex(seats)][strong ? 1 : 0];
    }
    const TOpponentRecord& ForTable(int32_t seats, bool strong) const {
        return AtTable[TableIndex(seats)][strong ? 1 : 0];
    }

    // A won game after `turns` turns of the player.
    void CountWin(TOpponentKind opponent, int32_t turns);
    void CountLoss(TOpponentKind opponent);
    // At a table of two into the opponent's record, at a larger table into the table's.
    void Count(const TCountedGame& game);
    void Count(const TCountedList& list);
    void Reset() { *this = TGameStatistics{}; }

    // A missing section reads as zeros; so does a damaged one (a value that is
    // no number, below zero, or at odds with the others). The lists' figures
    // stand apart: a missing or damaged one reads as zero, the games' stay.
    // Each record of the larger tables stands alone in the same way.
    static TGameStatistics Read(const TProfileFile& ini);
    // Sets the sections' values; the caller writes the file. A figure of the
    // larger tables is set only when it is not 0 or the file has it already,
    // so the file of one who never sat at one stays as it was.
    void Write(TProfileFile& ini) const;

    bool operator==(const TGameStatistics&) const = default;

  private:
    static int TableIndex(int32_t seats) { return seats <= 3 ? 0 : 1; }
};

// Counts the games and lists into the totals the settings file holds now, which another
// copy of the program may have counted into since this one read them, and
// writes the file; the two copies never write at once. `totals` is what the
// file then holds (with the games counted even when it could not be written).
// False when the file could not be written.
bool AddToStatisticsFile(const QString& fileName, const std::vector<TCountedGame>& games,
                         TGameStatistics& totals, const std::vector<TCountedList>& lists = {});
