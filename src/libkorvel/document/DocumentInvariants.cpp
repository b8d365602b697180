#include "document/DocumentInvariants.h"

namespace {

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The lists of a kind exist only after its first GrowAreaArrays; from then on they
// reach exactly count + 1.
template <typename T> bool ListSized(const std::vector<T>& list, int16_t count)
{
    return list.empty() ? count == 0 : list.size() == static_cast<size_t>(count) + 2;
}

void CheckCounts(const ImagemapDocument& doc, QStringList& out)
{
    if (!InRange(doc.boxCount, 0, kMaxAreasPerKind))
        out << QStringLiteral("boxCount %1 is outside 0..%2").arg(doc.boxCount).arg(kMaxAreasPerKind);
    if (!InRange(doc.polyCount, 0, kMaxAreasPerKind))
        out << QStringLiteral("polyCount %1 is outside 0..%2").arg(doc.polyCount).arg(kMaxAreasPerKind);
}

void CheckShapes(const ImagemapDocument& doc, QStringList& out)
{
    if (doc.Shape.size() != static_cast<size_t>(doc.boxCount) + 1) {
        out << QStringLiteral("Shape has %1 elements for boxCount %2").arg(doc.Shape.size()).arg(doc.boxCount);
        return;
    }
    if (doc.Shape[0].Visible)
        out << QStringLiteral("Shape(0) is visible");
    for (size_t i = 1; i < doc.Shape.size(); ++i) {
        const BoxArea& box = doc.Shape[i];
        if (!box.Visible)
            out << QStringLiteral("box %1 is hidden").arg(i);
        if (box.Width < 0 || box.Height < 0)
            out << QStringLiteral("box %1 has a negative size").arg(i);
        // A box still being drawn keeps element 0's colour until its release selects it.
        if (static_cast<int>(i) == doc.drawingBox)
            continue;
        const bool magenta = box.BorderColor == SelectedColour;
        if (magenta != (static_cast<int>(i) == doc.selBox))
            out << QStringLiteral("box %1 has the wrong border colour").arg(i);
    }
}

void CheckLists(const ImagemapDocument& doc, QStringList& out)
{
    if (!ListSized(doc.boxUrl, doc.boxCount) || !ListSized(doc.boxAlt, doc.boxCount))
        out << QStringLiteral("box texts do not span 0..boxCount+1");
    if (!ListSized(doc.polygons, doc.polyCount) || !ListSized(doc.polyUrl, doc.polyCount)
        || !ListSized(doc.polyAlt, doc.polyCount))
        out << QStringLiteral("polygon lists do not span 0..polyCount+1");
}

void CheckPolygons(const ImagemapDocument& doc, QStringList& out)
{
    if (doc.polygons.size() < static_cast<size_t>(doc.polyCount) + 1)
        return; // already reported by CheckLists
    for (int i = 1; i <= doc.polyCount; ++i) {
        const PolygonArea& polygon = doc.polygons[static_cast<size_t>(i)];
        const size_t expected = static_cast<size_t>(polygon.vertexCount) + 1;
        if (polygon.vertexCount < 1)
            out << QStringLiteral("polygon %1 has no vertices").arg(i);
        else if (polygon.vertexX.size() != expected || polygon.vertexY.size() != expected)
            out << QStringLiteral("polygon %1 has vertex arrays that do not span 0..%2")
                       .arg(i)
                       .arg(polygon.vertexCount);
    }
}

void CheckSelection(const ImagemapDocument& doc, QStringList& out)
{
    if (!InRange(doc.selBox, 0, doc.boxCount))
        out << QStringLiteral("selBox %1 names no box").arg(doc.selBox);
    if (!InRange(doc.selPoly, 0, doc.polyCount))
        out << QStringLiteral("selPoly %1 names no polygon").arg(doc.selPoly);
    if (doc.selBox != 0 && doc.selPoly != 0)
        out << QStringLiteral("both a box and a polygon are selected");
    if (!InRange(doc.drawingBox, 0, doc.boxCount))
        out << QStringLiteral("drawingBox %1 names no box").arg(doc.drawingBox);
    if (!InRange(doc.buildingPoly, 0, doc.polyCount))
        out << QStringLiteral("buildingPoly %1 names no polygon").arg(doc.buildingPoly);
}

} // namespace

QStringList DocumentInvariantViolations(const ImagemapDocument& doc)
{
    QStringList out;
    CheckCounts(doc, out);
    CheckShapes(doc, out);
    CheckLists(doc, out);
    CheckPolygons(doc, out);
    CheckSelection(doc, out);
    return out;
}
