// The violet marbled pattern of the card back, computed from seeded noise.
#pragma once

#include <QImage>

#include "render/ArtworkFiles.h"

// The back pattern at the given scale; the same pattern at every scale.
QImage DrawMarbledBack(const TArtworkStrip& strip, int32_t scale);
