#include "orba/prefs/LanguageTable.h"

#include <array>

namespace {

struct Entry {
    std::string_view english;
    // Spanish, Portuguese, French, German, Norwegian; empty = not yet given.
    std::array<std::string_view, 5> others;
};

// English texts of every window that uses the table. The other languages are
// filled in entry by entry; a missing one shows the English text.
constexpr Entry kEntries[] = {
    {"&File", {"Fichero", "Lima", "Fichier", "Datei", "Fil"}},
    {"&Open", {}},
    {"E&xit ORBA", {}},
    {"&Edit", {}},
    {"Open &Quiz Script Editor", {}},
    {"&Convert", {}},
    {"&Convert .txt to .qzf", {}},
    {"&Revert .qzf to .txt", {}},
    {"&Help", {}},
    {"&Contents and Index", {}},
    {"&About the ORBA", {}},
    {"Quiz Me!", {}},
    {"How Many Shall We Do?", {}},
    {"SELECT ALL CHAPTERS", {}},
    {"UNSELECT ALL", {}},
    {"Choose Which Chapters You Wish to Be Quizzed On.", {}},
    {"Choose the Amount of Questions for this Quiz.", {}},
    {"questions available from the selected chapters.", {}},
    {"questions available from the selected quiz.", {}},
    {"Let's Go!", {}},
    {"QUIZ TITLE", {}},
    {"AUTHOR", {}},
    {"COMPILED BY", {}},
    {"Anonymous", {}},
    {"MODIFIED", {}},
    {"MIN. ORBA", {}},
    {"NOTE: ", {}},
    {"Timer", {}},
    {"No Timer", {}},
    {"THIS QUIZ ALLOWS", {}},
    {"THE USER TO SET THE TIMER.", {}},
    {"SET THE TIMER.", {}},
    {"Enter using \"Minutes:Seconds\".", {}},
    {"Submit Answer", {"Env\xED" "elo", "Emita-o", "Envoyez-Le", "Senden Sie Es", "Avgi Svar"}},
    {"Next Question", {}},
    {"View Summary", {}},
    {"Flash Card Mode", {}},
    {"answer to yourself, hit submit answer", {}},
    {", check the help [?] button", {}},
    {"Time has expired for this quiz.", {}},
    {"This quiz recommends a Monotype font for the Question Window.", {}},
    {"Press OK to go with the suggested Monotype font", {}},
    {"or Cancel to stick with the User Defined Fonts.", {}},
    {"Q", {"P", "P", "Q", "F", "S"}},
    {"out of", {"de", "de", "de", "von", "av"}},
    {"       Your Score: ", {"        Su Cuenta: ", "         Contagem: ", "       Vos Points: ", "       Ihre Kerbe: ",
                            "       Dine Poeng: "}},
    {"Files", {"Ficheros", "Limas", "Fichier", "Datei", "Filer"}},
    {"Open", {}},
    {"You must select a .qzf file.", {}},
    {"You must select a .txt file.", {}},
    {"There's no such file.", {}},
    {"There's already a .qzf file with that name.", {}},
    {"Saved ORBA Quizzes", {}},
    {"There is no such quiz to open.", {}},
    {"The quiz you just took will now be reset and readministered.", {}},
};

} // namespace

Language languageFromCode(std::string_view code)
{
    if (code == "Esp")
        return Language::Esp;
    if (code == "Por")
        return Language::Por;
    if (code == "Fra")
        return Language::Fra;
    if (code == "Deu")
        return Language::Deu;
    if (code == "Nor")
        return Language::Nor;
    return Language::Eng;
}

std::string_view languageCode(Language language)
{
    constexpr std::array<std::string_view, 6> codes = {"Eng", "Esp", "Por", "Fra", "Deu", "Nor"};
    return codes[static_cast<std::size_t>(language)];
}

std::string LanguageTable::text(std::string_view english) const
{
    if (language_ != Language::Eng) {
        for (const auto& e : kEntries) {
            if (e.english != english)
                continue;
            const auto other = e.others[static_cast<std::size_t>(language_) - 1];
            if (!other.empty())
                return std::string(other);
            break;
        }
    }
    return std::string(english);
}
