// Long random sessions against the real main window: random mouse input on the
// table, menu commands, take-back, scrolling, resizing, random answers to every
// question and now and then a second start that continues the kept game, with
// the deck checked after every event.
#pragma once

#include <cstdint>
#include <string>

struct TSoakResult {
    int Events = 0;
    int GamesStarted = 0;
    int MeldsLaid = 0;
    std::string Failure;  // empty, or what broke, with seed and event number
};

// `progress` (may be null) is called every 1000 events.
TSoakResult RunSoak(uint64_t seed, int events, void (*progress)(int event) = nullptr);
