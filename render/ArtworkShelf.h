// The artwork of every scale the build drew, each read from its folder when
// faces as fine as it are wanted, and let go when another scale takes its place.
#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <vector>

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

    // The artwork of one strip (its index in ArtworkStrips) as For would
    // choose it, read anew and kept by nobody but the caller, the other
    // strips' images empty; or the whole plain artwork. Faces of a fine scale
    // are made one strip at a time, so that never more than one is in memory.
    TArtwork Strip(qreal deviceScale, int32_t strip) const;

  private:
    // The finer scales to try for faces at this device scale, best first;
    // none when the plain one is fine enough.
    static std::vector<int32_t> FinerScales(qreal deviceScale);

    QString Directory;
    std::map<int32_t, TArtwork> Read;  // by scale; a scale that could not be read stays empty
};
