#include "scale/output/OutputFormat.h"

#include <new>
#include <stdexcept>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "raster/PngFile.h"
#include "scale/output/PdfWriter.h"
#include "scale/output/SvgWriter.h"

namespace sp {

namespace {

// The BMP keeps its resolution fields 0, as it always had; the PNG records
// the resolution, so that it prints at true size.
void WriteBmp(const TBitmap& picture, const std::string& fileName, const RasterOptions& o) {
    picture.SaveToFile(fileName, o.mirrored);
}

void WritePng(const TBitmap& picture, const std::string& fileName, const RasterOptions& o) {
    SavePngFile(picture, fileName, o.dpi, o.mirrored);
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
    {OutputFormat::Bmp, "bmp", ".bmp", "Bitmaps (*.bmp)", PictureSource::Raster, WriteBmp, nullptr},
    {OutputFormat::Png, "png", ".png", "PNG (*.png)", PictureSource::Raster, WritePng, nullptr},
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
    return info.source == PictureSource::Raster ? info.writeRaster != nullptr : info.writeCalls != nullptr;
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

void WritePictureFile(OutputFormat format, const TBitmap* picture, const DisplayList* list,
                      const std::string& fileName, const RasterOptions& options) {
    const OutputFormatInfo& info = FormatInfo(format);
    if (!CanWrite(format)) throw std::invalid_argument(std::string("no writer for ") + info.name);
    try {
        if (info.source == PictureSource::Raster)
            info.writeRaster(*picture, fileName, options);
        else
            info.writeCalls(*list, fileName);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    }
}

}  // namespace sp
