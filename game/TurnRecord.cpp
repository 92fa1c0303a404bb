#include "game/TurnRecord.h"

#include <algorithm>

namespace {

bool Natural(int32_t suit, int32_t rank) {
    return suit >= Karo && suit <= Kreuz && rank >= 2 && rank <= Ass;
}

}  // namespace

// From the low end up. A run names its suit once: "Karo 4, 5, 6"; a set names
// every card.
std::string MeldWords(std::vector<TCard> cards) {
    std::reverse(cards.begin(), cards.end());
    int32_t suit = 0;
    bool oneSuit = true;
    for (const TCard& card : cards) {
        if (!IsJoker(card)) {
            oneSuit = oneSuit && (suit == 0 || card.Suit == suit);
            suit = card.Suit;
        }
    }
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
    if (!Natural(card.Suit, card.Rank)) {
        return "Karte";
    }
    return std::string(SuitNames[card.Suit]) + " " + RankNames[card.Rank];
}

std::string MeldCardWords(const TCard& card) {
    if (IsJoker(card) && Natural(card.AsSuit, card.AsRank)) {
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
