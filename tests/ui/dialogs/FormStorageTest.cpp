#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/FormStorage.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/dialogs/PrismColorComboBox.h"
#include "ui/window/MainForm.h"

namespace {

QByteArray Ini(const QString& body) {
    return ("[TOptionsForm]\n" + body).toUtf8();
}

QByteArray Properties(const QString& cards, const QString& color, const QString& raus30,
                      const QString& raus40) {
    return Ini(QString("AnzCardEd_Value=%1\nPrismColorComboBox1_ColorValue=%2\n"
                       "Raus30Check_Checked=%3\nRaus40Check_Checked=%4\n")
                   .arg(cards, color, raus30, raus40));
}

QRect Available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

class FormStorageTest : public ::testing::Test {
  protected:
};

TEST_F(FormStorageTest, FirstRunWritesEveryKeyInOrder) {
    TTempConfig config;
    {
        TMainForm form(1);
        form.show();
    }
    const QString suffix = TFormStorage::ScreenSuffix();
    const QStringList lines = config.IniLines();
    ASSERT_EQ(lines.size(), 14) << lines.join('\n').toStdString();
    const QStringList keys = {"[TOptionsForm]",
                              "FormVersion=0",
                              "Flags=0",
                              "ShowCmd=1",
                              QString("PixelsPerInch=%1").arg(TFormStorage::ScreenPixelsPerInch()),
                              "MinMaxPos" + suffix + "=-1,-1,-1,-1",
                              "MinMaxPos=-1,-1,-1,-1",
                              "NormPos" + suffix + "=",
                              "NormPos=",
                              "Visible=1",
                              "AnzCardEd_Value=12",
                              "PrismColorComboBox1_ColorValue=32768",
                              "Raus30Check_Checked=True",
                              "Raus40Check_Checked=False"};
    for (int i = 0; i < keys.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith(keys[i])) << lines[i].toStdString();
    }
    // Both placement keys hold the same four numbers: left, top, right, bottom.
    EXPECT_EQ(lines[7].section('=', 1), lines[8].section('=', 1));
    const QStringList norm = lines[8].section('=', 1).split(',');
    ASSERT_EQ(norm.size(), 4);
    EXPECT_EQ(norm[2].toInt() - norm[0].toInt(), 264);
    EXPECT_EQ(norm[3].toInt() - norm[1].toInt(), 156);
}

TEST_F(FormStorageTest, NothingIsSavedBeforeTheFirstRestore) {
    TTempConfig config;
    {
        TMainForm form(1);  // never shown, so never restored
    }
    EXPECT_FALSE(QFile::exists(config.IniPath()));

    TOptionsForm dialog(nullptr);
    EXPECT_FALSE(dialog.FormStorage1->SaveFormPlacement());
    EXPECT_FALSE(QFile::exists(config.IniPath()));
}

TEST_F(FormStorageTest, RestoresEachProperty) {
    struct TCase {
        QString Cards, Color, Raus30, Raus40;
        int ExpectCards;
        int32_t ExpectColor;
        int ExpectIndex;
        bool Expect30, Expect40;
    };
    const TCase cases[] = {
        // stored values as written by the program
        {"16", "255", "False", "True", 16, 255, 9, false, true},
        {"10", "8421504", "True", "False", 10, 8421504, 7, true, false},
        {"13", "1193046", "True", "False", 13, 1193046, 16, true, false},  // a custom colour
        // hand-edited counts are brought into 10..16 and rounded
        {"9", "32768", "True", "False", 10, 32768, 2, true, false},
        {"17", "32768", "True", "False", 16, 32768, 2, true, false},
        {"-3", "32768", "True", "False", 10, 32768, 2, true, false},
        {"99999999999", "32768", "True", "False", 16, 32768, 2, true, false},
        {"12.7", "32768", "True", "False", 13, 32768, 2, true, false},
        {"1.4e1", "32768", "True", "False", 14, 32768, 2, true, false},
        // counts that are no number leave the designed 12
        {"abc", "32768", "True", "False", 12, 32768, 2, true, false},
        {"", "32768", "True", "False", 12, 32768, 2, true, false},
        {"12,5", "32768", "True", "False", 12, 32768, 2, true, false},
        {"nan", "32768", "True", "False", 12, 32768, 2, true, false},
        // colours that are no number read as 0: black
        {"12", "0", "True", "False", 12, 0, 0, true, false},
        {"12", "grün", "True", "False", 12, 0, 0, true, false},
        {"12", "", "True", "False", 12, 0, 0, true, false},
        {"12", "0x8000", "True", "False", 12, 0, 0, true, false},
        // numbers that are no RGB colour are refused: the colour stays
        {"12", "-1", "True", "False", 12, 32768, 2, true, false},
        {"12", "16777216", "True", "False", 12, 32768, 2, true, false},
        // yes/no without regard to case; other text changes nothing
        {"12", "32768", "tRUE", "false", 12, 32768, 2, true, false},
        {"12", "32768", "ja", "nein", 12, 32768, 2, true, false},
        {"12", "32768", "1", "True", 12, 32768, 2, false, true},
        // both "True": the second wins; both "False": neither is checked
        {"12", "32768", "True", "True", 12, 32768, 2, false, true},
        {"12", "32768", "False", "False", 12, 32768, 2, false, false},
    };
    for (const TCase& c : cases) {
        TTempConfig config;
        config.WriteIni(Properties(c.Cards, c.Color, c.Raus30, c.Raus40));
        TOptionsForm dialog(nullptr);
        dialog.RestoreSettings();
        const std::string label = (c.Cards + "|" + c.Color + "|" + c.Raus30 + "|" + c.Raus40).toStdString();
        EXPECT_EQ(dialog.AnzCardEd->value(), c.ExpectCards) << label;
        EXPECT_EQ(dialog.PrismColorComboBox1->ColorValue(), c.ExpectColor) << label;
        EXPECT_EQ(dialog.PrismColorComboBox1->currentIndex(), c.ExpectIndex) << label;
        EXPECT_EQ(dialog.Raus30Check->isChecked(), c.Expect30) << label;
        EXPECT_EQ(dialog.Raus40Check->isChecked(), c.Expect40) << label;
    }
}

