#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "tests/support/EventLog.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/FormStorage.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/dialogs/PrismColorComboBox.h"
#include "ui/window/MainForm.h"

namespace {

class OptionsFormTest : public ::testing::Test {
  protected:
    TTempConfig Config;
};

TEST_F(OptionsFormTest, HasTheDesignedControls) {
    TOptionsForm dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
    EXPECT_EQ(dialog.size(), QSize(264, 156));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());  // fixed border
    EXPECT_EQ(dialog.font().pixelSize(), 11);

    struct TControl {
        QWidget* Widget;
        QRect Geometry;
    };
    const TControl controls[] = {
        {dialog.PrismColorComboBox1, {104, 8, 137, 22}},
        {dialog.Raus30Check, {8, 40, 113, 17}},
        {dialog.Raus40Check, {128, 40, 113, 17}},
        {dialog.AnzCardEd, {168, 72, 73, 21}},
        {dialog.Bevel1, {0, 106, 264, 50}},
        {dialog.OkBtn, {75, 120, 113, 25}},
    };
    for (const TControl& control : controls) {
        EXPECT_EQ(control.Widget->geometry(), control.Geometry) << control.Widget->objectName().toStdString();
    }
    EXPECT_EQ(dialog.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(dialog.Label1->text(), "Hintergrundfarbe:");
    EXPECT_EQ(dialog.Label2->pos(), QPoint(8, 72));
    EXPECT_EQ(dialog.Label2->text(), "Anzahl der Karten pro Spieler:");
    EXPECT_LE(dialog.Label2->geometry().right(), 168);  // the label does not run under the field
    // A screen reader names the number of cards by its label.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.AnzCardEd)->text(QAccessible::Name),
              "Anzahl der Karten pro Spieler:");
    EXPECT_EQ(dialog.Label1->buddy(), dialog.PrismColorComboBox1);

    EXPECT_EQ(dialog.PrismColorComboBox1->ColorValue(), 32768);
    EXPECT_EQ(dialog.PrismColorComboBox1->HTMLcolor(), "#008000");
    EXPECT_EQ(dialog.PrismColorComboBox1->Language(), lgEnglish);
    EXPECT_EQ(dialog.PrismColorComboBox1->currentText(), "Green");
    EXPECT_EQ(dialog.Raus30Check->text(), "Raus bei 30");
    EXPECT_TRUE(dialog.Raus30Check->isChecked());
    EXPECT_EQ(dialog.Raus40Check->text(), "Raus bei 40");
    EXPECT_FALSE(dialog.Raus40Check->isChecked());
    EXPECT_EQ(dialog.AnzCardEd->minimum(), 10);
    EXPECT_EQ(dialog.AnzCardEd->maximum(), 16);
    EXPECT_EQ(dialog.AnzCardEd->singleStep(), 1);
    EXPECT_EQ(dialog.AnzCardEd->value(), 12);
    EXPECT_EQ(dialog.OkBtn->text(), "OK");
    EXPECT_TRUE(dialog.OkBtn->isDefault());
    EXPECT_EQ(dialog.FormStorage1->IniSection, "TOptionsForm");
    EXPECT_EQ(dialog.FormStorage1->IniFileName, Config.IniPath());
}

TEST_F(OptionsFormTest, OpensCentredUntilAPositionIsStored) {
    TOptionsForm dialog(nullptr);
    dialog.show();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - area.center().x()), 8);
    EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - area.center().y()), 8);
    EXPECT_TRUE(dialog.ScreenCenter);
    dialog.done(QDialog::Accepted);
}

