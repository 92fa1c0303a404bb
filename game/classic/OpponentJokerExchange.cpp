// The computer takes back table jokers it can replace.
#include <utility>

#include "game/Game.h"

void TGame::JokerTauschenEvil() {
    if (OpponentCameOut == 0) {
        return;
    }
    for (int m = 0; m < TableMelds.Count(); ++m) {
        TCardArray* cards = TableMelds.At(m).Cards;
        if (cards == nullptr) {
            continue;
        }
        for (int k = 0; k < cards->Count(); ++k) {
            TCard& slot = cards->At(k);
            if (!IsJoker(slot)) {
                continue;
            }
            for (int h = 0; h < OpponentCards.Count(); ++h) {
                TCard& card = OpponentCards.At(h);
                if (FitsJoker(card, slot)) {
                    // Whole records change places: the joker keeps what it stood for.
                    std::swap(slot, card);
                    slot.TakeBack = 0;
                    NoteOpponentStep(TTurnStep(TStepKind::ExchangeJoker, slot, m));
                    break;
                }
            }
        }
    }
}
