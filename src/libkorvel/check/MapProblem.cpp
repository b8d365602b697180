#include "check/MapProblem.h"

QString problemSubject(const QString& mapName, int area)
{
    if (area < 0)
        return CheckWords::tr("map \"%1\"").arg(mapName);
    return CheckWords::tr("map \"%1\", area %2").arg(mapName, QString::number(qint64(area) + 1));
}

namespace {

void appendShown(QString& out, QChar c)
{
    if (c == u'\n')
        out += QLatin1String("\\n");
    else if (c == u'\r')
        out += QLatin1String("\\r");
    else if (c == u'\t')
        out += QLatin1String("\\t");
    else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    else
        out += c;
}

} // namespace

QString shownText(const QString& text)
{
    constexpr qsizetype kLongest = 60;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (out.size() >= kLongest - 1 && i + 1 < text.size()) {
            if (text[i].isLowSurrogate())
                out.chop(1); // never half a character
            out += QChar(0x2026);
            break;
        }
        appendShown(out, text[i]);
    }
    return out;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 12);
}
