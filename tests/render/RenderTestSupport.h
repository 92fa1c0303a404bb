// Helpers for the rendering tests: the artwork the build made, a game whose
// cards carry real faces, and pixel checks.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "game/Game.h"
#include "game/GameScreen.h"
#include "render/Artwork.h"
#include "render/CardFace.h"
#include "render/ComposingScreen.h"
#include "render/FaceComposer.h"

// The folder next to the test program where the build writes the artwork.
QString BuiltArtworkDir();
// The built artwork of one scale; fails the test when it cannot be loaded.
const TArtwork& BuiltArtwork(int32_t scale = 1);

// A screen that composes every card's face from the built artwork.
TComposingScreen BuiltArtworkScreen(qreal dpr = 1);

// True when some pixel of `rect` satisfies `test`.
bool AnyPixel(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test);
bool IsWhite(QRgb pixel);
bool IsRedInk(QRgb pixel);
bool IsDarkInk(QRgb pixel);
// `rect` of `image` turned by 180 degrees.
QImage Turned(const QImage& image, const QRect& rect);
