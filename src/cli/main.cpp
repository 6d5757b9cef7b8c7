// scaleplate-render: draws the picture of "Uložiť obrázok" from a settings
// file, without a window.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "DefinitionFile.h"
#include "IniFile.h"
#include "OutputFormat.h"
#include "PictureCommand.h"
#include "Procs.h"
#include "SafeFile.h"
#include "Settings.h"

namespace {

constexpr int kWritten = 0, kMessage = 1, kError = 2, kUsage = 64;

const char* const kUsageText =
    "Usage: scaleplate-render [--settings FILE] [--definition FILE] [--set KEY=VALUE]...\n"
    "                         [--print-parameters] [--format bmp|svg|pdf] --output FILE\n"
    "\n"
    "Draws the scale the window's \"Uložiť obrázok\" would draw and writes it as a\n"
    "24-bit BMP file, or as SVG or PDF at the plate's true size.\n"
    "\n"
    "  --settings FILE     take the fields from this settings file (every missing key\n"
    "                      takes its default); without it, the first-run values\n"
    "  --definition FILE   draw the segments from this definition file\n"
    "  --set KEY=VALUE     set one settings key (Width, Height, Dpi, Left, Right, X, Y,\n"
    "                      Radius, CentralRadius, Segments, SegmentLength, FrameWidth,\n"
    "                      ArchWidth, SegmentWidth, Master, Doubled, HalfSmall, Frame,\n"
    "                      Mirror) after the file; repeatable\n"
    "  --print-parameters  print the scale parameters as Name=value lines\n"
    "  --output FILE       the picture file to write; its extension (.bmp, .svg,\n"
    "                      .pdf, any case) picks the format, any other gives a BMP\n"
    "  --format FORMAT     bmp, svg or pdf, whatever the extension\n"
    "  --help              this text\n"
    "\n"
    "Exit status: 0 written, 1 an input test stopped the picture, 2 an error,\n"
    "64 a usage error. Nothing is written unless the status is 0.\n";

int Usage(const std::string& problem) {
    std::cerr << "scaleplate-render: " << problem << "\n\n" << kUsageText;
    return kUsage;
}

void PrintParameters(const sp::ScaleParameters& p) {
    char ppm[64];
    std::snprintf(ppm, sizeof ppm, "%.17g", p.PixelsPerMm);
    std::cout << "Dpi=" << p.Dpi << "\nPixelsPerMm=" << ppm << "\nHeight=" << p.Height << "\nWidth=" << p.Width
              << "\nLeftAngle=" << p.LeftAngle << "\nRightAngle=" << p.RightAngle << "\nCenterX=" << p.CenterX
              << "\nCenterY=" << p.CenterY << "\nSegmentCount=" << p.SegmentCount
              << "\nSegmentLength=" << p.SegmentLength << "\nSegmentWidth=" << p.SegmentWidth
              << "\nRadius=" << p.Radius << "\nCentralRadius=" << p.CentralRadius
              << "\nMasterEvery=" << p.MasterEvery << "\n";
}

// Applies one --set; gives the problem for a usage error, or nothing.
std::optional<std::string> ApplySet(const std::string& assignment, sp::FormFields& fields, std::int32_t& dpi) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) return "--set needs KEY=VALUE, got '" + assignment + "'";
    const std::string key = sp::UpperAscii(assignment.substr(0, eq)), value = assignment.substr(eq + 1);
    if (key == "DPI") {
        if (!sp::ParseIniNumber(value, dpi)) return "--set Dpi: '" + value + "' is not a valid integer value";
        return std::nullopt;
    }
    for (const sp::SettingsKey& k : sp::SettingsKeys()) {
        if (sp::UpperAscii(k.key) != key) continue;
        if (k.flag) {
            std::int32_t v = 0;
            if (!sp::ParseIniNumber(value, v))
                return std::string("--set ") + k.key + ": '" + value + "' is not a valid integer value";
            fields.*k.flag = v != 0;
        } else {
            fields.*k.text = sp::IsMaskedField(k.text) ? sp::MaskedFieldText(value) : value;
        }
        return std::nullopt;
    }
    return "--set: unknown key '" + assignment.substr(0, eq) + "'";
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit must end a write with "Stream write error", like a
    // full disk, not kill the program half way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    std::optional<std::string> settings, definition, output, formatName;
    std::vector<std::string> sets;
    bool printParameters = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            std::cout << kUsageText;
            return kWritten;
        } else if (a == "--settings") {
            if (!value(settings)) return Usage("--settings needs a file name");
        } else if (a == "--definition") {
            if (!value(definition)) return Usage("--definition needs a file name");
        } else if (a == "--output") {
            if (!value(output)) return Usage("--output needs a file name");
        } else if (a == "--format") {
            if (!value(formatName)) return Usage("--format needs bmp, svg or pdf");
        } else if (a == "--set") {
            if (i + 1 >= argc) return Usage("--set needs KEY=VALUE");
            sets.emplace_back(argv[++i]);
        } else if (a == "--print-parameters") {
            printParameters = true;
        } else {
            return Usage("unknown argument '" + a + "'");
        }
    }
    if (!output) return Usage("--output FILE is required");
    const std::optional<sp::OutputFormat> chosen = formatName ? sp::ParseOutputFormat(*formatName) : std::nullopt;
    if (formatName && !chosen) return Usage("unknown format '" + *formatName + "'");
    const sp::OutputFormat format = chosen ? *chosen : sp::FormatOfFileName(*output);
    if (!sp::CanWrite(format))
        return Usage(std::string("this build cannot write ") + sp::FormatInfo(format).name + " files");

    sp::FormFields fields = sp::FirstRunFields();
    sp::PictureSession session;
    session.Params.Dpi = 600;
    int status = kWritten;
    try {
        if (settings) {
            sp::ReadWholeFile(*settings);  // an unreadable file is an error, not the defaults
            sp::LoadSettings(sp::FullPath(*settings), fields, session.Params.Dpi);
        }
        for (const std::string& s : sets)
            if (auto problem = ApplySet(s, fields, session.Params.Dpi)) return Usage(*problem);
        if (definition) {
            if (!sp::FileExists(*definition)) {
                std::cerr << "Načítanie definičného súboru sa nepodarilo.\n";
                return kMessage;
            }
            sp::ReadDefinition(*definition, session.DefinitionList);
            session.DefinitionActive = true;
        }
        const sp::PictureResult r =
            sp::RunPictureCommand(session, fields, [&](const sp::TBitmap&) { return std::optional<sp::SaveTarget>({*output, format}); });
        if (r.outcome == sp::PictureResult::Message) {
            std::cerr << r.message << "\n";
            status = kMessage;
        }
    } catch (const sp::EError& e) {
        std::cerr << sp::ErrorBoxText(e.what()) << "\n";
        status = kError;
    } catch (const std::bad_alloc&) {
        std::cerr << sp::ErrorBoxText(sp::EOutOfResources().what()) << "\n";
        status = kError;
    }
    if (printParameters) PrintParameters(session.Params);
    return status;
}
