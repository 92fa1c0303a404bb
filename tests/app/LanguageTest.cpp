// Which language the program speaks, from the player's preferred languages.
#include <gtest/gtest.h>

#include "app/Language.h"

namespace {

TEST(LanguageTest, TheFirstPreferredLanguageWithATranslationElseGerman) {
    const struct {
        QStringList Preferred;
        const char* Language;
    } cases[] = {
        {{"en-US", "en-Latn-US", "en"}, "en"},
        {{"en-GB"}, "en"},
        {{"de-DE", "de", "en"}, "de"},  // German first: the source wins over a translation
        {{"fr-FR", "fr", "en-GB"}, "en"},
        {{"fr-FR", "fr"}, "de"},
        {{"C"}, "de"},
        {{}, "de"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.Preferred), c.Language) << c.Preferred.join(',').toStdString();
    }
}

}  // namespace
