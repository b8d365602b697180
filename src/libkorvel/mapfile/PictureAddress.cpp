#include "mapfile/PictureAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

bool IsAsciiWhitespace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

QString StripAsciiWhitespace(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsAsciiWhitespace(text[start]))
        ++start;
    while (end > start && IsAsciiWhitespace(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

QUrl UrlFromAttribute(const QString& value)
{
    QString text = StripAsciiWhitespace(value);
    text.replace(u'\\', u'/');
    return QUrl(text);
}

} // namespace

QString PictureSourceFor(const QString& htmlFilePath, const QString& picturePath)
{
    if (picturePath.isEmpty())
        return {};
    const QDir pageFolder = QFileInfo(htmlFilePath).absoluteDir();
    const QString relative = pageFolder.relativeFilePath(QFileInfo(picturePath).absoluteFilePath());
    if (QDir::isAbsolutePath(relative))
        return QUrl::fromLocalFile(relative).toString(QUrl::FullyEncoded);
    // Sub-delimiters that are harmless in a path stay readable; ":" is encoded, since in
    // the first segment it would start a scheme, and so are "?", "#" and "%".
    return QString::fromLatin1(QUrl::toPercentEncoding(relative, "/!$'()*+,;=@"));
}

QString PictureFileFromSource(const QString& htmlFilePath, const QString& baseHref, const QString& source)
{
    if (StripAsciiWhitespace(source).isEmpty())
        return {};
    const QUrl page = QUrl::fromLocalFile(QFileInfo(htmlFilePath).absoluteFilePath());
    const QUrl base = baseHref.isEmpty() ? page : page.resolved(UrlFromAttribute(baseHref));
    const QUrl picture = base.resolved(UrlFromAttribute(source));
    if (!picture.isLocalFile())
        return {};
    return QDir::cleanPath(picture.toLocalFile());
}
