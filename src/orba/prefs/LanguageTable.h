#pragma once

// The user-interface texts of orba in the current language, looked up by
// their English text. Adding a language is adding data to the table in
// LanguageTable.cpp; no window changes.

#include <string>
#include <string_view>

enum class Language { Eng, Esp, Por, Fra, Deu, Nor };

// "Esp", "Por", "Fra", "Deu" and "Nor" (exact letter case) name their
// language; anything else, the empty text included, means English.
Language languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

class LanguageTable {
public:
    explicit LanguageTable(Language language = Language::Eng) : language_(language) {}

    void setLanguage(Language language) { language_ = language; }
    Language language() const { return language_; }

    // The text of the entry named by its English text in the current
    // language; the English text itself when the entry has no translation.
    std::string text(std::string_view english) const;

private:
    Language language_;
};
