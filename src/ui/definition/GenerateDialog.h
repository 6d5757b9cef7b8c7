// "Generovať": a scale described in values (the meter's law, its end values,
// the steps, the calibration points) made into definition rows for the
// editor's grid. The arc's angles and radius are the main window's; the
// dialog reads the same keys as scaleplate-define (SetDescriptionValue), shows the
// ticks on a sketch of the arc while values are typed, and any refusal as
// its sentence, with OK disabled.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "scale/definition/DefinitionFile.h"
#include "scale/generator/DefinitionGenerator.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace sp {

class TTickDiagram;

// The main window's fields the generated scale lies on, as typed.
struct ArcFields {
    std::string left, right, radius;  // degrees, degrees, mm
};

class TGenerateDialog : public QDialog {
    Q_OBJECT
public:
    // `maxRows`: the most rows the editor's grid takes.
    explicit TGenerateDialog(std::size_t maxRows, QWidget* parent = nullptr);

    // The arc of the scale; the first-run values until this is called.
    void SetArc(const ArcFields& arc);
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
    ArcFields arc_;
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
