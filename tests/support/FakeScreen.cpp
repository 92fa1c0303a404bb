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

void TFakeScreen::ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) {
    Messages.push_back({text, caption, icon});
}

bool TFakeScreen::AskYesNo(const std::string& text, const std::string& caption) {
    Questions.push_back({text, caption, TMessageIcon::Question});
    if (Answers.empty()) {
        return false;
    }
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
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

TCard MakeCard(int32_t suit, int32_t rank) {
    TCard card{};
    card.Suit = suit;
    card.Rank = rank;
    return card;
}
