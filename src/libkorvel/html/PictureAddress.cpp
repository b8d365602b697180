#include "html/PictureAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

bool isAsciiWhitespace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

QString withoutAsciiWhitespaceAround(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isAsciiWhitespace(text[start]))
        ++start;
    while (end > start && isAsciiWhitespace(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

QUrl urlFromAttribute(const QString& value)
{
    return QUrl(withoutAsciiWhitespaceAround(value).replace(u'\\', u'/'));
}

} // namespace

QString pictureSourceFor(const QString& htmlFilePath, const QString& picturePath)
{
    if (picturePath.isEmpty())
        return {};
    const QDir pageFolder = QFileInfo(htmlFilePath).absoluteDir();
    const QString relative = pageFolder.relativeFilePath(QFileInfo(picturePath).absoluteFilePath());
    if (QDir::isAbsolutePath(relative))
        return QUrl::fromLocalFile(relative).toString(QUrl::FullyEncoded);
    // Sub-delimiters that are harmless in a path stay readable; ":" is encoded, since in the
    // first segment it would start a scheme, and so are "?", "#" and "%".
    return QString::fromLatin1(QUrl::toPercentEncoding(relative, "/!$'()*+,;=@"));
}

QString pictureFileFromSource(const QString& htmlFilePath, const QString& baseHref, const QString& source)
{
    if (withoutAsciiWhitespaceAround(source).isEmpty())
        return {};
    const QUrl page = QUrl::fromLocalFile(QFileInfo(htmlFilePath).absoluteFilePath());
    const QUrl base = baseHref.isEmpty() ? page : page.resolved(urlFromAttribute(baseHref));
    const QUrl picture = base.resolved(urlFromAttribute(source));
    return picture.isLocalFile() ? QDir::cleanPath(picture.toLocalFile()) : QString();
}
