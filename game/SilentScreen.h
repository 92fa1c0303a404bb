// A screen without a window: shows nothing, declines every question, composes
// no face. Games without a window use it as it is; self-play and measuring
// screens override only what they count or answer.
#pragma once

#include "game/GameScreen.h"

class TSilentScreen : public TGameScreen {
  public:
    void Repaint() override {}
    void SetStatusLine(const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, TMessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};
