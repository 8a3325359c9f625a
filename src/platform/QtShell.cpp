#include "platform/QtShell.h"

#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <array>

QUrl documentUrl(const std::string& pathOrUrl)
{
    if (pathOrUrl.empty())
        return {};
    const QString text = QFile::decodeName(QByteArray::fromStdString(pathOrUrl));
    // Only schemes the programs use: a file name with a colon stays a file.
    static constexpr std::array<const char*, 5> schemes = {"http:", "https:", "ftp:", "mailto:", "file:"};
    for (const char* scheme : schemes) {
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QUrl(text, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

bool QtShell::openDocument(const std::string& pathOrUrl)
{
    const QUrl url = documentUrl(pathOrUrl);
    if (!url.isValid() || url.isEmpty())
        return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

bool QtShell::startProgram(const std::string& programName, const QStringList& args)
{
    if (programName.empty() || programName.find('/') != std::string::npos)
        return false;
    const QString folder = QFile::decodeName(QByteArray::fromStdString(programFolder()));
    const QFileInfo program(folder + QLatin1Char('/') + QFile::decodeName(QByteArray::fromStdString(programName)));
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), args, folder);
}
