// Message boxes that never block: they note what was shown and answer from a script.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/MessageBoxes.h"

struct TBoxShown {
    QString Text;
    QString Caption;
    TMessageIcon Icon;
};

class TScriptedBoxes final : public TMessageBoxes {
  public:
    void Show(QWidget*, const QString& text, const QString& caption, TMessageIcon icon) override {
        Shown.push_back({text, caption, icon});
    }
    bool Ask(QWidget*, const QString& text, const QString& caption) override {
        Asked.push_back({text, caption, TMessageIcon::Question});
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::vector<TBoxShown> Shown;
    std::vector<TBoxShown> Asked;
    std::deque<bool> Answers;  // No once the script runs out
};
