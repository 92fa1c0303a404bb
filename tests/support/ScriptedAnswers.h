// What the modal boxes showed, and the answers their questions get: the
// script behind the window's test message boxes.
#pragma once

#include <deque>
#include <vector>

#include "ui/dialogs/MessageBoxes.h"

template <class TText>
struct TShown {
    TText Text;
    TText Caption;
    TMessageIcon Icon;
};

template <class TText>
class TScriptedAnswers {
  public:
    void Note(const TText& text, const TText& caption, TMessageIcon icon) {
        Shown.push_back({text, caption, icon});
    }
    bool Answer(const TText& text, const TText& caption) {
        Asked.push_back({text, caption, TMessageIcon::Question});
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<TShown<TText>> Shown;  // messages, in order
    std::vector<TShown<TText>> Asked;  // questions, in order
    std::deque<bool> Answers;          // for the next questions; No once the script runs out
};