TEST_F(FormStorageTest, MissingFileOrKeysLeaveTheDefaults) {
    const QByteArray contents[] = {QByteArray(), "", "[Other]\nAnzCardEd_Value=16\n", Ini("Flags=0\n"),
                                   "[TOptionsForm]\n[TOptionsForm]\n"};
    for (const QByteArray& content : contents) {
        TTempConfig config;
        if (!content.isNull()) {
            config.WriteIni(content);
        }
        TOptionsForm dialog(nullptr);
        dialog.RestoreSettings();
        EXPECT_EQ(dialog.AnzCardEd->value(), 12);
        EXPECT_EQ(dialog.TableColor(), QColor(0, 128, 0));
        EXPECT_TRUE(dialog.Raus30Check->isChecked());
        EXPECT_FALSE(dialog.Raus40Check->isChecked());
        EXPECT_TRUE(dialog.ScreenCenter);
    }
}

TEST_F(FormStorageTest, NewerFileVersionIsIgnored) {
    TTempConfig config;
    config.WriteIni(Ini("FormVersion=-1\nAnzCardEd_Value=16\nNormPos=10,10,274,166\n"));
    TOptionsForm dialog(nullptr);
    dialog.RestoreSettings();
    EXPECT_EQ(dialog.AnzCardEd->value(), 12);
    EXPECT_TRUE(dialog.ScreenCenter);
}

TEST_F(FormStorageTest, PlacementUsesTheKeyForThisScreenSize) {
    const QString suffix = TFormStorage::ScreenSuffix();
    const QString ppi = QString::number(TFormStorage::ScreenPixelsPerInch());
    struct TCase {
        QString Body;
        bool Placed;
        QPoint Expected;
    };
    const TCase cases[] = {
        {"NormPos" + suffix + "=20,30,284,186\nNormPos=40,50,304,206\nPixelsPerInch=" + ppi, true, {20, 30}},
        {"NormPos(1x1)=20,30,284,186\nNormPos=40,50,304,206\nPixelsPerInch=" + ppi, true, {40, 50}},
        {"NormPos" + suffix + "=\nNormPos=40,50,304,206", true, {40, 50}},
        // the size is the dialog's own, whatever the file says
        {"NormPos=40 50 1000 1000", true, {40, 50}},
        // another screen resolution: the stored position does not fit
        {"NormPos=40,50,304,206\nPixelsPerInch=" + QString::number(ppi.toInt() + 48), false, {}},
        // no position at all
        {"PixelsPerInch=" + ppi, false, {}},
    };
    for (const TCase& c : cases) {
        TTempConfig config;
        config.WriteIni(Ini(c.Body + "\n"));
        TOptionsForm dialog(nullptr);
        const QPoint centred = dialog.pos();
        dialog.RestoreSettings();
        EXPECT_EQ(dialog.FormStorage1->PlacementApplied(), c.Placed) << c.Body.toStdString();
        EXPECT_EQ(dialog.ScreenCenter, !c.Placed);
        EXPECT_EQ(dialog.pos(), c.Placed ? c.Expected : centred) << c.Body.toStdString();
        EXPECT_EQ(dialog.size(), QSize(264, 156));
    }
}

TEST_F(FormStorageTest, HandEditedPositionsStayOnTheScreen) {
    const QRect area = Available();
    const QString positions[] = {"-5000,-5000,-4736,-4844", "99999,99999,100263,100155", "junk,junk",
                                 "2147483647,2147483647,-2147483648,-2147483648"};
    for (const QString& position : positions) {
        TTempConfig config;
        config.WriteIni(Ini("NormPos=" + position + "\n"));
        TOptionsForm dialog(nullptr);
        dialog.RestoreSettings();
        EXPECT_TRUE(area.contains(dialog.frameGeometry())) << position.toStdString();
    }
}

