#include "game/record/TurnRecord.h"

#include <algorithm>

#include "game/MeldShape.h"
#include "game/Texts.h"

namespace {

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        joined += (joined.empty() ? "" : ", ") + word;
    }
    return joined;
}

}  // namespace

// From the low end up. A run names its suit once: "Karo 4, 5, 6"; a set names
// every card.
std::string MeldWords(std::vector<TCard> cards) {
    std::reverse(cards.begin(), cards.end());
    std::vector<std::string> jokersBelow;  // a run's jokers below its first natural card
    std::vector<std::string> rest;
    int32_t suit = 0;
    const bool run = IsRun(cards);
    for (const TCard& card : cards) {
        if (!run) {
            rest.push_back(CardWords(card));
        } else if (IsJoker(card)) {
            (suit == 0 ? jokersBelow : rest).push_back(CardWords(card));
        } else {
            suit = suit == 0 ? card.Suit : suit;
            rest.push_back(GameText("Card", RankNames[card.Rank]));
        }
    }
    if (suit == 0) {
        return Joined(jokersBelow.empty() ? rest : jokersBelow);
    }
    const std::string below = jokersBelow.empty() ? std::string() : Joined(jokersBelow) + ", ";
    //: A run, its suit named once: %1 the jokers below its first natural card, each with a comma
    //: after it (often empty), %2 the suit, %3 the ranks and jokers from that card up.
    return Filled(GameText("Card", "%1%2 %3"), {below, GameText("Card", SuitNames[suit]), Joined(rest)});
}

namespace {

std::string StepWords(const TTurnStep& step) {
    switch (step.Kind) {
        case TStepKind::DrawFromStock:
            return GameText("Turn", "zieht eine Karte vom Stapel");
        case TStepKind::DrawFromDiscardPile:
            return Filled(GameText("Turn", "zieht %1 vom Ablagestapel"), {CardWords(step.Card)});
        case TStepKind::ExchangeJoker:
            return Filled(GameText("Turn", "tauscht %1 gegen einen Joker"), {CardWords(step.Card)});
        case TStepKind::LayOut:
            return Filled(GameText("Turn", "legt %1 aus"), {MeldWords(step.Cards)});
        case TStepKind::LayOff:
            return Filled(GameText("Turn", "legt %1 an"), {CardWords(step.Card)});
        case TStepKind::Discard:
            return Filled(GameText("Turn", "wirft %1 ab"), {CardWords(step.Card)});
    }
    return {};
}

}  // namespace

std::string CardWords(const TCard& card) {
    if (IsJoker(card)) {
        return GameText("Card", "Joker");
    }
    if (!IsNaturalCard(card)) {
        return GameText("Card", "Karte");
    }
    //: The name of a card: %1 its suit, %2 its rank, "Herz Dame".
    return Filled(GameText("Card", "%1 %2"),
                  {GameText("Card", SuitNames[card.Suit]), GameText("Card", RankNames[card.Rank])});
}

std::string MeldCardWords(const TCard& card) {
    if (IsJoker(card) && IsNatural(card.AsSuit, card.AsRank)) {
        TCard stands{};
        stands.Suit = card.AsSuit;
        stands.Rank = card.AsRank;
        return Filled(GameText("Card", "Joker für %1"), {CardWords(stands)});
    }
    return CardWords(card);
}

std::string TurnSentence(const TTurnRecord& record) {
    std::string steps;
    for (const TTurnStep& step : record.Steps) {
        steps += (steps.empty() ? "" : ", ") + StepWords(step);
    }
    //: The computer's turn in one sentence: %1 its steps, separated by commas.
    return steps.empty() ? steps : Filled(GameText("Turn", "Computer: %1."), {steps});
}
