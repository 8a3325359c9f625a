#include "quizfile/Conversion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

using namespace quizfile;
namespace fs = std::filesystem;

namespace {

class ConversionTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        dir_ = fs::temp_directory_path() / ("orba-conversion-" + std::to_string(seed()) + std::to_string(seed()));
        ASSERT_TRUE(fs::create_directory(dir_));
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return name.empty() ? name : (dir_ / name).string(); }

    void write(const std::string& name, const std::string& content) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }

    // Every entry of the folder with its content; folders show as "<dir>".
    std::map<std::string, std::string> entries() const
    {
        std::map<std::string, std::string> all;
        for (const auto& e : fs::directory_iterator(dir_)) {
            const std::string name = e.path().filename().string();
            if (e.is_directory()) {
                all[name] = "<dir>";
            } else if (e.is_symlink()) {
                all[name] = "<link>";
            } else {
                std::ifstream in(e.path(), std::ios::binary);
                all[name] = std::string(std::istreambuf_iterator<char>(in), {});
            }
        }
        return all;
    }

    fs::path dir_;
};

enum class Command { Convert, Revert };

struct Case {
    const char* what;
    Command command;
    std::map<std::string, std::string> before; // content "<dir>" makes a folder
    std::string chosen;                        // name in the folder; empty as when cancelled
    std::string_view message;                  // empty for success
    std::map<std::string, std::string> after;
};

} // namespace

TEST_F(ConversionTest, RenamesOrRefusesWithTheRightMessage)
{
    const std::string script = "TITL: t\r\nQ\r\n*a";
    const std::string other = "other";
    const Case cases[] = {
        {"convert", Command::Convert, {{"quiz.txt", script}}, "quiz.txt", {}, {{"quiz.qzf", script}}},
        {"convert cancelled", Command::Convert, {{"quiz.txt", script}}, "", kSelectTxtMessage, {{"quiz.txt", script}}},
        {"convert upper-case extension", Command::Convert, {{"QUIZ.TXT", script}}, "QUIZ.TXT", kSelectTxtMessage,
         {{"QUIZ.TXT", script}}},
        {"convert other extension", Command::Convert, {{"quiz.qzf", script}}, "quiz.qzf", kSelectTxtMessage,
         {{"quiz.qzf", script}}},
        {"convert missing file", Command::Convert, {}, "gone.txt", kNoSuchFileMessage, {}},
        {"convert a folder", Command::Convert, {{"dir.txt", "<dir>"}}, "dir.txt", kNoSuchFileMessage,
         {{"dir.txt", "<dir>"}}},
        {"convert onto an existing quiz file", Command::Convert, {{"quiz.txt", script}, {"quiz.qzf", other}},
         "quiz.txt", kQzfExistsMessage, {{"quiz.txt", script}, {"quiz.qzf", other}}},
        {"convert onto a folder", Command::Convert, {{"quiz.txt", script}, {"quiz.qzf", "<dir>"}}, "quiz.txt",
         kQzfExistsMessage, {{"quiz.txt", script}, {"quiz.qzf", "<dir>"}}},
        {"revert", Command::Revert, {{"quiz.qzf", script}}, "quiz.qzf", {}, {{"quiz.txt", script}}},
        {"revert cancelled", Command::Revert, {}, "", kSelectQzfMessage, {}},
        {"revert upper-case extension", Command::Revert, {{"quiz.QZF", script}}, "quiz.QZF", kSelectQzfMessage,
         {{"quiz.QZF", script}}},
        {"revert missing file", Command::Revert, {}, "gone.qzf", kNoSuchFileMessage, {}},
        {"revert onto an existing script", Command::Revert, {{"quiz.qzf", script}, {"quiz.txt", other}},
         "quiz.qzf", kTxtExistsMessage, {{"quiz.qzf", script}, {"quiz.txt", other}}},
        {"revert a name that is only the extension", Command::Revert, {{".qzf", script}}, ".qzf", {},
         {{".txt", script}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [name, content] : c.before) {
            if (content == "<dir>")
                fs::create_directory(dir_ / name);
            else
                write(name, content);
        }
        const Status status =
            c.command == Command::Convert ? convertTxtToQzf(path(c.chosen)) : revertQzfToTxt(path(c.chosen));
        if (c.message.empty())
            EXPECT_TRUE(status.ok()) << status.error();
        else
            EXPECT_EQ(status.error(), c.message);
        EXPECT_EQ(entries(), c.after);
        for (const auto& e : fs::directory_iterator(dir_))
            fs::remove_all(e.path());
    }
}

TEST_F(ConversionTest, DanglingLinkCountsAsAnExistingTarget)
{
    write("quiz.txt", "q");
    fs::create_symlink(dir_ / "nowhere", dir_ / "quiz.qzf");
    EXPECT_EQ(convertTxtToQzf(path("quiz.txt")).error(), kQzfExistsMessage);
    EXPECT_TRUE(fs::exists(dir_ / "quiz.txt"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "quiz.qzf"));
}

TEST_F(ConversionTest, KeepsNonAsciiNames)
{
    const std::string name = "Fran\xC3\xA7" "ais \xE2\x82\xAC";
    write(name + ".qzf", "x");
    ASSERT_TRUE(revertQzfToTxt(path(name + ".qzf")).ok());
    ASSERT_TRUE(convertTxtToQzf(path(name + ".txt")).ok());
    EXPECT_EQ(entries(), (std::map<std::string, std::string>{{name + ".qzf", "x"}}));
}
