#include "check/ShownPictureSize.h"

#include "html/PageReader.h"

#include <QImageReader>

#include <cmath>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QSize fileSize(const PageMap& page)
{
    if (!page.pictureExists)
        return {};
    QImageReader reader(page.picturePath);
    QSize size = reader.size();
    if (size.isValid() && reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        size.transpose();
    return size;
}

int wholePixels(double value)
{
    return int(std::min(std::ceil(value), 1e9));
}

} // namespace

Dimension dimensionOf(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && QLatin1StringView(" \t\n\f\r").contains(text[at]))
        ++at;
    const qsizetype start = at;
    while (at < text.size() && isAsciiDigit(text[at]))
        ++at;
    if (at == start)
        return {};
    if (at + 1 < text.size() && text[at] == u'.' && isAsciiDigit(text[at + 1]))
        for (++at; at < text.size() && isAsciiDigit(text[at]);)
            ++at;
    if (at < text.size() && text[at] == u'%')
        return { Dimension::Kind::Percentage, 0 };
    return { Dimension::Kind::Pixels, text.mid(start, at - start).toDouble() };
}

QSize shownPictureSize(const PageMap& page)
{
    using Kind = Dimension::Kind;
    const Dimension width = dimensionOf(page.pictureWidth);
    const Dimension height = dimensionOf(page.pictureHeight);
    if (width.kind == Kind::Percentage || height.kind == Kind::Percentage)
        return {};
    if (width.kind == Kind::Pixels && height.kind == Kind::Pixels)
        return QSize(wholePixels(width.pixels), wholePixels(height.pixels));
    const QSize file = fileSize(page);
    if (file.isEmpty())
        return {};
    if (width.kind == Kind::Pixels)
        return QSize(wholePixels(width.pixels), wholePixels(width.pixels * file.height() / file.width()));
    if (height.kind == Kind::Pixels)
        return QSize(wholePixels(height.pixels * file.width() / file.height()), wholePixels(height.pixels));
    return file;
}
