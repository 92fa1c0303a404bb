#include "settings/GameStatistics.h"

#include <QLockFile>
#include <algorithm>
#include <limits>

#include "settings/OpponentChoice.h"
#include "settings/ProfileFile.h"

namespace {

// Keys: the opponent's name and the figure, e.g. "KlassischGewonnen".
const char* const FigureKeys[] = {"Gewonnen", "Verloren", "Serie", "LaengsteSerie", "WenigsteZuege"};
const char* const ListsWonKey = "ListenGewonnen";
const char* const ListsLostKey = "ListenVerloren";
// The larger tables' keys: the size, whether a strong computer sat at it, the
// figure, e.g. "VierMitStarkGewonnen".
const char* const TableSizeKeys[] = {"Drei", "Vier"};
const char* const TableStrongKeys[] = {"OhneStark", "MitStark"};

int32_t* Figures(TOpponentRecord& record, int index) {
    int32_t* figures[] = {&record.Won, &record.Lost, &record.Streak, &record.LongestStreak,
                          &record.FewestTurns};
    return figures[index];
}

bool Plausible(const TOpponentRecord& r) {
    return r.Won >= 0 && r.Lost >= 0 && r.Streak >= 0 && r.FewestTurns >= 0 && r.Streak <= r.LongestStreak &&
           r.LongestStreak <= r.Won && (r.Won == 0) == (r.FewestTurns == 0);
}

void AddOne(int32_t& figure) {
    if (figure < std::numeric_limits<int32_t>::max()) {
        ++figure;
    }
}

void CountInto(TOpponentRecord& record, const TCountedGame& game) {
    if (game.Won) {
        AddOne(record.Won);
        AddOne(record.Streak);
        record.LongestStreak = std::max(record.LongestStreak, record.Streak);
        const int32_t turns = std::max(game.Turns, 1);  // a win counts at least one turn
        record.FewestTurns = record.FewestTurns == 0 ? turns : std::min(record.FewestTurns, turns);
    } else {
        AddOne(record.Lost);
        record.Streak = 0;
    }
}

// One record's figures under keys beginning with `prefix`; false when one is damaged.
bool ReadRecord(const TProfileFile& ini, const char* section, const QString& prefix,
                TOpponentRecord& record) {
    for (int f = 0; f < 5; ++f) {
        if (!ParseDecimal(ini.ReadString(section, prefix + FigureKeys[f], "0"), *Figures(record, f))) {
            return false;
        }
    }
    return Plausible(record);
}

// The games against each opponent; false when a figure is damaged.
bool ReadGames(const TProfileFile& ini, TGameStatistics& statistics) {
    for (const TOpponentKind opponent : {TOpponentKind::Classic, TOpponentKind::Strong}) {
        if (!ReadRecord(ini, StatisticsSection, StoredOpponentName(opponent), statistics.For(opponent))) {
            return false;
        }
    }
    return true;
}

QString TablePrefix(int size, int strong) {
    return QString(TableSizeKeys[size]) + TableStrongKeys[strong];
}

// A count of lists; 0 when missing or damaged.
int32_t ReadListCount(const TProfileFile& ini, const char* key) {
    int32_t count = 0;
    return ParseDecimal(ini.ReadString(StatisticsSection, key, "0"), count) && count > 0 ? count : 0;
}

}  // namespace

TCountedGame CountedGame(const std::vector<TOpponentKind>& opponents, bool won, int32_t turns) {
    const bool strong =
        std::find(opponents.begin(), opponents.end(), TOpponentKind::Strong) != opponents.end();
    return {strong ? TOpponentKind::Strong : TOpponentKind::Classic, won, turns,
            static_cast<int32_t>(opponents.size()) + 1};
}

void TGameStatistics::CountWin(TOpponentKind opponent, int32_t turns) {
    CountInto(For(opponent), {opponent, true, turns});
}

void TGameStatistics::CountLoss(TOpponentKind opponent) {
    CountInto(For(opponent), {opponent, false, 0});
}

void TGameStatistics::Count(const TCountedGame& game) {
    CountInto(
        game.Seats > 2 ? ForTable(game.Seats, game.Opponent == TOpponentKind::Strong) : For(game.Opponent),
        game);
}

void TGameStatistics::Count(const TCountedList& list) {
    AddOne(list.Won ? ListsWon : ListsLost);
}

TGameStatistics TGameStatistics::Read(const TProfileFile& ini) {
    TGameStatistics statistics;
    if (!ReadGames(ini, statistics)) {
        statistics = {};
    }
    for (int size = 0; size < 2; ++size) {
        for (int strong = 0; strong < 2; ++strong) {
            TOpponentRecord& record = statistics.AtTable[size][strong];
            if (!ReadRecord(ini, TableStatisticsSection, TablePrefix(size, strong), record)) {
                record = {};
            }
        }
    }
    statistics.ListsWon = ReadListCount(ini, ListsWonKey);
    statistics.ListsLost = ReadListCount(ini, ListsLostKey);
    return statistics;
}

void TGameStatistics::Write(TProfileFile& ini) const {
    for (const TOpponentKind opponent : {TOpponentKind::Classic, TOpponentKind::Strong}) {
        TOpponentRecord record = For(opponent);
        for (int f = 0; f < 5; ++f) {
            ini.WriteInteger(StatisticsSection, StoredOpponentName(opponent) + FigureKeys[f],
                             *Figures(record, f));
        }
    }
    ini.WriteInteger(StatisticsSection, ListsWonKey, ListsWon);
    ini.WriteInteger(StatisticsSection, ListsLostKey, ListsLost);
    for (int size = 0; size < 2; ++size) {
        for (int strong = 0; strong < 2; ++strong) {
            TOpponentRecord record = AtTable[size][strong];
            for (int f = 0; f < 5; ++f) {
                const QString key = TablePrefix(size, strong) + FigureKeys[f];
                // No value holds a line break: the default tells a missing key.
                if (*Figures(record, f) != 0 || ini.ReadString(TableStatisticsSection, key, "\n") != "\n") {
                    ini.WriteInteger(TableStatisticsSection, key, *Figures(record, f));
                }
            }
        }
    }
}

bool AddToStatisticsFile(const QString& fileName, const std::vector<TCountedGame>& games,
                         TGameStatistics& totals, const std::vector<TCountedList>& lists) {
    // Held only for a read and a write: a copy that waits longer writes anyway.
    QLockFile lock(fileName + ".lock");
    lock.tryLock(2000);
    TProfileFile ini(fileName);
    totals = TGameStatistics::Read(ini);
    for (const TCountedGame& game : games) {
        totals.Count(game);
    }
    for (const TCountedList& list : lists) {
        totals.Count(list);
    }
    totals.Write(ini);
    return ini.UpdateFile();
}
