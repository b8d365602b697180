#pragma once

#include <QString>

#include <optional>
#include <vector>

// One <area> of a page, its attributes as the parser decoded them.
struct FoundArea {
    std::optional<QString> shape; // nullopt when the attribute is missing
    QString coords;
    QString href;
    QString alt;
    std::optional<QString> exactBox; // Korvel's data-korvel-box, when present
};

// One <map> of a page with its areas, in document order, and the picture that uses it.
struct FoundMap {
    QString name; // its name attribute, or its id when it has no name
    std::vector<FoundArea> areas;
    QString pictureSource; // the src of the first <img> whose usemap names this map
    QString picturePath; // that picture as a local file; empty when it is none
    bool pictureExists = false;
};