TEST_F(OptionsFormTest, SpinEditKeepsWholeNumbersInRange) {
    TOptionsForm dialog(nullptr);
    struct TCase {
        double Set;
        int Expected;
    };
    const TCase values[] = {{9, 10}, {17, 16}, {12.4, 12}, {12.6, 13}, {-1e300, 10}, {1e300, 16}, {14, 14}};
    for (const TCase& c : values) {
        dialog.AnzCardEd->SetValue(c.Set);
        EXPECT_EQ(dialog.AnzCardEd->value(), c.Expected) << c.Set;
    }
    // Text still in the field when the dialog closes is taken over.
    struct TTyped {
        const char* Text;
        int Expected;
    };
    const TTyped typed[] = {{"1", 10}, {"", 10}, {"15", 15}, {"16", 16}};
    for (const TTyped& t : typed) {
        dialog.show();
        dialog.AnzCardEd->setValue(13);
        dialog.AnzCardEd->findChild<QLineEdit*>()->setText(t.Text);
        dialog.done(QDialog::Accepted);
        EXPECT_EQ(dialog.AnzCardEd->value(), t.Expected) << t.Text;
    }
}

TEST_F(OptionsFormTest, RadioButtonsCanBothBeCleared) {
    TOptionsForm dialog(nullptr);
    dialog.Raus30Check->SetChecked(false);
    EXPECT_FALSE(dialog.Raus30Check->isChecked());
    EXPECT_FALSE(dialog.Raus40Check->isChecked());
    dialog.Raus40Check->SetChecked(true);
    dialog.Raus30Check->SetChecked(true);
    EXPECT_TRUE(dialog.Raus30Check->isChecked());
    EXPECT_FALSE(dialog.Raus40Check->isChecked());  // still one group
    // The player clicks the other one: the group switches.
    dialog.Raus40Check->click();
    EXPECT_FALSE(dialog.Raus30Check->isChecked());
}

// Each way of closing the dialog applies what it shows.
TEST_F(OptionsFormTest, EveryCloseAppliesTheSettings) {
    const std::function<void(TOptionsForm*)> closers[] = {
        [](TOptionsForm* d) { d->OkBtn->click(); }, [](TOptionsForm* d) { d->close(); },  // the close box
        [](TOptionsForm* d) { d->reject(); },                                             // Escape
    };
    for (const auto& closeDialog : closers) {
        TTempConfig config;
        TMainForm form(5);
        form.show();
        const TCard first = In(form).Controller.Game.OwnCards.At(0);
        QTimer::singleShot(0, Named<TOptionsForm>(form, "OptionsForm"), [&form, &closeDialog] {
            TOptionsForm* d = Named<TOptionsForm>(form, "OptionsForm");
            d->PrismColorComboBox1->ChooseEntry(9);  // Red
            d->Raus40Check->click();
            d->AnzCardEd->setValue(15);
            closeDialog(d);
        });
        Named<QAction>(form, "Einstellungen1")->trigger();

        EXPECT_EQ(In(form).Controller.Game.NextDeal.MeldMinimum, 40);
        EXPECT_EQ(In(form).Controller.Game.NextDeal.Cards, 15);
        EXPECT_EQ(Named<QFrame>(form, "Panel2")->palette().color(QPalette::Window), QColor(255, 0, 0));
        // Repainted at once: the top right corner is bare table.
        EXPECT_EQ(In(form).Table().pixelColor(In(form).Table().width() - 2, 2), QColor(255, 0, 0));
        // The hand being played stays; the count applies from the next game on.
        EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 12);
        EXPECT_EQ(In(form).Controller.Game.OwnCards.At(0).Id, first.Id);
        Named<QAction>(form, "NeuesSpiel1")->trigger();
        EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 15);
        EXPECT_EQ(CheckCards(In(form).Controller.Game), "");
    }
}

TEST_F(OptionsFormTest, NeitherRadioCheckedMeansForty) {
    Config.WriteIni("[TOptionsForm]\nRaus30Check_Checked=False\nRaus40Check_Checked=False\n");
    TMainForm form(1);
    form.show();
    EXPECT_EQ(In(form).Controller.Game.NextDeal.MeldMinimum, 40);
}

}  // namespace
