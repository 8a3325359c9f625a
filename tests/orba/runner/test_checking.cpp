#include "orba/runner/logic/Checking.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Ticks = std::array<bool, 8>;
using M = ChoiceMark;

AnswerSlots slots(std::vector<std::string> lines)
{
    AnswerSlots s;
    for (std::size_t j = 0; j < lines.size() && j < 8; ++j)
        s[j] = lines[j];
    return s;
}

} // namespace

TEST(Checking, KindsChooseTheirLayoutByExactTag)
{
    const std::vector<std::pair<std::string, QuestionLayout>> cases = {
        {"[FC]", QuestionLayout::FlashCard}, {"[BL]", QuestionLayout::Blank},  {"[bL]", QuestionLayout::Blank},
        {"[DD]", QuestionLayout::DragDrop},  {"[ES]", QuestionLayout::Essay},  {"[eS]", QuestionLayout::Essay},
        {"", QuestionLayout::Choices},       {"[SO]", QuestionLayout::Choices}, {"[PA]", QuestionLayout::Choices},
        {"[fc]", QuestionLayout::Choices},   {"[bl]", QuestionLayout::Choices}, {"[XX]", QuestionLayout::Choices},
    };
    for (const auto& [kind, layout] : cases)
        EXPECT_EQ(layoutOfKind(kind), layout) << kind;

    EXPECT_TRUE(isTypingKind("[BL]"));
    EXPECT_TRUE(isTypingKind("[bL]"));
    EXPECT_TRUE(isTypingKind("[eS]"));
    EXPECT_FALSE(isTypingKind("[DD]"));
    EXPECT_FALSE(isTypingKind(""));
}

TEST(Checking, ChoicesAreRightOnlyForTheExactStarredSet)
{
    struct Case {
        const char* name;
        AnswerSlots choices;
        Ticks ticked;
        bool wrong;
        std::array<M, 8> marks;
    };
    const AnswerSlots twoStarred = slots({"*Oxygen", "Gold", "*Nitrogen", "Iron"});
    const AnswerSlots noneStarred = slots({"Red", "Green", "Blue", "Black"});
    const std::vector<Case> cases = {
        {"both starred ticked", twoStarred, {true, false, true}, false, {}},
        {"one of two starred ticked", twoStarred, {true}, true, {M::None, M::None, M::ShouldBeChecked}},
        {"extra tick", twoStarred, {true, true, true}, true, {M::None, M::ShouldBeUnchecked}},
        {"all wrong way round", twoStarred, {false, true, false, true}, true,
         {M::ShouldBeChecked, M::ShouldBeUnchecked, M::ShouldBeChecked, M::ShouldBeUnchecked}},
        {"nothing starred, nothing ticked", noneStarred, {}, false, {}},
        {"nothing starred, one ticked", noneStarred, {false, false, false, true}, true,
         {M::None, M::None, M::None, M::ShouldBeUnchecked}},
        {"star with a comment", slots({"*Paris<?the capital?>", "Lyon"}), {true}, false, {}},
    };
    for (const Case& c : cases) {
        const ChoicesCheck r = checkChoices(c.choices, c.ticked);
        EXPECT_EQ(r.wrong, c.wrong) << c.name;
        EXPECT_EQ(r.marks, c.marks) << c.name;
    }
}

TEST(Checking, ChoiceCaptionsHideTheStarAndTheComment)
{
    const std::vector<std::tuple<int, std::string, std::string, bool, std::string>> cases = {
        // j, slot, caption, has comment, comment
        {0, "*Paris<?the capital?>", "A) Paris", true, "the capital"},
        {1, "Lyon & Co", "B) Lyon & Co", false, ""},
        {2, "", "C) ", false, ""},
        {3, "**x", "D) *x", false, ""},
        {4, "a <? b", "E) a <? b", false, ""},          // no closing "?>"
        {5, "a<?b?> c", "F) a<?b?> c", false, ""},      // comment not at the end
        {6, "a<?b?><?c?>", "G) a", true, "b?><?c"},     // first "<?" to last "?>"
        {7, "x<?>", "H) x", true, ""},                  // opens and closes on one "?"
    };
    for (const auto& [j, slot, caption, has, comment] : cases) {
        EXPECT_EQ(choiceCaption(j, slot), caption) << slot;
        EXPECT_EQ(hasChoiceComment(slot), has) << slot;
        EXPECT_EQ(choiceComment(slot), comment) << slot;
    }
}

