#include "orba/prefs/LanguageTable.h"

#include <gtest/gtest.h>

TEST(LanguageTable, CodesAndLookup)
{
    EXPECT_EQ(languageFromCode("Deu"), Language::Deu);
    EXPECT_EQ(languageFromCode("esp"), Language::Eng); // letter case counts
    EXPECT_EQ(languageFromCode(""), Language::Eng);
    EXPECT_EQ(languageCode(Language::Nor), "Nor");

    LanguageTable t;
    EXPECT_EQ(t.text("&File"), "&File");
    t.setLanguage(Language::Deu);
    EXPECT_EQ(t.text("&File"), "Datei");
    EXPECT_EQ(t.text("Q"), "F");
    // Entries without a translation yet fall back to English.
    EXPECT_EQ(t.text("UNSELECT ALL"), "UNSELECT ALL");
}
