#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>

#include "ui/dialogs/PrismColorComboBox.h"

namespace {

TEST(OptionsColorPickerTest, SeventeenEntriesInThreeLanguages) {
    TPrismColorComboBox combo;
    ASSERT_EQ(combo.count(), 17);
    EXPECT_EQ(combo.ColorValue(), 0);
    EXPECT_EQ(combo.HTMLcolor(), "#000000");
    EXPECT_EQ(combo.width(), 120);

    struct TEntry {
        int Index;
        QColor Color;
        const char* Names[3];
    };
    const TEntry entries[] = {
        {0, {0, 0, 0}, {"Black", "Schwarz", "Noir"}},
        {2, {0, 128, 0}, {"Green", "Grün", "Vert"}},
        {3, {128, 128, 0}, {"Olive", "Oliv", "Marron clair"}},
        {8, {192, 192, 192}, {"Silver", "Silber", "Argenté"}},
        {14, {0, 255, 255}, {"Aqua", "Hellblau", "Vert d'eau"}},
        {15, {255, 255, 255}, {"White", "Weiß", "Blanc"}},
        {16, {}, {"More...", "Mehr...", "Autres...."}},
    };
    for (const TColorLanguage language : {lgEnglish, lgDeutsch, lgFrensh}) {
        combo.SetLanguage(language);
        for (const TEntry& entry : entries) {
            EXPECT_EQ(combo.itemText(entry.Index), QString::fromUtf8(entry.Names[language])) << entry.Index;
        }
    }
    for (const TEntry& entry : entries) {
        if (entry.Index != 16) {
            EXPECT_EQ(combo.EntryColor(entry.Index), entry.Color) << entry.Index;
        }
    }
}

TEST(OptionsColorPickerTest, ColorValueSelectsNamedOrCustomEntry) {
    TPrismColorComboBox combo;
    struct TCase {
        int32_t Value;
        int Index;
        const char* Html;
    };
    const TCase cases[] = {
        {32768, 2, "#008000"},     {0x0000FF, 9, "#FF0000"},  {0xFF0000, 12, "#0000FF"},
        {0x808080, 7, "#808080"},  {0xFFFFFF, 15, "#FFFFFF"}, {0x123456, 16, "#563412"},
        {0x00FF00, 10, "#00FF00"}, {0, 0, "#000000"},
    };
    for (const TCase& c : cases) {
        combo.SetColorValue(c.Value);
        EXPECT_EQ(combo.ColorValue(), c.Value);
        EXPECT_EQ(combo.currentIndex(), c.Index) << c.Html;
        EXPECT_EQ(combo.HTMLcolor(), c.Html);
    }
    // The custom entry shows the current colour.
    combo.SetColorValue(0x123456);
    EXPECT_EQ(combo.EntryColor(16), QColor(0x56, 0x34, 0x12));
    // Not a colour: nothing changes.
    for (const int32_t bad : {-1, 0x1000000, INT32_MIN, INT32_MAX}) {
        combo.SetColorValue(bad);
        EXPECT_EQ(combo.ColorValue(), 0x123456);
        EXPECT_EQ(combo.currentIndex(), 16);
        EXPECT_EQ(combo.HTMLcolor(), "#563412");
    }
}

TEST(OptionsColorPickerTest, HtmlColorInBothDirections) {
    struct TCase {
        const char* Text;
        bool Converts;
        int32_t Value;
        const char* Stored;
    };
    const TCase cases[] = {
        {"#00ff00", true, 0x00FF00, "#00FF00"},
        {"#008000", true, 32768, "#008000"},
        {"#563412", true, 0x123456, "#563412"},
        {"", true, 0, "#000000"},
        {"#80", false, 0, ""},                     // no green or blue
        {"#12345", true, 0x053412, "#12345"},      // one digit still counts
        {"#GG0000", false, 0, ""},                 //
        {"# 10000", false, 0, ""},                 // no blanks
        {"#-10000", false, 0, ""},                 //
        {"#1234567", true, 0x563412, "#1234567"},  // what follows the six digits is kept as text
    };
    for (const TCase& c : cases) {
        TPrismColorComboBox combo;
        combo.SetColorValue(0x336699);
        combo.SetHTMLcolor(c.Text);
        if (c.Converts) {
            EXPECT_EQ(combo.ColorValue(), c.Value) << c.Text;
            EXPECT_EQ(combo.HTMLcolor(), c.Stored) << c.Text;
        } else {
            EXPECT_EQ(combo.ColorValue(), 0x336699) << c.Text;
            EXPECT_EQ(combo.HTMLcolor(), "#996633") << c.Text;
        }
    }
    // The property system sees both, as the settings file does.
    TPrismColorComboBox combo;
    combo.setProperty("HTMLcolor", "#0000ff");
    EXPECT_EQ(combo.property("ColorValue").toInt(), 0xFF0000);
    EXPECT_EQ(combo.currentIndex(), 12);
}

TEST(OptionsColorPickerTest, MoreOpensTheColorDialog) {
    TPrismColorComboBox combo;
    combo.SetColorValue(32768);
    QSignalSpy changes(&combo, &TPrismColorComboBox::Change);
    std::vector<QColor> offered;
    std::optional<QColor> answer;
    combo.PickColor = [&](const QColor& initial) {
        offered.push_back(initial);
        return answer;
    };

    // Cancelled: the colour and the selection stay.
    combo.setCurrentIndex(16);
    combo.ChooseEntry(16);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], QColor(0, 128, 0));  // preset to the current colour
    EXPECT_EQ(combo.ColorValue(), 32768);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(changes.count(), 0);

    // A custom colour lands in the custom entry.
    answer = QColor(10, 20, 30);
    combo.ChooseEntry(16);
    EXPECT_EQ(combo.ColorValue(), 10 | (20 << 8) | (30 << 16));
    EXPECT_EQ(combo.currentIndex(), 16);
    EXPECT_EQ(changes.count(), 1);

    // One of the sixteen selects its named entry instead.
    answer = QColor(0, 0, 128);
    combo.ChooseEntry(16);
    EXPECT_EQ(combo.currentIndex(), 4);
    EXPECT_EQ(combo.currentText(), "Navy");

    // A named entry needs no dialog.
    combo.ChooseEntry(11);
    EXPECT_EQ(combo.ColorValue(), 0x00FFFF);
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_EQ(changes.count(), 3);
}

