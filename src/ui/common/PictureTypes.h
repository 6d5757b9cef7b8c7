// The picture file types the save dialogs offer, with the format each one
// writes: the main window's "Uložiť obrázok" and the plate designer's export.
#pragma once

#include <QString>

#include "scale/output/OutputFormat.h"

namespace sp {

// "Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png|..." with the formats this build
// writes; the first (BMP) is the default.
QString PictureFilter();

// The format of a type's description; BMP for any other text, so that with
// the default type any name gives a BMP, as the window always wrote.
OutputFormat FormatOfType(const QString& description);

// The description of the type that writes `format`.
QString TypeOfFormat(OutputFormat format);

}  // namespace sp
