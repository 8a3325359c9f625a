#include "settings/SettingsStore.h"

#include "quizfile/Ansi.h"
#include "quizfile/Numbers.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <climits>
#include <optional>

namespace {

QString fromAnsi(std::string_view ansi)
{
    return quizfile::toQString(ansi);
}

std::optional<bool> boolWord(const QString& text)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

bool hasLeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("ORBA"), QStringLiteral("ORBA")))
{
    // The store is per user; a system-wide ORBA.ini must not leak into it.
    settings_->setFallbacksEnabled(false);
}

SettingsStore::SettingsStore(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(QFile::decodeName(QByteArray::fromStdString(iniPath)),
                                            QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

std::string SettingsStore::filePath() const
{
    return QFile::encodeName(settings_->fileName()).toStdString();
}

QString SettingsStore::storedKey(std::string_view section, std::string_view key) const
{
    QString group = fromAnsi(section);
    QString name = fromAnsi(key);
    const QString exact = group + QLatin1Char('/') + name;
    if (settings_->contains(exact))
        return exact;

    // Reuse the spelling already in the file, so that "settings/language"
    // and "Settings/Language" stay one entry.
    const QStringList groups = settings_->childGroups();
    for (const QString& g : groups) {
        if (g.compare(group, Qt::CaseInsensitive) == 0) {
            group = g;
            break;
        }
    }
    settings_->beginGroup(group);
    const QStringList names = settings_->childKeys();
    settings_->endGroup();
    for (const QString& n : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            name = n;
            break;
        }
    }
    return group + QLatin1Char('/') + name;
}

bool SettingsStore::readRaw(std::string_view section, std::string_view key, QString& value) const
{
    const QVariant stored = settings_->value(storedKey(section, key));
    if (!stored.isValid())
        return false;
    // An unquoted "a,b" typed into the file by hand reads as a list.
    if (stored.typeId() == QMetaType::QStringList)
        value = stored.toStringList().join(QLatin1Char(','));
    else
        value = stored.toString();
    return true;
}

bool SettingsStore::writeRaw(std::string_view section, std::string_view key, const QString& value)
{
    settings_->setValue(storedKey(section, key), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

std::string SettingsStore::get(std::string_view section, std::string_view key, std::string_view def) const
{
    QString value;
    if (!readRaw(section, key, value))
        return std::string(def);
    return quizfile::fromQString(value);
}

bool SettingsStore::save(std::string_view section, std::string_view key, std::string_view value)
{
    return writeRaw(section, key, fromAnsi(value));
}

bool SettingsStore::getBool(std::string_view section, std::string_view key, bool def) const
{
    QString value;
    if (!readRaw(section, key, value))
        return def;
    value = value.trimmed();
    if (const auto word = boolWord(value))
        return *word;
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    if (!isNumber)
        return def;
    return number != 0.0;
}

int SettingsStore::getInt(std::string_view section, std::string_view key, int def) const
{
    QString value;
    if (!readRaw(section, key, value))
        return def;
    const std::string text = quizfile::fromQString(value);
    if (!hasLeadingNumber(text))
        return def;
    const long long rounded = quizfile::roundHalfEven(quizfile::leadingNumber(text));
    if (rounded > INT_MAX)
        return INT_MAX;
    if (rounded < INT_MIN)
        return INT_MIN;
    return static_cast<int>(rounded);
}

double SettingsStore::getNumber(std::string_view section, std::string_view key, double def) const
{
    QString value;
    if (!readRaw(section, key, value))
        return def;
    const std::string text = quizfile::fromQString(value);
    if (!hasLeadingNumber(text))
        return def;
    return quizfile::leadingNumber(text);
}

bool SettingsStore::saveBool(std::string_view section, std::string_view key, bool value, BoolForm form)
{
    if (form == BoolForm::TrueFalse)
        return save(section, key, value ? "True" : "False");
    return save(section, key, value ? "-1" : "0");
}

bool SettingsStore::saveInt(std::string_view section, std::string_view key, int value)
{
    return save(section, key, std::to_string(value));
}

bool SettingsStore::saveNumber(std::string_view section, std::string_view key, double value)
{
    return save(section, key, std::isfinite(value) ? quizfile::shortNumberText(value) : std::string("0"));
}

std::string SettingsStore::getPath(std::string_view section, std::string_view key) const
{
    QString value;
    if (!readRaw(section, key, value))
        return {};
    return QFile::encodeName(value).toStdString();
}

bool SettingsStore::savePath(std::string_view section, std::string_view key, const std::string& path)
{
    return writeRaw(section, key, QFile::decodeName(QByteArray::fromStdString(path)));
}
