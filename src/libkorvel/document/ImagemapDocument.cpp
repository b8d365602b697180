#include "document/ImagemapDocument.h"

#include <tuple>

namespace {

auto Fields(const ImagemapDocument& d)
{
    return std::tie(d.toolMode, d.boxCount, d.drawingBox, d.boxUrl, d.polyUrl, d.boxAlt, d.polyAlt, d.pressX, d.pressY,
        d.polygons, d.polyCount, d.buildingPoly, d.mouseX, d.mouseY, d.selBox, d.selPoly, d.buttonDown, d.hoverCorner,
        d.hoverSide, d.imagePath, d.clipKind, d.Shape);
}

size_t ListSizeFor(int16_t count)
{
    return static_cast<size_t>(count) + 2; // slot 0, areas 1..count, the spare
}

} // namespace

bool operator==(const ImagemapDocument& a, const ImagemapDocument& b)
{
    return Fields(a) == Fields(b);
}

void GrowAreaArrays(ImagemapDocument& doc, bool isBox)
{
    if (isBox) {
        doc.boxUrl.resize(ListSizeFor(doc.boxCount));
        doc.boxAlt.resize(ListSizeFor(doc.boxCount));
    } else {
        doc.polygons.resize(ListSizeFor(doc.polyCount));
        doc.polyUrl.resize(ListSizeFor(doc.polyCount));
        doc.polyAlt.resize(ListSizeFor(doc.polyCount));
    }
}

int16_t LoadShape(ImagemapDocument& doc)
{
    BoxArea element = doc.Shape.front();
    element.Visible = false;
    doc.Shape.push_back(element);
    return static_cast<int16_t>(doc.Shape.size() - 1);
}

void UnloadShape(ImagemapDocument& doc)
{
    if (doc.Shape.size() > 1)
        doc.Shape.pop_back();
}

void ResizeVertexArrays(PolygonArea& polygon, int16_t upperBound)
{
    const size_t size = upperBound < 0 ? 0 : static_cast<size_t>(upperBound) + 1;
    polygon.vertexX.resize(size);
    polygon.vertexY.resize(size);
}

int16_t AddBoxElement(ImagemapDocument& doc)
{
    if (doc.boxCount >= kMaxAreasPerKind)
        return 0;
    ++doc.boxCount;
    LoadShape(doc);
    GrowAreaArrays(doc, true);
    return doc.boxCount;
}

int16_t AddPolygonRecord(ImagemapDocument& doc)
{
    if (doc.polyCount >= kMaxAreasPerKind)
        return 0;
    ++doc.polyCount;
    GrowAreaArrays(doc, false);
    return doc.polyCount;
}

QString AreaLimitMessage(AreaKind kind)
{
    const QString what
        = kind == AreaKind::Polygon ? QStringLiteral("polygons") : QStringLiteral("rectangles and circles");
    return QStringLiteral("This map already holds %1 %2, the most it can hold.").arg(kMaxAreasPerKind).arg(what);
}

QString VertexLimitMessage()
{
    return QStringLiteral("This polygon already has %1 points, the most it can hold.").arg(kMaxPolygonVertices);
}
