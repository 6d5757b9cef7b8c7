#include "ui/common/PictureTypes.h"

#include <QStringList>

namespace sp {

namespace {

struct PictureType {
    const char* description;
    const char* extension;
    OutputFormat format;
};
constexpr PictureType PictureTypes[] = {{"Bitmaps (*.bmp)", "bmp", OutputFormat::Bmp},
                                        {"PNG (*.png)", "png", OutputFormat::Png},
                                        {"SVG (*.svg)", "svg", OutputFormat::Svg},
                                        {"PDF (*.pdf)", "pdf", OutputFormat::Pdf}};

}  // namespace

QString PictureFilter() {
    QStringList parts;
    for (const PictureType& t : PictureTypes)
        if (CanWrite(t.format)) parts << t.description << QString("*.") + t.extension;
    return parts.join('|');
}

OutputFormat FormatOfType(const QString& description) {
    for (const PictureType& t : PictureTypes)
        if (description == t.description) return t.format;
    return OutputFormat::Bmp;
}

QString TypeOfFormat(OutputFormat format) {
    for (const PictureType& t : PictureTypes)
        if (t.format == format) return t.description;
    return PictureTypes[0].description;
}

}  // namespace sp
