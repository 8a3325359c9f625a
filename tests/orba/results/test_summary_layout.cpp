#include "orba/results/SummaryLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool overlap(const TwipsRect& a, const TwipsRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
        && b.top < a.top + a.height;
}

} // namespace

TEST(SummaryLayout, FollowsTheClientArea)
{
    const SummaryLayout l = summaryLayout(12000, 8160);
    EXPECT_EQ(l.txtStats, (TwipsRect{120, 0, 11775, 7335}));
    EXPECT_EQ(l.lblScore, (TwipsRect{120, 7470, 2655, 615}));
    EXPECT_EQ(l.cmdReviewEntire, (TwipsRect{3273, 7470, 1455, 615}));
    EXPECT_EQ(l.cmdReviewIncorrect, (TwipsRect{4848, 7470, 1455, 615}));
    EXPECT_EQ(l.cmdRetakeEntire, (TwipsRect{6788, 7470, 1455, 615}));
    EXPECT_EQ(l.cmdRetakeIncorrect, (TwipsRect{8364, 7470, 1455, 615}));
    EXPECT_EQ(l.cmdNewQuiz, (TwipsRect{10440, 7470, 1455, 615}));
}

TEST(SummaryLayout, NothingOverlapsOrLeavesTheWindowFromTheSmallestToAFullScreen)
{
    // Client areas of the smallest window (less a menu bar) up to 1920 x 1080 pixels.
    const std::pair<int, int> sizes[] = {{12000, 8130}, {12000, kSummaryMinHeight}, {19200, 12000}, {28800, 15870}};
    for (const auto& [width, height] : sizes) {
        const SummaryLayout l = summaryLayout(width, height);
        const std::vector<TwipsRect> all = {l.txtStats, l.lblScore, l.cmdReviewEntire, l.cmdReviewIncorrect,
                                            l.cmdRetakeEntire, l.cmdRetakeIncorrect, l.cmdNewQuiz};
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_GE(all[i].left, 0);
            EXPECT_GE(all[i].top, 0);
            EXPECT_LE(all[i].left + all[i].width, width) << "control " << i << " at " << width;
            EXPECT_LE(all[i].top + all[i].height, height) << "control " << i << " at " << height;
            for (std::size_t j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(overlap(all[i], all[j])) << i << " and " << j << " at " << width << " x " << height;
        }
    }
}
