#pragma once

#include <QString>
#include <QVector>

#include <cstdint>

// One entry of a dialog's type list: "JPEG files" with "*.jpg", or "All formats"
// with the ";"-separated "*.jpg;*.gif;*.bmp".
struct FileDialogFilter {
    QString description;
    QString pattern;

    friend bool operator==(const FileDialogFilter& a, const FileDialogFilter& b)
    {
        return a.description == b.description && a.pattern == b.pattern;
    }
};

// The filter text in the form the dialogs take it: every "|" and
// every ":" ends a text with a NUL, and two more NULs end the list.
QString NulSeparatedFilter(const QString& filter);

// The description/pattern pairs of a NUL-separated list. The list ends at its first
// empty text, so a pair needs both halves.
QVector<FileDialogFilter> FilterEntries(const QString& nulSeparated);

// Entry number index (1-based) as "description NUL pattern", or empty when there is no such entry.
QString FilterEntryText(const QVector<FileDialogFilter>& entries, int32_t index);
