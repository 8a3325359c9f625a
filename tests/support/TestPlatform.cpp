#include "support/TestPlatform.h"

#include <QFile>

namespace {

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

TestPlatform::TestPlatform(std::uint64_t seed)
    : rng(seed)
    , settings(nativePath(dir_.filePath(QStringLiteral("ORBA.ini"))))
    , platform{dialogs, shell, rng, settings, sound}
{
}

std::string TestPlatform::dir() const
{
    return nativePath(dir_.path());
}
