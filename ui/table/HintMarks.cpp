#include "ui/table/HintMarks.h"

std::vector<TTableMark> MarksOfHint(const THint& hint, const TGame& game) {
    std::vector<TTableMark> marks;
    auto mark = [&marks](TMarkPlace place, int32_t meld = -1, int32_t first = 0, int32_t last = 0) {
        marks.push_back({TMarkStyle::Hint, place, meld, first, last});
    };
    for (int card : hint.HandCards) {
        mark(TMarkPlace::HandCard, -1, card, card);
    }
    switch (hint.Kind) {
        case THintKind::DrawFromStock:
            mark(TMarkPlace::Stock);
            break;
        case THintKind::DrawFromDiscardPile:
        case THintKind::Discard:
            mark(TMarkPlace::DiscardPile);
            break;
        case THintKind::LayOut:
            mark(TMarkPlace::FreeTable);
            break;
        case THintKind::LayOff: {
            if (hint.Meld < 0 || hint.Meld >= game.TableMelds.Count() ||
                game.TableMelds.At(hint.Meld).Cards == nullptr) {
                break;
            }
            const int32_t last = game.TableMelds.At(hint.Meld).Cards->Count() - 1;
            switch (hint.End) {
                case TMeldEnd::Top:
                    mark(TMarkPlace::MeldCards, hint.Meld, 0, 0);
                    break;
                case TMeldEnd::Bottom:
                    mark(TMarkPlace::MeldCards, hint.Meld, last, last);
                    break;
                case TMeldEnd::Set:
                    mark(TMarkPlace::MeldCards, hint.Meld, 0, last);
                    break;
            }
            break;
        }
        case THintKind::None:
        case THintKind::TakeBack:
            break;
    }
    return marks;
}
