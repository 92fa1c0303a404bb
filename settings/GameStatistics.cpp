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

// The games against each opponent; false when a figure is damaged.
bool ReadGames(const TProfileFile& ini, TGameStatistics& statistics) {
    for (const TOpponentKind opponent : {TOpponentKind::Classic, TOpponentKind::Strong}) {
        TOpponentRecord& record = statistics.For(opponent);
        for (int f = 0; f < 5; ++f) {
            const QString text =
                ini.ReadString(StatisticsSection, StoredOpponentName(opponent) + FigureKeys[f], "0");
            if (!ParseDecimal(text, *Figures(record, f))) {
                return false;
            }
        }
        if (!Plausible(record)) {
            return false;
        }
    }
    return true;
}

// A count of lists; 0 when missing or damaged.
int32_t ReadListCount(const TProfileFile& ini, const char* key) {
    int32_t count = 0;
    return ParseDecimal(ini.ReadString(StatisticsSection, key, "0"), count) && count > 0 ? count : 0;
}

}  // namespace

void TGameStatistics::CountWin(TOpponentKind opponent, int32_t turns) {
    TOpponentRecord& record = For(opponent);
    AddOne(record.Won);
    AddOne(record.Streak);
    record.LongestStreak = std::max(record.LongestStreak, record.Streak);
    turns = std::max(turns, 1);
    record.FewestTurns = record.FewestTurns == 0 ? turns : std::min(record.FewestTurns, turns);
}

void TGameStatistics::CountLoss(TOpponentKind opponent) {
    TOpponentRecord& record = For(opponent);
    AddOne(record.Lost);
    record.Streak = 0;
}

void TGameStatistics::Count(const TCountedGame& game) {
    if (game.Won) {
        CountWin(game.Opponent, game.Turns);
    } else {
        CountLoss(game.Opponent);
    }
}

void TGameStatistics::Count(const TCountedList& list) {
    AddOne(list.Won ? ListsWon : ListsLost);
}

TGameStatistics TGameStatistics::Read(const TProfileFile& ini) {
    TGameStatistics statistics;
    if (!ReadGames(ini, statistics)) {
        statistics = {};
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
