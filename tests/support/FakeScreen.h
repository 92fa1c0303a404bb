// A scripted screen for game tests: records what the game shows, answers its questions.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "game/Card.h"
#include "game/Game.h"
#include "game/GameScreen.h"
#include "game/Invariants.h"

struct TShownMessage {
    std::string Text;
    std::string Caption;
    TMessageIcon Icon;
};

class TFakeScreen : public TGameScreen {
  public:
    ~TFakeScreen() override;

    void Repaint() override { ++Repaints; }
    void SetStatusLine(const std::string& text) override { StatusLine = text; }
    void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    CardFace* ComposeFace(int32_t suit, int32_t rank) override;
    void FreeFace(CardFace* face) override;

    int Repaints = 0;
    std::string StatusLine;
    std::vector<TShownMessage> Messages;
    std::vector<TShownMessage> Questions;
    std::deque<bool> Answers;  // answers to the next questions; No when empty
    std::set<CardFace*> LiveFaces;
    int FacesComposed = 0;
    int BadFrees = 0;
};

// Builds a card outside any deal (test positions).
TCard MakeCard(int32_t suit, int32_t rank);
