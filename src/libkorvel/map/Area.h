#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Identifies an area for as long as it exists, whatever its place in the map: the
// selection, the area being built and undo steps refer to areas by it. 0 is no area.
using AreaId = uint32_t;

enum class AreaShape : uint8_t {
    Rectangle,
    Circle,
    Polygon,
    Kept, // an area of an opened page that Korvel cannot edit: written back as it came
};

// Where a rectangle or circle was drawn, in picture pixels. A circle is the one centred
// in its box, its radius half the box's width.
struct Box {
    float left = 0;
    float top = 0;
    float width = 0; // never negative
    float height = 0; // never negative

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    friend bool operator==(const Box& a, const Box& b)
    {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(const Box& a, const Box& b) { return !(a == b); }
};

struct Vertex {
    int16_t x = 0;
    int16_t y = 0;

    friend bool operator==(Vertex a, Vertex b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Vertex a, Vertex b) { return !(a == b); }
};

// One attribute of an <area>, its name in lower case; a boolean attribute such as nohref
// has an empty value.
struct Attribute {
    QString name;
    QString value;

    friend bool operator==(const Attribute& a, const Attribute& b) { return a.name == b.name && a.value == b.value; }
};

// One area of the map: its shape, its geometry and its attributes in the order a page gives
// them. The "coords" attribute holds the page's own text while the geometry is still the
// one read from it, so an area nobody moved is written back exactly as it came; any change
// of the geometry drops it, and the coords are then written from the geometry.
class Area {
public:
    // Areas drawn in Korvel: empty href and alt, then coords, then the shape where HTML's
    // default (the rectangle) does not apply.
    static Area rectangle(const Box& box);
    static Area circle(const Box& box);
    static Area polygon(std::vector<Vertex> vertices);
    // An area read from a page: its attributes in the page's order, the coords attribute
    // holding the page's text; the geometry Korvel edits (a box, or whole-pixel vertices);
    // and the coords as a browser reads them, which stand for the area until its geometry
    // changes. A kept area needs neither geometry nor numbers.
    static Area fromPage(AreaShape shape, std::vector<Attribute> attributes, const Box& box = {},
        std::vector<Vertex> vertices = {}, std::vector<double> pageNumbers = {});

    AreaId id() const { return m_id; }
    void setId(AreaId id) { m_id = id; }
    AreaShape shape() const { return m_shape; }
    bool isBox() const { return m_shape == AreaShape::Rectangle || m_shape == AreaShape::Circle; }
    bool isEditable() const { return m_shape != AreaShape::Kept; }

    const Box& box() const { return m_box; }
    void setBox(const Box& box);
    // A polygon's vertices as stored: a finished polygon stores its first corner again last.
    const std::vector<Vertex>& vertices() const { return m_vertices; }
    void setVertices(std::vector<Vertex> vertices);
    void setVertex(size_t index, Vertex vertex);

    // True while the coords attribute still holds the page's text for this geometry.
    bool keepsPageCoords() const { return !m_pageNumbers.empty(); }
    const std::vector<double>& pageNumbers() const { return m_pageNumbers; }

    const std::vector<Attribute>& attributes() const { return m_attributes; }
    std::optional<QString> attribute(QLatin1String name) const;
    bool hasAttribute(QLatin1String name) const { return attribute(name).has_value(); }
    // Sets an attribute's value; one the area lacks is added where Korvel writes it: href,
    // nohref, alt, title and target in that order, before coords and shape.
    void setAttribute(QLatin1String name, const QString& value);
    void removeAttribute(QLatin1String name);
    // The text shown for an attribute: its value, empty when it is absent.
    QString text(QLatin1String name) const { return attribute(name).value_or(QString()); }

    // Equal shape, geometry and attributes, whatever the ids.
    bool sameContent(const Area& other) const;
    friend bool operator==(const Area& a, const Area& b) { return a.m_id == b.m_id && a.sameContent(b); }
    friend bool operator!=(const Area& a, const Area& b) { return !(a == b); }

private:
    static Area drawn(AreaShape shape, QLatin1String shapeKeyword);
    void forgetPageCoords();

    AreaId m_id = 0;
    AreaShape m_shape = AreaShape::Rectangle;
    Box m_box;
    std::vector<Vertex> m_vertices;
    std::vector<Attribute> m_attributes;
    std::vector<double> m_pageNumbers;
};
