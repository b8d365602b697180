#include "mapfile/HtmlMapScanner.h"

#include "mapfile/ParsedHtml.h"

#include <optional>

namespace {

// The children of the document and of elements. Text and comments have none, and a
// template's contents are no part of the page.
const GumboVector* ChildrenOf(const GumboNode* node)
{
    if (node->type == GUMBO_NODE_DOCUMENT)
        return &node->v.document.children;
    if (node->type == GUMBO_NODE_ELEMENT)
        return &node->v.element.children;
    return nullptr;
}

// Visits every HTML element below root in document order. Iterative: pages may nest deeper
// than the call stack reaches.
template <typename Visit> void ForEachHtmlElement(const GumboNode* root, Visit visit)
{
    std::vector<const GumboNode*> pending { root };
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML)
            visit(node);
        if (const GumboVector* children = ChildrenOf(node)) {
            for (unsigned i = children->length; i-- > 0;)
                pending.push_back(static_cast<const GumboNode*>(children->data[i]));
        }
    }
}

std::optional<QString> Attribute(const GumboNode* element, const char* name)
{
    const GumboAttribute* attribute = gumbo_get_attribute(&element->v.element.attributes, name);
    if (attribute == nullptr)
        return std::nullopt;
    return QString::fromUtf8(attribute->value);
}

QString AttributeText(const GumboNode* element, const char* name)
{
    return Attribute(element, name).value_or(QString());
}

FoundArea ReadArea(const GumboNode* area)
{
    FoundArea found;
    found.shape = Attribute(area, "shape");
    found.coords = AttributeText(area, "coords");
    found.href = AttributeText(area, "href");
    found.alt = AttributeText(area, "alt");
    found.exactBox = Attribute(area, "data-korvel-box");
    return found;
}

struct MapElement {
    const GumboNode* node;
    std::optional<QString> name;
    std::optional<QString> id;
};

FoundMap ReadMap(const MapElement& map)
{
    FoundMap found;
    found.name = map.name.value_or(map.id.value_or(QString()));
    ForEachHtmlElement(map.node, [&](const GumboNode* element) {
        if (element->v.element.tag == GUMBO_TAG_AREA)
            found.areas.push_back(ReadArea(element));
    });
    return found;
}

// The map a usemap value names: the text after its first "#", compared exactly with each
// map's name and id in document order. Without "#", or with nothing after it, none.
int MapNamedBy(const QString& usemap, const std::vector<MapElement>& maps)
{
    const qsizetype hash = usemap.indexOf(u'#');
    if (hash < 0 || hash + 1 == usemap.size())
        return -1;
    const QString name = usemap.mid(hash + 1);
    for (size_t i = 0; i < maps.size(); ++i) {
        if (maps[i].name == name || maps[i].id == name)
            return static_cast<int>(i);
    }
    return -1;
}

// Each map takes the src of the first picture that uses it. A lone map that no usemap
// names (one saved without a name, say) takes the lone picture that has a usemap.
void AssignPictures(ScannedPage& page, const std::vector<MapElement>& maps, const std::vector<const GumboNode*>& images)
{
    std::vector<bool> assigned(maps.size(), false);
    for (const GumboNode* image : images) {
        const int index = MapNamedBy(AttributeText(image, "usemap"), maps);
        if (index >= 0 && !assigned[size_t(index)]) {
            assigned[size_t(index)] = true;
            page.maps[size_t(index)].pictureSource = AttributeText(image, "src");
        }
    }
    if (maps.size() == 1 && images.size() == 1 && !assigned.front())
        page.maps.front().pictureSource = AttributeText(images.front(), "src");
}

class PageCollector {
public:
    void Visit(const GumboNode* element)
    {
        if (!(element->parse_flags & GUMBO_INSERTION_BY_PARSER))
            m_page.hasMarkup = true;
        switch (element->v.element.tag) {
        case GUMBO_TAG_MAP:
            m_maps.push_back({ element, Attribute(element, "name"), Attribute(element, "id") });
            break;
        case GUMBO_TAG_IMG:
            if (Attribute(element, "usemap"))
                m_images.push_back(element);
            break;
        case GUMBO_TAG_BASE:
            NoteBase(element);
            break;
        default:
            break;
        }
    }

    ScannedPage Finish()
    {
        for (const MapElement& map : m_maps)
            m_page.maps.push_back(ReadMap(map));
        AssignPictures(m_page, m_maps, m_images);
        return std::move(m_page);
    }

private:
    // Only the first <base> with an href sets the page's base address.
    void NoteBase(const GumboNode* element)
    {
        const std::optional<QString> href = Attribute(element, "href");
        if (href && !m_baseSeen) {
            m_page.baseHref = *href;
            m_baseSeen = true;
        }
    }

    ScannedPage m_page;
    std::vector<MapElement> m_maps;
    std::vector<const GumboNode*> m_images;
    bool m_baseSeen = false;
};

} // namespace

ScannedPage ScanHtmlPage(const QByteArray& utf8)
{
    const ParsedHtml document(utf8);
    PageCollector collector;
    ForEachHtmlElement(document.Root(), [&](const GumboNode* element) { collector.Visit(element); });
    return collector.Finish();
}
