// The print preview: the sheet as the printer will get it, with the paper,
// orientation, copies, gap and the printer's correction factors to choose.
// Every change lays the sheet out again; a sheet that cannot be (a plate
// too large for the paper) shows its sentence and cannot be printed.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "scale/sheet/Sheet.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;

namespace sp {

class TSheetPreview : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen in the print dialog; its name shows in the
    // title of the factors.
    TSheetPreview(QPrinter& printer, std::vector<SheetPlate> plates, const SheetOptions& start,
                  QWidget* parent = nullptr);

    SheetOptions Options() const;
    // The sheet laid out from the current choices, or nothing while refused.
    const std::optional<Sheet>& CurrentSheet() const { return sheet_; }

private:
    void layOut();

    QPrinter& printer_;
    std::vector<SheetPlate> plates_;
    std::optional<Sheet> sheet_;
    QComboBox *cmbPaper_, *cmbOrientation_;
    QSpinBox* spinCopies_;
    QDoubleSpinBox *spinGap_, *spinScaleX_, *spinScaleY_;
    QLabel* lblMessage_;
    QPrintPreviewWidget* preview_;
    QPushButton* btnPrint_;
};

}  // namespace sp
