#include "ExternPlayer.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "game/Game.h"
#include "game/Invariants.h"

namespace {

std::string Names(const std::vector<TCardCode>& cards) {
    std::string text;
    for (const TCardCode& card : cards) {
        if (!text.empty()) {
            text += ' ';
        }
        text += CardText(card);
    }
    return text.empty() ? "no card" : text;
}

bool Matches(const TCard& card, const TCardCode& code) {
    return card.Suit == code.Suit && (IsJoker(card) || card.Rank == code.Rank);
}

// Selects exactly these hand cards, as a player clicks them; the first one not
// held is named in `missing`.
bool Select(TGame& game, const std::vector<TCardCode>& cards, TCardCode& missing) {
    game.ClearHandSelection();
    for (const TCardCode& code : cards) {
        int found = -1;
        for (int i = 0; i < game.OwnCards.Count() && found < 0; ++i) {
            if (game.OwnCards.At(i).Selected == 0 && Matches(game.OwnCards.At(i), code)) {
                found = i;
            }
        }
        if (found < 0) {
            missing = code;
            return false;
        }
        game.ToggleHandCard(found);
    }
    return true;
}

// Thrown by the checks of the deck, which mean a fault of this program, not of the player.
struct TBroken {
    std::string What;
};

void CheckDeck(const TGame& game, const std::string& after) {
    const std::string broken = CheckCards(game);
    if (!broken.empty()) {
        throw TBroken{"after " + after + ": " + broken};
    }
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%g s", seconds);
    return text;
}

double Seconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

}  // namespace

const char* ForfeitName(TForfeit kind) {
    static const char* const names[ForfeitKinds] = {"illegal move",  "garbled answer", "no answer in time",
                                                    "line too long", "unasked line",   "program ended"};
    return names[static_cast<int>(kind)];
}

TExternPlayer::TExternPlayer(std::string command, double timeout, FILE* log)
    : Program(std::move(command)), Timeout(timeout), Log(log) {}

std::string TExternPlayer::ForfeitSummary() const {
    std::string text;
    for (int kind = 0; kind < ForfeitKinds; ++kind) {
        if (Counts[kind] > 0) {
            text += (text.empty() ? "" : ", ") + std::string(ForfeitName(static_cast<TForfeit>(kind))) + " " +
                    std::to_string(Counts[kind]);
        }
    }
    return text.empty() ? "none" : text;
}

bool TExternPlayer::Forfeit(TForfeit kind, const std::string& reason) {
    ++Counts[static_cast<int>(kind)];
    ForfeitReason = std::string(ForfeitName(kind)) + ": " + reason;
    if (Log != nullptr) {
        const std::string when = Turn > 0 ? "turn " + std::to_string(Turn) : "before its first turn";
        std::fprintf(Log, "extern forfeits game %d (deal %d), %s: %s\n", Current.Game, Current.Deal,
                     when.c_str(), ForfeitReason.c_str());
    }
    return false;
}

bool TExternPlayer::Tell(const std::string& message) {
    if (Program.HasUnreadOutput()) {
        return Forfeit(TForfeit::Unasked, "it wrote a line that nobody asked for");
    }
    switch (Program.Send(message, Timeout)) {
        case TExternProgram::TIo::Done:
            return true;
        case TExternProgram::TIo::Timeout:
            return Forfeit(TForfeit::Timeout, "it does not read its input");
        default:
            Program.Stop(Grace());
            return Forfeit(TForfeit::Ended, "it closed its input and " + Program.HowItEnded());
    }
}

