#include "ui/print/SheetPreviewDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Errors.h"
#include "ui/print/SheetPrinting.h"

namespace sp {

namespace {

QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double from, double to, int decimals, double step,
                          double value) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(from, to);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

}  // namespace

TSheetPreview::TSheetPreview(QPrinter& printer, std::vector<SheetPlate> plates, const SheetOptions& start,
                             QWidget* parent)
    : QDialog(parent), printer_(printer), plates_(std::move(plates)) {
    setObjectName("SheetPreview");
    setWindowTitle("Ukážka tlače");
    auto* choices = new QGroupBox(" Hárok: ", this);
    auto* form = new QFormLayout(choices);
    cmbPaper_ = new QComboBox(choices);
    cmbPaper_->setObjectName("cmbPaper");
    for (const Paper& p : Papers()) cmbPaper_->addItem(p.name);
    cmbPaper_->setCurrentText(QString::fromStdString(start.paper));
    cmbOrientation_ = new QComboBox(choices);
    cmbOrientation_->setObjectName("cmbOrientation");
    cmbOrientation_->addItems({"Na výšku", "Na šírku"});
    cmbOrientation_->setCurrentIndex(start.landscape ? 1 : 0);
    spinCopies_ = new QSpinBox(choices);
    spinCopies_->setObjectName("spinCopies");
    spinCopies_->setRange(1, kMaxCopies);
    spinCopies_->setValue(start.copies);
    spinGap_ = NumberBox(choices, "spinGap", 0, kMaxGap, 1, 1, start.gap);
    form->addRow("&Papier:", cmbPaper_);
    form->addRow("&Orientácia:", cmbOrientation_);
    form->addRow("&Kópie:", spinCopies_);
    form->addRow("&Medzera [mm]:", spinGap_);

    const QString name = printer.printerName().isEmpty() ? QString("PDF") : printer.printerName();
    auto* correction = new QGroupBox(" Korekcia tlačiarne " + name + ": ", this);
    auto* factors = new QFormLayout(correction);
    spinScaleX_ = NumberBox(correction, "spinScaleX", kMinFactor, kMaxFactor, 3, 0.001, start.scaleX);
    spinScaleY_ = NumberBox(correction, "spinScaleY", kMinFactor, kMaxFactor, 3, 0.001, start.scaleY);
    factors->addRow("Vo&dorovne (100 mm):", spinScaleX_);
    factors->addRow("Zv&islo (50 mm):", spinScaleY_);
    auto* hint = new QLabel("Vytlačte hárok, zmerajte kontrolné mierky a zadajte\n"
                            "doterajší faktor × 100 / nameraná dĺžka (50 pri zvislej).",
                            correction);
    factors->addRow(hint);

    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName("lblMessage");
    lblMessage_->setWordWrap(true);
    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setObjectName("preview");
    preview_->setMinimumSize(420, 480);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        if (!sheet_) return;
        try {
            PrintSheet(*p, *sheet_);
        } catch (const EError& e) {
            lblMessage_->setText(QString::fromStdString(e.what()));
        }
    });

    auto* buttons = new QDialogButtonBox(this);
    btnPrint_ = buttons->addButton("&Tlačiť", QDialogButtonBox::AcceptRole);
    btnPrint_->setObjectName("btnPrint");
    buttons->addButton("&Zrušiť", QDialogButtonBox::RejectRole)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(choices);
    side->addWidget(correction);
    side->addWidget(lblMessage_);
    side->addStretch();
    side->addWidget(buttons);
    auto* top = new QHBoxLayout(this);
    top->addLayout(side);
    top->addWidget(preview_, 1);

    for (QComboBox* c : {cmbPaper_, cmbOrientation_})
        connect(c, &QComboBox::currentIndexChanged, this, &TSheetPreview::layOut);
    connect(spinCopies_, &QSpinBox::valueChanged, this, &TSheetPreview::layOut);
    for (QDoubleSpinBox* b : {spinGap_, spinScaleX_, spinScaleY_})
        connect(b, &QDoubleSpinBox::valueChanged, this, &TSheetPreview::layOut);
    layOut();
}

SheetOptions TSheetPreview::Options() const {
    SheetOptions o;
    o.paper = cmbPaper_->currentText().toStdString();
    o.landscape = cmbOrientation_->currentIndex() == 1;
    o.copies = spinCopies_->value();
    o.gap = spinGap_->value();
    o.scaleX = spinScaleX_->value();
    o.scaleY = spinScaleY_->value();
    return o;
}

void TSheetPreview::layOut() {
    Sheet sheet;
    std::optional<std::string> refusal;
    try {
        refusal = MakeSheet(plates_, Options(), sheet);
    } catch (const EError& e) {
        refusal = e.what();
    }
    if (refusal) {
        sheet_.reset();
        lblMessage_->setText(QString::fromStdString(*refusal));
    } else {
        sheet_ = std::move(sheet);
        SetPrinterPage(printer_, *sheet_);
        lblMessage_->setText(QString());
    }
    btnPrint_->setEnabled(sheet_.has_value());
    preview_->updatePreview();
}

}  // namespace sp
