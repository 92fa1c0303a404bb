// What the game needs from the screen. The main window implements it; tests script it.
#pragma once

#include <cstdint>
#include <string>

struct TTurnRecord;

enum class TMessageIcon { Error, Information, Question };

// How a game ended: always by a discard of the last card.
enum class TGameEnd { PlayerWon, ComputerWon };

// An exchange the player may make: the hand card at `Hand` for the joker at
// `Place` of meld `Meld`, which stands for the card of `Suit` and `Rank`.
struct TJokerOffer {
    int32_t Meld;
    int32_t Place;
    int32_t Hand;
    int32_t Suit;
    int32_t Rank;
};

class TGameScreen {
  public:
    virtual ~TGameScreen() = default;

    // Paints the whole table anew.
    virtual void Repaint() = 0;
    // Shows the instruction of the status line.
    virtual void SetStatusLine(const std::string& text) = 0;
    // Modal message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption, TMessageIcon icon) = 0;
    // The end of a game, with the message that announces it; a new deal follows
    // once it returns. Shown as an information box unless a screen wants more.
    virtual void ShowGameEnd(TGameEnd end, const std::string& text, const std::string& caption) {
        (void)end;
        ShowMessage(text, caption, TMessageIcon::Information);
    }
    // The computer's turn so far: called as it begins (no steps yet) and after
    // each step. A screen that plays the turn out takes its pictures here.
    virtual void OpponentStep(const TTurnRecord& record) { (void)record; }
    // Modal Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // An exchange offered to the player; true when taken. A person is asked
    // the question; a program decides from the offer itself.
    virtual bool AcceptJokerExchange(const TJokerOffer& offer, const std::string& question,
                                     const std::string& caption) {
        (void)offer;
        return AskYesNo(question, caption);
    }
};
