#include "map/Area.h"

#include <algorithm>
#include <array>

namespace {

const QLatin1String kCoords("coords");

// Where Korvel puts an attribute an area lacks: after those that come before it here.
constexpr std::array<const char*, 7> kWrittenOrder { "href", "nohref", "alt", "title", "target", "coords", "shape" };

int rankOf(const QString& name)
{
    for (size_t i = 0; i < kWrittenOrder.size(); ++i)
        if (name == QLatin1String(kWrittenOrder[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace

Area Area::drawn(AreaShape shape, QLatin1String shapeKeyword)
{
    Area area;
    area.m_shape = shape;
    area.m_attributes = { { QStringLiteral("href"), QString() }, { QStringLiteral("alt"), QString() },
        { QString(kCoords), QString() } };
    if (shapeKeyword.size() > 0)
        area.m_attributes.push_back({ QStringLiteral("shape"), QString(shapeKeyword) });
    return area;
}

Area Area::rectangle(const Box& box)
{
    Area area = drawn(AreaShape::Rectangle, QLatin1String()); // HTML's default shape
    area.m_box = box;
    return area;
}

Area Area::circle(const Box& box)
{
    Area area = drawn(AreaShape::Circle, QLatin1String("circle"));
    area.m_box = box;
    return area;
}

Area Area::polygon(std::vector<Vertex> vertices)
{
    Area area = drawn(AreaShape::Polygon, QLatin1String("poly"));
    area.m_vertices = std::move(vertices);
    return area;
}

Area Area::fromPage(AreaShape shape, std::vector<Attribute> attributes, const Box& box, std::vector<Vertex> vertices,
    std::vector<double> pageNumbers)
{
    Area area;
    area.m_shape = shape;
    area.m_attributes = std::move(attributes);
    area.m_box = box;
    area.m_vertices = std::move(vertices);
    area.m_pageNumbers = std::move(pageNumbers);
    return area;
}

void Area::setBox(const Box& box)
{
    if (box == m_box)
        return;
    m_box = box;
    forgetPageCoords();
}

void Area::setVertices(std::vector<Vertex> vertices)
{
    if (vertices == m_vertices)
        return;
    m_vertices = std::move(vertices);
    forgetPageCoords();
}

void Area::setVertex(size_t index, Vertex vertex)
{
    if (index >= m_vertices.size() || m_vertices[index] == vertex)
        return;
    m_vertices[index] = vertex;
    forgetPageCoords();
}

void Area::forgetPageCoords()
{
    if (m_pageNumbers.empty())
        return;
    m_pageNumbers.clear();
    for (Attribute& attribute : m_attributes)
        if (attribute.name == kCoords)
            attribute.value.clear();
}

std::optional<QString> Area::attribute(QLatin1String name) const
{
    for (const Attribute& attribute : m_attributes)
        if (attribute.name == name)
            return attribute.value;
    return std::nullopt;
}

void Area::setAttribute(QLatin1String name, const QString& value)
{
    for (Attribute& attribute : m_attributes) {
        if (attribute.name == name) {
            attribute.value = value;
            return;
        }
    }
    const int rank = rankOf(QString(name));
    if (rank < 0) {
        m_attributes.push_back({ QString(name), value });
        return;
    }
    auto at = m_attributes.begin();
    for (auto it = m_attributes.begin(); it != m_attributes.end(); ++it) {
        const int other = rankOf(it->name);
        if (other >= 0 && other < rank)
            at = it + 1;
    }
    m_attributes.insert(at, { QString(name), value });
}

void Area::removeAttribute(QLatin1String name)
{
    m_attributes.erase(std::remove_if(m_attributes.begin(), m_attributes.end(),
                           [name](const Attribute& attribute) { return attribute.name == name; }),
        m_attributes.end());
}

bool Area::sameContent(const Area& other) const
{
    return m_shape == other.m_shape && m_box == other.m_box && m_vertices == other.m_vertices
        && m_attributes == other.m_attributes && m_pageNumbers == other.m_pageNumbers;
}
