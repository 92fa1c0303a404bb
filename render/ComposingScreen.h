// A screen without a window: every card gets its composed face, nothing is shown.
// For measuring and checking the painting apart from the main window.
#pragma once

#include "game/GameScreen.h"
#include "render/Artwork.h"
#include "render/CardFace.h"
#include "render/FaceComposer.h"

class TComposingScreen : public TGameScreen {
  public:
    TComposingScreen(const TArtwork& artwork, qreal devicePixelRatio) {
        Composer.SetUp(&artwork, devicePixelRatio);
    }
    void Repaint() override {}
    void SetStatusLine(const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, TMessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    CardFace* ComposeFace(int32_t suit, int32_t rank) override {
        return new CardFace{Composer.Face(suit, rank)};
    }
    void FreeFace(CardFace* face) override { delete face; }

    TFaceComposer Composer;
};