bool TExternPlayer::Ask(const std::string& message, std::string& answer, int id) {
    if (!Tell(message)) {
        return false;
    }
    const auto asked = std::chrono::steady_clock::now();
    const TExternProgram::TIo read = Program.ReadLine(answer, Timeout);
    const double took = Seconds(std::chrono::steady_clock::now() - asked);
    switch (read) {
        case TExternProgram::TIo::Done: {
            ++Times.Count;
            Times.Total += took;
            Times.Slowest = std::max(Times.Slowest, took);
            const std::string wrong = id > 0 ? WrongAnswerId(answer, id) : std::string();
            return wrong.empty() || Forfeit(TForfeit::Unasked, wrong);
        }
        case TExternProgram::TIo::Timeout:
            return Forfeit(TForfeit::Timeout, "no answer within " + SecondsText(Timeout));
        case TExternProgram::TIo::TooLong:
            return Forfeit(TForfeit::TooLong, "an answer longer than " +
                                                  std::to_string(TExternProgram::MaxLineBytes) + " bytes");
        case TExternProgram::TIo::Closed:
            break;
    }
    Program.Stop(Grace());
    return Forfeit(TForfeit::Ended, "it closed its output and " + Program.HowItEnded());
}

bool TExternPlayer::BeginGame(const TGame& game, const TGameStart& start) {
    Current = start;
    Turn = 0;
    ForfeitReason.clear();
    if (!Program.Running()) {
        std::string error;
        if (!Program.Start(error)) {
            return Forfeit(TForfeit::Ended, error);
        }
        Version = OldestProtocol;
        LastQuestionId = 0;
        std::string answer;
        if (!Ask(HelloMessage(), answer)) {
            return false;
        }
        if (!ReadHello(answer, ProgramName, Version, error)) {
            return Forfeit(TForfeit::Garbled, "hello: " + error);
        }
    }
    return Tell(GameMessage(game, start));
}

void TExternPlayer::EndGame(TGameResult result, const std::vector<int32_t>& points) {
    if (!Program.Running()) {
        return;
    }
    Program.Send(EndMessage(result, points, ForfeitReason), Timeout);
    if (result == TGameResult::Forfeit) {
        // Out of step, or in doubt: the next game starts with a fresh program.
        Program.Stop(Grace());
    }
}

void TExternPlayer::Finish() {
    Program.Stop(Grace());
}

bool TExternPlayer::Draw(TGame& game) {
    std::string answer;
    std::string error;
    TPile pile = TPile::Stock;
    const int id = NextQuestionId();
    if (!Ask(SeatMessage(game, Turn, nullptr, id), answer, id)) {
        return false;
    }
    if (!ReadDraw(answer, pile, error, id > 0)) {
        return Forfeit(TForfeit::Garbled, "draw: " + error);
    }
    game.ClearHandSelection();
    // The exchanges the draw offers are made with the play's answer, before anything else changes.
    const bool drawn = pile == TPile::Stock ? game.PlayerDrawFromStock() : game.PlayerDrawFromDiscardPile();
    if (!drawn) {
        return Forfeit(TForfeit::IllegalMove, pile == TPile::Stock ? "draws from an empty stock"
                                                                   : "draws from an empty discard pile");
    }
    CheckDeck(game, "the draw");
    return true;
}

bool TExternPlayer::Exchange(TGame& game, const std::vector<TCardCode>& cards) {
    for (const TCardCode& card : cards) {
        if (card.Suit == Joker) {
            return Forfeit(TForfeit::IllegalMove, "exchanges a joker for a joker");
        }
    }
    // Each card wanted takes the first exchange offered for it.
    std::vector<TCardCode> wanted = cards;
    game.ExchangeJokers(ChooseJokerOffers(game.JokerOffers(), [&wanted](const TJokerOffer& offer) {
        for (auto card = wanted.begin(); card != wanted.end(); ++card) {
            if (card->Suit == offer.Suit && card->Rank == offer.Rank) {
                wanted.erase(card);
                return true;
            }
        }
        return false;
    }));
    CheckDeck(game, "the exchanges");
    if (!wanted.empty()) {
        return Forfeit(TForfeit::IllegalMove,
                       "no joker exchange offered for " + Names(wanted) +
                           (game.PlayerCameOut == 0 ? " (it has not come out before this turn)" : ""));
    }
    return true;
}

