// The definition editor: a grid of 255 rows (angle, type, label) saved as a
// definition file, and "Generovať..." to fill it from a scale described in
// values. Created once, hidden on close, keeping its rows.
#pragma once

#include <QDialog>
#include <vector>

#include "scale/definition/DefinitionFile.h"
#include "ui/common/Dialogs.h"
#include "ui/definition/GenerateDialog.h"

class QTableWidget;

namespace sp {

// The file dialog of a definition file ("scale.txt", text files), for saving
// in the editor and for opening in the main window.
FileDialogSetup DefinitionFileDialog(const QString& title, const QString& folder, bool forSave);

class DefinitionEditor : public QDialog {
    Q_OBJECT
public:
    static constexpr int Rows = 255;

    DefinitionEditor(const QString& programFolder, const QString& appTitle, Dialogs& dialogs, QWidget* parent = nullptr);

    // The grid rows 1 to 255 as typed (a cell being edited with its text).
    std::vector<DefinitionRow> GridRows() const;
    // The file name last chosen in saveDefinitionDialog_ (full path).
    QString ChosenFileName() const { return saveDefinitionDialog_.fileName; }
    // The main window's fields as typed: the arc a generated scale lies on
    // and the room its numbers have.
    void SetArc(const FormFields& arc) { arc_ = arc; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void createGrid(QWidget* parent);
    void btnSaveClick();
    void btnCancelClick();
    void btnGenerateClick();
    void fillGrid(const std::vector<DefinitionRow>& rows);

    QTableWidget* sgrdDefinitions;
    TGenerateDialog* generateDialog_ = nullptr;  // keeps its values between openings
    FormFields arc_;
    FileDialogSetup saveDefinitionDialog_;
    Dialogs& dialogs_;
    QString appTitle_;
};

}  // namespace sp
