// scaleplate-render: draws the picture of "Uložiť obrázok" from a settings
// file, without a window.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/Procs.h"
#include "base/SafeFile.h"
#include "base/Version.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/drawing/ScaleNumbers.h"
#include "scale/input/FieldTable.h"
#include "scale/output/OutputFormat.h"
#include "scale/output/PictureCommand.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/settings/IniFile.h"
#include "scale/settings/Settings.h"
#include "RenderPlate.h"
#include "RenderSheet.h"

namespace {

constexpr int kWritten = 0, kMessage = 1, kError = 2, kUsage = 64;

// What the command line asks for.
struct Options {
    std::optional<std::string> settings, definition, output, format;
    std::optional<std::string> plate, savePlate;  // --plate FILE, --save-plate FILE
    std::vector<std::string> sets;  // KEY=VALUE, in the order given
    sp::SheetOptions sheetOptions;
    bool sheet = false, sheetDetail = false;  // --sheet; another sheet option
    bool printParameters = false;
    bool help = false;
    bool version = false;
};

// The --set line of the usage text: the settings keys, wrapped as the rest
// of the text is, so that a new field shows up here by itself.
std::string SetOptionText() {
    const std::string indent(22, ' ');
    std::string text, line = "  --set KEY=VALUE     set one settings key (";
    std::vector<std::string> words;
    const std::vector<std::string> keys = sp::SettingsKeyNames();
    for (std::size_t i = 0; i < keys.size(); ++i) words.push_back(keys[i] + (i + 1 < keys.size() ? "," : ")"));
    for (const char* w : {"after", "the", "file;", "repeatable"}) words.emplace_back(w);
    for (const std::string& w : words) {
        const bool open = line.back() == '(';
        if (!open && line.size() + 1 + w.size() > 82) {
            text += line + "\n";
            line = indent + w;
        } else {
            line += (open ? "" : " ") + w;
        }
    }
    return text + line + "\n";
}

std::string UsageText() {
    return "Usage: scaleplate-render [--settings FILE] [--definition FILE] [--set KEY=VALUE]...\n"
           "                         [--print-parameters] [--format " + sp::FormatNames("|", "|") + "] --output FILE\n"
           "       scaleplate-render --plate FILE [--format " + sp::FormatNames("|", "|") + "] [--output FILE]\n"
           "       scaleplate-render [--settings FILE] [--definition FILE] [--set KEY=VALUE]...\n"
           "                         --save-plate FILE\n"
           "       scaleplate-render [--plate FILE | --settings FILE ...] --sheet A4|A5|A3|Letter\n"
           "                         [--landscape] [--copies N] [--gap MM] [--scale-x F] [--scale-y F]\n"
           "                         --output FILE.pdf|FILE.png\n"
           "\n"
           "Draws the scale the window's \"Uložiť obrázok\" would draw and writes it as a\n"
           "24-bit BMP file, as PNG with its resolution, or as SVG or PDF at the plate's\n"
           "true size.\n"
           "\n"
           "  --settings FILE     take the fields from this settings file (every missing key\n"
           "                      takes its default); without it, the first-run values\n"
           "  --definition FILE   draw the segments from this definition file\n" +
           SetOptionText() +
           "  --print-parameters  print the scale parameters as Name=value lines\n"
           "  --output FILE       the picture file to write; its extension (.bmp, .png,\n"
           "                      .svg, .pdf, any case) picks the format, any other gives a BMP\n"
           "  --format FORMAT     " + sp::FormatNames(", ", " or ") + ", whatever the extension\n"
           "  --plate FILE        draw this plate file (.scaleplate); the picture goes to\n"
           "                      --output, else to the plate's name with .pdf\n"
           "  --save-plate FILE   write the plate that draws the window's picture\n"
           "  --sheet PAPER       a page of A4, A5, A3 or Letter paper with copies of the\n"
           "                      plate at true size, crop marks and check bars (100 mm,\n"
           "                      50 mm); a plate that does not fit is refused, never shrunk\n"
           "  --landscape         the paper turned on its side\n"
           "  --copies N          copies of the plate on the sheet (default 1)\n"
           "  --gap MM            between neighbouring copies (default 6)\n"
           "  --scale-x F         the printer's correction across, 0.9 to 1.1 (default 1.000)\n"
           "  --scale-y F         the printer's correction down, 0.9 to 1.1 (default 1.000)\n"
           "  --help              this text\n"
           "  --version           print the program's version\n"
           "\n"
           "Exit status: 0 written, 1 an input test stopped the picture, 2 an error,\n"
           "64 a usage error. Nothing is written unless the status is 0. Texts that\n"
           "overlap each other, a tick or the plate's edge are said on standard error,\n"
           "one sentence each; the picture is written all the same.\n";
}

int Usage(const std::string& problem) {
    std::cerr << "scaleplate-render: " << problem << "\n\n" << UsageText();
    return kUsage;
}

// Reads the arguments into `o`; gives the problem for a usage error, or
// nothing. --help ends the reading at once.
std::optional<std::string> ParseArguments(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--help" || a == "-h") {
            o.help = true;
            return std::nullopt;
        } else if (a == "--version") {
            o.version = true;
            return std::nullopt;
        } else if (a == "--settings" || a == "--definition" || a == "--output" || a == "--plate" ||
                   a == "--save-plate") {
            if (!hasValue) return a + " needs a file name";
            (a == "--settings"     ? o.settings
             : a == "--definition" ? o.definition
             : a == "--output"     ? o.output
             : a == "--plate"      ? o.plate
                                   : o.savePlate) = argv[++i];
        } else if (a == "--format") {
            if (!hasValue) return "--format needs " + sp::FormatNames(", ", " or ");
            o.format = argv[++i];
        } else if (a == "--set") {
            if (!hasValue) return "--set needs KEY=VALUE";
            o.sets.emplace_back(argv[++i]);
        } else if (a == "--print-parameters") {
            o.printParameters = true;
        } else if (std::optional<std::string> problem; sp::ParseSheetArgument(argc, argv, i, o.sheetOptions, problem)) {
            if (problem) return problem;
            (a == "--sheet" ? o.sheet : o.sheetDetail) = true;
        } else {
            return "unknown argument '" + a + "'";
        }
    }
    if (o.plate && (o.settings || o.definition || !o.sets.empty() || o.savePlate || o.printParameters))
        return "--plate takes only --output, --format and the sheet options";
    if (o.sheetDetail && !o.sheet) return "--landscape, --copies, --gap, --scale-x and --scale-y need --sheet";
    if (o.sheet && (o.savePlate || !o.output)) return "--sheet writes a picture: it needs --output FILE";
    if (o.savePlate && (o.output || o.format)) return "--save-plate writes a plate, not a picture: no --output";
    if (!o.output && !o.plate && !o.savePlate) return "--output FILE is required";
    if (o.format && !sp::ParseOutputFormat(*o.format)) return "unknown format '" + *o.format + "'";
    return std::nullopt;
}

