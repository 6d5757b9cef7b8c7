// The preview pane of the picture-save dialog. It shows a picture only from
// a regular, non-empty file of limited size, read without blocking: the
// dialog must never hang on a device, a pipe or a /proc entry (those report
// a size of 0), nor read a gigabyte to draw a thumbnail.
#pragma once

#include <QImage>
#include <QLabel>

namespace sp {

// Pictures larger than this are not previewed.
constexpr qint64 PreviewMaxBytes = 64 * 1024 * 1024;

// The picture in `path` scaled to fit `box`, or a null image when the file
// is not a regular non-empty file of at most `maxBytes`, or no picture.
QImage ReadPreview(const QString& path, QSize box, qint64 maxBytes = PreviewMaxBytes);

class TPicturePreview : public QLabel {
    Q_OBJECT
public:
    explicit TPicturePreview(QWidget* parent);
    // Shown while no existing picture file is selected.
    void SetDefaultImage(const QImage& image);
    void ShowFile(const QString& path);

private:
    QImage default_;
};

}  // namespace sp
