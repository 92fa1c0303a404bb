// The two game settings, copied from the settings dialog.
#pragma once

#include <cstdint>

extern int32_t FirstMeldMinimum;  // 30 or 40
extern int32_t CardsPerPlayer;    // 10..16
