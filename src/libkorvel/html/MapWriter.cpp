#include "html/MapWriter.h"

#include "html/HtmlEscaping.h"
#include "map/AreaGeometry.h"
#include "map/ImageMap.h"

namespace {

QLatin1String lineBreak(HtmlForm form)
{
    return form == HtmlForm::Literal ? QLatin1String("\r\n") : QLatin1String("\n");
}

void appendValue(QString& out, const QString& value, HtmlForm form)
{
    out += form == HtmlForm::Literal ? value : escapedHtmlText(value);
}

void appendAttribute(QString& out, const QString& name, const QString& value, HtmlForm form)
{
    out += QLatin1Char(' ');
    out += name;
    out += QLatin1String("=\"");
    appendValue(out, value, form);
    out += QLatin1Char('"');
}

qsizetype expectedSize(const ImageMap& map)
{
    qsizetype size = 32 + map.name().size();
    for (const Area& area : map.areas()) {
        size += 48 + 12 * qsizetype(area.vertices().size());
        for (const Attribute& attribute : area.attributes())
            size += 4 + attribute.name.size() + attribute.value.size();
    }
    return size;
}

} // namespace

void appendAreaElement(QString& out, const Area& area, HtmlForm form)
{
    out += QLatin1String("<area");
    for (const Attribute& attribute : area.attributes()) {
        // The page's own coords text is a value like any other, escaped in a page.
        if (attribute.name == QLatin1String("coords") && area.isEditable() && !area.keepsPageCoords()) {
            out += QLatin1String(" coords=\"");
            appendCoordsText(out, area);
            out += QLatin1Char('"');
        } else if (attribute.name == QLatin1String("nohref") && attribute.value.isEmpty()) {
            out += QLatin1String(" nohref");
        } else {
            appendAttribute(out, attribute.name, attribute.value, form);
        }
    }
    out += QLatin1Char('>');
    out += lineBreak(form);
}

QString mapElement(const ImageMap& map, HtmlForm form)
{
    QString out;
    out.reserve(expectedSize(map));
    out += QLatin1String("<map");
    appendAttribute(out, QStringLiteral("name"), map.name(), form);
    out += QLatin1Char('>');
    out += lineBreak(form);
    for (const Area& area : map.areas())
        appendAreaElement(out, area, form);
    out += QLatin1String("</map>");
    return out;
}

namespace {

void appendImage(QString& out, const ImageMap& map, const PagePicture& picture)
{
    if (picture.source.isEmpty())
        return;
    out += QLatin1String("<img");
    appendAttribute(out, QStringLiteral("src"), picture.source, HtmlForm::Escaped);
    appendAttribute(out, QStringLiteral("alt"), map.name(), HtmlForm::Escaped);
    if (picture.size.isValid()) {
        appendAttribute(out, QStringLiteral("width"), QString::number(picture.size.width()), HtmlForm::Escaped);
        appendAttribute(out, QStringLiteral("height"), QString::number(picture.size.height()), HtmlForm::Escaped);
    }
    appendAttribute(out, QStringLiteral("usemap"), QLatin1Char('#') + map.name(), HtmlForm::Escaped);
    out += QLatin1String(">\n");
}

} // namespace

QString pageHtml(const ImageMap& map, const PagePicture& picture)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>");
    out += map.name().isEmpty() ? QStringLiteral("Imagemap") : escapedHtmlText(map.name());
    out += QLatin1String("</title>\n</head>\n<body>\n");
    appendImage(out, map, picture);
    out += mapElement(map, HtmlForm::Escaped);
    out += QLatin1String("\n</body>\n</html>\n");
    return out;
}
