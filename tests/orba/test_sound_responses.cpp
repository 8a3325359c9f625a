#include "orba/runner/logic/SoundResponses.h"
#include "quizfile/Rng.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

TEST(SoundResponses, CountingAndPickingWithAGap)
{
    const auto folder = std::filesystem::temp_directory_path() / "orba-sounds-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const char* name : {"C00.mp3", "C01.mp3", "C03.mp3", "W00.mp3"})
        std::ofstream(folder / name) << "x";
    const std::string dir = folder.string();
    EXPECT_EQ(soundTop(dir, 'C'), 3);
    EXPECT_EQ(soundTop(dir, 'W'), 0);
    EXPECT_EQ(soundTop(dir + "/none", 'C'), 0);

    quizfile::Rng rng(4);
    std::set<std::string> played;
    int silent = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string file = responseFile(dir, 'C', 3, rng);
        if (file.empty())
            ++silent; // a pick of 02 plays nothing
        else
            played.insert(file.substr(file.size() - 7));
    }
    EXPECT_EQ(played, (std::set<std::string>{"C00.mp3", "C01.mp3", "C03.mp3"}));
    EXPECT_GT(silent, 0);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(responseFile(dir, 'W', 0, rng), dir + "/W00.mp3");
    std::filesystem::remove_all(folder);
}
