#include "ui/common/PlainIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace sp {

TPlainIconProvider::TPlainIconProvider() { setOptions(DontUseCustomDirectoryIcons); }

QIcon TPlainIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    return icon(File);
}

QString TPlainIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile()) return QFileIconProvider::type(info);  // reads nothing for these
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace sp
