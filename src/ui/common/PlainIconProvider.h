// Icons and type names for the file dialogs that never look into a file.
// Qt's own provider guesses a file's type from its first bytes; in a folder
// such as /proc that read can block for good (/proc/kmsg waits for kernel
// messages), and the dialog with the whole program waits with it. Here the
// type comes from the name and the kind of entry alone.
#pragma once

#include <QFileIconProvider>

namespace sp {

class TPlainIconProvider : public QFileIconProvider {
public:
    TPlainIconProvider();
    // A drive, folder or file icon by the kind of entry.
    QIcon icon(const QFileInfo& info) const override;
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    // The type of a file by its extension; folders and others as Qt names them.
    QString type(const QFileInfo& info) const override;
};

}  // namespace sp
