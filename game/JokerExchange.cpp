// The player's exchange of a hand card for the table joker that stands for it.
#include <algorithm>
#include <utility>

#include "game/Game.h"

std::vector<TJokerOffer> TGame::JokerOffers() const {
    std::vector<TJokerOffer> offers;
    if (PlayerCameOut == 0 || GameState != MayLayOut || Over()) {
        return offers;
    }
    for (int m = 0; m < TableMelds.Count(); ++m) {
        const TCardArray* cards = TableMelds.At(m).Cards;
        for (int c = 0; cards != nullptr && c < cards->Count(); ++c) {
            const TCard& joker = cards->At(c);
            for (int h = 0; h < OwnCards.Count() && IsJoker(joker); ++h) {
                if (FitsJoker(OwnCards.At(h), joker)) {
                    offers.push_back({m, c, h, joker.AsSuit, joker.AsRank});
                }
            }
        }
    }
    return offers;
}

TRefusal TGame::ExchangeJokers(const std::vector<TJokerOffer>& taken) {
    const std::vector<TJokerOffer> offered = JokerOffers();
    std::vector<bool> handUsed(static_cast<size_t>(OwnCards.Count()), false);
    std::vector<std::pair<int32_t, int32_t>> placesUsed;
    for (const TJokerOffer& offer : taken) {
        const bool known = std::any_of(offered.begin(), offered.end(), [&](const TJokerOffer& o) {
            return o.Meld == offer.Meld && o.Place == offer.Place && o.Hand == offer.Hand;
        });
        const std::pair<int32_t, int32_t> place{offer.Meld, offer.Place};
        if (!known || handUsed[static_cast<size_t>(offer.Hand)] ||
            std::find(placesUsed.begin(), placesUsed.end(), place) != placesUsed.end()) {
            return TRefusal::NotNow;
        }
        handUsed[static_cast<size_t>(offer.Hand)] = true;
        placesUsed.push_back(place);
    }
    for (const TJokerOffer& offer : taken) {
        TCardArray& cards = *TableMelds.At(offer.Meld).Cards;
        // Whole records: the joker arrives in the hand with its flags, the
        // natural card keeps its own in the meld.
        std::swap(cards.At(offer.Place), OwnCards.At(offer.Hand));
        Seen.Shown(PlayerSeat, cards.At(offer.Place));
        Tell({TEventKind::Step, PlayerSeat,
              TTurnStep(TStepKind::ExchangeJoker, cards.At(offer.Place), offer.Meld)});
    }
    if (!taken.empty()) {
        SortOwnCards();
    }
    return TRefusal::None;
}

std::vector<TJokerOffer> ChooseJokerOffers(const std::vector<TJokerOffer>& offers,
                                           const std::function<bool(const TJokerOffer&)>& take) {
    std::vector<TJokerOffer> taken;
    for (const TJokerOffer& offer : offers) {
        const bool ruledOut = std::any_of(taken.begin(), taken.end(), [&](const TJokerOffer& t) {
            return t.Hand == offer.Hand || (t.Meld == offer.Meld && t.Place == offer.Place);
        });
        if (!ruledOut && take(offer)) {
            taken.push_back(offer);
        }
    }
    return taken;
}