bool TExternPlayer::Drop(TGame& game, int32_t meld, const std::vector<TCardCode>& cards) {
    const std::string what =
        (meld < 0 ? "meld " : "lay-off onto meld " + std::to_string(meld) + " of ") + Names(cards);
    if (meld >= game.TableMelds.Count()) {
        return Forfeit(TForfeit::IllegalMove,
                       what + ": the table has " + std::to_string(game.TableMelds.Count()) + " melds");
    }
    if (cards.empty()) {
        return Forfeit(TForfeit::IllegalMove, what);
    }
    TCardCode missing;
    if (!Select(game, cards, missing)) {
        return Forfeit(TForfeit::IllegalMove, what + ": it does not hold " + CardText(missing));
    }
    TCardArray candidate;
    switch (game.TestDrop(meld, candidate)) {
        case TDropVerdict::NoMeld:
            return Forfeit(TForfeit::IllegalMove, what + ": not a set or run");
        case TDropVerdict::TooFewPoints:
            return Forfeit(TForfeit::IllegalMove, what + ": worth less than the first-meld minimum of " +
                                                      std::to_string(game.MeldMinimum));
        case TDropVerdict::Fits:
            break;
    }
    const int before = game.OwnCards.Count();
    game.PlayerLayOut(meld);
    if (game.OwnCards.Count() != before - static_cast<int>(cards.size())) {
        throw TBroken{what + " fits but was not laid"};
    }
    CheckDeck(game, what);
    return true;
}

bool TExternPlayer::Discard(TGame& game, const TCardCode& card) {
    if (game.OwnCards.Empty()) {
        return Forfeit(TForfeit::IllegalMove, "no card left to discard; a turn ends with a discard");
    }
    TCardCode missing;
    if (!Select(game, {card}, missing)) {
        return Forfeit(TForfeit::IllegalMove, "discards " + CardText(card) + ", which it does not hold");
    }
    if (game.PlayerDiscard() != TRefusal::None) {
        throw TBroken{"the discard of " + CardText(card) + " was refused"};
    }
    CheckDeck(game, "the discard");
    return true;
}

TTurnEnd TExternPlayer::PlayTurn(TGame& game, int32_t /*seat: always the player's*/) {
    Broken.clear();
    if (game.Stock.Empty() && game.DiscardPile.Empty()) {
        return TTurnEnd::NothingToDraw;
    }
    ++Turn;
    try {
        return Play(game) ? TTurnEnd::Played : TTurnEnd::Forfeit;
    } catch (const TBroken& fault) {
        Broken = fault.What;
        return TTurnEnd::Played;
    }
}

bool TExternPlayer::Play(TGame& game) {
    if (!Draw(game)) {
        return false;
    }
    const TCard* drawn = nullptr;
    for (int i = 0; i < game.OwnCards.Count() && drawn == nullptr; ++i) {
        drawn = game.OwnCards.At(i).Selected != 0 ? &game.OwnCards.At(i) : nullptr;
    }
    std::string answer;
    std::string error;
    TPlay play;
    const int id = NextQuestionId();
    if (!Ask(SeatMessage(game, Turn, drawn, id), answer, id)) {
        return false;
    }
    if (!ReadPlay(answer, play, error, id > 0)) {
        return Forfeit(TForfeit::Garbled, "play: " + error);
    }
    if (!play.Exchanges.empty() && !Exchange(game, play.Exchanges)) {
        return false;
    }
    for (const std::vector<TCardCode>& meld : play.Melds) {
        if (!Drop(game, -1, meld)) {
            return false;
        }
    }
    for (const TLayOff& layOff : play.LayOffs) {
        if (!Drop(game, layOff.Meld, layOff.Cards)) {
            return false;
        }
    }
    return Discard(game, play.Discard);
}
