#include "platform/FileFilter.h"

#include "quizfile/Ansi.h"

#include <QString>

namespace {

QStringList patternsOf(const QString& list)
{
    QStringList patterns;
    const QStringList parts = list.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        // Qt separates patterns with blanks, so a blank cannot be inside one.
        const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            // Windows reads "*.*" as every file, also those without a dot.
            const QString pattern = word == QLatin1String("*.*") ? QStringLiteral("*") : word;
            if (!patterns.contains(pattern))
                patterns.append(pattern);
        }
    }
    return patterns;
}

// The "(*.qzf;*.qzp)" that descriptions end with, or -1. Only a list of
// wildcard patterns counts: "Quizzes (old)" keeps its parentheses.
qsizetype trailingPatternList(const QString& description)
{
    if (!description.endsWith(QLatin1Char(')')))
        return -1;
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return -1;
    const QString inside = description.mid(open + 1, description.size() - open - 2);
    if (!inside.contains(QLatin1Char('*')) && !inside.contains(QLatin1Char('?')))
        return -1;
    return open;
}

} // namespace

QStringList qtNameFilters(const std::string& filter)
{
    QStringList result;
    const QStringList fields = quizfile::toQString(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        QString description = fields[i].trimmed();
        const QString patternField = i + 1 < fields.size() ? fields[i + 1] : QString();
        if (description.isEmpty() && patternField.trimmed().isEmpty())
            continue;

        QStringList patterns = patternsOf(patternField);
        const qsizetype listStart = trailingPatternList(description);
        if (listStart >= 0) {
            if (patterns.isEmpty())
                patterns = patternsOf(description.mid(listStart + 1, description.size() - listStart - 2));
            description = description.left(listStart).trimmed();
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        const QString shown = patterns.join(QLatin1Char(' '));
        if (description.isEmpty())
            description = shown;
        result.append(description + QStringLiteral(" (") + shown + QLatin1Char(')'));
    }
    return result;
}
