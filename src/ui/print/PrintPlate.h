// Printing a plate at true size, the command behind the windows' "Tlačiť...".
#pragma once

#include <QString>
#include <string>

#include "scale/plate/Plate.h"

class QPrinter;
class QWidget;

namespace sp {

class Dialogs;

// Qt's print dialog (in Slovak) on `printer`, then the sheet's preview with
// the factors kept for the chosen printer in the settings file; on "Tlačiť"
// the factors are stored and the sheet goes to the printer at 100%. `folder`
// places the definition files the plate's scales name. Gives true when the
// page was printed; errors are shown through `dialogs` under `caption`.
bool PrintPlate(QWidget* parent, const Plate& plate, const std::string& folder, const std::string& settingsPath,
                Dialogs& dialogs, const QString& caption);
// The same on a printer the caller owns (tests print to a PDF file).
bool PrintPlate(QWidget* parent, QPrinter& printer, const Plate& plate, const std::string& folder,
                const std::string& settingsPath, Dialogs& dialogs, const QString& caption);

}  // namespace sp
