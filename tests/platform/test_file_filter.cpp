#include "platform/FileFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFilter, TranslatesBarSeparatedFiltersToQtNameFilters)
{
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        // The open dialog of orba: a trailing bar adds no empty entry.
        {"ORBA Files (*.qzf;*.qzp)|*.qzf;*.qzp|", {QStringLiteral("ORBA Files (*.qzf *.qzp)")}},
        {"ORBA Quizzes & Text Files (*.qzf;*.txt)|*.qzf;*.txt|All Files|*.*",
         {QStringLiteral("ORBA Quizzes & Text Files (*.qzf *.txt)"), QStringLiteral("All Files (*)")}},
        {"Text files (*.txt)|*.txt", {QStringLiteral("Text files (*.txt)")}},
        // The pattern field decides what is offered, not the description's list.
        {"Text Files (*.txt)|*.txt;*.text", {QStringLiteral("Text Files (*.txt *.text)")}},
        // Parentheses that hold no patterns are part of the description.
        {"Quizzes (old)|*.qzf", {QStringLiteral("Quizzes (old) (*.qzf)")}},
        // A description without its pattern field uses its own list, or every file.
        {"Saved Tests (*.qzp)", {QStringLiteral("Saved Tests (*.qzp)")}},
        {"Anything", {QStringLiteral("Anything (*)")}},
        {" Saved | *.qzp ; *.QZP ", {QStringLiteral("Saved (*.qzp *.QZP)")}},
        {"|*.txt", {QStringLiteral("*.txt (*.txt)")}},
        {"Fichiers \xE9t\xE9|*.txt", {QStringLiteral("Fichiers \u00e9t\u00e9 (*.txt)")}},
        {"", {}},
        {"|", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtNameFilters(c.filter), c.expected) << "filter \"" << c.filter << '"';
}

} // namespace