TEST(Checking, BlankComparesWholeTextsByKind)
{
    struct Case {
        const char* kind;
        AnswerSlots accepted;
        std::string typed;
        bool wrong;
    };
    const AnswerSlots paris = slots({"PARIS"});
    const std::vector<Case> cases = {
        {"[BL]", paris, "paris", false},
        {"[bL]", paris, "paris", true},
        {"[bL]", paris, "PARIS", false},
        {"[BL]", paris, "paris ", true},
        {"[bL]", paris, " PARIS", true},
        {"[BL]", paris, "", true},
        {"[BL]", AnswerSlots{}, "", true},                           // an empty slot is never accepted
        {"[BL]", slots({"Paris", "", "Lutetia"}), "LUTETIA", false}, // any of slots 0..4
        {"[BL]", slots({"a", "b", "c", "d", "e", "Paris"}), "Paris", true},
        {"[BL]", slots({"\xC9T\xC9"}), "\xE9t\xE9", false},          // été in Windows-1252
        {"[bL]", slots({"\xC9T\xC9"}), "\xE9t\xE9", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkBlank(c.kind, c.accepted, c.typed).wrong, c.wrong) << c.kind << " '" << c.typed << "'";
}

TEST(Checking, WrongBlankListsAcceptedAnswersUpToTheFirstGap)
{
    const AnswerSlots accepted = slots({"Paris", "City of Light", "Lutetia", "", "Parigi"});
    const BlankCheck wrong = checkBlank("[BL]", accepted, "Rome");
    EXPECT_EQ(wrong.shownAnswers, (std::vector<std::string>{">Paris", ">City of Light", ">Lutetia"}));
    EXPECT_TRUE(checkBlank("[BL]", accepted, "paris").shownAnswers.empty());
}

TEST(Checking, DragItemCountStartsAtTwo)
{
    EXPECT_EQ(dragItemCount(slots({"0a", "1b"})), 2);
    EXPECT_EQ(dragItemCount(slots({"0a", ""})), 2);
    EXPECT_EQ(dragItemCount(slots({"0a", "1b", "2c", "3d", "4e"})), 5);
    EXPECT_EQ(dragItemCount(slots({"0a", "1b", "2c", "3d", "4e", "5f", "6g", "7h"})), 8);
}

TEST(Checking, DragDropIsRightOnlyWithEveryItemInItsRow)
{
    // Items in shown order; the digit names the row each belongs in.
    const AnswerSlots items = slots({"1Two", "0One", "2Three"});
    struct Case {
        const char* name;
        std::array<std::uint8_t, 9> dropSlot;
        bool wrong;
        std::array<bool, 4> right;  // items 1..3
        std::array<bool, 4> inLeft; // items 1..3
    };
    const std::vector<Case> cases = {
        {"all in place", {0, 2, 1, 3}, false, {false, true, true, true}, {false, true, true, true}},
        {"two swapped", {0, 1, 2, 3}, true, {false, false, false, true}, {false, true, true, true}},
        {"one left at home", {0, 2, 1, 11}, true, {false, true, true, false}, {false, true, true, false}},
        {"never laid out", {}, true, {}, {}},
        {"in another home box", {0, 2, 9, 3}, true, {false, true, false, true}, {false, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DragDropCheck r = checkDragDrop(items, c.dropSlot);
        EXPECT_EQ(r.items, 3);
        EXPECT_EQ(r.wrong, c.wrong);
        for (std::size_t k = 1; k <= 3; ++k) {
            EXPECT_EQ(r.itemRight[k], c.right[k]) << k;
            EXPECT_EQ(r.inLeftColumn[k], c.inLeft[k]) << k;
        }
        // The right column lists the correct order whatever was dragged.
        EXPECT_EQ(r.listedIn[1], 10);
        EXPECT_EQ(r.listedIn[2], 9);
        EXPECT_EQ(r.listedIn[3], 11);
        EXPECT_EQ(r.listed[9], "One");
        EXPECT_EQ(r.listed[10], "Two");
        EXPECT_EQ(r.listed[11], "Three");
        EXPECT_EQ(r.listed[12], "");
    }
}

TEST(Checking, DragDropWithOneRealItemKeepsItsListing)
{
    const DragDropCheck r = checkDragDrop(slots({"0Only"}), {0, 1, 10});
    EXPECT_EQ(r.items, 2);
    EXPECT_EQ(r.listed[9], "Only");
    EXPECT_TRUE(r.itemRight[1]);
    EXPECT_TRUE(r.wrong); // the empty second item belongs in row 1 too
}

TEST(Checking, EssayComparesLinesAfterOneTrailingBreak)
{
    const AnswerSlots lines = slots({"line one", "line two", "", "not part"});
    struct Case {
        const char* kind;
        std::string typed;
        bool wrong;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"[ES]", "line one\r\nline two", false, "line one\r\nline two"},
        {"[ES]", "line one\r\nline two\r\n", false, "line one\r\nline two"},
        {"[ES]", "Line One\nline two\n", false, "Line One\nline two"}, // as the text box gives it
        {"[ES]", "line one\r\nline two\r\n\r\n", true, "line one\r\nline two\r\n"},
        {"[ES]", "line one \r\nline two", true, "line one \r\nline two"},
        {"[ES]", "line one\r\nline two\r\nnot part", true, "line one\r\nline two\r\nnot part"},
        {"[eS]", "Line One\r\nline two", true, "Line One\r\nline two"},
        {"[eS]", "line one\nline two\n", false, "line one\nline two"},
        {"[ES]", "", true, ""},
    };
    for (const Case& c : cases) {
        const EssayCheck r = checkEssay(c.kind, lines, c.typed);
        EXPECT_EQ(r.wrong, c.wrong) << c.kind << " " << c.typed;
        EXPECT_EQ(r.shown, c.shown) << c.kind << " " << c.typed;
        EXPECT_EQ(r.expected, "line one\r\nline two");
    }
    // With no expected lines, only an empty answer (or a bare Enter) is right.
    EXPECT_FALSE(checkEssay("[ES]", AnswerSlots{}, "").wrong);
    EXPECT_FALSE(checkEssay("[ES]", AnswerSlots{}, "\n").wrong);
    EXPECT_TRUE(checkEssay("[ES]", AnswerSlots{}, "x").wrong);
}

TEST(Checking, PictureTagsNeedAThreeLetterExtensionAtTheEnd)
{
    struct Case {
        std::string text;
        std::size_t pos;
        std::string name;
        std::string without;
    };
    const std::vector<Case> cases = {
        {"Which bone?<femur.jpg>", 12, "femur.jpg", "Which bone?"},
        {"<a.gif>", 1, "a.gif", ""},
        {"a<b>c<d.png>", 6, "d.png", "a<b>c"},
        {"x<femur.jpeg>", 0, "", "x<femur.jpeg>"},
        {"<x.jpg> and more", 0, "", "<x.jpg> and more"},
        {"no tag.gif>", 0, "", "no tag.gif>"},
        {"ab.c<d>", 0, "", "ab.c<d>"}, // the "<" lies inside the extension
        {"b.g>", 0, "", "b.g>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pictureTagPos(c.text), c.pos) << c.text;
        EXPECT_EQ(pictureTagName(c.text), c.name) << c.text;
        EXPECT_EQ(withoutPictureTag(c.text), c.without) << c.text;
    }
    EXPECT_EQ(shownQuestionText("Line 1[CR]Line 2[cr][CR]<p.png>"), "Line 1\nLine 2[cr]\n");
}

TEST(Checking, HelpBoxPrefersCommentsOfTickedChoices)
{
    const AnswerSlots choices = slots({"*A<?ca?>", "B<?cb?>", "C", "*D<?cd?>"});
    const std::string help = "?Because.[CR]See the figure.<fig.jpg>";
    const Ticks bAndD = {false, true, false, true};
    const Ticks onlyC = {false, false, true};

    EXPECT_EQ(helpBoxText(help, choices, bAndD, true), "ANSWER B: cb | ANSWER D: cd");
    EXPECT_EQ(helpBoxText(help, choices, onlyC, true), "Because.\nSee the figure.");
    EXPECT_EQ(helpBoxText(help, choices, bAndD, false), "Because.\nSee the figure.");
    EXPECT_EQ(helpBoxText("", choices, onlyC, true), "");
    EXPECT_EQ(helpBoxText("?<fig.jpg>", choices, {}, true), "");
    EXPECT_EQ(helpBoxText("<fig.jpg>", choices, {}, true), ""); // no "?" before the tag

    EXPECT_TRUE(hasHelp(help, choices, {}, true));
    EXPECT_TRUE(hasHelp("", choices, bAndD, true));
    EXPECT_FALSE(hasHelp("", choices, onlyC, true));
    EXPECT_FALSE(hasHelp("", choices, bAndD, false));
}
