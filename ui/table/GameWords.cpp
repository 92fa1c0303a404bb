#include "ui/table/GameWords.h"

#include <algorithm>

#include "game/MeldShape.h"
#include "ui/table/GameTexts.h"

const char* const RankNames[15] = {"",
                                   "",
                                   "2",
                                   "3",
                                   "4",
                                   "5",
                                   "6",
                                   "7",
                                   "8",
                                   "9",
                                   "10",
                                   GAME_TEXT_NOOP("Card", "Bube"),
                                   GAME_TEXT_NOOP("Card", "Dame"),
                                   GAME_TEXT_NOOP("Card", "König"),
                                   GAME_TEXT_NOOP("Card", "Ass")};
const char* const SuitNames[5] = {"", GAME_TEXT_NOOP("Card", "Karo"), GAME_TEXT_NOOP("Card", "Herz"),
                                  GAME_TEXT_NOOP("Card", "Blatt"), GAME_TEXT_NOOP("Card", "Kreuz")};

namespace {

std::string Joined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        joined += (joined.empty() ? "" : ", ") + word;
    }
    return joined;
}

// A run names its suit once: "Karo 4, 5, 6".
std::string RunWords(const std::string& below, int32_t suit, const std::vector<std::string>& ranks) {
    //: A run, its suit named once: %1 the jokers below its first natural card, each with a comma
    //: after it (often empty), %2 the suit, %3 the ranks and jokers from that card up.
    return Filled(GameText("Card", "%1%2 %3"), {below, GameText("Card", SuitNames[suit]), Joined(ranks)});
}

}  // namespace

// From the low end up; a set names every card. With jokers among them, a
// language may name the natural cards and count the jokers instead:
// "4, 6 of Diamonds and a Joker".
std::string MeldWords(std::vector<TCard> cards) {
    std::reverse(cards.begin(), cards.end());
    const bool run = IsRun(cards);
    std::vector<std::string> jokersBelow;  // a run's jokers below its first natural card
    std::vector<std::string> rest;         // every other card as it lies
    std::vector<std::string> naturals;
    int32_t suit = 0;
    for (const TCard& card : cards) {
        if (IsJoker(card)) {
            (run && suit == 0 ? jokersBelow : rest).push_back(CardWords(card));
            continue;
        }
        suit = suit == 0 ? card.Suit : suit;
        naturals.push_back(run ? GameText("Card", RankNames[card.Rank]) : CardWords(card));
        rest.push_back(naturals.back());
    }
    if (naturals.empty()) {
        rest.insert(rest.begin(), jokersBelow.begin(), jokersBelow.end());
        return Joined(rest);
    }
    const std::string below = jokersBelow.empty() ? std::string() : Joined(jokersBelow) + ", ";
    const std::string asTheyLie = run ? RunWords(below, suit, rest) : Joined(rest);
    const size_t jokers = cards.size() - naturals.size();
    if (jokers == 0) {
        return asTheyLie;
    }
    const std::string natural = run ? RunWords(std::string(), suit, naturals) : Joined(naturals);
    if (jokers == 1) {
        //: A meld with one joker: %1 its cards as they lie, the joker among them ("Herz Ass, 2, Joker"),
        //: %2 its natural cards alone ("Herz Ass, 2").
        return Filled(GameText("Card", "%1", "meld with one joker"), {asTheyLie, natural});
    }
    //: A meld with more jokers: %1 its cards as they lie, the jokers among them ("Joker, Herz 2, Joker"),
    //: %2 its natural cards alone ("Herz 2"), %3 how many jokers.
    return Filled(GameText("Card", "%1", "meld with jokers"), {asTheyLie, natural, std::to_string(jokers)});
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

namespace {

std::string StepsWords(const TTurnRecord& record) {
    std::string steps;
    for (const TTurnStep& step : record.Steps) {
        steps += (steps.empty() ? "" : ", ") + StepWords(step);
    }
    return steps;
}

}  // namespace

std::string TurnSentence(const TTurnRecord& record) {
    const std::string steps = StepsWords(record);
    //: The computer's turn in one sentence: %1 its steps, separated by commas.
    return steps.empty() ? steps : Filled(GameText("Turn", "Computer: %1."), {steps});
}

std::string RoundSentence(const std::vector<TSeatTurn>& turns, int32_t seats) {
    if (seats <= 2) {
        return turns.empty() ? std::string() : TurnSentence(turns.back().Turn);
    }
    std::string sentences;
    for (const TSeatTurn& turn : turns) {
        const std::string steps = StepsWords(turn.Turn);
        if (steps.empty()) {
            continue;
        }
        if (!sentences.empty()) {
            sentences += ' ';
        }
        //: One computer's turn at a table of three or four: %1 its number, %2 its steps.
        sentences += Filled(GameText("Turn", "Computer %1: %2."), {std::to_string(turn.Seat), steps});
    }
    return sentences;
}

std::string HintSentence(const THint& hint) {
    switch (hint.Kind) {
        case THintKind::None:
            break;
        case THintKind::DrawFromStock:
            return GameText("Hint", "Tipp: Ziehen Sie eine Karte vom Stapel.");
        case THintKind::DrawFromDiscardPile:
            return Filled(GameText("Hint", "Tipp: Nehmen Sie %1 vom Ablagestapel."), {CardWords(hint.Card)});
        case THintKind::LayOut:
            return Filled(GameText("Hint", "Tipp: Legen Sie %1 aus."), {MeldWords(hint.Laid)});
        case THintKind::LayOff:
            return Filled(GameText("Hint", "Tipp: Legen Sie %1 an die markierte Kombination an."),
                          {CardWords(hint.Card)});
        case THintKind::Discard:
            if (hint.Wins) {
                return Filled(GameText("Hint", "Tipp: Werfen Sie %1 ab – damit haben Sie gewonnen."),
                              {CardWords(hint.Card)});
            }
            if (hint.KeepsMelds) {
                return Filled(
                    GameText("Hint",
                             "Tipp: Behalten Sie Ihre Kombinationen noch auf der Hand und werfen Sie %1 ab."),
                    {CardWords(hint.Card)});
            }
            return Filled(GameText("Hint", "Tipp: Werfen Sie %1 ab."), {CardWords(hint.Card)});
        case THintKind::TakeBack:
            return GameText(
                "Hint",
                "Tipp: Nehmen Sie ausgelegte Karten zurück, damit Ihnen eine Karte zum Abwerfen bleibt.");
    }
    return {};
}