// Why `value` does not suit the field of `row` as its control could hold
// it, or nothing. A settings file is read by the looser rules of its own
// (a key that is no number takes its default), but a value typed on the
// command line is refused rather than drawn with something else. The angle
// fields are free text, checked by the picture itself as in the window.
std::optional<std::string> ValueProblem(const sp::FieldRow& row, const std::string& value) {
    const std::string key = std::string("Hodnota kľúča ") + row.key;
    switch (row.kind) {
        case sp::FieldKind::Masked: {
            const bool digits = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
            if (digits && value.size() <= static_cast<std::size_t>(row.positions)) return std::nullopt;
            return key + " musí byť celé číslo od 0 do " + std::string(static_cast<std::size_t>(row.positions), '9') + ".";
        }
        case sp::FieldKind::Check:
            if (value == "0" || value == "1") return std::nullopt;
            return key + " musí byť 0 alebo 1.";
        case sp::FieldKind::Decimal:
            if (value.empty() || sp::ParseDecimalValue(value)) return std::nullopt;
            return key + " musí byť číslo (s desatinnou čiarkou alebo bodkou).";
        case sp::FieldKind::Plain: break;
    }
    return std::nullopt;
}

// Applies one --set; gives the problem for a usage error, or nothing.
std::optional<std::string> ApplySet(const std::string& assignment, sp::FormFields& fields, std::int32_t& dpi) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) return "--set needs KEY=VALUE, got '" + assignment + "'";
    const std::string key = assignment.substr(0, eq), value = assignment.substr(eq + 1);
    if (sp::UpperAscii(key) == "DPI") {
        if (!sp::ParseIniNumber(value, dpi)) return "Hodnota kľúča Dpi musí byť celé číslo.";
        return std::nullopt;
    }
    const sp::FieldRow* row = sp::FindFieldByKey(key);
    if (!row) return "--set: unknown key '" + key + "'";
    if (auto problem = ValueProblem(*row, value)) return problem;
    sp::SetFieldText(fields, *row, value);
    return std::nullopt;
}

