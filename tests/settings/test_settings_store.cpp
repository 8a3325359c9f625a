#include "settings/Keys.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string iniPath() const { return QFile::encodeName(dir_.filePath(QStringLiteral("ORBA.ini"))).toStdString(); }
    QByteArray fileBytes() const
    {
        QFile file(dir_.filePath(QStringLiteral("ORBA.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, MissingKeysGiveTheReadersDefault)
{
    SettingsStore store(iniPath());
    EXPECT_EQ(store.get(keys::Settings, keys::Skin, keys::defaults::Skin), "None");
    EXPECT_EQ(store.get(keys::Settings, keys::Language), "");
    EXPECT_TRUE(store.getBool(keys::Settings, keys::Splash, keys::defaults::Splash));
    EXPECT_FALSE(store.getBool(keys::Settings, keys::Music, keys::defaults::Music));
    EXPECT_EQ(store.getInt(keys::Settings, keys::TipNum, keys::defaults::TipNum), 1);
    EXPECT_EQ(store.getNumber(keys::Settings, keys::PposL, -1), -1);

    // A key in a section that exists is still missing.
    ASSERT_TRUE(store.save(keys::Settings, keys::Music, "True"));
    EXPECT_EQ(store.getInt(keys::Settings, keys::TipNum, 1), 1);

    // Emptied is not missing: an empty entry reads as empty text.
    ASSERT_TRUE(store.save(keys::PreviousFiles, keys::PreviousFileKeys[3], ""));
    EXPECT_EQ(store.get(keys::PreviousFiles, keys::PreviousFileKeys[3], "default"), "");
}

TEST_F(SettingsStoreTest, SavedValuesAreOnDiskAtOnceAndReadByANewStore)
{
    {
        SettingsStore store(iniPath());
        ASSERT_TRUE(store.save(keys::Settings, keys::Language, "Deu"));
        ASSERT_TRUE(store.saveNumber(keys::Settings, keys::PposL, 1234.5));
        // Durable before the store goes away.
        EXPECT_TRUE(fileBytes().contains("Language=Deu")) << fileBytes().constData();
    }
    SettingsStore reopened(iniPath());
    EXPECT_EQ(reopened.get(keys::Settings, keys::Language), "Deu");
    EXPECT_EQ(reopened.getNumber(keys::Settings, keys::PposL, -1), 1234.5);
}

TEST_F(SettingsStoreTest, TheUsersStoreIsOrbaIniUnderTheConfigFolder)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    SettingsStore store;
    EXPECT_EQ(QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(store.filePath()))),
              QDir::cleanPath(config + QStringLiteral("/ORBA/ORBA.ini")));
    ASSERT_TRUE(store.save(keys::Settings, keys::TipNum, "7"));
    EXPECT_TRUE(QFile::exists(config + QStringLiteral("/ORBA/ORBA.ini")));
    EXPECT_EQ(SettingsStore().getInt(keys::Settings, keys::TipNum, 1), 7);
}

TEST_F(SettingsStoreTest, ASaveThatCannotBeWrittenReportsFailure)
{
    // The store's folder would have to be inside a regular file.
    QFile blocker(dir_.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(QFile::encodeName(dir_.filePath(QStringLiteral("file/ORBA.ini"))).toStdString());
    EXPECT_FALSE(store.save(keys::Settings, keys::Language, "Esp"));
}

TEST_F(SettingsStoreTest, BooleansReadInEitherFormAndAnyLetterCase)
{
    struct Case {
        const char* stored;
        bool def;
        bool expected;
    };
    const Case cases[] = {
        {"True", false, true},   {"False", true, false}, {"-1", false, true},  {"0", true, false},
        {"TRUE", false, true},   {"false", true, false}, {" True ", false, true},
        {"1", false, true},      {"2.5", false, true},   {"-0.0", true, false},
        // Not a boolean at all: the reader's default, not a guess.
        {"", true, true},        {"", false, false},     {"yes", true, true},  {"yes", false, false},
    };
    SettingsStore store(iniPath());
    for (const Case& c : cases) {
        ASSERT_TRUE(store.save(keys::Settings, keys::Splash, c.stored));
        EXPECT_EQ(store.getBool(keys::Settings, keys::Splash, c.def), c.expected)
            << "stored \"" << c.stored << "\", default " << c.def;
    }
}

TEST_F(SettingsStoreTest, BooleansAreWrittenInTheFormTheKeyUses)
{
    SettingsStore store(iniPath());
    ASSERT_TRUE(store.saveBool(keys::Settings, keys::Tips, false, BoolForm::TrueFalse));
    ASSERT_TRUE(store.saveBool(keys::Settings, keys::Splash, true, BoolForm::TrueFalse));
    ASSERT_TRUE(store.saveBool(keys::Settings, keys::AutoPic, true, BoolForm::MinusOneZero));
    ASSERT_TRUE(store.saveBool(keys::Settings, keys::PicOnTop, false, BoolForm::MinusOneZero));
    EXPECT_EQ(store.get(keys::Settings, keys::Tips), "False");
    EXPECT_EQ(store.get(keys::Settings, keys::Splash), "True");
    EXPECT_EQ(store.get(keys::Settings, keys::AutoPic), "-1");
    EXPECT_EQ(store.get(keys::Settings, keys::PicOnTop), "0");
    EXPECT_FALSE(store.getBool(keys::Settings, keys::Tips, true));
    EXPECT_TRUE(store.getBool(keys::Settings, keys::AutoPic, false));
}

TEST_F(SettingsStoreTest, NumbersAreWrittenShortAndReadByTheirLeadingNumber)
{
    SettingsStore store(iniPath());
    ASSERT_TRUE(store.saveNumber(keys::Settings, keys::PposW, 9600));
    ASSERT_TRUE(store.saveNumber(keys::Settings, keys::PposH, 7200.5));
    ASSERT_TRUE(store.saveNumber(keys::Settings, keys::PposT, -999));
    ASSERT_TRUE(store.saveInt(keys::Settings, keys::PposWS, 2));
    EXPECT_EQ(store.get(keys::Settings, keys::PposW), "9600");
    EXPECT_EQ(store.get(keys::Settings, keys::PposH), "7200.5");
    EXPECT_EQ(store.get(keys::Settings, keys::PposT), "-999");
    EXPECT_EQ(store.get(keys::Settings, keys::PposWS), "2");

    struct Case {
        const char* stored;
        int asInt;
        double asNumber;
    };
    const Case cases[] = {
        {"12", 12, 12},      {"12.5", 12, 12.5},  {"13.5", 14, 13.5}, {" -3", -3, -3},
        {"8 pt", 8, 8},      {".5", 0, 0.5},      {"True", 77, 77},   {"abc", 77, 77},
        {"", 77, 77},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(store.save(keys::FontSet, keys::QuestionFontSize, c.stored));
        EXPECT_EQ(store.getInt(keys::FontSet, keys::QuestionFontSize, 77), c.asInt) << '"' << c.stored << '"';
        EXPECT_EQ(store.getNumber(keys::FontSet, keys::QuestionFontSize, 77), c.asNumber) << '"' << c.stored << '"';
    }
}

TEST_F(SettingsStoreTest, ValuesSurviveTheIniFileByteForByte)
{
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string values[] = {
        "\x80 \x8A \x9F \xE9 \xFF",           // euro sign, S caron, Y diaeresis, e acute, y diaeresis
        "a=b",
        "first;second",
        "one, two,three",
        "   leading and trailing   ",
        "\"quoted\"",
        "C:\\Quizzes\\Earth.qzf",
        "@Variant(\\0\\0\\0\\x7f)",
        "@ByteArray(abc)",
        "[Settings]",
        "#not a comment",
        "line one\r\nline two",
        everyByte,
    };
    {
        SettingsStore store(iniPath());
        for (std::size_t i = 0; i < std::size(values); ++i)
            ASSERT_TRUE(store.save(keys::PrintSet, "key" + std::to_string(i), values[i]));
    }
    SettingsStore reopened(iniPath());
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reopened.get(keys::PrintSet, "key" + std::to_string(i)), values[i]) << "value " << i;
}

TEST_F(SettingsStoreTest, PathsKeepCharactersWindows1252CannotHold)
{
    const std::string path = "/home/\xD0\xB0\xD0\xBD\xD1\x8F/\xE2\x82\xAC quiz.qzf"; // UTF-8: Cyrillic, euro sign
    {
        SettingsStore store(iniPath());
        ASSERT_TRUE(store.savePath(keys::PreviousFiles, keys::PreviousFileKeys[0], path));
    }
    SettingsStore reopened(iniPath());
    EXPECT_EQ(reopened.getPath(keys::PreviousFiles, keys::PreviousFileKeys[0]), path);
    EXPECT_EQ(reopened.getPath(keys::PreviousFiles, keys::PreviousFileKeys[1]), "");
    // The same entry as Windows-1252 text: what it can hold, and "?" for the rest.
    EXPECT_EQ(reopened.get(keys::PreviousFiles, keys::PreviousFileKeys[0]), "/home/???" "/\x80 quiz.qzf");
}

TEST_F(SettingsStoreTest, SectionsAndKeysMatchInAnyLetterCase)
{
    SettingsStore store(iniPath());
    ASSERT_TRUE(store.save("settings", "LANGUAGE", "Fra"));
    EXPECT_EQ(store.get(keys::Settings, keys::Language), "Fra");

    // Writing through the usual spelling replaces the entry instead of adding one.
    ASSERT_TRUE(store.save(keys::Settings, keys::Language, "Nor"));
    EXPECT_EQ(store.get("SETTINGS", "language"), "Nor");
    const QByteArray bytes = fileBytes();
    EXPECT_EQ(bytes.count("Nor"), 1);
    EXPECT_FALSE(bytes.contains("Fra")) << bytes.constData();
    EXPECT_FALSE(bytes.contains("[Settings]")) << bytes.constData();
}

} // namespace
