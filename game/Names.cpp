#include "game/Card.h"
#include "game/Settings.h"

int32_t FirstMeldMinimum = 30;
int32_t CardsPerPlayer = 12;

const char* const RankNames[15] = {"",  "",  "2",  "3",    "4",    "5",     "6",  "7",
                                   "8", "9", "10", "Bube", "Dame", "König", "Ass"};
const char* const SuitNames[5] = {"", "Karo", "Herz", "Blatt", "Kreuz"};
