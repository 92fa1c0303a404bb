// The record of finished games, one per opponent, kept in the settings file
// in a section of its own.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "game/Game.h"

class TProfileFile;

inline constexpr const char* StatisticsSection = "Statistik";

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
    TOpponentKind Opponent = TOpponentKind::Classic;
    bool Won = false;
    int32_t Turns = 0;  // of the player, in a won game
};

// A list that ended, or was given up (lost), as it is counted.
struct TCountedList {
    bool Won = false;
};

struct TGameStatistics {
    TOpponentRecord Of[2];  // by TOpponentKind
    // Lists, against whichever opponents they were played.
    int32_t ListsWon = 0;
    int32_t ListsLost = 0;

    TOpponentRecord& For(TOpponentKind opponent) { return Of[static_cast<int>(opponent)]; }
    const TOpponentRecord& For(TOpponentKind opponent) const { return Of[static_cast<int>(opponent)]; }

    // A won game after `turns` turns of the player.
    void CountWin(TOpponentKind opponent, int32_t turns);
    void CountLoss(TOpponentKind opponent);
    void Count(const TCountedGame& game);
    void Count(const TCountedList& list);
    void Reset() { *this = TGameStatistics{}; }

    // A missing section reads as zeros; so does a damaged one (a value that is
    // no number, below zero, or at odds with the others). The lists' figures
    // stand apart: a missing or damaged one reads as zero, the games' stay.
    static TGameStatistics Read(const TProfileFile& ini);
    // Sets the section's values; the caller writes the file.
    void Write(TProfileFile& ini) const;

    bool operator==(const TGameStatistics&) const = default;
};

// Counts the games and lists into the totals the settings file holds now, which another
// copy of the program may have counted into since this one read them, and
// writes the file; the two copies never write at once. `totals` is what the
// file then holds (with the games counted even when it could not be written).
// False when the file could not be written.
bool AddToStatisticsFile(const QString& fileName, const std::vector<TCountedGame>& games,
                         TGameStatistics& totals, const std::vector<TCountedList>& lists = {});
