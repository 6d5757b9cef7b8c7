#include "scale/output/OutputFormat.h"

#include <new>
#include <stdexcept>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/BmpWriter.h"
#include "raster/PngWriter.h"
#include "scale/drawing/ListRaster.h"
#include "scale/output/PdfWriter.h"
#include "scale/output/SvgWriter.h"

namespace sp {

namespace {

// The BMP keeps its resolution fields 0, as it always had; the PNG records
// the resolution, so that it prints at true size.
std::unique_ptr<PictureWriter> OpenBmp(const std::string& fileName, std::int32_t w, std::int32_t h, const RasterOptions& o) {
    return std::make_unique<BmpWriter>(fileName, w, h, o.mirrored);
}

std::unique_ptr<PictureWriter> OpenPng(const std::string& fileName, std::int32_t w, std::int32_t h, const RasterOptions& o) {
    return std::make_unique<PngWriter>(fileName, w, h, o.dpi, o.mirrored, o.blackAndWhite);
}

void WriteSvg(const DisplayList& list, const std::string& fileName) {
    const std::string bytes = SvgDocument(list);
    WriteFileAtomically(fileName, {bytes});
}

// cairo writes into memory; the file is then written whole or not at all.
void WritePdf(const DisplayList& list, const std::string& fileName) {
    const std::string bytes = PdfDocument(list);
    WriteFileAtomically(fileName, {bytes});
}

const OutputFormatInfo kFormats[] = {
    {OutputFormat::Bmp, "bmp", ".bmp", "Bitmaps (*.bmp)", PictureSource::Raster, OpenBmp, nullptr},
    {OutputFormat::Png, "png", ".png", "PNG (*.png)", PictureSource::Raster, OpenPng, nullptr},
    {OutputFormat::Svg, "svg", ".svg", "SVG (*.svg)", PictureSource::Calls, nullptr, WriteSvg},
    {OutputFormat::Pdf, "pdf", ".pdf", "PDF (*.pdf)", PictureSource::Calls, nullptr, WritePdf},
};

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

}  // namespace

std::span<const OutputFormatInfo> OutputFormats() { return kFormats; }

OutputFormat FormatOfDialogType(std::string_view description) {
    for (const OutputFormatInfo& info : kFormats)
        if (description == info.dialogType) return info.format;
    return OutputFormat::Bmp;
}

std::string FormatNames(const char* separator, const char* last) {
    std::string names;
    const std::size_t n = std::size(kFormats);
    for (std::size_t i = 0; i < n; ++i) names += (i == 0 ? "" : i + 1 == n ? last : separator) + std::string(kFormats[i].name);
    return names;
}

const OutputFormatInfo& FormatInfo(OutputFormat format) {
    for (const OutputFormatInfo& info : kFormats)
        if (info.format == format) return info;
    throw std::invalid_argument("unknown output format");
}

bool CanWrite(OutputFormat format) {
    const OutputFormatInfo& info = FormatInfo(format);
    return info.source == PictureSource::Raster ? info.openRaster != nullptr : info.writeCalls != nullptr;
}

std::optional<OutputFormat> ParseOutputFormat(std::string_view name) {
    const std::string lower = Lower(name);
    for (const OutputFormatInfo& info : kFormats)
        if (lower == info.name) return info.format;
    return std::nullopt;
}

OutputFormat FormatOfFileName(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos) return OutputFormat::Bmp;
    const std::string ext = Lower(base.substr(dot));
    for (const OutputFormatInfo& info : kFormats)
        if (ext == info.extension) return info.format;
    return OutputFormat::Bmp;
}

namespace {

// A picture without pixels gives a 0-byte file, as it always did.
void WriteEmpty(const std::string& fileName) {
    SafeFileWriter out(fileName);
    out.Commit();
}

void WriteWhole(const OutputFormatInfo& info, const TBitmap& picture, const std::string& fileName, RasterOptions o) {
    if (!picture.HasStorage()) return WriteEmpty(fileName);
    o.blackAndWhite = OnlyBlackAndWhite(picture);
    const std::unique_ptr<PictureWriter> out = info.openRaster(fileName, picture.Width(), picture.Height(), o);
    out->WriteBand(picture);
    out->Commit();
}

// The list drawn a band at a time, each band written before the next is
// drawn. Whether the picture is black and white is known before the first
// row: from the colours drawn in when they are only black and white, else
// (a colour may lie wholly outside the picture or be painted over) from the
// pixels of one drawing pass over all bands that writes nothing.
void WriteBanded(const OutputFormatInfo& info, const DisplayList& list, const std::string& fileName, RasterOptions o) {
    if (list.Width <= 0 || list.Height <= 0) return WriteEmpty(fileName);
    const DrawBand draw = [&](TBitmap& band) { PaintList(list, band); };
    TBitmap none;
    o.blackAndWhite = PaintList(list, none) || OnlyBlackAndWhite(list.Width, list.Height, draw);
    o.mirrored = list.Mirrored;
    const std::unique_ptr<PictureWriter> out = info.openRaster(fileName, list.Width, list.Height, o);
    WriteInBands(*out, list.Width, list.Height, draw);
}

}  // namespace

void WritePictureFile(OutputFormat format, const TBitmap* picture, const DisplayList* list,
                      const std::string& fileName, const RasterOptions& options) {
    const OutputFormatInfo& info = FormatInfo(format);
    if (!CanWrite(format)) throw std::invalid_argument(std::string("no writer for ") + info.name);
    try {
        if (info.source == PictureSource::Calls)
            info.writeCalls(*list, fileName);
        else if (list != nullptr)
            WriteBanded(info, *list, fileName, options);
        else
            WriteWhole(info, *picture, fileName, options);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
}

void CheckBandMemory(std::int32_t width, std::int32_t height) {
    TBitmap bands[2];  // as WriteInBands holds them
    for (TBitmap& band : bands) band.SetBandedSize(width, height, BandRows(width, height));
}

}  // namespace sp
