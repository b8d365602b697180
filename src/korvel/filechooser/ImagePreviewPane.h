#pragma once

#include <QWidget>

class QLabel;

// Beside the file list of the open-with-preview dialog: the picture under the
// cursor scaled to fit, with its size in pixels below it. Files that are not
// pictures, or too large to read quickly, leave the pane empty.
class ImagePreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit ImagePreviewPane(QWidget* parent = nullptr);

    void ShowFile(const QString& path);

    QLabel* PictureLabel() const { return m_picture; }
    QLabel* SizeLabel() const { return m_size; }

private:
    void Clear();

    QLabel* m_picture;
    QLabel* m_size;
};
