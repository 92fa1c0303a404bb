// Every text of the game a player reads. The German text is the source of
// every translation and what the game says when no translation is in place;
// the program puts its translation here at start-up. The rules never read
// these texts.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// Gives `source` in the player's language, in UTF-8; `disambiguation` tells
// apart texts of the same source that another language says differently.
using TTranslation =
    std::function<std::string(const char* context, const char* source, const char* disambiguation)>;
// None: the game speaks German.
void SetTranslation(TTranslation translation);

// `source` in the player's language.
std::string GameText(const char* context, const char* source, const char* disambiguation = nullptr);
// The text with %1, %2, ... replaced by `args`.
std::string Filled(const std::string& text, std::initializer_list<std::string> args);

// Marks a text kept in a table for translation where it is read.
#define GAME_TEXT_NOOP(context, source) source
