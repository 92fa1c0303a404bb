// A screen without a window: every card gets its composed face, nothing is shown.
// For measuring and checking the painting apart from the main window.
#pragma once

#include "game/SilentScreen.h"
#include "render/Artwork.h"
#include "render/CardFace.h"
#include "render/FaceComposer.h"

class TComposingScreen : public TSilentScreen {
  public:
    TComposingScreen(const TArtwork& artwork, qreal devicePixelRatio) {
        Composer.SetUp(&artwork, devicePixelRatio);
    }
    CardFace* ComposeFace(int32_t suit, int32_t rank) override {
        return new CardFace{Composer.Face(suit, rank)};
    }
    void FreeFace(CardFace* face) override { delete face; }

    TFaceComposer Composer;
};
