#pragma once

#include <QString>

// The type lists of Korvel's file dialogs, in cFileDlg's "description|pattern|..." form.

// Pictures New Imagemap opens: five entries, "All formats" first.
inline QString PictureFileFilter()
{
    return QStringLiteral("All formats|*.jpg;*.jpeg;*.jpe;*.gif;*.bmp;*.png;*.webp|JPEG files|*.jpg;*.jpeg;*.jpe|"
                          "GIF files|*.gif|Bitmap files|*.bmp|Show all files|*.*");
}

// Web pages that maps are saved as and opened from.
inline QString MapPageFileFilter()
{
    return QStringLiteral("Web pages|*.html;*.htm|Show all files|*.*");
}
