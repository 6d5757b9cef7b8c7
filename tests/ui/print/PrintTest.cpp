// "Tlačiť..." as a user prints: the print dialog answered with Qt's PDF
// printer, the preview's choices, and the page that comes out compared
// with the command line's sheet of the same scale; the factors kept for the
// printer without touching the rest of the settings file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <fstream>

#include "ui/print/SheetPreviewDialog.h"
#include "ui/support/UiApp.h"

namespace {

int Shell(const std::string& cmd) {
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// The page at 100 dpi, dark where below half grey.
struct Page {
    int width = 0, height = 0;
    std::vector<bool> dark;
    bool Near(int x, int y) const {  // dark here or at a neighbour
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int u = x + dx, v = y + dy;
                if (u >= 0 && v >= 0 && u < width && v < height && dark[static_cast<std::size_t>(v) * width + u])
                    return true;
            }
        return false;
    }
};

Page Rasterise(const std::string& pdf, const std::string& stem) {
    EXPECT_EQ(Shell("pdftoppm -r 100 -gray -singlefile '" + pdf + "' '" + stem + "'"), 0);
    std::ifstream in(stem + ".pgm", std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Page p;
    in >> magic >> p.width >> p.height >> maxValue;
    in.get();
    for (int i = 0; i < p.width * p.height; ++i) p.dark.push_back(in.get() < 128);
    return p;
}

// Dark pixels of `a` with no dark pixel at or beside them in `b`.
long Lost(const Page& a, const Page& b) {
    long n = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) n += a.dark[static_cast<std::size_t>(y) * a.width + x] && !b.Near(x, y);
    return n;
}

TEST(Print, TheWindowsScaleGoesThroughQtsPdfPrinterAsTheCommandLinesSheet) {
    App a;
    a.Masked("medtRadius")->SetValue("40");
    const std::string before = a.Ini();
    const std::string qtPdf = a.dir.Path("qt.pdf");
    std::string refusal;
    bool printEnabledWhenRefused = true;
    a.dialogs.modal = [&](QDialog* d) {
        if (auto* choose = qobject_cast<QPrintDialog*>(d)) {
            choose->printer()->setOutputFormat(QPrinter::PdfFormat);
            choose->printer()->setOutputFileName(QString::fromStdString(qtPdf));
            return true;
        }
        auto* preview = qobject_cast<sp::TSheetPreview*>(d);
        if (!preview) return false;
        // Too many copies for A5: the sentence, and no printing.
        Find<QComboBox>(preview, "cmbPaper")->setCurrentText("A5");
        Find<QSpinBox>(preview, "spinCopies")->setValue(30);
        refusal = Find<QLabel>(preview, "lblMessage")->text().toStdString();
        printEnabledWhenRefused = Find<QPushButton>(preview, "btnPrint")->isEnabled();
        Find<QComboBox>(preview, "cmbPaper")->setCurrentText("A4");
        Find<QComboBox>(preview, "cmbOrientation")->setCurrentIndex(1);
        Find<QSpinBox>(preview, "spinCopies")->setValue(3);
        Find<QDoubleSpinBox>(preview, "spinScaleX")->setValue(1.006);
        return Find<QPushButton>(preview, "btnPrint")->isEnabled();
    };
    a.Button("btnPrint")->click();
    EXPECT_EQ(refusal.rfind("Na papier A5 na výšku sa s kontrolnými mierkami zmest", 0), 0u) << refusal;
    EXPECT_FALSE(printEnabledWhenRefused);
    EXPECT_TRUE(a.dialogs.shown.empty());

    // The factors are kept for the printer, the rest of the file as it was.
    const std::string after = a.Ini();
    ASSERT_EQ(after.substr(0, before.size()), before);
    EXPECT_NE(after.find("[PrinterCorrection]\r\nPDF.X=1.006\r\nPDF.Y=1.000"), std::string::npos) << after;

    const std::string cliPdf = a.dir.Path("cli.pdf");
    // Under LeakSanitizer the renderer gets the command-line tests' suppression
    // of fontconfig's one-time allocation.
    ASSERT_EQ(Shell("LSAN_OPTIONS=suppressions=" SCALEPLATE_LSAN_SUPPRESSIONS ":fast_unwind_on_malloc=0 '"
                    SCALEPLATE_RENDER "' --settings '" + a.dir.Path("scaleplate.ini") +
                    "' --set Radius=40 --sheet A4 --landscape --copies 3 --scale-x 1.006 --output '" + cliPdf + "'"),
              0);
    const Page qt = Rasterise(qtPdf, a.dir.Path("qt")), cli = Rasterise(cliPdf, a.dir.Path("cli"));
    ASSERT_EQ(qt.width, cli.width);  // 297 mm across at 100 dpi
    ASSERT_EQ(qt.height, cli.height);
    EXPECT_EQ(qt.width, 1170);
    long ink = 0;
    for (bool d : cli.dark) ink += d;
    EXPECT_GT(ink, 3000);  // three scales, marks and bars
    EXPECT_LE(Lost(qt, cli), ink / 200);
    EXPECT_LE(Lost(cli, qt), ink / 200);

    if (std::getenv("SHEET_KEEP")) Shell("cp '" + qtPdf + "' '" + cliPdf + "' /tmp/h22/");
    // The next print starts from the printer's kept factors.
    double startX = 0;
    a.dialogs.modal = [&](QDialog* d) {
        if (qobject_cast<QPrintDialog*>(d)) {
            static_cast<QPrintDialog*>(d)->printer()->setOutputFormat(QPrinter::PdfFormat);
            return true;
        }
        if (auto* preview = qobject_cast<sp::TSheetPreview*>(d)) startX = preview->Options().scaleX;
        return false;
    };
    a.Button("btnPrint")->click();
    EXPECT_EQ(startX, 1.006);
}

}  // namespace
