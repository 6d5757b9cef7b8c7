#include "scale/sheet/PrinterCorrection.h"

#include <charconv>

#include "scale/settings/IniFile.h"
#include "scale/sheet/SheetLayout.h"

namespace sp {

namespace {

// The settings file is read in the C locale's digits whatever the
// user's locale: from_chars and to_chars.

// A printer name as a key: '=' would end the key and a leading '[' would
// open a section, so both become '_'.
std::string KeyOf(const std::string& printer, const char* axis) {
    std::string key = printer.empty() ? "_" : printer;
    for (char& ch : key)
        if (ch == '=' || ch == '[' || ch == ']' || ch == ';') ch = '_';
    return key + "." + axis;
}

double ReadFactor(const IniFile& ini, const std::string& key) {
    const std::string text = ini.ReadText(kPrinterSection, key, "");
    if (text.empty()) return 1;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !(v >= kMinFactor && v <= kMaxFactor)) return 1;
    return v;
}

}  // namespace

std::string FactorText(double factor) {
    // Not printf: the window runs in the user's locale, which may write "1,006".
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, factor, std::chars_format::fixed, 3);
    return std::string(text, r.ptr);
}

PrinterFactors ReadPrinterFactors(const std::string& settingsPath, const std::string& printer) {
    const IniFile ini(settingsPath);
    return {ReadFactor(ini, KeyOf(printer, "X")), ReadFactor(ini, KeyOf(printer, "Y"))};
}

void WritePrinterFactors(const std::string& settingsPath, const std::string& printer, const PrinterFactors& f) {
    IniFile ini(settingsPath);
    ini.WriteText(kPrinterSection, KeyOf(printer, "X"), FactorText(f.x));
    ini.WriteText(kPrinterSection, KeyOf(printer, "Y"), FactorText(f.y));
}

}  // namespace sp
