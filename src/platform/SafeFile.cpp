#include "platform/SafeFile.h"

#include <QFile>
#include <QSaveFile>

namespace {
QString qPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string reason(const QFileDevice& file) { return file.errorString().toStdString(); }
} // namespace

quizfile::Result<std::string> readFileBytes(const std::string& path)
{
    QFile file(qPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return quizfile::Result<std::string>::failure(reason(file));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return quizfile::Result<std::string>::failure(reason(file));
    return bytes.toStdString();
}

quizfile::Status writeFileSafely(const std::string& path, std::string_view bytes)
{
    QSaveFile file(qPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return quizfile::Status::failure(reason(file));
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const std::string why = reason(file);
        file.cancelWriting();
        return quizfile::Status::failure(why);
    }
    if (!file.commit())
        return quizfile::Status::failure(reason(file));
    return quizfile::success();
}
