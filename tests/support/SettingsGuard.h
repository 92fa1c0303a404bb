// The two game settings live at module level. A guard puts them back as they
// were when it was made once it goes, so that a test may change them freely and
// a failed assertion leaks no value into the tests after it.
#pragma once

#include <cstdint>

#include "game/Settings.h"

class TGameSettingsGuard {
  public:
    TGameSettingsGuard() = default;
    ~TGameSettingsGuard() {
        FirstMeldMinimum = Minimum;
        CardsPerPlayer = Cards;
    }
    TGameSettingsGuard(const TGameSettingsGuard&) = delete;
    TGameSettingsGuard& operator=(const TGameSettingsGuard&) = delete;

  private:
    int32_t Minimum = FirstMeldMinimum;
    int32_t Cards = CardsPerPlayer;
};
