// A card's face picture. QImage shares its pixels, so a copy is cheap.
#pragma once

#include <QImage>

struct CardFace {
    QImage Image;
};
