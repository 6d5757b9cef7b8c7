#include "ui/plate/PresetFolder.h"

#include <QDir>
#include <QFileInfo>

namespace sp {

std::string PresetFolder(const std::string& exePath) {
    const QDir bin = QFileInfo(QString::fromStdString(exePath)).absoluteDir();
    for (const QString& folder : {bin.absoluteFilePath("../share/scaleplate/plates"), QString(SCALEPLATE_SOURCE_PRESETS)})
        if (QFileInfo(folder).isDir()) return QDir::cleanPath(folder).toStdString();
    return {};
}

}  // namespace sp
