#include "filedialog/FileDialogFilters.h"

QString NulSeparatedFilter(const QString& filter)
{
    QString converted = filter;
    converted.replace(QLatin1Char('|'), QChar(0));
    converted.replace(QLatin1Char(':'), QChar(0));
    converted.append(QChar(0));
    converted.append(QChar(0));
    return converted;
}

QVector<FileDialogFilter> FilterEntries(const QString& nulSeparated)
{
    const QStringList texts = nulSeparated.split(QChar(0));
    QVector<FileDialogFilter> entries;
    for (qsizetype i = 0; i + 1 < texts.size(); i += 2) {
        if (texts[i].isEmpty() || texts[i + 1].isEmpty())
            break;
        entries.append({ texts[i], texts[i + 1] });
    }
    return entries;
}

QString FilterEntryText(const QVector<FileDialogFilter>& entries, int32_t index)
{
    if (index < 1 || index > entries.size())
        return QString();
    const FileDialogFilter& entry = entries[index - 1];
    return entry.description + QChar(0) + entry.pattern;
}
