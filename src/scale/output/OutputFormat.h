// The picture file formats and the one table that says how each is written.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "raster/Graphics.h"
#include "raster/PictureWriter.h"
#include "scale/drawing/DisplayList.h"

namespace sp {

enum class OutputFormat { Bmp, Png, Svg, Pdf };

// What a format is written from: the exact raster picture, or the drawing
// calls as a display list.
enum class PictureSource { Raster, Calls };

// How the raster picture is to be written: mirrored left to right on the way
// out (the picture itself stays as drawn), at which resolution, and whether
// it holds only black and white pixels (the PNG's 1-bit grey).
struct RasterOptions {
    bool mirrored = false;
    std::int32_t dpi = 600;
    bool blackAndWhite = false;
};

struct OutputFormatInfo {
    OutputFormat format;
    const char* name;       // "bmp", as --format takes it
    const char* extension;  // ".bmp"
    const char* dialogType; // "Bitmaps (*.bmp)", the save dialog's type
    PictureSource source;
    // Opens the file for the rows of a `width` x `height` picture, written
    // whole or not at all; nullptr while this build has no writer for the format.
    std::unique_ptr<PictureWriter> (*openRaster)(const std::string& fileName, std::int32_t width, std::int32_t height,
                                                 const RasterOptions& options);
    void (*writeCalls)(const DisplayList& list, const std::string& fileName);
};

// Every format, in the order the save dialog and the usage text list them;
// the first, the BMP, is the default.
std::span<const OutputFormatInfo> OutputFormats();

const OutputFormatInfo& FormatInfo(OutputFormat format);

// The save dialog's type that names `description`, or the BMP for any other.
OutputFormat FormatOfDialogType(std::string_view description);

// The --format names joined: "bmp|png|svg|pdf" with `last` == `separator`,
// "bmp, png, svg or pdf" with ", " and " or ".
std::string FormatNames(const char* separator, const char* last);

// True when this build can write `format`.
bool CanWrite(OutputFormat format);

// The format of a --format value ("bmp", "png", "svg", "pdf", any letter
// case); nothing for any other text.
std::optional<OutputFormat> ParseOutputFormat(std::string_view name);

// The format by the file name's extension, any letter case; every other
// extension, and none, gives the BMP, as the window always wrote.
OutputFormat FormatOfFileName(std::string_view fileName);

// Writes through the table. A raster format is drawn from `list` band by
// band when a list is given (mirrored as the list says; `options` gives the
// resolution), else written from the whole `picture`. A std::bad_alloc on
// the way becomes EOutOfResources; the file errors are those of
// WriteFileAtomically.
void WritePictureFile(OutputFormat format, const TBitmap* picture, const DisplayList* list,
                      const std::string& fileName, const RasterOptions& options = {});

// Throws EOutOfResources unless the memory holds the bands a raster picture
// of `width` x `height` is drawn in (see WriteInBands).
void CheckBandMemory(std::int32_t width, std::int32_t height);

}  // namespace sp
