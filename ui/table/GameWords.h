// How the game's cards, melds, turns and hints are said, in the player's
// language: German, the source of every translation, unless one is in place.
#pragma once

#include <string>
#include <vector>

#include "game/Card.h"
#include "game/record/TurnRecord.h"
#include "game/strong/Hint.h"

// The German names of the suits and ranks, indexed by suit and rank; the
// source texts of their translations.
extern const char* const RankNames[15];
extern const char* const SuitNames[5];

// The computer's turn in one German sentence, e.g. "Computer: zieht Herz 7 vom
// Ablagestapel, legt Karo 4, 5, 6 aus, wirft Kreuz 2 ab." Empty for no steps.
std::string TurnSentence(const TTurnRecord& record);
// The computers' turns of a round at a table of three or four, each by name:
// "Computer 1: zieht …. Computer 2: …."; at a table of two its one turn's sentence.
std::string RoundSentence(const std::vector<TSeatTurn>& turns, int32_t seats);

// A card as the player reads it: "Herz Dame", "Joker".
std::string CardWords(const TCard& card);
// A meld's cards as they lie, from the low end up: "Karo 4, 5, 6", "Herz 7, Kreuz 7, Joker".
std::string MeldWords(std::vector<TCard> cards);
// A card lying in a meld: a joker also says what it stands for, "Joker für Herz Dame".
std::string MeldCardWords(const TCard& card);

// The hint in one sentence for the status bar: "Tipp: Werfen Sie Karo 9 ab."
std::string HintSentence(const THint& hint);
