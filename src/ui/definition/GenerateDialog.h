// "Generovať": a scale described in values (the meter's law, its end values,
// the steps, the calibration points) made into definition rows for the
// editor's grid. The arc and the numbers' room are the main window's; the
// dialog reads the same keys as scaleplate-define (SetDescriptionValue), shows the
// ticks on a sketch of the arc while values are typed, and any refusal as
// its sentence, with OK disabled.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "scale/definition/DefinitionFile.h"
#include "scale/generator/DefinitionGenerator.h"
#include "scale/input/FormFields.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace sp {

class TTickDiagram;

class TGenerateDialog : public QDialog {
    Q_OBJECT
public:
    // `maxRows`: the most rows the editor's grid takes.
    explicit TGenerateDialog(std::size_t maxRows, QWidget* parent = nullptr);

    // The main window's fields as typed: the arc the scale lies on and the
    // numbers' height, font and place, by which numbers are chosen and the
    // sketch drawn; the first-run values until this is called.
    void SetArc(const FormFields& fields);
    // The rows of the scale shown (angle to 4 decimals, kind letter, number),
    // in the order of the values; empty while the values are refused.
    const std::vector<DefinitionRow>& Rows() const { return rows_; }

private:
    QWidget* createLawGroup();
    QWidget* createStepGroup();
    QWidget* createPointsGroup();
    QWidget* createButtons();
    void watchChanges();
    void lawChanged();

    ScaleDescription descriptionOfFields() const;
    std::string pointsText() const;
    void regenerate();
    void refuse(const std::string& sentence);

    std::size_t maxRows_;
    FormFields arc_;
    std::vector<DefinitionRow> rows_;

    QComboBox* cmbLaw;
    QLineEdit *edtFrom, *edtTo, *edtExponent, *edtCenter;
    QLineEdit *edtMajor, *edtMedium, *edtMinor, *edtLabels;
    QButtonGroup* decimalSign;
    QTableWidget* sgrdPoints;
    TTickDiagram* pnlTicks;
    QLabel *lblArc, *lblTicks, *lblMessage;
    QPushButton* btnOk;
};

}  // namespace sp
