#pragma once

// The per-user settings store: text values addressed by section and key under
// the application "ORBA", kept in a QSettings INI file
// ($XDG_CONFIG_HOME/ORBA/ORBA.ini), one INI group per section.
//
// Values are Windows-1252 text at this interface, byte for byte; the file
// holds them as Unicode. Sections and keys are matched without regard to
// letter case: a key stored as "language" is read and overwritten through
// keys::Language, and no second spelling is ever created beside it.

#include <QtCore/qglobal.h>

#include <memory>
#include <string>
#include <string_view>

QT_BEGIN_NAMESPACE
class QSettings;
class QString;
QT_END_NAMESPACE

// The two forms in which booleans are written; readers accept both.
enum class BoolForm {
    TrueFalse,    // "True" / "False"
    MinusOneZero, // "-1" / "0"
};

class SettingsStore final {
public:
    // The user's store of application "ORBA".
    SettingsStore();
    // A store in the given INI file (a native path), for tests.
    explicit SettingsStore(const std::string& iniPath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The INI file, as a native path.
    std::string filePath() const;

    // The stored text, or def when the key is missing. An emptied key reads
    // as the empty text, not as the default.
    std::string get(std::string_view section, std::string_view key, std::string_view def = {}) const;

    // Stores the text and writes the file at once. False when the file could
    // not be written.
    bool save(std::string_view section, std::string_view key, std::string_view value);

    // "True"/"False" in any letter case, or a number (true unless zero).
    // Missing, empty and unreadable values give def.
    bool getBool(std::string_view section, std::string_view key, bool def) const;
    // The leading number, rounded half to even. Missing values and values
    // without a number give def.
    int getInt(std::string_view section, std::string_view key, int def) const;
    // The leading number ("12.5 pt" is 12.5); missing values and values
    // without a number give def.
    double getNumber(std::string_view section, std::string_view key, double def) const;

    bool saveBool(std::string_view section, std::string_view key, bool value, BoolForm form);
    bool saveInt(std::string_view section, std::string_view key, int value);
    // Single precision, decimal text with a fraction only when it has one
    // ("120", "120.5"): positions and sizes in twips, font sizes in points.
    bool saveNumber(std::string_view section, std::string_view key, double value);

    // Native file paths (UTF-8), which Windows-1252 could not hold whole.
    std::string getPath(std::string_view section, std::string_view key) const;
    bool savePath(std::string_view section, std::string_view key, const std::string& path);

private:
    bool readRaw(std::string_view section, std::string_view key, QString& value) const;
    bool writeRaw(std::string_view section, std::string_view key, const QString& value);
    QString storedKey(std::string_view section, std::string_view key) const;

    std::unique_ptr<QSettings> settings_;
};