TEST_F(FormStorageTest, SaveMoments) {
    TTempConfig config;
    TOptionsForm dialog(nullptr);
    dialog.RestoreSettings();
    EXPECT_TRUE(dialog.FormStorage1->Restored());
    EXPECT_FALSE(dialog.FormStorage1->SavedSinceRestore());

    // Each close saves, with Visible 0.
    dialog.show();
    dialog.AnzCardEd->setValue(15);
    dialog.done(QDialog::Accepted);
    EXPECT_TRUE(dialog.FormStorage1->SavedSinceRestore());
    EXPECT_TRUE(config.IniLines().contains("AnzCardEd_Value=15"));
    EXPECT_TRUE(config.IniLines().contains("Visible=0"));

    // Saved since the last restore: nothing more at program end.
    config.WriteIni(Properties("11", "255", "True", "False"));
    dialog.FormDestroy();
    EXPECT_EQ(config.ReadIni(), Properties("11", "255", "True", "False"));

    // Each showing restores first, so the controls show what the file holds.
    dialog.show();
    EXPECT_EQ(dialog.AnzCardEd->value(), 11);
    EXPECT_EQ(dialog.PrismColorComboBox1->ColorValue(), 255);
    EXPECT_FALSE(dialog.FormStorage1->SavedSinceRestore());
    dialog.hide();

    // Not saved since: program end saves, with Visible 1.
    dialog.FormDestroy();
    EXPECT_TRUE(config.IniLines().contains("Visible=1"));
    EXPECT_TRUE(config.IniLines().contains("AnzCardEd_Value=11"));
}

TEST_F(FormStorageTest, StoredPropsDropsComponentsTheDialogLacks) {
    TOptionsForm dialog(nullptr);
    EXPECT_EQ(dialog.FormStorage1->StoredProps(),
              (QStringList{"AnzCardEd.Value", "PrismColorComboBox1.ColorValue", "Raus30Check.Checked",
                           "Raus40Check.Checked"}));
    dialog.FormStorage1->SetStoredProps(
        {"Missing.Value", "AnzCardEd.Value", "NoDot", ".Value", "AnzCardEd."});
    EXPECT_EQ(dialog.FormStorage1->StoredProps(), QStringList{"AnzCardEd.Value"});
}

TEST_F(FormStorageTest, FailedWriteIsReportedAndTheGameGoesOn) {
    TTempConfig config;
    config.WriteIni(Properties("13", "255", "True", "False"));
    TScriptedBoxes boxes;
    {
        TMainForm form(1);
        In(form).SetMessageBoxes(&boxes);
        form.show();
        EXPECT_EQ(In(form).Controller.Game.NextDeal.Cards, 13);

        // The settings file cannot be written for now: its path runs through a file.
        const QString broken = config.IniPath() + "/brisko.INI";
        TOptionsForm* options = Named<TOptionsForm>(form, "OptionsForm");
        options->FormStorage1->IniFileName = broken;
        QTimer::singleShot(0, options, [options] {
            options->AnzCardEd->setValue(15);
            options->close();
        });
        Named<QAction>(form, "Einstellungen1")->trigger();

        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Text, "nach " + broken + " kann nicht geschrieben werden.");
        EXPECT_EQ(boxes.Shown[0].Caption, "Brisko");
        EXPECT_EQ(boxes.Shown[0].Icon, TMessageIcon::Error);
        EXPECT_EQ(In(form).Controller.Game.NextDeal.Cards,
                  15);  // the game goes on with what the dialog showed
        EXPECT_FALSE(options->FormStorage1->SavedSinceRestore());

        // The next opening shows what the file still holds.
        options->FormStorage1->IniFileName = config.IniPath();
        options->show();
        EXPECT_EQ(options->AnzCardEd->value(), 13);
        EXPECT_EQ(In(form).Controller.Game.NextDeal.Cards, 15);
        options->hide();
        options->FormStorage1->IniFileName = broken;
    }
    // Program end tried once more, and said so.
    EXPECT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(config.ReadIni(), Properties("13", "255", "True", "False"));
}

TEST_F(FormStorageTest, RestartRestoresWhatTheDialogStored) {
    TTempConfig config;
    {
        TMainForm form(1);
        form.show();
        TOptionsForm* options = Named<TOptionsForm>(form, "OptionsForm");
        QTimer::singleShot(0, options, [options] {
            options->PrismColorComboBox1->ChooseEntry(4);  // Navy
            options->Raus40Check->click();
            options->AnzCardEd->setValue(16);
            options->OkBtn->click();
        });
        Named<QAction>(form, "Einstellungen1")->trigger();
    }
    EXPECT_TRUE(config.IniLines().contains("PrismColorComboBox1_ColorValue=8388608"));

    TMainForm again(2);
    again.show();
    EXPECT_EQ(In(again).Controller.Game.NextDeal.MeldMinimum, 40);
    EXPECT_EQ(In(again).Controller.Game.NextDeal.Cards, 16);
    EXPECT_EQ(In(again).Controller.Game.OwnCards.Count(), 16);
    EXPECT_EQ(Named<QFrame>(again, "Panel2")->palette().color(QPalette::Window), QColor(0, 0, 128));
}

}  // namespace
