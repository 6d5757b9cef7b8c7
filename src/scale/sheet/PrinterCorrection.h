// The correction factors of each printer, kept in the settings file in a
// section of their own ("PrinterCorrection"), one key per printer and axis:
// "<printer name>.X" and "<printer name>.Y" with values such as "1.006".
// Nothing else in the file is read or touched.
#pragma once

#include <string>

namespace sp {

struct PrinterFactors {
    double x = 1, y = 1;
    friend bool operator==(const PrinterFactors&, const PrinterFactors&) = default;
};

inline constexpr const char* kPrinterSection = "PrinterCorrection";

// The printer's factors; 1.000 for a printer not in the file and for a value
// that is no number from 0.9 to 1.1.
PrinterFactors ReadPrinterFactors(const std::string& settingsPath, const std::string& printer);

// Stores the printer's factors, to three decimals. Throws EIniFileError as
// the settings file's writing does.
void WritePrinterFactors(const std::string& settingsPath, const std::string& printer, const PrinterFactors& f);

// "1.006": how a factor is stored and shown.
std::string FactorText(double factor);

}  // namespace sp