TEST(OptionsColorPickerTest, EntriesAreDrawnWithSwatchAndName) {
    TPrismColorComboBox combo;
    combo.SetColorValue(0x123456);
    QImage image(137, 18, QImage::Format_RGB32);
    for (const int index : {2, 9, 16}) {
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            combo.DrawEntry(painter, image.rect(), index, false);
        }
        const QColor swatch = index == 16 ? QColor(0x56, 0x34, 0x12) : combo.EntryColor(index);
        EXPECT_EQ(image.pixelColor(12, 9), swatch) << index;
        EXPECT_EQ(image.pixelColor(4, 9), QColor(Qt::black)) << index;   // outline, left
        EXPECT_EQ(image.pixelColor(23, 9), QColor(Qt::black)) << index;  // outline, right at x = 23
        EXPECT_EQ(image.pixelColor(12, 0), combo.palette().color(QPalette::Base)) << index;
        EXPECT_EQ(image.pixelColor(26, 9), combo.palette().color(QPalette::Base)) << index;
        // The name leaves ink right of x = 30 and none between swatch and text.
        bool ink = false;
        for (int x = 30; x < 137 && !ink; ++x) {
            for (int y = 0; y < 18 && !ink; ++y) {
                ink = image.pixelColor(x, y) != combo.palette().color(QPalette::Base);
            }
        }
        EXPECT_TRUE(ink) << index;
    }
}

}  // namespace
