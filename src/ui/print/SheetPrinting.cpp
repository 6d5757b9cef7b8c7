#include "ui/print/SheetPrinting.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "base/Errors.h"
#include "scale/sheet/Sheet.h"
#include "ui/preview/PlatePainter.h"

namespace sp {

namespace {

QPageSize PageSizeOf(const std::string& paper) {
    if (paper == "A5") return QPageSize(QPageSize::A5);
    if (paper == "A3") return QPageSize(QPageSize::A3);
    if (paper == "Letter") return QPageSize(QPageSize::Letter);
    return QPageSize(QPageSize::A4);
}

}  // namespace

void TakePrinterPaper(const QPrinter& printer, SheetOptions& options) {
    const QPageLayout layout = printer.pageLayout();
    for (const Paper& p : Papers())
        if (PageSizeOf(p.name).id() == layout.pageSize().id()) {
            options.paper = p.name;
            options.landscape = layout.orientation() == QPageLayout::Landscape;
        }
}

void SetPrinterPage(QPrinter& printer, const Sheet& sheet) {
    printer.setFullPage(true);  // (0, 0) is the paper's corner, not the printable area's
    printer.setPageLayout(QPageLayout(PageSizeOf(sheet.options.paper),
                                      sheet.options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void PrintSheet(QPrinter& printer, const Sheet& sheet) {
    const DisplayList list = RecordSheet(sheet);
    SetPrinterPage(printer, sheet);
    QPainter painter;
    if (!painter.begin(&printer)) throw EError("Tlačiareň sa nepodarilo pripraviť na tlač.");
    painter.setRenderHint(QPainter::Antialiasing);
    // Grid pixels to device pixels through millimetres, as the PDF writer
    // maps them onto its page: the printer's resolution, not its page rect,
    // so that nothing is fitted to what the printer calls printable.
    const double dotsPerMm = printer.resolution() / 25.4;
    painter.scale(list.WidthMm / list.Width * dotsPerMm, list.HeightMm / list.Height * dotsPerMm);
    PaintDisplayList(painter, list);
    painter.end();
}

}  // namespace sp
