// A sheet onto a printer at true size: the printer's paper and orientation
// set to the sheet's, no margins, the whole page addressed, and the sheet's
// display list painted so that one millimetre of the sheet is one
// millimetre of paper. Never fitted or scaled to the printable area: the
// printer's correction is already in the sheet.
#pragma once

class QPrinter;

namespace sp {

struct Sheet;
struct SheetOptions;

// The paper and orientation chosen in the print dialog, when the sheet's
// table has that paper; `options` stays as it is otherwise.
void TakePrinterPaper(const QPrinter& printer, SheetOptions& options);

// The paper, orientation and zero margins of `sheet` on `printer`.
void SetPrinterPage(QPrinter& printer, const Sheet& sheet);

// Paints the sheet as the page of `printer` (SetPrinterPage first, a painter
// begun on it). Throws EError with the sentence when the printer cannot be
// painted on.
void PrintSheet(QPrinter& printer, const Sheet& sheet);

}  // namespace sp
