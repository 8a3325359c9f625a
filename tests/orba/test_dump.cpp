#include "LoaderFixture.h"

#include "orba/setup/ScriptDump.h"

#include <gtest/gtest.h>

TEST(ScriptDump, KeysInOrderAndTextAsUtf8)
{
    auto l = load(script({"TITL: Caf\xE9 \"quiz\"", "[POOLA]", "p", "[/POOLA]", "'One", "Q\\1", "*a", "b", ""}));
    l.state.QuizName = "demo";
    const std::string json = scriptDumpJson(l.state);
    const char* keys[] = {"\"name\"", "\"title\"", "\"author\"", "\"compiler\"", "\"modified\"", "\"minVersion\"",
                          "\"note\"", "\"timerSeconds\"", "\"mono\"", "\"sequential\"", "\"recycle\"",
                          "\"feedbackMode\"", "\"chapters\"", "\"pools\"", "\"catalogue\"", "\"questions\""};
    std::size_t at = 0;
    for (const char* k : keys) {
        const std::size_t found = json.find(k, at);
        ASSERT_NE(found, std::string::npos) << k;
        at = found;
    }
    EXPECT_NE(json.find("\"title\": \"Caf\xC3\xA9 \\\"quiz\\\"\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"chapters\": [\"One\"]"), std::string::npos);
    EXPECT_NE(json.find("\"pools\": [[\"p\"]]"), std::string::npos);
    EXPECT_NE(json.find("\"question\": \"Q\\\\1\""), std::string::npos);
    EXPECT_NE(json.find("\"answers\": [\"*a\", \"b\", \"\", \"\", \"\", \"\", \"\", \"\"]"), std::string::npos);
    EXPECT_NE(json.find("\"timerSeconds\": 0"), std::string::npos);
}
