// The computer's turn played out on request: the table as it stood at the
// start of the turn and after each step, kept as copies of the card records
// (not pictures), and shown one after the other.
#pragma once

#include <vector>

#include "game/Game.h"
#include "game/record/TurnRecord.h"
#include "settings/ViewSettings.h"

// How long each step of the computer's turn is shown; 0: the end at once.
int StepMilliseconds(TMoveSpeed speed);

class TTurnPlayback {
  public:
    // Notes the table as it stands now, with the turn so far.
    void Capture(const TGame& game);
    void Clear() { Tables.clear(); }
    int Count() const { return static_cast<int>(Tables.size()); }

    // Lays table `index` into `scratch`, a game of its own that only a painting reads;
    // its cards are copies whose faces belong to the real game's cards.
    void Fill(int index, TGame& scratch) const;
    // The turn as far as table `index` shows it.
    const TTurnRecord& Record(int index) const { return Tables.at(index).Turn; }

  private:
    struct TTable {
        std::vector<std::vector<TCard>> Melds;
        std::vector<TCard> Hand;
        std::vector<TCard> Discards;
        int32_t Seats = FewestSeats;
        int ComputerCards[MostSeats] = {};  // by seat; the player's is not read
        int32_t GameState = MustDraw;
        TTurnRecord Turn;
    };
    std::vector<TTable> Tables;
};
