// Court figures and the jester, rendered from the SVG card deck by element id.
#pragma once

#include <QImage>
#include <QString>

#include "render/ArtworkFiles.h"

class QSvgRenderer;

// Head and shoulders of the jack, queen or king of each suit, on white.
bool DrawCourtStrip(QSvgRenderer& deck, const TArtworkStrip& strip, int32_t scale, QImage* out,
                    QString* error);
// The whole jester figure on a transparent background.
bool DrawJesterStrip(QSvgRenderer& deck, const TArtworkStrip& strip, int32_t scale, QImage* out,
                     QString* error);
