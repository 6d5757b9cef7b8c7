// scaleplate-define: makes a definition file from a scale described in
// values (the meter's law, its end values and steps), for the window's
// "Definícia" and scaleplate-render --definition.
#include <csignal>
#include <iostream>
#include <map>
#include <string>

#include "base/FileText.h"
#include "base/Procs.h"
#include "base/SafeFile.h"
#include "base/Version.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/generator/ScaleDescription.h"
#include "scale/input/ScaleInputError.h"
#include "scale/settings/Settings.h"

namespace {

constexpr int kWritten = 0, kMessage = 1, kError = 2, kUsage = 64;

const char* const kUsageText =
    "Usage: scaleplate-define --law LAW --from A --to B [--exponent P] [--center RH]\n"
    "                         [--points V:ANGLE,V:ANGLE,...] [--left DEG] [--right DEG]\n"
    "                         [--settings FILE] [--radius MM] [--major STEP] [--medium STEP]\n"
    "                         [--minor STEP] [--labels V,V,...] [--decimal comma|point]\n"
    "                         [--output FILE]\n"
    "\n"
    "Writes a definition file (one tick per line: angle,kind,number) for a scale\n"
    "described in values. Deflection 0 lies at the left angle, full deflection at\n"
    "the right angle.\n"
    "\n"
    "  --law LAW        linear, power, log, db, ohm-series, ohm-shunt or points\n"
    "  --from A         the value at the low end of the scale\n"
    "  --to B           the value at the other end (db: the full-scale value;\n"
    "                   ohmmeters: inf or ∞ for an infinite end, drawn as ∞)\n"
    "  --exponent P     power: deflection = (v^P - A^P) / (B^P - A^P)\n"
    "  --center RH      ohm-series: deflection = RH / (RH + R); ohm-shunt: R / (R + RH)\n"
    "  --points LIST    points: at least 3 pairs VALUE:ANGLE measured on the movement,\n"
    "                   strictly rising or falling; monotone cubic between them\n"
    "  --left DEG       angle of deflection 0      --right DEG   of full deflection\n"
    "  --settings FILE  take the angles, the radius, the segment length and the\n"
    "                   numbers' height, font, gap and place from this settings\n"
    "                   file; without it, the first-run values\n"
    "  --radius MM      arc radius: ticks stay 0.8 mm apart, numbers as drawn\n"
    "                   keep half their height apart\n"
    "  --major STEP     step of the numbered ticks (else chosen on 1-2-5 steps)\n"
    "  --medium STEP    step of the medium ticks   --minor STEP  of the minor ticks\n"
    "  --labels LIST    the numbered values, instead of a major step; an item\n"
    "                   VALUE=TEXT prints TEXT (1000=1k), a value with an SI\n"
    "                   prefix (2,2k 1M 500m) is printed as typed\n"
    "  --decimal SIGN   comma (default) or point in the numbers\n"
    "  --output FILE    the definition file to write; without it, standard output\n"
    "  --help           this text\n"
    "  --version        print the program's version\n"
    "\n"
    "Values take a decimal point or a decimal comma; to use decimal commas in a\n"
    "list, separate its items by \";\". Exit status: 0 written, 1 the scale was\n"
    "refused (the reason on standard error), 2 an error, 64 a usage error.\n"
    "Nothing is written unless the status is 0.\n";

int Usage(const std::string& problem) {
    std::cerr << "scaleplate-define: " << problem << "\n\n" << kUsageText;
    return kUsage;
}

// The arc and the numbers' room of the settings file, or of a first run.
void TakeSettings(const std::string* settings, sp::ScaleDescription& desc) {
    std::int32_t dpi = 0;
    const sp::FormFields fields = sp::CommandLineFields(settings, dpi);
    sp::SetDescriptionRoom(desc, fields);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a size limit ends the write with an error
    std::map<std::string, std::string> values;
    std::string settings, output;
    bool hasSettings = false, hasOutput = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsageText;
            return kWritten;
        }
        if (a == "--version") {
            std::cout << "scaleplate-define " << sp::kVersion << "\n";
            return kWritten;
        }
        if (a.rfind("--", 0) != 0) return Usage("unknown argument '" + a + "'");
        const std::string name = a.substr(2);
        if (name != "settings" && name != "output" && !sp::IsDescriptionKey(name)) return Usage("unknown argument '" + a + "'");
        if (i + 1 >= argc) return Usage(a + " needs a value");
        const std::string v = argv[++i];
        if (name == "settings") {
            settings = v;
            hasSettings = true;
        } else if (name == "output") {
            output = v;
            hasOutput = true;
        } else {
            values[name] = v;
        }
    }
    for (const char* needed : {"law", "from", "to"})
        if (!values.count(needed)) return Usage(std::string("--") + needed + " is required");

    try {
        sp::ScaleDescription desc;
        TakeSettings(hasSettings ? &settings : nullptr, desc);
        for (const auto& [key, value] : values) sp::SetDescriptionValue(desc, key, value);
        const std::vector<std::string> lines = sp::GenerateDefinition(desc);
        if (hasOutput) {
            sp::WriteDefinitionLines(lines, output);
        } else {
            std::string text;
            for (const std::string& line : lines) text += line + "\r\n";
            std::cout << sp::Utf8ToFileBytes(text) << std::flush;  // the bytes a file would get
        }
    } catch (const sp::EScaleInput& e) {
        std::cerr << e.what() << "\n";
        return kMessage;
    } catch (const sp::EError& e) {
        std::cerr << sp::ErrorBoxText(e.what()) << "\n";
        return kError;
    } catch (const std::bad_alloc&) {
        std::cerr << sp::ErrorBoxText(sp::EOutOfResources().what()) << "\n";
        return kError;
    }
    return kWritten;
}
