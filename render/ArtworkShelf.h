// The artwork of every scale the build drew, each read from its folder the
// first time faces as fine as it are wanted, and kept from then on.
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
    // coarsest scale at least that fine, else the finest there is. Null before
    // Open succeeded.
    const TArtwork* For(qreal deviceScale);

  private:
    QString Directory;
    std::map<int32_t, TArtwork> Read;  // by scale; a scale that could not be read stays empty
};
