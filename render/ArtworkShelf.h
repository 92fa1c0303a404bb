// The artwork of every scale the build drew, each read from its folder when
// faces as fine as it are wanted, and let go when another scale takes its place.
#pragma once

#include <QString>
#include <cstdint>
#include <map>

#include "render/Artwork.h"

class TArtworkShelf {
  public:
    // Reads the plain scale, which every screen needs; its problems, if any,
    // are the player's to know, and what was read before stays then. A finer
    // scale is read when first asked for.
    TArtworkLoad Open(const QString& directory);

    // The artwork for faces at this many device pixels per logical pixel: the
    // coarsest scale at least that fine, else the finest, else the plain one. Null before
    // Open succeeded. What an earlier call gave, but the plain scale, may be gone.
    const TArtwork* For(qreal deviceScale);

    // Lets go of every scale but the plain one; For reads them again when asked.
    void KeepOnlyPlain();

  private:
    QString Directory;
    std::map<int32_t, TArtwork> Read;  // by scale; a scale that could not be read stays empty
};
