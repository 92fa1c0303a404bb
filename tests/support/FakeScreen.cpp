#include "FakeScreen.h"

#include <gtest/gtest.h>

namespace {

struct FakeFace {
    int32_t Suit;
    int32_t Rank;
};

}  // namespace

TFakeScreen::~TFakeScreen() {
    for (CardFace* face : LiveFaces) {
        delete reinterpret_cast<FakeFace*>(face);
    }
}

CardFace* TFakeScreen::ComposeFace(int32_t suit, int32_t rank) {
    auto* face = reinterpret_cast<CardFace*>(new FakeFace{suit, rank});
    LiveFaces.insert(face);
    ++FacesComposed;
    return face;
}

void TFakeScreen::FreeFace(CardFace* face) {
    if (LiveFaces.erase(face) == 0) {
        ++BadFrees;
        return;
    }
    delete reinterpret_cast<FakeFace*>(face);
}
