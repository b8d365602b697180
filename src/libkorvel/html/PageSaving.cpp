#include "html/PageSaving.h"

#include "html/AtomicFileWriting.h"
#include "html/MapWriter.h"
#include "html/PictureAddress.h"

QString savePage(const QString& htmlFilePath, const ImageMap& map, const QString& picturePath, QSize pictureSize)
{
    const PagePicture picture { pictureSourceFor(htmlFilePath, picturePath), pictureSize };
    return writeFileAtomically(htmlFilePath, pageHtml(map, picture).toUtf8());
}
