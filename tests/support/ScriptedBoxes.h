// Message boxes that never block: they note what was shown and answer from a script.
#pragma once

#include <QString>

#include "tests/support/ScriptedAnswers.h"
#include "ui/dialogs/MessageBoxes.h"

class TScriptedBoxes final : public TMessageBoxes, public TScriptedAnswers<QString> {
  public:
    void Show(QWidget*, const QString& text, const QString& caption, TMessageIcon icon) override {
        Note(text, caption, icon);
    }
    bool Ask(QWidget*, const QString& text, const QString& caption) override { return Answer(text, caption); }
};