// The fields and resolution of the settings file (or the first-run values)
// with every --set applied; gives the problem for a usage error, or nothing.
// Throws what reading the file throws.
std::optional<std::string> LoadFields(const Options& o, sp::FormFields& fields, std::int32_t& dpi) {
    fields = sp::CommandLineFields(o.settings ? &*o.settings : nullptr, dpi);
    for (const std::string& s : o.sets)
        if (auto problem = ApplySet(s, fields, dpi)) return problem;
    return std::nullopt;
}

// The file to write and its format: --format, else the name's extension.
sp::SaveTarget Target(const Options& o) {
    return {*o.output, o.format ? *sp::ParseOutputFormat(*o.format) : sp::FormatOfFileName(*o.output)};
}

// How a run ends: its exit status, and whether the parameters it reached
// are worth printing (not when it stopped before the picture command).
struct Ending {
    int status;
    bool reachedCommand = true;
};

// Draws and writes the picture. Throws sp::EError and std::bad_alloc.
Ending Run(const Options& o, sp::PictureSession& session) {
    sp::FormFields fields;
    if (auto problem = LoadFields(o, fields, session.Params.Dpi)) return {Usage(*problem), false};
    if (o.definition) {
        if (!sp::FileExists(*o.definition)) {
            std::cerr << "Načítanie definičného súboru sa nepodarilo.\n";
            return {kMessage, false};
        }
        sp::ReadDefinition(*o.definition, session.DefinitionList);
        session.DefinitionActive = true;
    }
    if (o.sheet) {
        sp::Plate plate;
        if (auto message = sp::WindowPlate(session.Params, fields, session.DefinitionList, session.DefinitionActive,
                                           plate)) {
            std::cerr << *message << "\n";
            return {kMessage};
        }
        return {sp::RenderSheet(plate, "", o.sheetOptions, *o.output, o.format)};
    }
    if (o.savePlate)
        return {sp::SaveWindowPlate(session.Params, fields, session.DefinitionList, session.DefinitionActive,
                                    *o.savePlate)};
    const sp::PictureResult r =
        sp::RunPictureCommand(session, fields, [&]() { return std::optional<sp::SaveTarget>(Target(o)); });
    for (const std::string& w : r.warnings) std::cerr << w << "\n";  // the picture is written all the same
    if (r.outcome != sp::PictureResult::Message) return {kWritten};
    std::cerr << r.message << "\n";
    return {kMessage};
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

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit must end a write with "Stream write error", like a
    // full disk, not kill the program half way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    Options o;
    if (auto problem = ParseArguments(argc, argv, o)) return Usage(*problem);
    if (o.help) {
        std::cout << UsageText();
        return kWritten;
    }
    if (o.version) {
        std::cout << "scaleplate-render " << sp::kVersion << "\n";
        return kWritten;
    }
    sp::PictureSession session;
    Ending end{kError};
    try {
        if (o.plate)
            return sp::RenderPlateFile(*o.plate, o.output, o.format, o.sheet ? &o.sheetOptions : nullptr);
        end = Run(o, session);
        if (!end.reachedCommand) return end.status;
    } catch (const sp::EError& e) {
        std::cerr << sp::ErrorBoxText(e.what()) << "\n";
    } catch (const std::bad_alloc&) {
        std::cerr << sp::ErrorBoxText(sp::EOutOfResources().what()) << "\n";
    }
    if (o.printParameters) PrintParameters(session.Params);
    return end.status;
}
