#include "game/record/CardNotation.h"

namespace {

const char* const SuitCodes[] = {"", "Ka", "He", "Bl", "Kr"};
const char* const RankCodes[] = {"", "", "2", "3", "4", "5", "6", "7", "8", "9", "10", "B", "D", "K", "A"};

}  // namespace

std::string NaturalNotation(int32_t suit, int32_t rank) {
    return IsNatural(suit, rank) ? std::string(SuitCodes[suit]) + RankCodes[rank] : "?";
}

bool ParseNaturalNotation(const std::string& text, int32_t& suit, int32_t& rank) {
    for (int32_t s = Karo; s <= Kreuz; ++s) {
        if (text.rfind(SuitCodes[s], 0) != 0) {
            continue;
        }
        for (int32_t r = 2; r <= Ass; ++r) {
            if (text.compare(2, std::string::npos, RankCodes[r]) == 0) {
                suit = s;
                rank = r;
                return true;
            }
        }
    }
    return false;
}

std::string HeldNotation(const TCard& card) {
    return IsJoker(card) ? "*" : NaturalNotation(card.Suit, card.Rank);
}

std::string LaidNotation(const TCard& card) {
    if (IsJoker(card) && IsNatural(card.AsSuit, card.AsRank)) {
        std::string text = "*";
        return text.append(NaturalNotation(card.AsSuit, card.AsRank));
    }
    return HeldNotation(card);
}
