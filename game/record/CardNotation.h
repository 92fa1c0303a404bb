// The short written form of cards that the tests and the open seat's line
// protocol share: the suit Ka, He, Bl, Kr (Karo, Herz, Blatt, Kreuz) and the
// rank 2..10, B, D, K, A (Bube, Dame, König, Ass), as in "He7", "Ka10", "KrD".
// A joker is "*", and as it lies in a meld "*He7", standing for Herz 7.
#pragma once

#include <cstdint>
#include <string>

#include "game/Card.h"

// "?" for anything but a natural card.
std::string NaturalNotation(int32_t suit, int32_t rank);
// False for anything but a natural card's notation.
bool ParseNaturalNotation(const std::string& text, int32_t& suit, int32_t& rank);
// As held: every joker is "*".
std::string HeldNotation(const TCard& card);
// As laid: a joker with the card it stands for, when it stands for one.
std::string LaidNotation(const TCard& card);
