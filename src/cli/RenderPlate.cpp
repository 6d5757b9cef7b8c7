#include "RenderPlate.h"

#include <iostream>

#include "scale/output/OutputFormat.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"
#include "RenderSheet.h"

namespace sp {

namespace {

constexpr int kWritten = 0, kMessage = 1;

std::string FolderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

std::string PlatePictureName(const std::string& plateFile) {
    const std::size_t slash = plateFile.rfind('/'), dot = plateFile.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? plateFile.substr(0, dot) : plateFile) + ".pdf";
}

int RenderPlateFile(const std::string& plateFile, const std::optional<std::string>& output,
                    const std::optional<std::string>& format, const SheetOptions* sheet) {
    Plate plate;
    try {
        plate = ReadPlateFile(plateFile);
    } catch (const EPlateInput& e) {
        std::cerr << e.what() << "\n";
        return kMessage;
    }
    if (sheet) return RenderSheet(plate, FolderOf(plateFile), *sheet, *output, format);
    const std::string out = output ? *output : PlatePictureName(plateFile);
    const OutputFormat f = format ? *ParseOutputFormat(*format) : FormatOfFileName(out);
    WritePlatePicture(plate, FolderOf(plateFile), f, out);
    return kWritten;
}

int SaveWindowPlate(ScaleParameters& params, FormFields& fields, const std::vector<std::string>& definition,
                    bool definitionActive, const std::string& plateFile) {
    Plate plate;
    if (auto message = WindowPlate(params, fields, definition, definitionActive, plate)) {
        std::cerr << *message << "\n";
        return kMessage;
    }
    WritePlateFile(plate, plateFile);
    return kWritten;
}

}  // namespace sp
