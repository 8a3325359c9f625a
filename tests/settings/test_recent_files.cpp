#include "settings/RecentFiles.h"

#include <gtest/gtest.h>

TEST(PreviousFiles, AddAndRemove)
{
    using L = PreviousFileList;
    struct Case { L before; std::string path; L after; };
    const Case adds[] = {
        {{"A", "B", "C", "D"}, "C", {"C", "A", "B", "D"}},
        {{"A", "B", "C", "D"}, "E", {"E", "A", "B", "C"}},
        {{"A", "B", "", ""}, "A", {"A", "B", "", ""}},
        {{"", "", "", ""}, "A", {"A", "", "", ""}},
        // A gap in the list leaves no stale duplicate behind.
        {{"A", "", "B", "C"}, "B", {"B", "A", "C", ""}},
    };
    for (const auto& c : adds)
        EXPECT_EQ(withFileAdded(c.before, c.path), c.after) << c.path;

    EXPECT_EQ(withFileRemoved({"A", "B", "C", "D"}, "B"), (L{"A", "C", "D", ""}));
    EXPECT_EQ(withFileRemoved({"A", "B", "", ""}, "A"), (L{"B", "", "", ""}));
    // A path that is not listed takes nothing with it.
    EXPECT_EQ(withFileRemoved({"A", "B", "C", "D"}, "X"), (L{"A", "B", "C", "D"}));

    const L list{"/q/a.qzf", "", "", ""};
    EXPECT_EQ(previousFileCaption(list, 0), "&1 - /q/a.qzf");
    EXPECT_EQ(previousFileCaption(list, 1), "");
}
