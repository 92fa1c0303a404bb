// The language the program speaks: the first of the player's preferred
// languages that it has a translation for, German otherwise.
#pragma once

#include <QString>
#include <QStringList>

// The language code ("en", "de") for these preferred languages, as Qt reads
// them from the locale and LANGUAGE ("en-GB", "de-DE", "C"); "de" for German,
// for C and POSIX, and when none of them has a translation.
QString ChooseLanguage(const QStringList& preferred);

// Puts the program's texts, Qt's own texts and the game's texts into that
// language; safe to call again with another.
void UseLanguage(const QString& language);
