#include "ui/print/PrintPlate.h"

#include <QPrintDialog>
#include <QPrinter>
#include <new>

#include "base/Errors.h"
#include "scale/sheet/PrinterCorrection.h"
#include "ui/common/Dialogs.h"
#include "ui/print/SheetPreviewDialog.h"
#include "ui/print/SheetPrinting.h"

namespace sp {

namespace {

// The name the factors are kept under: the printer's, or "PDF" for a file.
std::string PrinterKey(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty()) return "PDF";
    return printer.printerName().toStdString();
}

}  // namespace

bool PrintPlate(QWidget* parent, const Plate& plate, const std::string& folder, const std::string& settingsPath,
                Dialogs& dialogs, const QString& caption) {
    QPrinter printer(QPrinter::HighResolution);
    return PrintPlate(parent, printer, plate, folder, settingsPath, dialogs, caption);
}

bool PrintPlate(QWidget* parent, QPrinter& printer, const Plate& plate, const std::string& folder,
                const std::string& settingsPath, Dialogs& dialogs, const QString& caption) {
    QPrintDialog choose(&printer, parent);
    choose.setWindowTitle("Tlačiť");
    if (!dialogs.ShowModal(&choose)) return false;
    try {
        const PrinterFactors factors = ReadPrinterFactors(settingsPath, PrinterKey(printer));
        SheetOptions start;
        TakePrinterPaper(printer, start);
        start.scaleX = factors.x, start.scaleY = factors.y;
        TSheetPreview preview(printer, {{plate, folder}}, start, parent);
        if (!dialogs.ShowModal(&preview) || !preview.CurrentSheet()) return false;
        const SheetOptions chosen = preview.Options();
        if (PrinterFactors{chosen.scaleX, chosen.scaleY} != factors)
            WritePrinterFactors(settingsPath, PrinterKey(printer), {chosen.scaleX, chosen.scaleY});
        PrintSheet(printer, *preview.CurrentSheet());
        return true;
    } catch (const EError& e) {
        dialogs.Error(parent, caption, QString::fromStdString(ErrorBoxText(e.what())));
    } catch (const std::bad_alloc&) {
        dialogs.Error(parent, caption, QString::fromStdString(ErrorBoxText(EOutOfResources().what())));
    }
    return false;
}

}  // namespace sp
