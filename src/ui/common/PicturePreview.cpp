#include "ui/common/PicturePreview.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sp {

namespace {

bool SmallRegularFile(const struct stat& st, qint64 maxBytes) {
    return S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= maxBytes;
}

// The whole file, or nothing. The kind and size are checked before opening
// (opening some devices has effects of its own) and again on the open file;
// O_NONBLOCK keeps a read that would wait from waiting.
QByteArray ReadSmallRegularFile(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !SmallRegularFile(st, maxBytes)) return {};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray data;
    if (::fstat(fd, &st) == 0 && SmallRegularFile(st, maxBytes)) {
        data.resize(static_cast<qsizetype>(st.st_size));
        qsizetype got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, static_cast<size_t>(data.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += n;
        }
        if (got != data.size()) data.clear();
    }
    ::close(fd);
    return data;
}

}  // namespace

QImage ReadPreview(const QString& path, QSize box, qint64 maxBytes) {
    QByteArray data = ReadSmallRegularFile(path, maxBytes);
    if (data.isEmpty()) return {};
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid()) reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

TPicturePreview::TPicturePreview(QWidget* parent) : QLabel(parent) {
    setObjectName("preview");
    setFixedSize(200, 200);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
}

void TPicturePreview::SetDefaultImage(const QImage& image) {
    default_ = image.isNull() ? image : image.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ShowFile({});
}

void TPicturePreview::ShowFile(const QString& path) {
    QImage image = path.isEmpty() ? QImage() : ReadPreview(path, size());
    if (image.isNull()) image = default_;
    if (image.isNull()) clear();
    else setPixmap(QPixmap::fromImage(image));
}

}  // namespace sp
