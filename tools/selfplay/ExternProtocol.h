// The line protocol of the open seat (docs/extern-protocol.md): the messages
// to the program outside, one JSON object a line, and the reading of its
// answers, which may be anything at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Match.h"
#include "game/Card.h"
#include "game/Seats.h"

class TGame;

// The versions the tool speaks; a program chooses one in its hello's answer,
// version 1 when it names none. Version 2 numbers the questions; version 3
// numbers them too and shows every other seat of a table of two to four.
inline constexpr int OldestProtocol = 1;
inline constexpr int TableProtocol = 3;
inline constexpr int NewestProtocol = 3;
// The oldest version offered at a table of `seats`: the older ones see one other seat only.
int OldestProtocolAt(int seats);

// Cards are written in game/record/CardNotation.h's notation.
// A card named in an answer: a natural card, or a joker (suit 0, rank 1).
struct TCardCode {
    int32_t Suit = Joker;
    int32_t Rank = JokerRank;
    bool operator==(const TCardCode&) const = default;
};
// "He7" or "*"; false for anything else, "*He7" included: where a joker goes is
// for the rules to say.
bool ParseCardText(const std::string& text, TCardCode& card);
std::string CardText(const TCardCode& card);

// Offers the versions a table of `seats` takes.
std::string HelloMessage(int seats = FewestSeats);
// In the program's `version`.
std::string GameMessage(const TGame& game, const TGameStart& start, int version = OldestProtocol);
// What the player's chair may see, as a "draw" or a "play" message; a play
// message names the card just drawn. `id` numbers the question, 0 for none.
std::string SeatMessage(const TGame& game, int turn, const TCard* drawn, int id = 0,
                        int version = OldestProtocol);
// `points`: the game's minus points, the receiving seat's first, then the
// others in turn order.
std::string EndMessage(TGameResult result, const std::vector<int32_t>& points, const std::string& reason);

// The answers. Each reader is false on anything but the one shape it takes,
// with what is wrong in `error`. The name comes quoted and fit to print; the
// version is the one the program chose, from `oldest` to the newest.
bool ReadHello(const std::string& line, std::string& name, int& version, std::string& error,
               int oldest = OldestProtocol);
// An answer to question `id` repeats it: empty when it does, else what it
// answers instead. A line that is no JSON object is left to its reader.
std::string WrongAnswerId(const std::string& line, int id);
// With `numbered` the answer carries its question's id besides its fields.
enum class TPile { Stock, DiscardPile };
bool ReadDraw(const std::string& line, TPile& pile, std::string& error, bool numbered = false);

struct TLayOff {
    int32_t Meld = 0;
    std::vector<TCardCode> Cards;
};
struct TPlay {
    std::vector<TCardCode> Exchanges;
    std::vector<std::vector<TCardCode>> Melds;
    std::vector<TLayOff> LayOffs;
    TCardCode Discard;
};
bool ReadPlay(const std::string& line, TPlay& play, std::string& error, bool numbered = false);
