#include "ui/table/TurnPlayback.h"

void TTurnPlayback::Capture(const TGame& game) {
    TTable table;
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TCardArray* cards = game.TableMelds.At(m).Cards;
        table.Melds.push_back(cards != nullptr ? cards->Records() : std::vector<TCard>{});
    }
    table.Hand = game.OwnCards.Records();
    // Only the top of the discard pile shows.
    if (!game.DiscardPile.Empty()) {
        table.Discards.push_back(game.DiscardPile.Last());
    }
    table.Seats = game.SeatCount;
    for (int32_t seat = ComputerSeat; seat < game.SeatCount; ++seat) {
        table.ComputerCards[seat] = game.Seats[seat].Hand.Count();
    }
    table.GameState = game.GameState;
    table.Turn = game.OpponentTurn;
    Tables.push_back(std::move(table));
}

void TTurnPlayback::Fill(int index, TGame& scratch) const {
    // The scratch game has no screen: clearing it frees no face.
    scratch.ClearAll();
    const TTable& table = Tables.at(index);
    for (const std::vector<TCard>& cards : table.Melds) {
        if (TMeld* meld = scratch.TableMelds.Append()) {
            meld->Cards = new TCardArray();
            meld->Cards->AppendRecords(cards);
        }
    }
    scratch.OwnCards.AppendRecords(table.Hand);
    scratch.DiscardPile.AppendRecords(table.Discards);
    scratch.SeatCount = table.Seats;
    for (int32_t seat = ComputerSeat; seat < table.Seats; ++seat) {
        scratch.Seats[seat].Hand.AppendRecords(std::vector<TCard>(table.ComputerCards[seat], TCard{}));
    }
    scratch.GameState = table.GameState;
}

int StepMilliseconds(TMoveSpeed speed) {
    switch (speed) {
        case TMoveSpeed::Instant:
            return 0;
        case TMoveSpeed::Fast:
            return 150;
        case TMoveSpeed::Normal:
            return 350;
        case TMoveSpeed::Slow:
            return 700;
    }
    return 0;
}
