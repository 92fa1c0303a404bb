// How the bytes of a settings file become text for the INI parser.
#pragma once

#include <QByteArray>

struct TSettingsText {
    QByteArray Utf8;    // the text as UTF-8, without a byte order mark
    bool Whole = true;  // false: not text that could be read whole, only what could be saved of it
};

// UTF-8, UTF-16 and UTF-32, each with or without its byte order mark, are read
// whole. Anything else (a NUL byte, bytes that are no UTF-8) is read as far as
// it goes: a NUL byte ends a line, and bytes that are no UTF-8 are taken as
// Latin-1 unless the file holds proper UTF-8 elsewhere.
TSettingsText DecodeSettingsText(const QByteArray& data);
