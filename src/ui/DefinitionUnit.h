// The definition editor: a two-column grid (angle, type) of 255 rows saved
// as a definition file. Created once, hidden on close, keeping its rows.
#pragma once

#include <QDialog>
#include <vector>

#include "DefinitionFile.h"
#include "Dialogs.h"

class QTableWidget;

namespace sp {

class TScaleDefinition : public QDialog {
    Q_OBJECT
public:
    static constexpr int Rows = 255;

    TScaleDefinition(const QString& programFolder, const QString& appTitle, Dialogs& dialogs, QWidget* parent = nullptr);

    // The grid rows 1 to 255 as typed (a cell being edited with its text).
    std::vector<DefinitionRow> GridRows() const;
    // The file name last chosen in SaveDialog1 (full path).
    QString ChosenFileName() const { return SaveDialog1.fileName; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void createGrid(QWidget* parent);
    void btnSaveClick();
    void btnCancelClick();

    QTableWidget* sgrdDefinitions;
    FileDialogSetup SaveDialog1;
    Dialogs& dialogs_;
    QString appTitle_;
};

}  // namespace sp
