// Where the main window was and how large, kept in the settings file's section
// "[Fenster]", so that it opens there again, inside the screen it finds.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class TProfileFile;

struct TWindowPlacement {
    QRect Normal;  // the window without its frame, when neither maximised nor minimised
    bool Maximized = false;
    bool operator==(const TWindowPlacement&) const = default;
};

// What the section says; nothing when a number is missing or damaged, or the
// size is empty or larger than any screen. A damaged "Maximiert" reads as not maximised.
std::optional<TWindowPlacement> ReadWindowPlacement(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteWindowPlacement(TProfileFile& ini, const TWindowPlacement& placement);

// The stored place brought inside `available` (a screen's room for windows)
// with its frame of `frame`: no larger than the room, and moved in where it
// reaches past an edge.
QRect PlaceInside(const QRect& stored, const QRect& available, const QMargins& frame);
