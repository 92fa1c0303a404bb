// The program in one language for the life of the guard, German again after it.
#pragma once

#include <QString>

#include "app/Language.h"

class TLanguage {
  public:
    explicit TLanguage(const QString& language) { UseLanguage(language); }
    ~TLanguage() { UseLanguage("de"); }
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;
};
