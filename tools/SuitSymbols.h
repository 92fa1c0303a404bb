// The four suit symbols and the joker's star, drawn as vector shapes.
#pragma once

#include <QImage>

#include "render/ArtworkFiles.h"

// The symbol strip at the given scale, transparent around the shapes.
QImage DrawSymbolStrip(const TArtworkStrip& strip, int32_t scale);
