#include "preview/LinkText.h"

#include "map/Area.h"

#include <QCoreApplication>

bool followsLink(const Area& area)
{
    return area.hasAttribute(QLatin1String("href"));
}

QString linkText(const Area& area)
{
    // A tooltip shows the start of a text of any length.
    constexpr qsizetype kLongest = 500;
    const auto tr = [](const char* text) { return QCoreApplication::translate("LinkText", text); };
    QString text;
    if (!followsLink(area))
        text = area.hasAttribute(QLatin1String("nohref")) ? tr("No link (nohref)") : tr("No link (no href)");
    else if (area.text(QLatin1String("href")).isEmpty())
        text = tr("This page again (empty href)");
    else
        text = area.text(QLatin1String("href")).left(kLongest);
    if (const std::optional<QString> title = area.attribute(QLatin1String("title")))
        text += QLatin1Char('\n') + title->left(kLongest);
    return text;
}
