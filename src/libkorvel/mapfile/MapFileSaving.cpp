#include "mapfile/MapFileSaving.h"

#include "mapfile/AtomicFileWriting.h"
#include "mapfile/MapPageWriter.h"
#include "mapfile/PictureAddress.h"

QString SaveMapFile(const QString& htmlFilePath, const ImagemapDocument& map, const QString& mapName,
    const QString& picturePath, QSize pictureSize)
{
    const PagePicture picture { PictureSourceFor(htmlFilePath, picturePath), pictureSize };
    return WriteFileAtomically(htmlFilePath, MapPageHtml(map, mapName, picture).toUtf8());
}
