#include "html/PageScan.h"

#include <gumbo.h>
#include <optional>

namespace {

class ParsedHtml {
public:
    explicit ParsedHtml(const QByteArray& utf8)
    {
        m_options.max_errors = 0; // the parse errors are of no use here and cost memory on broken pages
        m_options.tab_stop = 1; // so that columns count characters
        m_output = gumbo_parse_with_options(&m_options, utf8.constData(), size_t(utf8.size()));
    }
    ~ParsedHtml() { gumbo_destroy_output(&m_options, m_output); }
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;

    const GumboNode* root() const { return m_output->document; }

private:
    GumboOptions m_options = kGumboDefaultOptions;
    GumboOutput* m_output;
};

// The children of the document and of elements. Text and comments have none, and a
// template's contents are no part of the page.
const GumboVector* childrenOf(const GumboNode* node)
{
    if (node->type == GUMBO_NODE_DOCUMENT)
        return &node->v.document.children;
    if (node->type == GUMBO_NODE_ELEMENT)
        return &node->v.element.children;
    return nullptr;
}

// Visits every HTML element below root in document order. Iterative: pages may nest deeper
// than the call stack reaches.
template <typename Visit> void forEachHtmlElement(const GumboNode* root, Visit visit)
{
    std::vector<const GumboNode*> pending { root };
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML)
            visit(node);
        if (const GumboVector* children = childrenOf(node))
            for (unsigned i = children->length; i-- > 0;)
                pending.push_back(static_cast<const GumboNode*>(children->data[i]));
    }
}

std::optional<QString> attributeOf(const GumboNode* element, const char* name)
{
    const GumboAttribute* attribute = gumbo_get_attribute(&element->v.element.attributes, name);
    if (attribute == nullptr)
        return std::nullopt;
    return QString::fromUtf8(attribute->value);
}

PagePlace placeOf(const GumboNode* element)
{
    return { int(element->v.element.start_pos.line), int(element->v.element.start_pos.column) };
}

ScannedArea scanArea(const GumboNode* area)
{
    ScannedArea scanned;
    const GumboVector& attributes = area->v.element.attributes;
    for (unsigned i = 0; i < attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
        const QString name = QString::fromUtf8(attribute->name);
        if (name != QLatin1String("data-korvel-box"))
            scanned.attributes.push_back({ name, QString::fromUtf8(attribute->value) });
    }
    scanned.place = placeOf(area);
    return scanned;
}

struct MapElement {
    const GumboNode* node;
    std::optional<QString> name;
    std::optional<QString> id;
};

ScannedMap scanMap(const MapElement& map)
{
    ScannedMap scanned;
    scanned.name = map.name.value_or(map.id.value_or(QString()));
    scanned.place = placeOf(map.node);
    forEachHtmlElement(map.node, [&](const GumboNode* element) {
        if (element->v.element.tag == GUMBO_TAG_AREA)
            scanned.areas.push_back(scanArea(element));
    });
    return scanned;
}

// The name a usemap finds a map by: browsers drop one "#" that starts its name attribute
// (but not its id), so usemap="#a" finds <map name="#a"> and usemap="##a" does not.
std::optional<QString> nameKey(const std::optional<QString>& name)
{
    if (name && name->startsWith(u'#'))
        return name->mid(1);
    return name;
}

// The map a usemap value names: the text after its first "#", compared exactly with each
// map's name and id in document order. Without "#", or with nothing after it, none.
int mapNamedBy(const QString& usemap, const std::vector<MapElement>& maps)
{
    const qsizetype hash = usemap.indexOf(u'#');
    if (hash < 0 || hash + 1 == usemap.size())
        return -1;
    const QString name = usemap.mid(hash + 1);
    for (size_t i = 0; i < maps.size(); ++i)
        if (nameKey(maps[i].name) == name || maps[i].id == name)
            return int(i);
    return -1;
}

void setPicture(ScannedMap& map, const GumboNode* image)
{
    map.pictureSource = attributeOf(image, "src").value_or(QString());
    map.pictureWidth = attributeOf(image, "width").value_or(QString());
    map.pictureHeight = attributeOf(image, "height").value_or(QString());
}

// Each map takes the first picture that uses it. A lone map that no usemap names (one saved
// without a name, say) takes the lone picture that has a usemap.
void assignPictures(ScannedPage& page, const std::vector<MapElement>& maps, const std::vector<const GumboNode*>& images)
{
    std::vector<bool> assigned(maps.size(), false);
    for (const GumboNode* image : images) {
        const QString usemap = attributeOf(image, "usemap").value_or(QString());
        const int index = mapNamedBy(usemap, maps);
        page.usemaps.push_back({ usemap, attributeOf(image, "src").value_or(QString()), index, placeOf(image) });
        if (index >= 0 && !assigned[size_t(index)]) {
            assigned[size_t(index)] = true;
            setPicture(page.maps[size_t(index)], image);
        }
    }
    if (maps.size() == 1 && images.size() == 1 && !assigned.front())
        setPicture(page.maps.front(), images.front());
}

} // namespace

ScannedPage scanPage(const QByteArray& utf8)
{
    const ParsedHtml document(utf8);
    ScannedPage page;
    std::vector<MapElement> maps;
    std::vector<const GumboNode*> images;
    forEachHtmlElement(document.root(), [&](const GumboNode* element) {
        page.hasMarkup = page.hasMarkup || !(element->parse_flags & GUMBO_INSERTION_BY_PARSER);
        const GumboTag tag = element->v.element.tag;
        if (tag == GUMBO_TAG_MAP)
            maps.push_back({ element, attributeOf(element, "name"), attributeOf(element, "id") });
        else if (tag == GUMBO_TAG_IMG && attributeOf(element, "usemap"))
            images.push_back(element);
        else if (tag == GUMBO_TAG_BASE && page.baseHref.isNull())
            page.baseHref = attributeOf(element, "href").value_or(QString());
    });
    for (const MapElement& map : maps)
        page.maps.push_back(scanMap(map));
    assignPictures(page, maps, images);
    return page;
}
