// A scripted screen for game tests: records what the game shows, answers its questions.
#pragma once

#include <string>

#include "game/Card.h"
#include "game/Game.h"
#include "game/GameScreen.h"
#include "game/Invariants.h"
#include "tests/support/ScriptedAnswers.h"
#include "tests/support/TestCards.h"

class TFakeScreen : public TGameScreen, public TScriptedAnswers<std::string> {
  public:
    void Repaint() override { ++Repaints; }
    void SetStatusLine(const std::string& text) override { StatusLine = text; }
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) override {
        Note(text, caption, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        return Answer(text, caption);
    }

    int Repaints = 0;
    std::string StatusLine;
};
