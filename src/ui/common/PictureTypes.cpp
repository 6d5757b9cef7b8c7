#include "ui/common/PictureTypes.h"

#include <QStringList>

namespace sp {

QString PictureFilter() {
    QStringList parts;
    for (const OutputFormatInfo& t : OutputFormats())
        if (CanWrite(t.format)) parts << t.dialogType << QString("*") + t.extension;
    return parts.join('|');
}

OutputFormat FormatOfType(const QString& description) { return FormatOfDialogType(description.toStdString()); }

QString TypeOfFormat(OutputFormat format) { return QString::fromUtf8(FormatInfo(format).dialogType); }

}  // namespace sp
