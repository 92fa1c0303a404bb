#include "game/Card.h"
#include "game/Texts.h"

const char* const RankNames[15] = {"",
                                   "",
                                   "2",
                                   "3",
                                   "4",
                                   "5",
                                   "6",
                                   "7",
                                   "8",
                                   "9",
                                   "10",
                                   GAME_TEXT_NOOP("Card", "Bube"),
                                   GAME_TEXT_NOOP("Card", "Dame"),
                                   GAME_TEXT_NOOP("Card", "König"),
                                   GAME_TEXT_NOOP("Card", "Ass")};
const char* const SuitNames[5] = {"", GAME_TEXT_NOOP("Card", "Karo"), GAME_TEXT_NOOP("Card", "Herz"),
                                  GAME_TEXT_NOOP("Card", "Blatt"), GAME_TEXT_NOOP("Card", "Kreuz")};
