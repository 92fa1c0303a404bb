// The opponent of the next game, the player's hint and the record of games.
#include <QLabel>

#include "game/Hint.h"
#include "ui/ElidedLabel.h"
#include "ui/FormStorage.h"
#include "ui/MainForm.h"
#include "ui/OpponentChoice.h"
#include "ui/ProfileFile.h"
#include "ui/StatisticsForm.h"
#include "ui/ViewSettings.h"

namespace {

// The hint's frames: the pile to draw from; the cards of a meld and the free
// table; a card and where on a meld it goes; the card to throw away and the pile.
std::vector<TTableMark> MarksOf(const THint& hint, const TGame& game) {
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

}  // namespace

void TMainForm::RestoreOwnSections() {
    const TProfileFile ini(SettingsFilePath());
    View = ReadViewSettings(ini);
    ShowViewSettings();
    Game.ChosenOpponent = ReadOpponentChoice(ini);
    (Game.ChosenOpponent == TOpponentKind::Stark ? GegnerStark1 : GegnerKlassisch1)->setChecked(true);
    Statistics = TGameStatistics::Read(ini);
}

void TMainForm::ChooseOpponent(TOpponentKind opponent) {
    (opponent == TOpponentKind::Stark ? GegnerStark1 : GegnerKlassisch1)->setChecked(true);
    if (opponent != Game.ChosenOpponent) {
        Game.ChosenOpponent = opponent;
        TProfileFile ini(SettingsFilePath());
        WriteOpponentChoice(ini, opponent);
        UpdateSettingsFile(ini);
    }
    ShowInStatusBar(opponent == Game.Opponent
                        ? QString("Sie spielen gegen den Gegner „%1“.").arg(OpponentName(opponent))
                        : QString("Ab dem nächsten Spiel spielen Sie gegen den Gegner „%1“.")
                              .arg(OpponentName(opponent)));
}

void TMainForm::Tipp1Click() {
    if (Dragging != 0) {
        return;
    }
    const THint hint = HintFor(Game);
    HintMarks = MarksOf(hint, Game);
    HintSentence = QString::fromStdString(hint.Sentence);
    ShowInStatusBar(HintSentence);
    PaintBox1Paint();
}

void TMainForm::ClearHint() {
    const bool marked = !HintMarks.empty();
    HintMarks.clear();
    // Only the hint's own sentence goes; another may have taken its place.
    if (!HintSentence.isEmpty() && StatusBarText->FullText() == HintSentence) {
        ShowInStatusBar(QString());
    }
    HintSentence.clear();
    if (marked) {
        PaintBox1Paint();
    }
}

bool TMainForm::CountGame(bool won) {
    if (won) {
        Statistics.CountWin(Game.Opponent, Game.PlayerDraws);
    } else {
        Statistics.CountLoss(Game.Opponent);
    }
    TProfileFile ini(SettingsFilePath());
    Statistics.Write(ini);
    return ini.UpdateFile();
}

void TMainForm::Statistik1Click() {
    if (StatisticsForm == nullptr) {
        StatisticsForm = new TStatisticsForm(this);
        StatisticsForm->OnReset = [this] { ResetStatistics(); };
    }
    StatisticsForm->ShowStatistics(Statistics);
    StatisticsForm->exec();
}

void TMainForm::ResetStatistics() {
    if (!MessageBoxes->Ask(
            StatisticsForm,
            "Möchten Sie die Statistik wirklich zurücksetzen? Die gezählten Spiele gegen beide "
            "Gegner werden gelöscht.",
            "Statistik zurücksetzen")) {
        return;
    }
    Statistics.Reset();
    TProfileFile ini(SettingsFilePath());
    Statistics.Write(ini);
    UpdateSettingsFile(ini);
    StatisticsForm->ShowStatistics(Statistics);
}

bool TMainForm::UpdateSettingsFile(TProfileFile& ini) {
    if (ini.UpdateFile()) {
        return true;
    }
    ReportCannotWrite(ini.FileName());
    return false;
}

void TMainForm::ReportCannotWrite(const QString& fileName) {
    ReportSettingsProblem(CannotWriteText(fileName), TMessageIcon::Error);
}
