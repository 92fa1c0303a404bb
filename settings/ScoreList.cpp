#include "settings/ScoreList.h"

#include <QUuid>
#include <algorithm>

TListRow RowOf(const TFinishedGame& game, int32_t jokerPoints) {
    return {game.Winner, game.HandRomme, MinusPoints(game, jokerPoints)};
}

TScoreList TScoreList::Begin(int32_t seats) {
    TScoreList list;
    list.Id = QUuid::createUuid().toString(QUuid::Id128);
    list.Seats = seats;
    return list;
}

std::vector<int32_t> TScoreList::Totals() const {
    std::vector<int32_t> totals(static_cast<size_t>(Seats), 0);
    for (const TListRow& row : Rows) {
        for (size_t seat = 0; seat < totals.size() && seat < row.Points.size(); ++seat) {
            totals[seat] += row.Points[seat];
        }
    }
    return totals;
}

bool TScoreList::Over(TListLimit limit) const {
    const int32_t games = static_cast<int32_t>(Rows.size());
    if (games >= MaxListGames || (LimitGames(limit) > 0 && games >= LimitGames(limit))) {
        return true;
    }
    const std::vector<int32_t> totals = Totals();
    return LimitPoints(limit) > 0 && std::any_of(totals.begin(), totals.end(),
                                                 [&](int32_t total) { return total > LimitPoints(limit); });
}

std::vector<int32_t> TScoreList::Leaders() const {
    const std::vector<int32_t> totals = Totals();
    const int32_t fewest = *std::min_element(totals.begin(), totals.end());
    std::vector<int32_t> leaders;
    for (size_t seat = 0; seat < totals.size(); ++seat) {
        if (totals[seat] == fewest) {
            leaders.push_back(static_cast<int32_t>(seat));
        }
    }
    return leaders;
}

std::optional<TScoreList> AddGame(TScoreLists& lists, const TListRow& row, TListLimit limit) {
    const auto seats = static_cast<int32_t>(row.Points.size());
    if (seats != lists.Current.Seats) {
        GiveUpList(lists);
        lists.Current = TScoreList::Begin(seats);
    }
    lists.Current.Rows.push_back(row);
    if (!lists.Current.Over(limit)) {
        return std::nullopt;
    }
    lists.Current.State = TListState::Ended;
    lists.Finished = lists.Current;
    lists.Current = TScoreList::Begin(seats);
    return lists.Finished;
}

bool GiveUpList(TScoreLists& lists) {
    if (lists.Current.Rows.empty()) {
        return false;
    }
    lists.Current.State = TListState::GivenUp;
    lists.Finished = lists.Current;
    lists.Current = TScoreList::Begin(lists.Current.Seats);
    return true;
}
