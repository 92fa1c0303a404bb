#include "game/TurnRecord.h"

#include <algorithm>

#include "game/MeldShape.h"

// From the low end up. A run names its suit once: "Karo 4, 5, 6"; a set names
// every card.
std::string MeldWords(std::vector<TCard> cards) {
    std::reverse(cards.begin(), cards.end());
    const bool oneSuit = IsRun(cards);
    std::string words;
    bool suitNamed = false;
    for (const TCard& card : cards) {
        words += words.empty() ? "" : ", ";
        if (IsJoker(card) || !oneSuit) {
            words += CardWords(card);
        } else if (!suitNamed) {
            words += CardWords(card);
            suitNamed = true;
        } else {
            words += RankNames[card.Rank];
        }
    }
    return words;
}

namespace {

std::string StepWords(const TTurnStep& step) {
    switch (step.Kind) {
        case TStepKind::DrawFromStock:
            return "zieht eine Karte vom Stapel";
        case TStepKind::DrawFromDiscardPile:
            return "zieht " + CardWords(step.Card) + " vom Ablagestapel";
        case TStepKind::ExchangeJoker:
            return "tauscht " + CardWords(step.Card) + " gegen einen Joker";
        case TStepKind::LayOut:
            return "legt " + MeldWords(step.Cards) + " aus";
        case TStepKind::LayOff:
            return "legt " + CardWords(step.Card) + " an";
        case TStepKind::Discard:
            return "wirft " + CardWords(step.Card) + " ab";
    }
    return {};
}

}  // namespace

std::string CardWords(const TCard& card) {
    if (IsJoker(card)) {
        return "Joker";
    }
    if (!IsNaturalCard(card)) {
        return "Karte";
    }
    return std::string(SuitNames[card.Suit]) + " " + RankNames[card.Rank];
}

std::string MeldCardWords(const TCard& card) {
    if (IsJoker(card) && IsNatural(card.AsSuit, card.AsRank)) {
        return std::string("Joker für ") + SuitNames[card.AsSuit] + " " + RankNames[card.AsRank];
    }
    return CardWords(card);
}

std::string TurnSentence(const TTurnRecord& record) {
    std::string sentence;
    for (const TTurnStep& step : record.Steps) {
        sentence += (sentence.empty() ? "Computer: " : ", ") + StepWords(step);
    }
    return sentence.empty() ? sentence : sentence + ".";
}
