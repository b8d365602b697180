#include "filechooser/ImagePreviewPane.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int kPictureSide = 180;
// Reading stops being instant well before this; a preview is not worth the wait.
constexpr qint64 kLargestPreviewedFile = 50 * 1024 * 1024;
// Formats that can only decode at full size are previewed up to this many pixels.
constexpr qint64 kLargestFullDecode = 40 * 1000 * 1000;

bool SwapsWidthAndHeight(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// A picture too large to decode quickly comes without an image but with its size.
struct Preview {
    QImage picture;
    QSize pixelSize; // as displayed, after the orientation the file asks for
};

Preview ReadPreview(const QString& path, const QSize& box)
{
    Preview preview;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestPreviewedFile)
        return preview;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || stored.isEmpty())
        return preview;
    const bool swapped = SwapsWidthAndHeight(reader.transformation());
    preview.pixelSize = swapped ? stored.transposed() : stored;
    const bool scalesWhileReading = reader.supportsOption(QImageIOHandler::ScaledSize);
    if (!scalesWhileReading && qint64(stored.width()) * stored.height() > kLargestFullDecode)
        return preview;
    // The reader scales before it rotates, so the box is turned with the picture.
    const QSize storedBox = swapped ? box.transposed() : box;
    if (stored.width() > storedBox.width() || stored.height() > storedBox.height())
        reader.setScaledSize(stored.scaled(storedBox, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    preview.picture = reader.read();
    if (preview.picture.isNull())
        preview.pixelSize = QSize(); // a damaged file is no picture, whatever its header says
    return preview;
}

} // namespace

ImagePreviewPane::ImagePreviewPane(QWidget* parent)
    : QWidget(parent)
    , m_picture(new QLabel(this))
    , m_size(new QLabel(this))
{
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setFixedSize(kPictureSide, kPictureSide);
    m_size->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(m_picture);
    layout->addWidget(m_size);
    layout->addStretch();
}

void ImagePreviewPane::ShowFile(const QString& path)
{
    const qreal ratio = devicePixelRatioF();
    const int inside = kPictureSide - 2 * m_picture->frameWidth();
    const QSize box = QSize(inside, inside) * ratio;
    const Preview preview = ReadPreview(path, box);
    if (preview.pixelSize.isEmpty()) {
        Clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(preview.picture);
    pixmap.setDevicePixelRatio(ratio);
    m_picture->setPixmap(pixmap);
    m_size->setText(
        QStringLiteral("%1 \u00d7 %2 pixels").arg(preview.pixelSize.width()).arg(preview.pixelSize.height()));
}

void ImagePreviewPane::Clear()
{
    m_picture->clear();
    m_size->clear();
}
